// A Windows program started by a test, in a working directory of the test's choosing, and
// always ended: the destructor terminates it if it is still running.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ChildProcess {
public:
    ChildProcess(const std::string& exePath, const std::string& workingDirectory);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return m_info.hProcess != nullptr; }
    DWORD Id() const { return m_info.dwProcessId; }
    DWORD ThreadId() const { return m_info.dwThreadId; }
    bool IsRunning() const;

    // Its visible top-level windows.
    std::vector<HWND> Windows() const;
    // Waits (generously) for a visible top-level window of its with this caption.
    HWND WaitForWindow(const std::string& caption) const;
    // Waits for it to end; false if it is still running after the wait.
    bool WaitForExit(DWORD* exitCode = nullptr) const;
    void Terminate();

private:
    PROCESS_INFORMATION m_info{};
};
