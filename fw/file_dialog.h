#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <string>

class CWnd;

// The system's Open or Save As dialog for one file, in the Explorer style and
// resizable, with a name buffer of MAX_PATH characters. A confirmed name that
// makes a path too long for the buffer ends the dialog as a failure
// (FNERR_BUFFERTOOSMALL) before the system handles it: some versions of the
// system overrun their own MAX_PATH buffers on such a name and bring the
// program down.
class CFileDialog {
public:
    // How the last DoModal ended. A failure is the system refusing the dialog
    // or the chosen name, as for a path too long for the name buffer.
    enum class Outcome { NotRun, Chosen, Cancelled, Failed };

    // `filter` is a list of label|pattern pairs ended by "||"; null for none.
    // `parent` null: the owner is the application's main window, if any.
    CFileDialog(BOOL open_file_dialog, const char* default_ext = nullptr,
                const char* file_name = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // Runs the dialog modally. Returns IDOK when the user confirmed a file,
    // IDCANCEL when the dialog was cancelled or failed (GetOutcome tells which).
    INT_PTR DoModal();

    // The full path of the confirmed file; empty before a confirmed DoModal.
    std::string GetPathName() const;

    Outcome GetOutcome() const { return outcome_; }
    // The system's reason for the last failure (a CDERR_ or FNERR_ code); 0
    // unless GetOutcome() is Failed.
    DWORD GetExtendedError() const { return extended_error_; }

private:
    static UINT_PTR CALLBACK HookProc(HWND child, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK GuardProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR id, DWORD_PTR self);
    // Whether the name in the dialog's name field makes a path too long.
    bool ConfirmsTooLong(HWND dialog) const;

    bool open_;
    bool has_default_ext_;
    std::string default_ext_;
    std::string filter_;  // '|' turned into the NULs the system expects
    char file_name_[MAX_PATH] = {};
    DWORD flags_;
    CWnd* parent_;
    Outcome outcome_ = Outcome::NotRun;
    DWORD extended_error_ = 0;
    bool refused_too_long_ = false;  // during DoModal
};

// The framework's filter notation turned into the system's: every '|' becomes
// a NUL, so "All|*.*||" ends with the two NULs that close the list.
std::string FilterFromBars(const char* filter);

// An upper bound on the length of the path the dialog makes of `typed`, the
// name field's text, in the current folder `folder` ("" when the folder is no
// file-system folder): the text alone when it is a full path, with a drive
// when it starts at the root, else after the folder and a separator; plus a
// dot and `default_ext` (null for none) when the text's last name has no
// extension.
std::size_t ConfirmedPathLength(const std::string& folder, const std::string& typed,
                                const char* default_ext);
