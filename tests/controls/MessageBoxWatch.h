// Reads back and closes the message box that a call shows on the test's own thread.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct SeenMessageBox {
    bool seen = false;
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    HICON icon = nullptr; // the icon the box shows
    int buttonCount = 0;  // visible push buttons
    bool hasOkButton = false;
};

// Runs `show`; the first message box that appears during it is read and closed with OK.
// `onSeen`, when given, runs as soon as the box is found.
SeenMessageBox WatchMessageBox(const std::function<void()>& show,
                               std::function<void()> onSeen = nullptr);

// The name a message box of this program is captioned with: the executable's base name.
std::string ExecutableBaseName();
