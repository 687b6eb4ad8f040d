#pragma once

#include <windows.h>

#include "data_exchange.h"
#include "message_map.h"
#include "wnd.h"

// A modal dialog built from a template of the program's resources.
//
// The object is bound to its window from WM_INITDIALOG to WM_NCDESTROY; no
// handler runs outside that span.
class CDialog : public CWnd {
public:
    // `parent` null: the owner is the application's main window, if any.
    CDialog(UINT template_id, CWnd* parent);
    ~CDialog() override = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    const MessageMap* GetMessageMap() const override;

    // Creates the window, runs it until it ends and destroys it. Returns the
    // ending code, or -1 when the window could not be created.
    INT_PTR DoModal();

    // Runs DoDataExchange in one direction. Returns TRUE: no exchange here
    // refuses a value.
    BOOL UpdateData(BOOL save_and_validate = TRUE);

    void EndDialog(int result);

    UINT TemplateId() const { return template_id_; }

protected:
    virtual void DoDataExchange(CDataExchange* dx) { (void)dx; }
    // Adds the template's dialog-init data to its controls in resource order,
    // then shows the members. Returns TRUE to let the system set the focus.
    virtual BOOL OnInitDialog();
    // Copies the controls into the members and ends the dialog with IDOK.
    virtual void OnOK();
    // Ends the dialog with IDCANCEL, without an exchange.
    virtual void OnCancel();

    // The system's own handling of the message being handled.
    void OnSysCommand(UINT id, LPARAM lparam);
    void OnPaint();
    void OnDestroy() {}

    static const MessageMap* GetThisMessageMap();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void HandleOk() { OnOK(); }
    void HandleCancel() { OnCancel(); }
    void OnHelpInfo();
    void CentreIfTemplateAsks();
    void ExecuteDialogInit();

    UINT template_id_;
    CWnd* parent_;
    UINT current_message_ = 0;
    WPARAM current_wparam_ = 0;
    LPARAM current_lparam_ = 0;
};
