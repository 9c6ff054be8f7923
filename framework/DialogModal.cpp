// The modal run of CDialog: a message loop of our own around a modeless dialog window.
#include "framework/Dialog.h"
#include "framework/WinApp.h"

HWND CDialog::OwnerForModal() const {
    CWnd* owner = m_pParentWnd;
    if (owner == nullptr) {
        CWinApp* app = GetApp();
        if (app != nullptr && app->m_pMainWnd != this)
            owner = app->m_pMainWnd;
    }
    if (owner == nullptr || owner->m_hWnd == nullptr || !IsWindow(owner->m_hWnd))
        return nullptr;
    // Only a top-level window can own a dialog.
    return GetAncestor(owner->m_hWnd, GA_ROOT);
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd != nullptr)
        return -1;
    HWND owner = OwnerForModal();
    const bool ownerDisabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerDisabled)
        ::EnableWindow(owner, FALSE);

    m_endModal = false;
    m_result = -1;
    HWND created = CreateDialogParamA(GetInstanceHandle(), MAKEINTRESOURCEA(m_templateId), owner,
                                      &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (created != nullptr && m_hWnd == created)
        RunModalLoop();

    // Enabled again before the dialog goes, so that activation returns to the owner.
    if (ownerDisabled)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd != nullptr) {
        if (owner != nullptr && GetActiveWindow() == m_hWnd)
            SetActiveWindow(owner);
        DestroyWindow();
    }
    return created != nullptr ? m_result : -1;
}

void CDialog::RunModalLoop() {
    if (!m_endModal && (GetStyle() & WS_VISIBLE) == 0)
        ShowWindow(m_hWnd, SW_SHOWNORMAL);
    MSG msg{};
    while (!m_endModal && m_hWnd != nullptr) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            // The quit is for whoever runs the outer loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (PreTranslateAlongChain(&msg, m_hWnd))
            continue;
        if (m_hWnd != nullptr && IsDialogMessageA(m_hWnd, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
