#include "zentrim_app.h"

#include "message_box.h"
#include "resource.h"
#include "socket_init.h"
#include "zentrim_dlg.h"

CZentrimApp::CZentrimApp() : CWinApp(nullptr) {}

CZentrimApp::~CZentrimApp() = default;

const MessageMap* CZentrimApp::GetMessageMap() const {
    static const MessageEntry entries[] = {
        MapCommand(ID_HELP, &CWinApp::OnHelp),
    };
    static const MessageMap map = MakeMessageMap(CWinApp::GetThisMessageMap(), entries);
    return &map;
}

BOOL CZentrimApp::InitInstance() {
    if (!AfxSocketInit()) {
        AfxMessageBox(IDP_SOCKETS_INIT_FAILED);
        return FALSE;
    }
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CZentrimDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    return FALSE;
}
