#include "tests/e2e/TestPaths.h"

#include <windows.h>

std::string TestProgramDirectory() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of("\\/") + 1);
}

// The paths relative to this program's directory come from the build (see CMakeLists.txt).
std::string FocalixExePath() {
    return TestProgramDirectory() + FOCALIX_EXE_RELATIVE_PATH;
}

std::string FailingWinsockDllPath() {
    return TestProgramDirectory() + FAILING_WINSOCK_RELATIVE_PATH;
}

std::string ProbeDllPath() {
    return TestProgramDirectory() + PROBE_DLL_RELATIVE_PATH;
}
