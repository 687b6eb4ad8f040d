#include "dialog.h"

#include <cstdint>
#include <cstring>

#include "win_app.h"

namespace {
// The resource type of dialog-init data, and the old message codes it holds.
constexpr WORD kDialogInitType = 240;
constexpr WORD kOldListAddString = 0x0401;
constexpr WORD kOldComboAddString = 0x0403;

// The slot that binds a dialog window to its object.
constexpr int kObjectSlot = DWLP_USER;

CDialog* ObjectOf(HWND window) {
    return reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, kObjectSlot));
}

// The style and position a dialog template asks for, classic or extended.
struct TemplatePlacement {
    DWORD style = 0;
    short x = 0;
    short y = 0;
    bool valid = false;
};

TemplatePlacement ReadPlacement(UINT template_id) {
    TemplatePlacement placement;
    HINSTANCE module = AfxGetInstanceHandle();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(template_id), MAKEINTRESOURCEA(5));
    if (found == nullptr) {
        return placement;
    }
    const auto* bytes =
        static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
    DWORD size = SizeofResource(module, found);
    if (bytes == nullptr || size < 26) {
        return placement;
    }
    WORD signature;
    std::memcpy(&signature, bytes + 2, sizeof signature);
    bool extended = signature == 0xFFFF;
    // Extended: version, signature, help id, extended style, style, count, x, y.
    // Classic: style, extended style, count, x, y.
    std::size_t style_at = extended ? 12 : 0;
    std::size_t x_at = extended ? 18 : 10;
    std::memcpy(&placement.style, bytes + style_at, sizeof placement.style);
    std::memcpy(&placement.x, bytes + x_at, sizeof placement.x);
    std::memcpy(&placement.y, bytes + x_at + 2, sizeof placement.y);
    placement.valid = true;
    return placement;
}

}  // namespace

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    if (caption == nullptr) {
        CWinApp* app = AfxGetApp();
        caption = app != nullptr ? app->m_strAppName.c_str() : "";
    }
    return ::MessageBoxA(m_hWnd, text, caption, type);
}

void CWnd::SetWindowText(const char* text) {
    ::SetWindowTextA(m_hWnd, text);
}

CDialog::CDialog(UINT template_id, CWnd* parent) : template_id_(template_id), parent_(parent) {}

const MessageMap* CDialog::GetThisMessageMap() {
    static const MessageEntry entries[] = {
        MapCommand(IDOK, &CDialog::HandleOk),
        MapCommand(IDCANCEL, &CDialog::HandleCancel),
    };
    static const MessageMap map = MakeMessageMap(CCmdTarget::GetThisMessageMap(), entries);
    return &map;
}

const MessageMap* CDialog::GetMessageMap() const {
    return GetThisMessageMap();
}

INT_PTR CDialog::DoModal() {
    HWND owner = AfxOwnerFor(parent_, this);
    INT_PTR result = DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(template_id_), owner,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    // A dialog that was never created must not stay named as the main window.
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
    }
    return result;
}

