#include "framework/MessageMap.h"

namespace {
bool IsCommand(UINT message) {
    return message == WM_COMMAND || message == REFLECTED(WM_COMMAND);
}

bool Matches(const MessageMapEntry& entry, UINT message, WPARAM wParam) {
    if (entry.message != message)
        return false;
    if (!IsCommand(message))
        return true;
    // A command entry names a notification code and a control number; 0 takes any control.
    return entry.code == HIWORD(wParam) && (entry.id == 0 || entry.id == LOWORD(wParam));
}
} // namespace

bool DispatchMessageMap(CWnd& wnd, const MessageMap* map, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result) {
    for (; map != nullptr; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->handler != nullptr; ++entry) {
            if (Matches(*entry, message, wParam) && entry->handler(wnd, wParam, lParam, result))
                return true;
        }
    }
    return false;
}
