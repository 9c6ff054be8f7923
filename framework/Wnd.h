// CWnd: a C++ object bound to one window. One map from handle to object, filled when the
// object takes the window (creation or subclassing); every message goes through
// WindowProc, which searches the message map, then falls back to default processing.
#pragma once

#include <windows.h>

#include <string>

#include "framework/MessageMap.h"

class CWnd {
public:
    CWnd();
    virtual ~CWnd(); // destroys a window still attached (and so removes the subclass)
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object that owns a window, or null when no CWnd has taken it.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Subclassing of an existing window: its messages pass through this object first.
    // Runs PreSubclassWindow once the object holds the handle. Fails if already bound.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow(); // restores the original window procedure

    // Framework hooks a class overrides.
    virtual void PreSubclassWindow() {}
    virtual BOOL DestroyWindow();
    virtual BOOL PreTranslateMessage(MSG* msg); // base: FALSE
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    // Message dispatch: the message map first, then Default().
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Reflection: a parent offers some notifications about this child to its object
    // (WM_CTLCOLORSTATIC, WM_COMMAND notifications, WM_PARENTNOTIFY). TRUE when handled.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Default processing of the message being handled: the original window procedure of a
    // subclassed window, DefWindowProc otherwise (CDialog: the dialog manager's).
    LRESULT Default();

    // Thin wrappers used by the program.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    HWND GetDlgItem(int id) const;
    CWnd* GetParent() const; // the parent's object, or null
    void SetWindowText(const char* text);
    std::string GetWindowText() const;
    int GetWindowText(char* buffer, int maxCount) const;
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add);
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    void ClientToScreen(RECT* rect) const;
    void ScreenToClient(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
    HFONT GetFont() const;
    void SetFont(HFONT font, BOOL redraw = TRUE);
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    BOOL KillTimer(UINT_PTR id);
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsIconic() const;
    HMENU GetSystemMenu(BOOL revert) const;
    HICON SetIcon(HICON icon, BOOL big);
    void CenterWindow(HWND alternateOwner = nullptr);

protected:
    // Binds this object to hwnd in the handle map (no subclassing).
    void Attach(HWND hwnd);
    HWND Detach();
    // Called after WM_NCDESTROY, when the window is gone and the object let go of it.
    virtual void PostNcDestroy() {}

    // The default processing that Default() runs for this kind of window.
    virtual LRESULT DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // What WindowProc does with a message that no map entry took: default processing.
    virtual LRESULT OnUnhandledMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefaultWindowProc(message, wParam, lParam);
    }
    // Offers a notification about a child (WM_CTLCOLOR*, WM_COMMAND from a control,
    // WM_PARENTNOTIFY) to the child's own object first. True when the child took it.
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The window is gone (WM_NCDESTROY): lets go of the handle, then PostNcDestroy.
    void OnWindowGone();

    // The message being handled, for Default().
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool reflected = false; // a reflected notification has no default processing
    };
    const CurrentMessage* m_current = nullptr;
    WNDPROC m_originalProc = nullptr; // set while subclassed

private:
    void RestoreOriginalProc();
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    friend class CDialog;
};

// Offers msg to the PreTranslateMessage of each window object from msg->hwnd up the
// parent chain, stopping after `last` (or at the top). TRUE when one of them took it.
BOOL PreTranslateAlongChain(MSG* msg, HWND last);

// Searches a chain of message maps; true when a handler took the message.
bool DispatchMessageMap(CWnd& wnd, const MessageMap* map, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result);
