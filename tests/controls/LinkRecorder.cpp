// Stands in for a browser in the link-opening tests: appends its own command line, one
// line per run, to the file named by FOCALIX_LINK_RECORD.
#include <windows.h>

#include <cstring>

int main() {
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("FOCALIX_LINK_RECORD", path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return 1;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    const char* commandLine = GetCommandLineA();
    DWORD written = 0;
    WriteFile(file, commandLine, static_cast<DWORD>(std::strlen(commandLine)), &written, nullptr);
    WriteFile(file, "\n", 1, &written, nullptr);
    CloseHandle(file);
    return 0;
}
