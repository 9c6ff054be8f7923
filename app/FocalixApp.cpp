#include "app/FocalixApp.h"

#include "dialogs/FocalixDlg.h"
#include "resources/resource.h"

// The one application object; the framework's WinMain finds it through GetApp().
CFocalixApp theApp;

BOOL CFocalixApp::InitInstance() {
    if (!SocketInit()) {
        AppMessageBox(IDS_SOCKETS_FAILED, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }

    CFocalixDlg dialog(nullptr);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    // The dialog object ends with this function; leave no pointer to it behind.
    m_pMainWnd = nullptr;
    return FALSE; // no message loop: the modal run was the whole program
}
