#include <winsock2.h>

#include "socket_init.h"

namespace {
SocketCalls g_calls{WSAStartup, WSACleanup};
}

SocketCalls AfxSetSocketCalls(SocketCalls calls) {
    SocketCalls previous = g_calls;
    g_calls = calls;
    return previous;
}

BOOL AfxSocketInit(WSAData* data) {
    constexpr WORD kVersion = MAKEWORD(1, 1);
    WSADATA local{};
    WSADATA* out = data != nullptr ? data : &local;
    if (g_calls.startup(kVersion, out) != 0) {
        return FALSE;
    }
    if (out->wVersion != kVersion) {
        g_calls.cleanup();
        return FALSE;
    }
    return TRUE;
}
