#include "framework/Wnd.h"

#include <unordered_map>

#include "framework/RestoreOnExit.h"
#include "framework/WinApp.h"

using fw::detail::RestoreOnExit;

namespace {
// One user-interface thread: the map needs no lock.
std::unordered_map<HWND, CWnd*>& HandleMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

bool IsMouseButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_RBUTTONDOWN ||
           message == WM_XBUTTONDOWN;
}

// The child that a notification to `parent` is about, or null.
HWND ChildOfNotification(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return reinterpret_cast<HWND>(lParam);
    if (message == WM_COMMAND)
        return reinterpret_cast<HWND>(lParam); // null for menus and accelerators
    if (message != WM_PARENTNOTIFY)
        return nullptr;
    const UINT event = LOWORD(wParam);
    if (event == WM_CREATE || event == WM_DESTROY)
        return reinterpret_cast<HWND>(lParam);
    if (IsMouseButtonDown(event)) {
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        HWND child = ChildWindowFromPointEx(parent, point, CWP_SKIPINVISIBLE);
        return child == parent ? nullptr : child;
    }
    return nullptr;
}

} // namespace

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map{nullptr, entries};
    return &map;
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd != nullptr && IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    // A window that was attached without subclassing sends us no WM_NCDESTROY.
    if (m_hWnd != nullptr)
        Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    const auto found = HandleMap().find(hwnd);
    return found == HandleMap().end() ? nullptr : found->second;
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    HandleMap()[hwnd] = this;
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    if (hwnd != nullptr) {
        const auto found = HandleMap().find(hwnd);
        if (found != HandleMap().end() && found->second == this)
            HandleMap().erase(found);
    }
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (m_hWnd != nullptr || hwnd == nullptr || !IsWindow(hwnd) ||
        FromHandlePermanent(hwnd) != nullptr)
        return FALSE;
    Attach(hwnd);
    PreSubclassWindow();
    if (m_hWnd != hwnd) // the hook destroyed or released the window
        return FALSE;
    m_originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (parent == nullptr || parent->m_hWnd == nullptr)
        return FALSE;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

// Only while our procedure is still in place: whoever subclassed after us keeps theirs.
void CWnd::RestoreOriginalProc() {
    if (m_originalProc != nullptr && m_hWnd != nullptr &&
        GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc))
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    m_originalProc = nullptr;
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == nullptr)
        return nullptr;
    RestoreOriginalProc();
    return Detach();
}

void CWnd::OnWindowGone() {
    RestoreOriginalProc();
    Detach();
    if (CWinApp* app = GetApp(); app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    PostNcDestroy();
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr)
        return FALSE;
    const BOOL destroyed = ::DestroyWindow(m_hWnd);
    if (m_hWnd != nullptr && !IsWindow(m_hWnd))
        Detach(); // attached without subclassing: no WM_NCDESTROY reached us
    return destroyed;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = ChildOfNotification(m_hWnd, message, wParam, lParam);
    if (child == nullptr || child == m_hWnd)
        return false;
    CWnd* childObject = FromHandlePermanent(child);
    return childObject != nullptr && childObject->OnChildNotify(message, wParam, lParam, &result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const CurrentMessage reflected{REFLECTED(message), wParam, lParam, true};
    RestoreOnExit<const CurrentMessage*> scope(m_current, &reflected);
    LRESULT answer = 0;
    const bool handled =
        DispatchMessageMap(*this, GetMessageMap(), REFLECTED(message), wParam, lParam, answer);
    if (handled && result != nullptr)
        *result = answer;
    return handled ? TRUE : FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, result))
        return result;
    if (DispatchMessageMap(*this, GetMessageMap(), message, wParam, lParam, result))
        return result;
    return OnUnhandledMessage(message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (m_current == nullptr || m_current->reflected)
        return 0;
    return DefaultWindowProc(m_current->message, m_current->wParam, m_current->lParam);
}

LRESULT CWnd::DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr)
        return 0;
    if (m_originalProc != nullptr)
        return CallWindowProcA(m_originalProc, m_hWnd, message, wParam, lParam);
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    try {
        const CurrentMessage current{message, wParam, lParam};
        RestoreOnExit<const CurrentMessage*> scope(wnd->m_current, &current);
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        result = 0;
    }
    if (message == WM_NCDESTROY && FromHandlePermanent(hwnd) == wnd) {
        try {
            wnd->OnWindowGone();
        } catch (...) {
        }
    }
    return result;
}

BOOL PreTranslateAlongChain(MSG* msg, HWND last) {
    int depth = 0;
    for (HWND hwnd = msg->hwnd; hwnd != nullptr && depth < 64; hwnd = ::GetParent(hwnd), ++depth) {
        if (CWnd* wnd = CWnd::FromHandlePermanent(hwnd); wnd != nullptr) {
            if (wnd->PreTranslateMessage(msg))
                return TRUE;
        }
        if (hwnd == last)
            break;
    }
    return FALSE;
}
