// Owning wrappers of GDI handles and the paint device context.
#pragma once

#include <windows.h>

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    BOOL CreateFontIndirect(const LOGFONTA* logFont);
    BOOL DeleteObject();
    int GetLogFont(LOGFONTA* logFont) const;
    HFONT GetSafeHandle() const { return m_hObject; }
    operator HFONT() const { return m_hObject; }

private:
    HFONT m_hObject = nullptr;
};

class CWnd;

// BeginPaint in the constructor, EndPaint in the destructor.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC m_hDC;
    PAINTSTRUCT m_ps;
    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
};