BOOL CDialog::UpdateData(BOOL save_and_validate) {
    CDataExchange dx{m_hWnd, save_and_validate != FALSE};
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog() {
    ExecuteDialogInit();
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnSysCommand(UINT id, LPARAM lparam) {
    DefWindowProcA(m_hWnd, WM_SYSCOMMAND, id, lparam);
}

void CDialog::OnPaint() {
    DefWindowProcA(m_hWnd, current_message_, current_wparam_, current_lparam_);
}

void CDialog::ExecuteDialogInit() {
    HINSTANCE module = AfxGetInstanceHandle();
    HRSRC found =
        FindResourceA(module, MAKEINTRESOURCEA(template_id_), MAKEINTRESOURCEA(kDialogInitType));
    if (found == nullptr) {
        return;
    }
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
    const std::size_t size = SizeofResource(module, found);
    if (data == nullptr) {
        return;
    }
    // Entries: control id (16 bits), message (16 bits), length (32 bits), data.
    // They are packed without alignment; an id of 0 ends the list.
    std::size_t at = 0;
    while (at + 2 <= size) {
        WORD id;
        std::memcpy(&id, data + at, sizeof id);
        if (id == 0 || at + 8 > size) {
            break;
        }
        WORD message;
        DWORD length;
        std::memcpy(&message, data + at + 2, sizeof message);
        std::memcpy(&length, data + at + 4, sizeof length);
        at += 8;
        if (length > size - at) {
            break;
        }
        UINT translated = message == kOldComboAddString  ? CB_ADDSTRING
                          : message == kOldListAddString ? LB_ADDSTRING
                                                         : 0;
        if (translated != 0 && length > 0 && data[at + length - 1] == '\0') {
            SendDlgItemMessageA(m_hWnd, id, translated, 0, reinterpret_cast<LPARAM>(data + at));
        }
        at += length;
    }
}

void CDialog::CentreIfTemplateAsks() {
    TemplatePlacement placement = ReadPlacement(template_id_);
    if (!placement.valid || placement.x != 0 || placement.y != 0 ||
        (placement.style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) != 0) {
        return;
    }
    RECT self;
    GetWindowRect(m_hWnd, &self);
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    bool over_owner = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(over_owner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    const RECT area = monitor.rcWork;
    RECT centre = area;
    if (over_owner) {
        GetWindowRect(owner, &centre);
    }
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    int x = (centre.left + centre.right) / 2 - width / 2;
    int y = (centre.top + centre.bottom) / 2 - height / 2;
    // Keep the whole dialog inside the work area.
    if (x + width > area.right)
        x = area.right - width;
    if (x < area.left)
        x = area.left;
    if (y + height > area.bottom)
        y = area.bottom - height;
    if (y < area.top)
        y = area.top;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::OnHelpInfo() {
    // Help goes to the application; Shift, Ctrl or Alt held means another request.
    if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
        return;
    }
    CWinApp* app = AfxGetApp();
    if (app == nullptr || app->m_pMainWnd == nullptr || app->m_pMainWnd->m_hWnd == nullptr) {
        return;
    }
    SendMessageA(app->m_pMainWnd->m_hWnd, WM_COMMAND, ID_HELP, 0);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lparam);
        SetWindowLongPtrA(window, kObjectSlot, reinterpret_cast<LONG_PTR>(self));
        self->m_hWnd = window;
        BOOL focus_default = self->OnInitDialog();
        self->CentreIfTemplateAsks();
        return focus_default;
    }
    CDialog* self = ObjectOf(window);
    if (self == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, kObjectSlot, 0);
        self->m_hWnd = nullptr;
        CWinApp* app = AfxGetApp();
        if (app != nullptr && app->m_pMainWnd == self) {
            app->m_pMainWnd = nullptr;
        }
        return FALSE;
    }
    return self->HandleMessage(message, wparam, lparam);
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    current_message_ = message;
    current_wparam_ = wparam;
    current_lparam_ = lparam;
    LRESULT result = 0;
    switch (message) {
        case WM_HELP:
            OnHelpInfo();
            return TRUE;
        case WM_COMMANDHELP:
            SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, HID_BASE_RESOURCE + template_id_);
            return TRUE;
        case WM_COMMAND: {
            UINT id = LOWORD(wparam);
            if (HIWORD(wparam) != BN_CLICKED && lparam != 0) {
                return FALSE;  // a control's notification other than a click
            }
            if (Dispatch(WM_COMMAND, id, wparam, lparam, &result)) {
                return TRUE;
            }
            // Commands the dialog does not handle go on to the application.
            CWinApp* app = AfxGetApp();
            return app != nullptr && app->Dispatch(WM_COMMAND, id, wparam, lparam, &result);
        }
        case WM_QUERYDRAGICON:
            // One of the messages whose result a dialog procedure returns directly.
            if (Dispatch(message, 0, wparam, lparam, &result)) {
                return static_cast<INT_PTR>(result);
            }
            return FALSE;
        default:
            return Dispatch(message, 0, wparam, lparam, &result) ? TRUE : FALSE;
    }
}
