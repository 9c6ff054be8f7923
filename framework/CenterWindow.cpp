// Centring of a window over its owner, or over the work area of its monitor.
#include "framework/Wnd.h"

namespace {
RECT WorkAreaNear(HWND hwnd) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &info))
        return info.rcWork;
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

int Centred(LONG start, LONG extent, LONG size) {
    return start + (extent - size) / 2;
}

int KeptInside(int position, int size, LONG low, LONG high) {
    if (position + size > high)
        position = high - size;
    return position < low ? low : position;
}
} // namespace

void CWnd::CenterWindow(HWND alternateOwner) {
    if (m_hWnd == nullptr)
        return;
    const bool child = (GetStyle() & WS_CHILD) != 0;
    HWND center = alternateOwner;
    if (center == nullptr)
        center = child ? ::GetParent(m_hWnd) : GetWindow(m_hWnd, GW_OWNER);

    RECT area{};   // what the window must stay inside
    RECT target{}; // what it is centred on
    if (child) {
        HWND parent = ::GetParent(m_hWnd);
        ::GetClientRect(parent, &area);
        target = area;
        if (center != nullptr && center != parent) {
            ::GetWindowRect(center, &target);
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&target), 2);
        }
    } else {
        area = WorkAreaNear(center != nullptr ? center : m_hWnd);
        // A hidden or minimised owner has no place to centre on: use the work area.
        if (center != nullptr && IsWindowVisible(center) && !::IsIconic(center))
            ::GetWindowRect(center, &target);
        else
            target = area;
    }

    RECT own{};
    ::GetWindowRect(m_hWnd, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = Centred(target.left, target.right - target.left, width);
    int y = Centred(target.top, target.bottom - target.top, height);
    x = KeptInside(x, width, area.left, area.right);
    y = KeptInside(y, height, area.top, area.bottom);
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
