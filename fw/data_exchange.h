#pragma once

#include <windows.h>

#include <string>

// One data exchange between a dialog's controls and its members. In the save
// direction controls are copied into members; in the load direction members
// are shown in controls.
struct CDataExchange {
    HWND m_hDlg;
    bool m_bSaveAndValidate;
};

// An edit control's whole text, unchanged. Loading sets the text only when it
// differs from what the control shows.
void DDX_Text(CDataExchange* dx, int id, std::string& value);

// A combo box's field text. Loading selects the first list item that begins
// with `value` (ignoring case) or, when none does, shows `value` unchanged.
void DDX_CBString(CDataExchange* dx, int id, std::string& value);

// A window's whole text, sized by its length.
std::string GetWindowTextString(HWND window);
// Sets the text unless the window already shows exactly it.
void SetWindowTextIfChanged(HWND window, const std::string& text);
