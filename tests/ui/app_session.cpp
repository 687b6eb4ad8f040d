#include "app_session.h"

AppSession::AppSession() {
    DWORD length = GetCurrentDirectoryA(0, nullptr);
    previous_directory_.resize(length);
    previous_directory_.resize(GetCurrentDirectoryA(length, previous_directory_.data()));
    SetCurrentDirectoryA(dir.root().string().c_str());
    app.InitNames(GetModuleHandleA(nullptr));
}

AppSession::~AppSession() {
    SetCurrentDirectoryA(previous_directory_.c_str());
}

BOOL AppSession::Run(std::vector<std::function<void(HWND)>> steps) {
    driver.ScheduleSteps(std::move(steps));
    return app.InitInstance();
}

void AppSession::WriteSettings(const std::string& source, const std::string& dest,
                               const std::string& lines) {
    WriteBytes(dir.Path("zentrim.ini"), SettingsText(source, dest, lines));
}

std::string SettingsText(const std::string& source, const std::string& dest,
                         const std::string& lines) {
    return "CREATOR=ZENTRIM 1.0\r\nSOURCE=" + source + "\r\nDEST=" + dest + "\r\nLINES=" + lines +
           "\r\n\r\n";
}
