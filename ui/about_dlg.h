#pragma once

#include "dialog.h"
#include "resource.h"

// The About box: the icon, the product line and the vendor's notice.
class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };

    CAboutDlg();
    ~CAboutDlg() override;
    const MessageMap* GetMessageMap() const override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
