#pragma once

#include <windows.h>

struct WSAData;

// Starts Windows Sockets at version 1.1. Returns FALSE when the start fails or
// the system agrees to any other version (undoing the start first).
BOOL AfxSocketInit(WSAData* data = nullptr);

// The system calls AfxSocketInit makes; tests replace them to make it fail.
struct SocketCalls {
    int(WINAPI* startup)(WORD version, WSAData* data);
    int(WINAPI* cleanup)();
};
// Installs `calls` and returns the previous ones.
SocketCalls AfxSetSocketCalls(SocketCalls calls);
