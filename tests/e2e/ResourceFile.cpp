#include "tests/e2e/ResourceFile.h"

namespace {
std::string ResourceName(LPCSTR name) {
    if (IS_INTRESOURCE(name))
        return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
    return name;
}
} // namespace

ResourceFile::ResourceFile(const std::string& path)
    : m_module(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

ResourceFile::~ResourceFile() {
    if (m_module != nullptr)
        FreeLibrary(m_module);
}

std::optional<std::string_view> ResourceFile::Find(LPCSTR type, int id, WORD language) const {
    HRSRC found = FindResourceExA(m_module, type, MAKEINTRESOURCEA(id), language);
    if (found == nullptr)
        return std::nullopt;
    HGLOBAL loaded = LoadResource(m_module, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return std::nullopt;
    return std::string_view(static_cast<const char*>(data), SizeofResource(m_module, found));
}

std::optional<std::wstring> ResourceFile::String(int id, WORD language) const {
    // Strings come in blocks of sixteen counted UTF-16 strings.
    const auto block = Find(RT_STRING, id / 16 + 1, language);
    if (!block)
        return std::nullopt;
    const auto* p = reinterpret_cast<const WCHAR*>(block->data());
    const auto* end = p + block->size() / sizeof(WCHAR);
    for (int index = 0; index < id % 16 && p < end; ++index)
        p += 1 + *p;
    if (p >= end || p + 1 + *p > end)
        return std::nullopt;
    return std::wstring(p + 1, *p);
}

std::vector<ResourceEntry> ResourceFile::All() const {
    struct Walk {
        HMODULE module;
        std::vector<ResourceEntry> entries;
        LPCSTR type = nullptr;
        LPCSTR name = nullptr;
    } walk{m_module, {}};
    EnumResourceTypesA(
        m_module,
        [](HMODULE module, LPSTR type, LONG_PTR param) -> BOOL {
            auto* w = reinterpret_cast<Walk*>(param);
            w->type = type;
            EnumResourceNamesA(
                module, type,
                [](HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param) -> BOOL {
                    auto* w = reinterpret_cast<Walk*>(param);
                    w->name = name;
                    EnumResourceLanguagesA(
                        module, type, name,
                        [](HMODULE, LPCSTR type, LPCSTR name, WORD language,
                           LONG_PTR param) -> BOOL {
                            auto* w = reinterpret_cast<Walk*>(param);
                            w->entries.push_back(
                                {ResourceName(type), ResourceName(name), language});
                            return TRUE;
                        },
                        param);
                    return TRUE;
                },
                param);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&walk));
    return walk.entries;
}
