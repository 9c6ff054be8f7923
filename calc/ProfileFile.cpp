#include "calc/ProfileFile.h"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <initializer_list>

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNewFileLineBreak = "\r\n";

bool IsProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view TrimSpace(std::string_view text) {
    while (!text.empty() && IsProfileSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsProfileSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view CutAtNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

std::size_t FirstLineStart(std::string_view content) {
    return content.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
}

enum class LineKind { Blank, Section, Key };

// One line; offsets index the whole content.
struct ProfileLine {
    std::size_t begin = 0;
    std::size_t contentEnd = 0; // where the line break starts, or the end of the file
    std::size_t end = 0;        // after the line break
    LineKind kind = LineKind::Blank;
    std::string_view name;      // section or key name
    bool hasValue = false;      // a key line that holds '='
    std::size_t valueBegin = 0; // the raw value, trimmed; for a key without '=', both are
    std::size_t valueEnd = 0;   // where "=value" would go
};

void ClassifyLine(std::string_view content, ProfileLine& line) {
    std::size_t first = line.begin;
    std::size_t last = line.contentEnd;
    while (first < last && IsProfileSpace(content[first]))
        ++first;
    while (last > first && IsProfileSpace(content[last - 1]))
        --last;
    if (first == last)
        return;
    const std::string_view text = content.substr(first, last - first);
    if (text.front() == '[') {
        const std::size_t close = text.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = CutAtNul(TrimSpace(text.substr(1, close - 1)));
            return;
        }
    }
    line.kind = LineKind::Key;
    const std::size_t equals = text.find('=');
    line.name = CutAtNul(TrimSpace(text.substr(0, equals)));
    line.valueBegin = line.valueEnd = last;
    if (equals == std::string_view::npos)
        return;
    line.hasValue = true;
    line.valueBegin = first + equals + 1;
    while (line.valueBegin < last && IsProfileSpace(content[line.valueBegin]))
        ++line.valueBegin;
}

// Walks the lines one at a time, so that no file size costs more than one pass.
class LineReader {
public:
    explicit LineReader(std::string_view content)
        : content_(content), next_(FirstLineStart(content)) {}

    bool Next(ProfileLine& line) {
        if (next_ >= content_.size())
            return false;
        line = ProfileLine{};
        line.begin = next_;
        const std::size_t lineBreak = content_.find_first_of("\r\n", next_);
        if (lineBreak == std::string_view::npos) {
            line.contentEnd = line.end = content_.size();
        } else {
            line.contentEnd = lineBreak;
            line.end = lineBreak + 1;
            if (content_[lineBreak] == '\r' && line.end < content_.size() &&
                content_[line.end] == '\n')
                ++line.end;
        }
        next_ = line.end;
        ClassifyLine(content_, line);
        return true;
    }

private:
    std::string_view content_;
    std::size_t next_;
};

// What a read or a write of one key needs to know about the file.
struct KeyLocation {
    bool sectionFound = false;
    std::optional<ProfileLine> key;      // the key's line in the first section of its name
    std::optional<ProfileLine> lastLine; // that section's last non-blank line (or header)
    std::optional<ProfileLine> finalLine;
    std::string_view firstLineBreak;
};

KeyLocation LocateKey(std::string_view content, std::string_view section, std::string_view key) {
    KeyLocation found;
    bool inSection = section.empty(); // the lines before the first header
    bool sectionEnded = false;
    found.sectionFound = inSection;
    LineReader reader(content);
    ProfileLine line;
    while (reader.Next(line)) {
        if (found.firstLineBreak.empty() && line.end > line.contentEnd)
            found.firstLineBreak = content.substr(line.contentEnd, line.end - line.contentEnd);
        found.finalLine = line;
        if (sectionEnded || line.kind == LineKind::Blank)
            continue;
        if (line.kind == LineKind::Section) {
            if (inSection) {
                sectionEnded = true;
            } else if (EqualsIgnoringAsciiCase(line.name, section)) {
                inSection = found.sectionFound = true;
                found.lastLine = line;
            }
            continue;
        }
        if (!inSection)
            continue;
        found.lastLine = line;
        if (!found.key && EqualsIgnoringAsciiCase(line.name, key))
            found.key = line;
    }
    return found;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Inserts lines after the given line (a line break added to it when it has none), or at
// the start of the file.
std::string InsertLines(std::string_view content, const KeyLocation& found,
                        const std::optional<ProfileLine>& after,
                        std::initializer_list<std::string_view> lines) {
    std::string_view lineBreak =
        found.firstLineBreak.empty() ? kNewFileLineBreak : found.firstLineBreak;
    std::size_t position = FirstLineStart(content);
    bool breakAfterLine = false;
    if (after) {
        position = after->end;
        if (after->end > after->contentEnd)
            lineBreak = content.substr(after->contentEnd, after->end - after->contentEnd);
        else
            breakAfterLine = true;
    }
    std::string result(content.substr(0, position));
    if (breakAfterLine)
        result += lineBreak;
    for (std::string_view line : lines) {
        result += line;
        result += lineBreak;
    }
    result += content.substr(position);
    return result;
}

} // namespace

std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key) {
    const KeyLocation found = LocateKey(content, TrimSpace(section), TrimSpace(key));
    if (!found.key || !found.key->hasValue)
        return std::nullopt;
    std::string_view value = CutAtNul(
        content.substr(found.key->valueBegin, found.key->valueEnd - found.key->valueBegin));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string GetProfileText(std::string_view content, std::string_view section, std::string_view key,
                           std::string_view defaultText) {
    std::string text = FindProfileValue(content, section, key).value_or(std::string(defaultText));
    if (text.size() > kMaxProfileTextLength)
        text.resize(kMaxProfileTextLength);
    return text;
}

std::optional<std::string> SetProfileValue(std::string_view content, std::string_view section,
                                           std::string_view key, std::string_view value) {
    section = TrimSpace(section);
    key = TrimSpace(key);
    // Trailing white space too, which a read drops: a second write of the value then changes
    // nothing.
    value = TrimSpace(value);
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value) ||
        key.find('=') != std::string_view::npos || key.starts_with('[') ||
        key.starts_with(kUtf8ByteOrderMark))
        return std::nullopt;

    const KeyLocation found = LocateKey(content, section, key);
    if (found.key) {
        const ProfileLine& line = *found.key;
        std::string result(content.substr(0, line.valueBegin));
        if (!line.hasValue)
            result += '=';
        result += value;
        result += content.substr(line.valueEnd);
        return result;
    }
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    if (found.sectionFound)
        return InsertLines(content, found, found.lastLine, {keyLine});
    const std::string header = "[" + std::string(section) + "]";
    return InsertLines(content, found, found.finalLine, {header, keyLine});
}

std::string ReadProfileText(const std::string& path, std::string_view section, std::string_view key,
                            std::string_view defaultText) {
    const ProfileFileContent file = LoadProfileFile(path);
    return GetProfileText(file.bytes, section, key, defaultText);
}

bool WriteProfileEntries(const std::string& path, std::span<const ProfileEntry> entries) {
    try {
        const ProfileFileContent file = LoadProfileFile(path);
        if (file.status == ProfileFileContent::Status::Unreadable)
            return false; // replacing it would lose what it holds
        std::string content = file.bytes;
        for (const ProfileEntry& entry : entries) {
            std::optional<std::string> next =
                SetProfileValue(content, entry.section, entry.key, entry.value);
            if (!next)
                return false;
            content = std::move(*next);
        }
        if (file.status == ProfileFileContent::Status::Read && content == file.bytes)
            return true;
        if (file.status == ProfileFileContent::Status::Absent && content.empty())
            return true;
        return ReplaceFileContent(path, content);
    } catch (const std::exception&) { // out of memory: nothing written
        return false;
    }
}
