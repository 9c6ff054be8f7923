#include "PrivateClassRoot.h"

#include <tlhelp32.h>

namespace {
constexpr char kPrivateRootPath[] = "Software\\FocalixTest\\Classes";
constexpr char kRecorderName[] = "focalix_link_recorder.exe";

std::string ModuleDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string directory = path;
    directory.erase(directory.find_last_of('\\'));
    return directory;
}

std::string ReadFileText(const std::string& path) {
    std::string text;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
        text.append(chunk, read);
    CloseHandle(file);
    return text;
}

// Programs are started before OpenLink returns: once every recorder running now has ended,
// the records are complete.
void WaitForRecorders() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, kRecorderName) != 0)
            continue;
        if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
            WaitForSingleObject(process, INFINITE);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
}
} // namespace

PrivateClassRoot::PrivateClassRoot() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kPrivateRootPath);
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kPrivateRootPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &m_root, nullptr) != ERROR_SUCCESS)
        return;
    m_active = RegOverridePredefKey(HKEY_CLASSES_ROOT, m_root) == ERROR_SUCCESS;

    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    m_recordPath = std::string(temp) + "focalix_link_record.txt";
    ClearRecords();
    SetEnvironmentVariableA("FOCALIX_LINK_RECORD", m_recordPath.c_str());
    m_recorder = "\"" + ModuleDirectory() + "\\" + kRecorderName + "\"";
}

PrivateClassRoot::~PrivateClassRoot() {
    WaitForRecorders();
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    if (m_root != nullptr)
        RegCloseKey(m_root);
    RegDeleteTreeA(HKEY_CURRENT_USER, kPrivateRootPath);
    DeleteFileA(m_recordPath.c_str());
}

bool PrivateClassRoot::SetValue(const std::string& subKey, const char* name, DWORD type,
                                const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(m_root, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const bool set =
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

bool PrivateClassRoot::SetDefault(const std::string& subKey, const std::string& value) {
    return SetValue(subKey, nullptr, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void PrivateClassRoot::RegisterPageCommand(const std::string& command) {
    SetDefault(".htm", "FocalixTestPage");
    SetDefault("FocalixTestPage\\shell\\open\\command", command);
}

void PrivateClassRoot::RegisterScheme(const std::string& scheme, const std::string& command) {
    SetDefault(scheme, "URL:Focalix test protocol");
    const char empty[] = "";
    SetValue(scheme, "URL Protocol", REG_SZ, empty, sizeof empty);
    SetDefault(scheme + "\\shell\\open\\command", command);
}

void PrivateClassRoot::ClearRecords() {
    WaitForRecorders();
    DeleteFileA(m_recordPath.c_str());
}

std::vector<std::string> PrivateClassRoot::Records() const {
    WaitForRecorders();
    std::vector<std::string> lines;
    const std::string text = ReadFileText(m_recordPath);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}
