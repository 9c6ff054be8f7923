// Reads a window of another process from inside that process: hooking the probe DLL into
// the window's thread has Wine load it there. For what Wine keeps from other processes
// (system menus, WM_GETICON, WM_QUERYDRAGICON). Unhooked on destruction.
#pragma once

#include <windows.h>

#include <optional>

#include "tests/e2e/probe/ProbeReport.h"

class InProcessProbe {
public:
    explicit InProcessProbe(HWND window);
    ~InProcessProbe();
    InProcessProbe(const InProcessProbe&) = delete;
    InProcessProbe& operator=(const InProcessProbe&) = delete;

    bool Installed() const { return m_hook != nullptr && m_report != nullptr; }
    // Nothing when no report came back (the probe didn't get in, or the program hangs).
    std::optional<FocalixProbeReport> Read();

private:
    HWND m_window;
    HMODULE m_dll = nullptr;
    HHOOK m_hook = nullptr;
    HANDLE m_mapping = nullptr;
    FocalixProbeReport* m_report = nullptr;
};
