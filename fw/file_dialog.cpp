#include "file_dialog.h"

#include <commctrl.h>

#include <cstring>

#include "win_app.h"
#include "wnd.h"

namespace {
// Wine's Open dialog overruns a stack buffer of its own on a typed name making
// a path past MAX_PATH and takes the program down, so there the confirmation is
// guarded. Windows needs no guard, and a hook would give it an older dialog.
bool GuardsLongNames() {
    static const bool wine =
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The text of a CDM_GET... message of the dialog; empty when it fails.
std::string DialogText(HWND dialog, UINT message) {
    const LRESULT needed = SendMessageA(dialog, message, 0, 0);
    if (needed <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(needed), '\0');
    const LRESULT got = SendMessageA(dialog, message, static_cast<WPARAM>(text.size()),
                                     reinterpret_cast<LPARAM>(text.data()));
    if (got <= 0) {
        return {};
    }
    text.resize(strnlen(text.c_str(), text.size()));
    return text;
}
}  // namespace

std::size_t ConfirmedPathLength(const std::string& folder, const std::string& typed,
                                const char* default_ext) {
    const bool drive = typed.size() >= 2 && typed[1] == ':';
    const bool unc = typed.size() >= 2 && IsSeparator(typed[0]) && IsSeparator(typed[1]);
    std::size_t length = typed.size();
    if (!drive && !unc) {
        length += !typed.empty() && IsSeparator(typed[0]) ? 2 : folder.size() + 1;
    }
    const std::size_t last_name = typed.find_last_of("\\/");
    const std::size_t last_dot = typed.find_last_of('.');
    const bool has_ext =
        last_dot != std::string::npos && (last_name == std::string::npos || last_dot > last_name);
    if (default_ext != nullptr && *default_ext != '\0' && !has_ext) {
        length += 1 + std::strlen(default_ext);
    }
    return length;
}

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
    ofn.hwndOwner = AfxOwnerFor(parent_);
    ofn.hInstance = AfxGetInstanceHandle();
    ofn.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
    ofn.nFilterIndex = filter_.empty() ? 0 : 1;
    ofn.lpstrFile = file_name_;
    ofn.nMaxFile = sizeof file_name_;
    ofn.lpstrDefExt = has_default_ext_ ? default_ext_.c_str() : nullptr;
    ofn.Flags = flags_;
    if (GuardsLongNames()) {
        // The hook only watches the confirmation; its empty child dialog shows nothing.
        ofn.Flags |= OFN_ENABLEHOOK;
        ofn.lpfnHook = HookProc;
        ofn.lCustData = reinterpret_cast<LPARAM>(this);
    }

    refused_too_long_ = false;
    BOOL chosen = open_ ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
    extended_error_ = chosen              ? 0
                      : refused_too_long_ ? FNERR_BUFFERTOOSMALL
                                          : CommDlgExtendedError();
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

UINT_PTR CALLBACK CFileDialog::HookProc(HWND child, UINT message, WPARAM, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        // The confirmation goes to the Open dialog itself, not to this child:
        // watch it there.
        const auto* ofn = reinterpret_cast<const OPENFILENAMEA*>(lparam);
        SetWindowSubclass(GetParent(child), GuardProc, 0, static_cast<DWORD_PTR>(ofn->lCustData));
    }
    return 0;
}

LRESULT CALLBACK CFileDialog::GuardProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam,
                                        UINT_PTR, DWORD_PTR self) {
    auto* file_dialog = reinterpret_cast<CFileDialog*>(self);
    if (message == WM_COMMAND && LOWORD(wparam) == IDOK && file_dialog->ConfirmsTooLong(dialog)) {
        // Ended as Cancel does, for the system never to see the name.
        file_dialog->refused_too_long_ = true;
        return DefSubclassProc(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(dialog, GuardProc, 0);
    }
    return DefSubclassProc(dialog, message, wparam, lparam);
}

bool CFileDialog::ConfirmsTooLong(HWND dialog) const {
    const std::string typed = DialogText(dialog, CDM_GETSPEC);
    if (typed.empty()) {
        return false;
    }
    const std::size_t length =
        ConfirmedPathLength(DialogText(dialog, CDM_GETFOLDERPATH), typed,
                            has_default_ext_ ? default_ext_.c_str() : nullptr);
    return length >= sizeof file_name_;
}

std::string CFileDialog::GetPathName() const {
    if (outcome_ != Outcome::Chosen) {
        return {};
    }
    return std::string(file_name_, strnlen(file_name_, sizeof file_name_));
}
