#include "MessageBoxWatch.h"

#include <cstring>
#include <utility>

namespace {
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kMessageBoxIconIds[] = {0x14, 0x440}; // Windows, Wine

SeenMessageBox* g_watching = nullptr;
std::function<void()> g_onSeen;

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

BOOL CALLBACK CountButton(HWND child, LPARAM param) {
    auto* seen = reinterpret_cast<SeenMessageBox*>(param);
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Button") == 0 && IsWindowVisible(child)) {
        ++seen->buttonCount;
        if (GetDlgCtrlID(child) == IDOK)
            seen->hasOkButton = true;
    }
    return TRUE;
}

BOOL CALLBACK FindMessageBox(HWND window, LPARAM param) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") != 0 || GetDlgItem(window, kMessageBoxTextId) == nullptr)
        return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindMessageBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr || g_watching == nullptr)
        return;
    KillTimer(nullptr, timer);
    SeenMessageBox& seen = *g_watching;
    seen.seen = true;
    if (g_onSeen)
        g_onSeen();
    seen.caption = TextOf(box);
    seen.text = TextOf(GetDlgItem(box, kMessageBoxTextId));
    seen.owner = GetWindow(box, GW_OWNER);
    for (int id : kMessageBoxIconIds) {
        if (HWND icon = GetDlgItem(box, id))
            seen.icon = reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0));
    }
    EnumChildWindows(box, &CountButton, reinterpret_cast<LPARAM>(&seen));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}
} // namespace

SeenMessageBox WatchMessageBox(const std::function<void()>& show, std::function<void()> onSeen) {
    SeenMessageBox seen;
    g_watching = &seen;
    g_onSeen = std::move(onSeen);
    // A thread timer: the message box's own loop dispatches it.
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &CloseMessageBox);
    show();
    KillTimer(nullptr, timer);
    g_watching = nullptr;
    g_onSeen = nullptr;
    return seen;
}

std::string ExecutableBaseName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name = path;
    name.erase(0, name.find_last_of("\\/") + 1);
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos)
        name.erase(dot);
    return name;
}
