#include "tests/e2e/ChildProcess.h"

#include "tests/e2e/WindowQueries.h"

ChildProcess::ChildProcess(const std::string& exePath, const std::string& workingDirectory) {
    std::string commandLine = "\"" + exePath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.c_str(), &startup, &m_info))
        m_info = {};
}

ChildProcess::~ChildProcess() {
    Terminate();
    if (m_info.hThread != nullptr)
        CloseHandle(m_info.hThread);
    if (m_info.hProcess != nullptr)
        CloseHandle(m_info.hProcess);
}

bool ChildProcess::IsRunning() const {
    return Started() && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> ChildProcess::Windows() const {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{m_info.dwProcessId, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && IsWindowVisible(window))
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildProcess::WaitForWindow(const std::string& caption) const {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : Windows())
            if (WindowTextA(window) == caption)
                found = window;
        return found != nullptr || !IsRunning();
    });
    return found;
}

bool ChildProcess::WaitForExit(DWORD* exitCode) const {
    if (!Started() || WaitForSingleObject(m_info.hProcess, 30000) != WAIT_OBJECT_0)
        return false;
    if (exitCode != nullptr)
        GetExitCodeProcess(m_info.hProcess, exitCode);
    return true;
}

void ChildProcess::Terminate() {
    if (IsRunning()) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, 30000);
    }
}
