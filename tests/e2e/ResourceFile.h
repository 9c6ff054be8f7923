// An executable opened for its resources only (nothing of it runs).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr WORD kFrench = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH); // 1036

struct ResourceEntry {
    std::string type; // "#5" for a numbered type, as for names
    std::string name;
    WORD language;
};

class ResourceFile {
public:
    explicit ResourceFile(const std::string& path);
    ~ResourceFile();
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    // The bytes of one resource in one language.
    std::optional<std::string_view> Find(LPCSTR type, int id, WORD language = kFrench) const;
    // String `id` of the string table, as the resource holds it.
    std::optional<std::wstring> String(int id, WORD language = kFrench) const;
    std::vector<ResourceEntry> All() const;

private:
    HMODULE m_module = nullptr;
};
