#pragma once

#include <string>

#include "dialog.h"
#include "resource.h"
#include "show_message.h"

// The main dialog: the source, the destination and the line count, the
// buttons that act on them, and the settings kept between runs.
class CZentrimDlg : public CDialog {
public:
    enum { IDD = IDD_ZENTRIM_DIALOG };

    explicit CZentrimDlg(CWnd* parent = nullptr);
    ~CZentrimDlg() override;
    const MessageMap* GetMessageMap() const override;

    std::string m_strDest;
    std::string m_strSource;
    std::string m_strLines;
    HICON m_hIcon;  // shared resource icon: never destroyed

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT id, LPARAM lparam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnHelpPage();
    void OnBrowseSource();
    void OnDestroy();
    void OnGo();
    void OnBrowseDest();

    // Applies the settings file to the members and shows them.
    void LoadSettings();
    // Writes the members, as they stand, to the settings file.
    void SaveSettings();

private:
    // A message box owned by this dialog: one OK button, no icon.
    ShowMessage ShowMessageBox();

    // The current directory saved at the start of each pick, one per picker.
    char source_pick_dir_[MAX_PATH] = {};
    char dest_pick_dir_[MAX_PATH] = {};
};

// Where a minimised window draws its icon along one axis: centred, with the
// division truncating toward zero.
int MinimisedIconOffset(int client_extent, int icon_extent);
