// A fresh, empty working directory for one test, removed with its files afterwards.
#pragma once

#include <optional>
#include <string>
#include <vector>

class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::string& Path() const { return m_path; } // no trailing backslash
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    std::vector<std::string> FileNames() const;

private:
    std::string m_path;
};

// The whole content of a file, or nothing when it can't be read (absent, say).
std::optional<std::string> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool CopyFileTo(const std::string& from, const std::string& to);
