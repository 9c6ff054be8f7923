// CToolTipCtrl: a common-controls tool tip window. TOOLINFO is sized for the comctl32
// that the program loads (no manifest: version 5, so the pre-v6 size).
#pragma once

#include <string>

#include "framework/Wnd.h"

class CToolTipCtrl : public CWnd {
public:
    ~CToolTipCtrl() override; // destroys its window

    // A "tooltips_class32" popup owned by `parent`, with WS_POPUP | style.
    BOOL Create(CWnd* parent, DWORD style = 0);
    // One tool: belongs to `wnd`, covers `rect` (client coordinates), no TTF_ flags
    // beyond `flags` (so no TTF_SUBCLASS: the owner relays the mouse itself).
    BOOL AddTool(CWnd* wnd, const char* text, const RECT* rect, UINT_PTR toolId, UINT flags = 0);
    void UpdateTipText(const char* text, CWnd* wnd, UINT_PTR toolId);
    std::string GetToolText(CWnd* wnd, UINT_PTR toolId) const;
    void RelayEvent(MSG* msg); // TTM_RELAYEVENT, wParam 0, lParam msg

private:
    void NoteTextLength(const char* text);
    size_t m_longestText = 0; // sizes GetToolText's buffer
};
