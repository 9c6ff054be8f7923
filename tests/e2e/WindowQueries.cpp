#include "tests/e2e/WindowQueries.h"

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() > deadline)
            return false;
        Sleep(10);
    }
}

std::string WindowTextA(HWND window) {
    // WM_GETTEXT, not GetWindowText: the latter doesn't ask another process's window.
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::wstring WindowTextW(HWND window) {
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string ClassName(HWND window) {
    char name[256];
    const int length = GetClassNameA(window, name, sizeof(name));
    return std::string(name, length > 0 ? length : 0);
}

std::string WindowTextA(HWND dialog, int controlId) {
    return WindowTextA(GetDlgItem(dialog, controlId));
}

void SetWindowTextTo(HWND dialog, int controlId, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, controlId), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND FocusedWindow(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

void TypeChars(HWND edit, const std::string& chars) {
    for (char c : chars)
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PostKeyPress(HWND target, UINT virtualKey) {
    const UINT scanCode = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | (scanCode << 16));
    PostMessageA(target, WM_KEYUP, virtualKey, 1 | (scanCode << 16) | 0xC0000000u);
}

std::string ToCp1252(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(1252, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(1252, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}
