#include "tests/e2e/TempDirectory.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <sstream>

TempDirectory::TempDirectory() {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::ostringstream name;
        name << temp << "focalix-e2e-" << GetCurrentProcessId() << "-" << counter++;
        if (CreateDirectoryA(name.str().c_str(), nullptr)) {
            m_path = name.str();
            return;
        }
    }
}

TempDirectory::~TempDirectory() {
    if (m_path.empty())
        return;
    for (const std::string& name : FileNames()) {
        const std::string file = File(name);
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(file.c_str());
    }
    RemoveDirectoryA(m_path.c_str());
}

std::vector<std::string> TempDirectory::FileNames() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_path + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

bool CopyFileTo(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}
