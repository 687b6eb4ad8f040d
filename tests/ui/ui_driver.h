#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// What the test saw of a dialog or message box when it was activated.
struct SeenWindow {
    std::string caption;
    std::string text;  // a message box's text; empty for other dialogs
    bool has_icon = false;
    HWND owner = nullptr;
};

// Drives the program's dialogs on the test's own thread.
//
// Every dialog or message box activated while the driver lives is recorded
// and, unless `on_activate` handles it, dismissed with OK. The main dialog,
// found by `main_caption` and then known by its handle, is left to the steps.
class UiDriver {
public:
    explicit UiDriver(std::string main_caption = "Zentrim by Quenby");
    ~UiDriver();
    UiDriver(const UiDriver&) = delete;
    UiDriver& operator=(const UiDriver&) = delete;

    // Called for each activated window other than the main dialog; return
    // true when it was dealt with (by posting), false to have it dismissed.
    std::function<bool(HWND window, const SeenWindow& seen)> on_activate;

    std::vector<SeenWindow> seen;
    int main_activations = 0;

    // Runs `steps`, one per timer tick, while a modal loop of the thread runs;
    // each receives the main dialog. The last step must end the dialog;
    // a dialog left open is ended after a few seconds and the test failed.
    void ScheduleSteps(std::vector<std::function<void(HWND dialog)>> steps);

    std::vector<std::string> SeenTexts() const;

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wparam, LPARAM lparam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    void OnActivate(HWND window);
    void OnTick();

    std::string main_caption_;
    HWND main_dialog_ = nullptr;
    HHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    std::deque<std::function<void(HWND)>> steps_;
    bool in_step_ = false;
    int idle_ticks_ = 0;
};

// Helpers acting on the main dialog as a person would, through messages.
HWND Item(HWND dialog, int id);
std::string TextOf(HWND window);
// Focuses the control and replaces its text by typing `text` into it.
void TypeInto(HWND dialog, int id, const std::string& text);
// Clicks a push button and returns when its handler has run.
void Click(HWND dialog, int id);
// Posts a key press to the control with the focus, for the dialog's own
// keyboard handling to see.
void PostKey(UINT virtual_key);
// The strings of the combo box's list, top to bottom.
std::vector<std::string> ListOf(HWND combo);
