#include "controls/LinkLabel.h"

#include <cstring>
#include <utility>

#include "controls/LinkOpening.h"

namespace {
constexpr UINT_PTR kToolId = 1;
constexpr UINT kHoverPeriodMs = 100;
constexpr int kHandCursorId = 106;
constexpr int kRepaintBelowHover = 10;
} // namespace

BEGIN_MESSAGE_MAP(CLinkLabel, CStatic)
ON_MESSAGE_REFLECT(WM_CTLCOLORSTATIC, &CLinkLabel::OnCtlColor)
ON_MESSAGE(WM_SETCURSOR, &CLinkLabel::OnSetCursor)
ON_MESSAGE(WM_MOUSEMOVE, &CLinkLabel::OnMouseMove)
ON_MESSAGE(WM_TIMER, &CLinkLabel::OnTimer)
ON_MESSAGE(WM_ERASEBKGND, &CLinkLabel::OnEraseBkgnd)
ON_MESSAGE(WM_LBUTTONUP, &CLinkLabel::OnLButtonUp)
ON_MESSAGE_REFLECT(WM_PARENTNOTIFY, &CLinkLabel::OnParentNotify)
ON_CONTROL_REFLECT(STN_CLICKED, &CLinkLabel::OnClicked)
ON_MESSAGE(WM_DESTROY, &CLinkLabel::OnDestroy)
END_MESSAGE_MAP()

CLinkLabel::CLinkLabel()
    : m_colorNormal(RGB(0, 0, 238)), m_colorVisited(RGB(85, 26, 139)), m_colorHover(RGB(255, 0, 0)),
      m_hovering(FALSE), m_isVisited(FALSE), m_underlineMode(-1), m_fitToText(TRUE),
      m_fontPlain(nullptr), m_handCursor(nullptr), m_hoverTimerId(100) {}

CLinkLabel::~CLinkLabel() {
    // A window still alive must not keep drawing with the font about to be deleted.
    if (m_hWnd != nullptr && IsWindow(m_hWnd) && GetFont() == m_fontUnderlined.GetSafeHandle())
        SetFont(m_fontPlain, FALSE);
    m_fontUnderlined.DeleteObject();
    if (m_handCursor != nullptr)
        DestroyCursor(m_handCursor);
}

void CLinkLabel::PreSubclassWindow() {
    ModifyStyle(0, SS_NOTIFY);

    if (m_linkUrl.empty())
        m_linkUrl = GetWindowText();
    if (GetWindowText().empty())
        SetWindowText(m_linkUrl.c_str());

    // A static without a font of its own draws with the system font.
    m_fontPlain = GetFont();
    if (m_fontPlain == nullptr)
        m_fontPlain = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    LOGFONTA logFont{};
    GetObjectA(m_fontPlain, sizeof logFont, &logFont);
    logFont.lfUnderline = TRUE;
    m_fontUnderlined.DeleteObject();
    m_fontUnderlined.CreateFontIndirect(&logFont);

    FitToText();
    LoadHandCursor();
    ChangeUnderlineMode(-1);

    RECT client;
    GetClientRect(&client);
    if (m_linkTip.m_hWnd == nullptr && m_linkTip.Create(this))
        m_linkTip.AddTool(this, m_linkUrl.c_str(), &client, kToolId);

    CStatic::PreSubclassWindow();
}

BOOL CLinkLabel::DestroyWindow() {
    if (m_hWnd != nullptr)
        KillTimer(m_hoverTimerId);
    return CStatic::DestroyWindow();
}

BOOL CLinkLabel::PreTranslateMessage(MSG* msg) {
    if (m_linkTip.m_hWnd != nullptr)
        m_linkTip.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}

void CLinkLabel::SetLinkUrl(std::string url) {
    m_linkUrl = std::move(url);
    if (m_hWnd == nullptr)
        return;
    FitToText();
    if (m_linkTip.m_hWnd != nullptr)
        m_linkTip.UpdateTipText(m_linkUrl.c_str(), this, kToolId);
}

void CLinkLabel::MarkVisited(BOOL visited) {
    m_isVisited = visited;
    if (m_hWnd != nullptr)
        Invalidate(TRUE);
}

void CLinkLabel::ChangeUnderlineMode(int mode) {
    if (mode == m_underlineMode)
        return;
    if (m_hWnd != nullptr) {
        SetFont(mode == 1 ? m_fontUnderlined.GetSafeHandle() : m_fontPlain, TRUE);
        Invalidate(TRUE);
    }
    m_underlineMode = mode;
}

