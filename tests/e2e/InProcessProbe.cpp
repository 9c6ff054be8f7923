#include "tests/e2e/InProcessProbe.h"

#include "tests/e2e/TestPaths.h"
#include "tests/e2e/WindowQueries.h"

InProcessProbe::InProcessProbe(HWND window) : m_window(window) {
    char name[64];
    FocalixProbeReportName(GetCurrentProcessId(), name);
    m_mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                   sizeof(FocalixProbeReport), name);
    if (m_mapping != nullptr)
        m_report = static_cast<FocalixProbeReport*>(
            MapViewOfFile(m_mapping, FILE_MAP_WRITE, 0, 0, sizeof(FocalixProbeReport)));
    m_dll = LoadLibraryA(ProbeDllPath().c_str());
    if (m_dll == nullptr)
        return;
    // Through void*: FARPROC and HOOKPROC have different signatures.
    const auto proc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(m_dll, FOCALIX_PROBE_HOOK_PROC)));
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (proc != nullptr && thread != 0)
        m_hook = SetWindowsHookExA(WH_GETMESSAGE, proc, m_dll, thread);
}

InProcessProbe::~InProcessProbe() {
    if (m_hook != nullptr)
        UnhookWindowsHookEx(m_hook);
    if (m_dll != nullptr)
        FreeLibrary(m_dll);
    if (m_report != nullptr)
        UnmapViewOfFile(m_report);
    if (m_mapping != nullptr)
        CloseHandle(m_mapping);
}

std::optional<FocalixProbeReport> InProcessProbe::Read() {
    if (!Installed())
        return std::nullopt;
    *m_report = {};
    // Posted, so that the window's thread takes it from its queue, through the hook.
    if (!PostMessageA(m_window, RegisterWindowMessageA(FOCALIX_PROBE_MESSAGE),
                      GetCurrentProcessId(), 0))
        return std::nullopt;
    if (!WaitUntil([&] { return InterlockedCompareExchange(&m_report->done, 0, 0) != 0; }))
        return std::nullopt;
    return *m_report;
}
