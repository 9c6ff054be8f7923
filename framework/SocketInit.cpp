// The sockets start-up check.
#include <winsock2.h>

#include "framework/WinApp.h"

BOOL SocketInit() {
    static bool passed = false;
    if (passed)
        return TRUE;
    WSADATA data{};
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0)
        return FALSE;
    if (data.wVersion != MAKEWORD(1, 1)) {
        WSACleanup();
        return FALSE;
    }
    passed = true;
    return TRUE;
}
