// Profile files ("[section]" lines and "key=value" lines): our own reader and writer. They
// read a file as the platform's profile service reads it, but write it byte for byte: a write
// changes the one value and leaves every other byte of the file as it was. Text is bytes
// (code page 1252); nothing is decoded.
//
// Reading, as the platform's service does:
//  - a line ends at CR LF, LF or CR; white space is space, tab, vertical tab, form feed and
//    Ctrl-Z (0x1A); a line of white space only is ignored;
//  - a line that starts with '[' and holds a ']' starts a section, named by what lies between
//    the '[' and the last ']'; anything after that ']' is ignored;
//  - any other line is a key: the name is what precedes the first '=', the value what
//    follows it; a line without '=' is a key without a value, read as absent;
//  - names and values lose the white space around them, and end at a NUL byte;
//  - a value enclosed in a pair of the same quote marks (' or ") is read without them;
//  - lines before the first section belong to a section with the empty name;
//  - section and key names match without regard to ASCII case (other bytes match exactly,
//    so the 0xE8 of a key never matches its UTF-8 form); only the first section of a name
//    counts, and in it the first key of a name;
//  - a UTF-8 byte order mark at the start of the file is skipped and kept.
//
// Writing a key: an existing key gets its value replaced in place; a missing key becomes a
// new line after the last non-blank line of the first section of that name; a missing
// section is appended at the end of the file. New lines use the line break of the line they
// follow, else the file's first line break, else CR LF.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/ProfileFileIo.h"

// A read buffer of 49 characters, terminating zero included.
inline constexpr std::size_t kMaxProfileTextLength = 48;

// The value of key in section as the reader above yields it, whole; nullopt when the
// section, the key or its '=' is absent.
std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key);

// The text that a read yields: the value cut to kMaxProfileTextLength characters, or
// defaultText when the value is absent.
std::string GetProfileText(std::string_view content, std::string_view section, std::string_view key,
                           std::string_view defaultText);

// content with key's value set to value (white space around it dropped), the section and
// the key created as needed. nullopt, when a name or the value holds a line break or a NUL,
// the key holds '=' or starts with '[' or a byte order mark: such a line would not read back.
std::optional<std::string> SetProfileValue(std::string_view content, std::string_view section,
                                           std::string_view key, std::string_view value);

// One read of the file, as the platform's GetPrivateProfileStringA with 49 characters.
std::string ReadProfileText(const std::string& path, std::string_view section, std::string_view key,
                            std::string_view defaultText);

struct ProfileEntry {
    std::string_view section;
    std::string_view key;
    std::string_view value;
};

// Sets every entry, in order, in one replacement of the file: all or nothing. A file whose
// content would not change is not touched. Returns false when nothing could be written.
bool WriteProfileEntries(const std::string& path, std::span<const ProfileEntry> entries);
