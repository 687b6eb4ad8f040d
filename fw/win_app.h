#pragma once

#include <windows.h>

#include <string>

#include "message_map.h"

class CWnd;

// Framework command ids.
constexpr UINT ID_HELP = 0xE146;
constexpr UINT ID_DEFAULT_HELP = 0xE147;

// The application: one object per process, constructed before the entry point
// runs, which then calls InitInstance.
class CWinApp : public CCmdTarget {
public:
    // A null name means: take the names from the executable.
    explicit CWinApp(const char* app_name = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    const MessageMap* GetMessageMap() const override;

    virtual BOOL InitApplication() { return TRUE; }
    // Returning FALSE ends the program without running the message loop.
    virtual BOOL InitInstance() { return FALSE; }
    virtual int Run();
    virtual int ExitInstance() { return 0; }

    // Asks the Windows Help engine for `data` in the help file; shows
    // "Failed to launch help." when the engine cannot be started.
    virtual void WinHelp(DWORD_PTR data, UINT command);

    // The help command: finds the context of the window the user is in and
    // shows its topic.
    void OnHelp();

    // Records the instance and derives the names from the executable's path.
    void InitNames(HINSTANCE instance);

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    std::string m_strExeName;       // file name without folder and extension
    std::string m_strAppName;       // caption of the framework's message boxes
    std::string m_strHelpFilePath;  // the executable's path with ".HLP" for its extension

protected:
    static const MessageMap* GetThisMessageMap();

private:
    const char* requested_name_;
};

// The application object, or null when none exists.
CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();

// The owner of a modal window: the given parent, else the main window unless
// that is `self`; then the top-level window of either and its last active
// pop-up, so the new window sits on top. Null when there is none.
HWND AfxOwnerFor(const CWnd* parent, const CWnd* self = nullptr);

// The process entry's work: initialise, InitInstance, then the loop or the end.
int AfxWinMain(HINSTANCE instance, int show_command);

// Asked of a window to learn its help context; a dialog answers 0x20000 plus
// its template id, other windows 0.
constexpr UINT WM_COMMANDHELP = 0x0365;
constexpr DWORD HID_BASE_RESOURCE = 0x20000;

// The names the framework derives from the executable's full path: the file
// name without folder and extension, and the path with ".HLP" for extension.
std::string ExeNameFromPath(const std::string& path);
std::string HelpFilePathFromPath(const std::string& path);

// Loads string `id` from the program's resources; empty when missing.
std::string AfxLoadString(UINT id);

// Does what it does on current Windows: nothing. Kept so start-up reads as
// the framework expects.
inline void AfxEnableControlContainer(void* manager = nullptr) {
    (void)manager;
}
inline BOOL Enable3dControlsStatic() {
    return TRUE;
}
