#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <string>

class CWnd;

// The system's Open or Save As dialog for one file, in the Explorer style and
// resizable, with a name buffer of MAX_PATH characters.
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
    bool open_;
    bool has_default_ext_;
    std::string default_ext_;
    std::string filter_;  // '|' turned into the NULs the system expects
    char file_name_[MAX_PATH] = {};
    DWORD flags_;
    CWnd* parent_;
    Outcome outcome_ = Outcome::NotRun;
    DWORD extended_error_ = 0;
};

// The framework's filter notation turned into the system's: every '|' becomes
// a NUL, so "All|*.*||" ends with the two NULs that close the list.
std::string FilterFromBars(const char* filter);
