#include "message_box.h"

#include <string>

#include "dialog.h"
#include "win_app.h"

int AfxMessageBox(const char* text, UINT type) {
    CWinApp* app = AfxGetApp();
    HWND owner = nullptr;
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) {
        owner = GetLastActivePopup(GetAncestor(app->m_pMainWnd->m_hWnd, GA_ROOT));
    }
    if ((type & MB_ICONMASK) == 0) {
        type |= MB_ICONEXCLAMATION;
    }
    const char* caption = app != nullptr ? app->m_strAppName.c_str() : nullptr;
    return MessageBoxA(owner, text, caption, type);
}

int AfxMessageBox(UINT id, UINT type) {
    std::string text = AfxLoadString(id);
    return AfxMessageBox(text.c_str(), type);
}
