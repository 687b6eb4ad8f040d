#include "ui_driver.h"

#include <gtest/gtest.h>

namespace {
UiDriver* g_driver = nullptr;
constexpr int kMessageBoxText = 0xFFFF;
constexpr int kTicksBeforeGivingUp = 100;  // at 50 ms each

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM found) {
    if (ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) != 0 &&
        SendMessageA(child, STM_GETICON, 0, 0) != 0) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

// A message box shows an icon in a static control of its own.
bool HasVisibleIcon(HWND box) {
    bool found = false;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&found));
    return found;
}
}  // namespace

std::string TextOf(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

HWND Item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

void TypeInto(HWND dialog, int id, const std::string& text) {
    SetFocus(Item(dialog, id));
    HWND field = GetFocus();
    SendMessageA(field, EM_SETSEL, 0, -1);
    SendMessageA(field, WM_CHAR, VK_BACK, 0);
    for (char c : text) {
        SendMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
}

void Click(HWND dialog, int id) {
    SendMessageA(Item(dialog, id), BM_CLICK, 0, 0);
}

void PostKey(UINT virtual_key) {
    HWND target = GetFocus();
    PostMessageA(target, WM_KEYDOWN, virtual_key, 1);
    PostMessageA(target, WM_KEYUP, virtual_key, 0xC0000001);
}

std::vector<std::string> ListOf(HWND combo) {
    std::vector<std::string> items;
    LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string item(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1,
                         '\0');
        item.resize(static_cast<std::size_t>(
            SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        items.push_back(item);
    }
    return items;
}

UiDriver::UiDriver(std::string main_caption) : main_caption_(std::move(main_caption)) {
    g_driver = this;
    hook_ = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

UiDriver::~UiDriver() {
    if (timer_ != 0) {
        KillTimer(nullptr, timer_);
    }
    UnhookWindowsHookEx(hook_);
    g_driver = nullptr;
}

std::vector<std::string> UiDriver::SeenTexts() const {
    std::vector<std::string> texts;
    for (const SeenWindow& window : seen) {
        texts.push_back(window.caption + ": " + window.text);
    }
    return texts;
}

LRESULT CALLBACK UiDriver::CbtProc(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE && g_driver != nullptr) {
        g_driver->OnActivate(reinterpret_cast<HWND>(wparam));
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

void UiDriver::OnActivate(HWND window) {
    if (ClassOf(window) != "#32770") {
        return;
    }
    SeenWindow window_seen;
    window_seen.caption = TextOf(window);
    // Known by its handle once seen: a source pick changes its caption.
    if (window == main_dialog_ ||
        (main_dialog_ == nullptr && window_seen.caption == main_caption_)) {
        main_dialog_ = window;
        ++main_activations;
        return;
    }
    if (HWND text = GetDlgItem(window, kMessageBoxText); text != nullptr) {
        window_seen.text = TextOf(text);
    }
    window_seen.has_icon = HasVisibleIcon(window);
    window_seen.owner = GetWindow(window, GW_OWNER);
    seen.push_back(window_seen);
    if (on_activate && on_activate(window, window_seen)) {
        return;
    }
    PostMessageA(window, WM_COMMAND, IDOK, 0);
}

void UiDriver::ScheduleSteps(std::vector<std::function<void(HWND)>> steps) {
    steps_.assign(steps.begin(), steps.end());
    idle_ticks_ = 0;
    timer_ = SetTimer(nullptr, 0, 50, TimerProc);
}

void CALLBACK UiDriver::TimerProc(HWND, UINT, UINT_PTR, DWORD) {
    if (g_driver != nullptr) {
        g_driver->OnTick();
    }
}

void UiDriver::OnTick() {
    if (main_dialog_ == nullptr || !IsWindow(main_dialog_)) {
        main_dialog_ = FindWindowA("#32770", main_caption_.c_str());
    }
    HWND dialog = main_dialog_;
    if (in_step_ || dialog == nullptr || !IsWindowEnabled(dialog)) {
        return;
    }
    if (!steps_.empty()) {
        auto step = std::move(steps_.front());
        steps_.pop_front();
        in_step_ = true;
        step(dialog);
        in_step_ = false;
        return;
    }
    if (++idle_ticks_ == kTicksBeforeGivingUp) {
        ADD_FAILURE() << "the main dialog stayed open after the last step";
        EndDialog(dialog, IDCANCEL);
    }
}
