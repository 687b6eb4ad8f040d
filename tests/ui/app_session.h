#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "temp_dir.h"
#include "ui_driver.h"
#include "zentrim_app.h"

// The application with the Windows Help engine replaced by a recorder.
class TestApp : public CZentrimApp {
public:
    struct HelpCall {
        DWORD_PTR data;
        UINT command;
        std::string file;
    };
    std::vector<HelpCall> help_calls;

    void WinHelp(DWORD_PTR data, UINT command) override {
        help_calls.push_back({data, command, m_strHelpFilePath});
    }
};

// One run of the application in a fresh current directory, driven by steps.
class AppSession {
public:
    AppSession();
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // Runs InitInstance to its end with `steps` run inside the main dialog.
    // Returns what InitInstance returned.
    BOOL Run(std::vector<std::function<void(HWND)>> steps);

    void WriteSettings(const std::string& source, const std::string& dest,
                       const std::string& lines);
    std::string Settings() const { return ReadBytes(dir.Path("zentrim.ini")); }
    std::string Path(const std::string& name) const { return dir.Path(name); }

    TempDir dir;
    TestApp app;
    UiDriver driver;

private:
    std::string previous_directory_;
};

// The settings file as the program writes it.
std::string SettingsText(const std::string& source, const std::string& dest,
                         const std::string& lines);
