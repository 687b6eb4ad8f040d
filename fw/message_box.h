#pragma once

#include <windows.h>

// The framework's message box: the application's name as caption, and the
// exclamation icon when `type` names no icon. Owned by the main window's
// active pop-up when there is a main window.
int AfxMessageBox(const char* text, UINT type = MB_OK);
// As above with string `id` of the program's resources.
int AfxMessageBox(UINT id, UINT type = MB_OK);
