/* A stand-in for ws2_32.dll whose start-up always fails, so that a test can see what
   Focalix does when the sockets layer can't be initialised. Loaded in place of the
   system's DLL only by the test that asks for it (WINEDLLOVERRIDES=ws2_32=n). These are
   the only two functions that Focalix.exe imports from ws2_32. */
#define WIN32_LEAN_AND_MEAN /* no winsock declarations: these are ours */
#include <windows.h>

#define WSASYSNOTREADY_ERROR 10091 /* WSASYSNOTREADY: the network subsystem is unusable */

int WINAPI WSAStartup(WORD version, void* data) {
    (void)version;
    (void)data;
    return WSASYSNOTREADY_ERROR;
}

int WINAPI WSACleanup(void) {
    return 0;
}
