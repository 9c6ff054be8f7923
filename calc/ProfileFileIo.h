// Whole-file reads and all-or-nothing replacement of the settings file.
#pragma once

#include <string>
#include <string_view>

struct ProfileFileContent {
    enum class Status { Absent, Read, Unreadable };
    Status status = Status::Absent;
    std::string bytes; // empty unless Read
};

// The whole file. A path may use '\' as separator on every platform: ".\config.ini" is the
// file config.ini in the working directory.
ProfileFileContent LoadProfileFile(const std::string& path);

// Puts content in the file at once: it is written to a temporary file beside the old one,
// which then replaces the old one in one rename. Returns false, having changed nothing and
// left no temporary file, when the file or its directory cannot be written; an existing file
// that is read-only counts as one that cannot be written.
bool ReplaceFileContent(const std::string& path, std::string_view content);
