#include "zentrim_dlg.h"

#include <shellapi.h>

#include "about_dlg.h"
#include "settings_file.h"
#include "top_lines_copy.h"
#include "win_app.h"

namespace {
// Relative: the file lives in the directory that was current at start-up.
constexpr char kSettingsFile[] = "zentrim.ini";
}  // namespace

CZentrimDlg::CZentrimDlg(CWnd* parent)
    : CDialog(IDD, parent),
      m_hIcon(LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

CZentrimDlg::~CZentrimDlg() = default;

const MessageMap* CZentrimDlg::GetMessageMap() const {
    static const MessageEntry entries[] = {
        MapMessage(WM_SYSCOMMAND, &CZentrimDlg::OnSysCommand),
        MapMessage(WM_PAINT, &CZentrimDlg::OnPaint),
        MapMessage(WM_QUERYDRAGICON, &CZentrimDlg::OnQueryDragIcon),
        MapCommand(IDC_HELP_PAGE, &CZentrimDlg::OnHelpPage),
        MapCommand(IDC_BROWSE_SOURCE, &CZentrimDlg::OnBrowseSource),
        MapMessage(WM_DESTROY, &CZentrimDlg::OnDestroy),
        MapCommand(IDC_GO, &CZentrimDlg::OnGo),
        MapCommand(IDC_BROWSE_DEST, &CZentrimDlg::OnBrowseDest),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetThisMessageMap(), entries);
    return &map;
}

void CZentrimDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_DEST, m_strDest);
    DDX_Text(dx, IDC_SOURCE, m_strSource);
    DDX_CBString(dx, IDC_LINES, m_strLines);
}

BOOL CZentrimDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (HMENU menu = GetSystemMenu(m_hWnd, FALSE); menu != nullptr) {
        std::string about = AfxLoadString(IDS_ABOUTBOX);
        if (!about.empty()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
        }
    }

    // The big image serves both: the system scales it for the caption.
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // Last, so that the list exists when the loaded line count is shown.
    LoadSettings();
    return TRUE;
}

void CZentrimDlg::OnSysCommand(UINT id, LPARAM lparam) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    CDialog::OnSysCommand(id, lparam);
}

int MinimisedIconOffset(int client_extent, int icon_extent) {
    return (client_extent - icon_extent + 1) / 2;
}

void CZentrimDlg::OnPaint() {
    if (!IsIconic(m_hWnd)) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    int x = MinimisedIconOffset(client.right - client.left, GetSystemMetrics(SM_CXICON));
    int y = MinimisedIconOffset(client.bottom - client.top, GetSystemMetrics(SM_CYICON));
    DrawIcon(dc.GetSafeHdc(), x, y, m_hIcon);
}

HCURSOR CZentrimDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

void CZentrimDlg::OnHelpPage() {
    UpdateData(TRUE);
    // Shown normally: a browser that is not running yet must not start hidden.
    ShellExecuteA(nullptr, "open", ZENTRIM_HELP_URL, nullptr, nullptr, SW_SHOWNORMAL);
    UpdateData(FALSE);
}

void CZentrimDlg::OnDestroy() {
    CDialog::OnDestroy();
    SaveSettings();
}

void CZentrimDlg::OnGo() {
    UpdateData(TRUE);
    switch (CopyTopLines(m_strSource, m_strDest, m_strLines, ShowMessageBox())) {
        case CopyOutcome::SourceNotOpened:
        case CopyOutcome::SourceEnded:
        case CopyOutcome::DestinationFailed:
        case CopyOutcome::LineTooLong:
            UpdateData(FALSE);
            break;
        case CopyOutcome::Rejected:
        case CopyOutcome::CountReached:
            break;
    }
}

void CZentrimDlg::LoadSettings() {
    UpdateData(TRUE);
    ReadSettingsFile(kSettingsFile, m_strSource, m_strDest, m_strLines);
    UpdateData(FALSE);
}

void CZentrimDlg::SaveSettings() {
    WriteSettingsFile(kSettingsFile, m_strSource, m_strDest, m_strLines, ShowMessageBox());
}

ShowMessage CZentrimDlg::ShowMessageBox() {
    return [this](const std::string& text, const std::string& caption) {
        MessageBox(text.c_str(), caption.c_str(), MB_OK);
    };
}
