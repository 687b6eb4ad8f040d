#include "file_dialog.h"

#include <cstring>

#include "win_app.h"
#include "wnd.h"

namespace {
// The given parent, else the application's main window; then the top-level
// window of either and its last active pop-up, so the dialog sits on top.
HWND OwnerFor(const CWnd* parent) {
    HWND owner = nullptr;
    if (parent != nullptr) {
        owner = parent->m_hWnd;
    } else if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr) {
        owner = app->m_pMainWnd->m_hWnd;
    }
    if (owner == nullptr) {
        return nullptr;
    }
    return GetLastActivePopup(GetAncestor(owner, GA_ROOT));
}
}  // namespace

std::string FilterFromBars(const char* filter) {
    std::string converted = filter != nullptr ? filter : "";
    for (char& c : converted) {
        if (c == '|') {
            c = '\0';
        }
    }
    return converted;
}

CFileDialog::CFileDialog(BOOL open_file_dialog, const char* default_ext, const char* file_name,
                         DWORD flags, const char* filter, CWnd* parent)
    : open_(open_file_dialog != FALSE),
      has_default_ext_(default_ext != nullptr),
      default_ext_(default_ext != nullptr ? default_ext : ""),
      filter_(FilterFromBars(filter)),
      flags_(flags | OFN_EXPLORER | OFN_ENABLESIZING),
      parent_(parent) {
    if (file_name != nullptr) {
        // A name too long for the buffer is cut, never overrun.
        std::strncpy(file_name_, file_name, sizeof file_name_ - 1);
    }
}

INT_PTR CFileDialog::DoModal() {
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = OwnerFor(parent_);
    ofn.hInstance = AfxGetInstanceHandle();
    ofn.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
    ofn.nFilterIndex = filter_.empty() ? 0 : 1;
    ofn.lpstrFile = file_name_;
    ofn.nMaxFile = sizeof file_name_;
    ofn.lpstrDefExt = has_default_ext_ ? default_ext_.c_str() : nullptr;
    ofn.Flags = flags_;

    BOOL chosen = open_ ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
    extended_error_ = chosen ? 0 : CommDlgExtendedError();
    if (chosen) {
        outcome_ = Outcome::Chosen;
        return IDOK;
    }
    outcome_ = extended_error_ == 0 ? Outcome::Cancelled : Outcome::Failed;
    // After a failure the buffer may hold a required size, not a name.
    if (outcome_ == Outcome::Failed) {
        file_name_[0] = '\0';
    }
    return IDCANCEL;
}

std::string CFileDialog::GetPathName() const {
    if (outcome_ != Outcome::Chosen) {
        return {};
    }
    return std::string(file_name_, strnlen(file_name_, sizeof file_name_));
}
