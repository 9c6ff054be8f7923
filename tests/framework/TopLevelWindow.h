// A visible top-level window with an object of its own: owner and main window of the tests.
#pragma once

#include "framework/Wnd.h"

class TopLevelWindow : public CWnd {
public:
    TopLevelWindow() {
        SubclassWindow(CreateWindowExA(0, "STATIC", "Proprio", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                       100, 100, 700, 500, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr));
    }
};
