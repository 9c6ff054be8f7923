// Reads a dialog template (plain or extended) as the resource holds it, so that the tests
// can check the executable's templates field by field.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// A template field that is either a number (an ordinal) or a text; both empty when absent.
struct NameOrOrdinal {
    WORD ordinal = 0; // non-zero when the field is a number
    std::wstring name;
    bool operator==(const NameOrOrdinal&) const = default;
};

struct DialogItemTemplate {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0; // 16 bits in a plain template
    NameOrOrdinal windowClass;
    NameOrOrdinal text;
    WORD creationDataSize = 0;
};

struct DialogTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::wstring caption;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring typeface;
    std::vector<DialogItemTemplate> items;
};

// Nothing when the data is not a well-formed template.
std::optional<DialogTemplate> ParseDialogTemplate(const void* data, size_t size);
