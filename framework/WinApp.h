// CWinApp: the single application object. The framework's entry (WinMain, in the
// framework_main library) initialises it and calls InitInstance.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
public:
    CWinApp(); // registers this object as the application
    virtual ~CWinApp();

    virtual BOOL InitInstance() { return FALSE; } // TRUE would run a message loop
    virtual int Run();                            // the message loop, until WM_QUIT
    virtual int ExitInstance() { return 0; }

    // Sets the instance handle and the application name: the executable's file name
    // without its extension. WinMain calls it; a test program may call it itself.
    void InitApplication(HINSTANCE instance);

    HINSTANCE m_hInstance = nullptr;
    std::string m_appName;
    CWnd* m_pMainWnd = nullptr; // owner of message boxes and of modal boxes without parent
};

CWinApp* GetApp();
HINSTANCE GetInstanceHandle(); // the module that holds the resources

// The application message box: captioned with the application name, owned by the main
// window when there is one (enabled or not, as the platform allows). MB_OK without an
// icon gets MB_ICONEXCLAMATION.
int AppMessageBox(const char* text, UINT type = MB_OK, UINT helpContext = 0);
int AppMessageBox(UINT stringId, UINT type = MB_OK, UINT helpContext = 0);

// The caption of the application's message boxes: the application object's name, or the
// executable's base name without one.
std::string ApplicationName();

// Loads a string from the resources; empty when missing.
std::string LoadResourceString(UINT id);

// The sockets start-up check: WSAStartup for version 1.1; fails on a non-zero result or a
// granted version other than 1.1 (then WSACleanup). Once passed, later calls pass at once.
BOOL SocketInit();
