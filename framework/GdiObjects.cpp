#include "framework/GdiObjects.h"

#include "framework/Wnd.h"

BOOL CFont::CreateFontIndirect(const LOGFONTA* logFont) {
    DeleteObject();
    if (logFont == nullptr)
        return FALSE;
    m_hObject = ::CreateFontIndirectA(logFont);
    return m_hObject != nullptr;
}

BOOL CFont::DeleteObject() {
    if (m_hObject == nullptr)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

int CFont::GetLogFont(LOGFONTA* logFont) const {
    if (m_hObject == nullptr || logFont == nullptr)
        return 0;
    return GetObjectA(m_hObject, sizeof(LOGFONTA), logFont);
}

CPaintDC::CPaintDC(CWnd* wnd)
    : m_hDC(nullptr), m_ps{}, m_hWnd(wnd != nullptr ? wnd->m_hWnd : nullptr) {
    m_hDC = BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() {
    if (m_hWnd != nullptr)
        EndPaint(m_hWnd, &m_ps);
}
