#include "about_dlg.h"

CAboutDlg::CAboutDlg() : CDialog(IDD, nullptr) {}

CAboutDlg::~CAboutDlg() = default;

const MessageMap* CAboutDlg::GetMessageMap() const {
    static const MessageMap map{CDialog::GetThisMessageMap(), nullptr, 0};
    return &map;
}

void CAboutDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
}
