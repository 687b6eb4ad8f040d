#pragma once

#include <windows.h>

#include <string>

#include "message_map.h"

// A window the program talks to through its handle. The handle is borrowed:
// the system owns the window.
class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    // A modal box owned by this window; the application's name when
    // `caption` is null.
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);
    void SetWindowText(const char* text);
};

// Painting of one WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* window) : window_(window->m_hWnd) { dc_ = BeginPaint(window_, &ps_); }
    ~CPaintDC() { EndPaint(window_, &ps_); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};
