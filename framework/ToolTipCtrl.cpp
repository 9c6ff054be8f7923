// CToolTipCtrl over the common controls' tool tip.
#include "framework/ToolTipCtrl.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "framework/WinApp.h"

namespace {
void InitCommonControlsOnce() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{};
        init.dwSize = sizeof(init);
        init.dwICC = ICC_WIN95_CLASSES;
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

// Without a manifest the program gets comctl32 version 5, which knows no lpReserved.
TOOLINFOA MakeToolInfo(HWND owner, UINT_PTR toolId, const char* text) {
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = owner;
    info.uId = toolId;
    info.lpszText = const_cast<char*>(text != nullptr ? text : "");
    return info;
}
} // namespace

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    if (m_hWnd != nullptr)
        return FALSE;
    InitCommonControlsOnce();
    HWND tip =
        CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, parent != nullptr ? parent->m_hWnd : nullptr,
                        nullptr, GetInstanceHandle(), nullptr);
    if (tip == nullptr)
        return FALSE;
    // Subclassed so that the handle map lets go of it when its owner destroys it.
    if (!SubclassWindow(tip)) {
        ::DestroyWindow(tip);
        return FALSE;
    }
    return TRUE;
}

void CToolTipCtrl::NoteTextLength(const char* text) {
    const size_t length = text != nullptr ? std::strlen(text) : 0;
    if (length > m_longestText)
        m_longestText = length;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, const char* text, const RECT* rect, UINT_PTR toolId,
                           UINT flags) {
    if (m_hWnd == nullptr || wnd == nullptr)
        return FALSE;
    TOOLINFOA info = MakeToolInfo(wnd->m_hWnd, toolId, text);
    info.uFlags = flags;
    if (rect != nullptr)
        info.rect = *rect;
    else
        ::GetClientRect(wnd->m_hWnd, &info.rect);
    NoteTextLength(text);
    return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* wnd, UINT_PTR toolId) {
    if (m_hWnd == nullptr || wnd == nullptr)
        return;
    TOOLINFOA info = MakeToolInfo(wnd->m_hWnd, toolId, text);
    NoteTextLength(text);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

std::string CToolTipCtrl::GetToolText(CWnd* wnd, UINT_PTR toolId) const {
    if (m_hWnd == nullptr || wnd == nullptr)
        return {};
    // Version 5 copies the whole text without a size: the buffer holds the longest text
    // ever given to this control (and never less than the control's own limit).
    std::vector<char> buffer((m_longestText > INFOTIPSIZE ? m_longestText : INFOTIPSIZE) + 1, '\0');
    TOOLINFOA info = MakeToolInfo(wnd->m_hWnd, toolId, nullptr);
    info.lpszText = buffer.data();
    SendMessage(TTM_GETTEXTA, buffer.size(), reinterpret_cast<LPARAM>(&info));
    buffer.back() = '\0';
    return std::string(buffer.data());
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
    if (m_hWnd != nullptr && msg != nullptr)
        SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}
