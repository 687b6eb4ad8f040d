// The two "Browse" buttons: each picks a file through the Open dialog and
// leaves the current drive and directory as they were before the pick.
#include <direct.h>

#include "file_dialog.h"
#include "zentrim_dlg.h"

namespace {
constexpr char kFilter[] = "All Files (*.*)|*.*||";
constexpr char kCaptionPrefix[] = "Quenby: ";

// One pick: the fields are read into the members, the Open dialog runs,
// `on_chosen` receives a confirmed full path, the current drive and directory
// (saved in `saved_dir`) are restored, and the members are shown again.
template <class OnChosen>
void Pick(CDialog& dialog, char (&saved_dir)[MAX_PATH], OnChosen on_chosen) {
    dialog.UpdateData(TRUE);
    const int drive = _getdrive();
    // Unread, the directory is not restored: a stale one from an earlier pick
    // would move relative names such as the settings file elsewhere.
    const bool saved = _getdcwd(drive, saved_dir, MAX_PATH) != nullptr;

    CFileDialog file_dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter,
                            nullptr);
    // Cancel and failure alike leave everything as it was.
    if (file_dialog.DoModal() == IDOK) {
        on_chosen(file_dialog.GetPathName());
    }

    if (saved) {
        // Drive 0 (a network path) fails here; the directory alone restores it.
        _chdrive(drive);
        _chdir(saved_dir);
    }
    dialog.UpdateData(FALSE);
}
}  // namespace

void CZentrimDlg::OnBrowseSource() {
    Pick(*this, source_pick_dir_, [this](const std::string& path) {
        SetWindowText((kCaptionPrefix + path).c_str());
        m_strSource = path;
    });
}

void CZentrimDlg::OnBrowseDest() {
    Pick(*this, dest_pick_dir_, [this](const std::string& path) { m_strDest = path; });
}
