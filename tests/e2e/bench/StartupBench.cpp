// Start-up time of Focalix.exe against a bare dialog program built the same way: from
// process creation to the main window being visible, median of N runs each, in one run of
// this program. A measurement, not a test: it prints its figures and passes.
//   startup_bench [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
std::string ProgramDirectory() {
    char path[MAX_PATH];
    std::string directory(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return directory.substr(0, directory.find_last_of("\\/") + 1);
}

struct Search {
    DWORD processId;
    const char* caption;
    bool found;
};

bool WindowShown(DWORD processId, const char* caption) {
    Search search{processId, caption, false};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char text[64] = {};
            if (owner == s->processId && IsWindowVisible(window) &&
                GetWindowTextA(window, text, sizeof(text)) > 0 && strcmp(text, s->caption) == 0)
                s->found = true;
            return !s->found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Milliseconds from CreateProcess to the window being visible; negative on failure.
double TimeOneStart(const std::string& exe, const char* caption, const std::string& directory) {
    LARGE_INTEGER frequency, start, shown;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + exe + "\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process))
        return -1;
    double elapsed = -1;
    const ULONGLONG deadline = GetTickCount64() + 30000;
    while (GetTickCount64() < deadline) {
        if (WindowShown(process.dwProcessId, caption)) {
            QueryPerformanceCounter(&shown);
            elapsed = 1000.0 * static_cast<double>(shown.QuadPart - start.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
            break;
        }
        Sleep(0);
    }
    // Close it as the user would (Escape, the close box: nothing is saved).
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == static_cast<DWORD>(param))
                PostMessageA(window, WM_CLOSE, 0, 0);
            return TRUE;
        },
        static_cast<LPARAM>(process.dwProcessId));
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    const std::string directory = ProgramDirectory();
    const std::string focalix = directory + FOCALIX_EXE_RELATIVE_PATH;
    const std::string bare = directory + "focalix_bare_dialog.exe";
    // A working directory of its own, so that no config.ini of the user's is read.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string work = std::string(temp) + "focalix-startup-bench";
    CreateDirectoryA(work.c_str(), nullptr);

    std::vector<double> focalixTimes, bareTimes;
    // Alternate the two, after one warm-up each, so that both see the same machine.
    TimeOneStart(focalix, "Focalix V1.05", work);
    TimeOneStart(bare, "Bare dialog", work);
    for (int i = 0; i < runs; ++i) {
        const double f = TimeOneStart(focalix, "Focalix V1.05", work);
        const double b = TimeOneStart(bare, "Bare dialog", work);
        if (f < 0 || b < 0) {
            std::fprintf(stderr, "a program didn't show its window\n");
            return 1;
        }
        focalixTimes.push_back(f);
        bareTimes.push_back(b);
    }
    RemoveDirectoryA(work.c_str());
    const double focalixMedian = Median(focalixTimes), bareMedian = Median(bareTimes);
    std::printf("start-up to visible window, median of %d runs:\n", runs);
    std::printf("  Focalix.exe      %8.1f ms\n", focalixMedian);
    std::printf("  bare dialog      %8.1f ms\n", bareMedian);
    std::printf("  ratio            %8.2f\n", focalixMedian / bareMedian);
    return 0;
}
