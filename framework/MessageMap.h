// Message maps: each window class declares a static table of (message, notification code,
// control number, handler) entries, chained to its base class's table. CWnd::WindowProc
// searches the table of the most derived class first, then its bases.
#pragma once

#include <windows.h>

class CWnd;

// A handler answers one message. It returns false to pass the message on
// (to the base class's map, then to default processing).
using MessageHandler = bool (*)(CWnd& self, WPARAM wParam, LPARAM lParam, LRESULT& result);

struct MessageMapEntry {
    UINT message; // WM_xxx, or REFLECTED(WM_xxx) for a notification reflected to the child
    UINT code;    // WM_COMMAND notification code (0 for menu/button commands); otherwise 0
    UINT id;      // WM_COMMAND control number; 0 matches any control (reflected entries)
    MessageHandler handler; // null ends the table
};

struct MessageMap {
    const MessageMap* (*base)(); // null for CWnd's own map
    const MessageMapEntry* entries;
};

// Notifications that a parent offers back to the child's own object carry this offset.
constexpr UINT kReflectBase = 0xBC00;
constexpr UINT REFLECTED(UINT message) {
    return kReflectBase + message;
}

namespace fw::detail {
template <typename T> struct MemberOf;
template <typename C, typename R, typename... A> struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};

// LRESULT (C::*)(WPARAM, LPARAM): the handler's return value answers the message.
template <auto Method> bool CallMessage(CWnd& self, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    using C = typename MemberOf<decltype(Method)>::Class;
    result = (static_cast<C&>(self).*Method)(wParam, lParam);
    return true;
}

// void (C::*)(): a command or control-notification handler.
template <auto Method> bool CallCommand(CWnd& self, WPARAM, LPARAM, LRESULT& result) {
    using C = typename MemberOf<decltype(Method)>::Class;
    (static_cast<C&>(self).*Method)();
    result = 0;
    return true;
}
} // namespace fw::detail

// In the class body.
#define DECLARE_MESSAGE_MAP()                                                                      \
public:                                                                                            \
    static const MessageMap* GetThisMessageMap();                                                  \
    const MessageMap* GetMessageMap() const override {                                             \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
                                                                                                   \
private:

// In the source file:
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_MESSAGE(WM_SYSCOMMAND, &CMyDlg::OnSysCommand)
//       ON_EN_CHANGE(IDC_FOCAL, &CMyDlg::OnFocalChange)
//   END_MESSAGE_MAP()
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const MessageMap* theClass::GetThisMessageMap() {                                              \
        using BaseClass = baseClass;                                                               \
        static const MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, nullptr }                                                                           \
    }                                                                                              \
    ;                                                                                              \
    static const MessageMap map{&BaseClass::GetThisMessageMap, entries};                           \
    return &map;                                                                                   \
    }

// Handler: LRESULT OnX(WPARAM, LPARAM). Calls Default() itself when it wants default processing.
#define ON_MESSAGE(message, method) {message, 0, 0, &fw::detail::CallMessage<method>},
// Handler: void OnX(). A WM_COMMAND notification from control `id`.
#define ON_CONTROL(code, id, method) {WM_COMMAND, code, id, &fw::detail::CallCommand<method>},
#define ON_EN_CHANGE(id, method) ON_CONTROL(EN_CHANGE, id, method)
#define ON_COMMAND(id, method) ON_CONTROL(0, id, method)
// Reflected to the child: the parent offered the child's object the message first.
#define ON_MESSAGE_REFLECT(message, method)                                                        \
    {REFLECTED(message), 0, 0, &fw::detail::CallMessage<method>},
#define ON_CONTROL_REFLECT(code, method)                                                           \
    {REFLECTED(WM_COMMAND), code, 0, &fw::detail::CallCommand<method>},
