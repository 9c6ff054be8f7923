// CLinkLabel: a dialog's static text control that behaves as a web link: link colours,
// underline while hovered, hand cursor, a tool tip with the target, size fitted to the text,
// and a click that opens the target.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Controls.h"
#include "framework/GdiObjects.h"
#include "framework/ToolTipCtrl.h"

class CLinkLabel : public CStatic {
public:
    CLinkLabel();
    ~CLinkLabel() override;

    // The target; with a window, also refits and puts the target into the tool tip.
    void SetLinkUrl(std::string url);
    void MarkVisited(BOOL visited);
    // -1: underlined only while hovered; 1: always; anything else: never.
    void ChangeUnderlineMode(int mode);
    void FitToText();

    // Framework hooks.
    void PreSubclassWindow() override;
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    DECLARE_MESSAGE_MAP()

protected:
    void LoadHandCursor();

    LRESULT OnCtlColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnParentNotify(WPARAM wParam, LPARAM lParam);
    void OnClicked();
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

    COLORREF m_colorNormal;
    COLORREF m_colorVisited;
    COLORREF m_colorHover;
    BOOL m_hovering;
    BOOL m_isVisited;
    int m_underlineMode;
    BOOL m_fitToText;
    std::string m_linkUrl;
    CFont m_fontUnderlined;
    HFONT m_fontPlain; // the font the control had at binding; not owned
    HCURSOR m_handCursor;
    CToolTipCtrl m_linkTip;
    UINT m_hoverTimerId;
};
