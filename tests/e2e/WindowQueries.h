// Reading another process's windows from the test: texts, classes, focus, and waiting for
// a condition that the other process's message loop will bring about.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Polls until `condition` holds; false after a generous timeout (a broken program, not a
// slow one, is what the timeout catches).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 30000);

// The text in the program's own code page (WM_GETTEXT, narrow).
std::string WindowTextA(HWND window);
// The text as the window holds it (UTF-16).
std::wstring WindowTextW(HWND window);
std::string ClassName(HWND window);
std::string WindowTextA(HWND dialog, int controlId);
void SetWindowTextTo(HWND dialog, int controlId, const std::string& text);

// Children in Z order, which for a dialog is the template's order.
std::vector<HWND> ChildWindows(HWND parent);
// The window with the keyboard focus in the given thread.
HWND FocusedWindow(DWORD threadId);
// Typing, as the keyboard would: one WM_CHAR per character.
void TypeChars(HWND edit, const std::string& chars);
// A key press posted to `target`, so that it goes through its program's message loop (and
// so through the dialog manager) as a real one would.
void PostKeyPress(HWND target, UINT virtualKey);

// Converts UTF-16 to code page 1252, the program's code page.
std::string ToCp1252(const std::wstring& text);
