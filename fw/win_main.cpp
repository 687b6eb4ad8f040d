#include <windows.h>

#include "win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
    return AfxWinMain(instance, show_command);
}
