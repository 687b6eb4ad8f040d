#include "win_app.h"

#include <commctrl.h>

#include "dialog.h"
#include "message_box.h"

namespace {
CWinApp* g_app = nullptr;

std::string ModulePath(HINSTANCE instance) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(instance, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) {
            return std::string();
        }
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// Offers the help request to `window` and each of its parents or owners.
DWORD AskForContext(HWND window) {
    for (; window != nullptr; window = GetParent(window)) {
        DWORD context = static_cast<DWORD>(SendMessageA(window, WM_COMMANDHELP, 0, 0));
        if (context != 0) {
            return context;
        }
    }
    return 0;
}
}  // namespace

CWinApp::CWinApp(const char* app_name) : requested_name_(app_name) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

CWinApp* AfxGetApp() {
    return g_app;
}

HINSTANCE AfxGetInstanceHandle() {
    if (g_app != nullptr && g_app->m_hInstance != nullptr) {
        return g_app->m_hInstance;
    }
    return GetModuleHandleA(nullptr);
}

HWND AfxOwnerFor(const CWnd* parent, const CWnd* self) {
    HWND owner = nullptr;
    if (parent != nullptr) {
        owner = parent->m_hWnd;
    } else if (g_app != nullptr && g_app->m_pMainWnd != nullptr && g_app->m_pMainWnd != self) {
        owner = g_app->m_pMainWnd->m_hWnd;
    }
    if (owner == nullptr) {
        return nullptr;
    }
    return GetLastActivePopup(GetAncestor(owner, GA_ROOT));
}

std::string AfxLoadString(UINT id) {
    // With a length of 0 the wide call tells the length without copying.
    const wchar_t* text = nullptr;
    int n = LoadStringW(AfxGetInstanceHandle(), id, reinterpret_cast<wchar_t*>(&text), 0);
    if (n <= 0) {
        return std::string();
    }
    // A character of a double-byte code page may take two bytes.
    std::string result(static_cast<std::size_t>(n) * 2 + 1, '\0');
    n = LoadStringA(AfxGetInstanceHandle(), id, result.data(), static_cast<int>(result.size()));
    result.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return result;
}

const MessageMap* CWinApp::GetThisMessageMap() {
    static const MessageMap map{CCmdTarget::GetThisMessageMap(), nullptr, 0};
    return &map;
}

const MessageMap* CWinApp::GetMessageMap() const {
    return GetThisMessageMap();
}

std::string ExeNameFromPath(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    return file.substr(0, file.rfind('.'));
}

std::string HelpFilePathFromPath(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        dot = path.size();
    }
    return path.substr(0, dot) + ".HLP";
}

void CWinApp::InitNames(HINSTANCE instance) {
    m_hInstance = instance;
    const std::string path = ModulePath(instance);
    m_strExeName = ExeNameFromPath(path);
    if (requested_name_ != nullptr) {
        m_strAppName = requested_name_;
    } else {
        constexpr UINT kAppTitleString = 0xE000;
        m_strAppName = AfxLoadString(kAppTitleString);
        if (m_strAppName.empty()) {
            m_strAppName = m_strExeName;
        }
    }
    m_strHelpFilePath = HelpFilePathFromPath(path);
}

int CWinApp::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return ExitInstance();
}

void CWinApp::OnHelp() {
    HWND main = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    DWORD context = AskForContext(GetCapture());
    if (context == 0) {
        context = AskForContext(GetFocus());
    }
    if (context == 0 && main != nullptr) {
        context = AskForContext(GetLastActivePopup(main));
    }
    if (context == 0) {
        if (main != nullptr) {
            SendMessageA(main, WM_COMMAND, ID_DEFAULT_HELP, 0);
        }
        return;
    }
    WinHelp(context, HELP_CONTEXT);
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command) {
    HWND main = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    // A capture or a tracking mode left on would swallow the help window's input.
    ReleaseCapture();
    if (main != nullptr) {
        SendMessageA(main, WM_CANCELMODE, 0, 0);
    }
    if (!::WinHelpA(main, m_strHelpFilePath.c_str(), command, data)) {
        AfxMessageBox("Failed to launch help.");
    }
}

int AfxWinMain(HINSTANCE instance, int show_command) {
    (void)show_command;
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return -1;
    }
    // A file operation on a drive without a medium should fail, not ask.
    SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    app->InitNames(instance);

    if (!app->InitApplication() || !app->InitInstance()) {
        if (app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) {
            DestroyWindow(app->m_pMainWnd->m_hWnd);
        }
        return app->ExitInstance();
    }
    return app->Run();
}
