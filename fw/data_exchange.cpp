#include "data_exchange.h"

std::string GetWindowTextString(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void SetWindowTextIfChanged(HWND window, const std::string& text) {
    // Setting equal text would still move the caret and flicker.
    if (GetWindowTextString(window) != text) {
        SetWindowTextA(window, text.c_str());
    }
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    HWND control = GetDlgItem(dx->m_hDlg, id);
    if (dx->m_bSaveAndValidate) {
        value = GetWindowTextString(control);
    } else {
        SetWindowTextIfChanged(control, value);
    }
}

void DDX_CBString(CDataExchange* dx, int id, std::string& value) {
    HWND control = GetDlgItem(dx->m_hDlg, id);
    if (dx->m_bSaveAndValidate) {
        value = GetWindowTextString(control);
        return;
    }
    LRESULT found = SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(value.c_str()));
    if (found == CB_ERR) {
        SetWindowTextIfChanged(control, value);
    }
}