void CLinkLabel::FitToText() {
    if (m_hWnd == nullptr || !m_fitToText)
        return;

    RECT window;
    RECT client;
    GetWindowRect(&window);
    GetClientRect(&client);
    ClientToScreen(&client);
    if (HWND parent = ::GetParent(m_hWnd); parent != nullptr) {
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&window), 2);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&client), 2);
    }

    const std::string text = GetWindowText();
    SIZE extent{};
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ previous = nullptr;
    if (m_fontUnderlined.GetSafeHandle() != nullptr)
        previous = SelectObject(dc, m_fontUnderlined);
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    if (previous != nullptr)
        SelectObject(dc, previous);
    ::ReleaseDC(m_hWnd, dc);

    const int width = extent.cx + (window.right - window.left) - (client.right - client.left);
    const int height = extent.cy + (window.bottom - window.top) - (client.bottom - client.top);

    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        const int d = (window.bottom - window.top - height) / 2;
        window.top += d;
        window.bottom -= d;
    } else {
        window.bottom = window.top + height;
    }
    if (style & SS_CENTER) {
        const int d = (window.right - window.left - width) / 2;
        window.left += d;
        window.right -= d;
    } else if (style & SS_RIGHT) {
        window.left = window.right - width;
    } else {
        window.right = window.left + width;
    }

    SetWindowPos(nullptr, window.left, window.top, window.right - window.left,
                 window.bottom - window.top, SWP_NOZORDER);
}

void CLinkLabel::LoadHandCursor() {
    if (m_handCursor != nullptr)
        return;

    char path[MAX_PATH];
    const char helpProgram[] = "\\winhlp32.exe";
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    if (length > 0 && length + sizeof helpProgram <= MAX_PATH) {
        std::strcat(path, helpProgram);
        if (HMODULE library = LoadLibraryA(path); library != nullptr) {
            if (HCURSOR cursor = LoadCursorA(library, MAKEINTRESOURCEA(kHandCursorId)))
                m_handCursor = CopyIcon(cursor); // the copy outlives the library
            FreeLibrary(library);
        }
    }
    // Without the help program's cursor, the system's own hand serves.
    if (m_handCursor == nullptr) {
        if (HCURSOR hand = LoadCursorA(nullptr, IDC_HAND))
            m_handCursor = CopyIcon(hand);
    }
}

LRESULT CLinkLabel::OnCtlColor(WPARAM wParam, LPARAM) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    const COLORREF color = m_hovering ? m_colorHover : m_isVisited ? m_colorVisited : m_colorNormal;
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CLinkLabel::OnSetCursor(WPARAM, LPARAM) {
    if (m_handCursor == nullptr)
        return FALSE;
    ::SetCursor(m_handCursor);
    return TRUE;
}

LRESULT CLinkLabel::OnMouseMove(WPARAM, LPARAM) {
    if (!m_hovering) {
        m_hovering = TRUE;
        if (m_underlineMode == -1)
            SetFont(m_fontUnderlined, TRUE);
        Invalidate(TRUE);
        SetTimer(m_hoverTimerId, kHoverPeriodMs);
    }
    return Default();
}

LRESULT CLinkLabel::OnTimer(WPARAM, LPARAM) {
    const DWORD position = GetMessagePos();
    POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ScreenToClient(&point);
    RECT client;
    GetClientRect(&client);
    if (!PtInRect(&client, point)) {
        m_hovering = FALSE;
        KillTimer(m_hoverTimerId);
        if (m_underlineMode != 1)
            SetFont(m_fontPlain, TRUE);
        client.bottom += kRepaintBelowHover;
        InvalidateRect(&client, TRUE);
    }
    return Default();
}

LRESULT CLinkLabel::OnEraseBkgnd(WPARAM wParam, LPARAM) {
    RECT client;
    GetClientRect(&client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

LRESULT CLinkLabel::OnLButtonUp(WPARAM, LPARAM) {
    return Default();
}

LRESULT CLinkLabel::OnParentNotify(WPARAM, LPARAM) {
    return 0;
}

void CLinkLabel::OnClicked() {
    m_hovering = FALSE;
    const int result = OpenLink(m_linkUrl.c_str(), SW_SHOW);
    m_isVisited = result > 32;
    if (m_isVisited) {
        MarkVisited(TRUE);
    } else {
        MessageBeep(MB_ICONEXCLAMATION);
        ShowOpenError(result);
    }
}

LRESULT CLinkLabel::OnDestroy(WPARAM, LPARAM) {
    // Also when the parent destroys the window without going through DestroyWindow.
    KillTimer(m_hoverTimerId);
    return Default();
}
