// libFuzzer target for the profile reader and writer: any file bytes, any names and values.
// Properties: nothing crashes; a read yields at most 48 characters; a write of a value that
// can be read back reads back as written; every other key reads as before; every line that
// the write did not concern is unchanged; writing the same value again changes nothing.
// A setting's text is bounded and an exponent form reads back as the same number.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "calc/NumberText.h"
#include "calc/ProfileFile.h"
#include "calc/Settings.h"

namespace {

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property violated: %s (line %d)\n", #condition, __LINE__);       \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

const char* const kSections[] = {"Capteur", "capteur", " TELESCOPE ", "Telescope", "", "S"};
const char* const kKeys[] = {"X", "y", "Xpixel", "YPIXEL", "Diam\xE8tre", "Focale", "K", ""};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string PickName(FuzzedDataProvider& input, const char* const* names, std::size_t count) {
    const std::size_t choice = input.ConsumeIntegralInRange<std::size_t>(0, count);
    return choice < count ? names[choice] : input.ConsumeRandomLengthString(12);
}

// Lines with their line breaks (CR LF, LF or CR).
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos)
            end = text.size();
        else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            end += 2;
        else
            end += 1;
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return lines;
}

bool EndsWithLineBreak(std::string_view line) {
    return !line.empty() && (line.back() == '\n' || line.back() == '\r');
}

// The line, without its break, names the key: a "key=value" line or a line of the key alone.
bool DeclaresKey(std::string_view line, std::string_view key) {
    while (EndsWithLineBreak(line))
        line.remove_suffix(1);
    std::string_view name = Trim(line).substr(0, Trim(line).find('='));
    name = Trim(name);
    return SameName(name.substr(0, name.find('\0')), key);
}

void CheckOnlyConcernedLinesChanged(std::string_view before, std::string_view after,
                                    std::string_view section, std::string_view key) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (before.starts_with(kMark)) {
        CHECK(after.starts_with(kMark));
        before.remove_prefix(kMark.size());
        after.remove_prefix(kMark.size());
    }
    const std::vector<std::string_view> old = SplitLines(before);
    const std::vector<std::string_view> now = SplitLines(after);
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix + prefix < old.size() && suffix + prefix < now.size() &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    const std::size_t oldChanged = old.size() - prefix - suffix;
    const std::size_t newChanged = now.size() - prefix - suffix;
    CHECK(oldChanged <= 1);
    CHECK(newChanged <= 3);
    std::size_t next = prefix;
    if (oldChanged == 1) {
        const std::string_view line = old[prefix];
        const std::string_view added =
            now[next].starts_with(line) ? now[next].substr(line.size()) : std::string_view();
        if (!EndsWithLineBreak(line) && (added == "\r\n" || added == "\n" || added == "\r")) {
            // The last line got the line break that the new lines after it need.
            CHECK(prefix + 1 == old.size());
        } else {
            CHECK(DeclaresKey(line, key));
            CHECK(newChanged == 1);
        }
    }
    // Anything else new is the key's line or its section's header.
    for (++next; next < prefix + newChanged; ++next) {
        const std::string_view line = now[next];
        const std::string header = "[" + std::string(Trim(section)) + "]";
        CHECK(DeclaresKey(line, key) || line.starts_with(header));
    }
    if (oldChanged == 0 && newChanged > 0)
        CHECK(DeclaresKey(now[prefix], key) || now[prefix].starts_with("["));
}

// A value without white space at its ends that a read gives back unchanged: no pair of quotes.
bool ReadsBackUnchanged(std::string_view value) {
    return !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
             value.back() == value.front());
}

void CheckSettingText(FuzzedDataProvider& input) {
    const double value = input.ConsumeFloatingPoint<double>();
    const int decimals = input.ConsumeBool() ? 2 : 0;
    const std::string text = FormatSettingValue(value, decimals);
    CHECK(text.size() <= kMaxSettingTextLength);
    if (text.find('e') != std::string::npos)
        CHECK(ParseInputText(text) == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    CheckSettingText(input);
    const std::string section = PickName(input, kSections, std::size(kSections));
    const std::string key = PickName(input, kKeys, std::size(kKeys));
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string content = input.ConsumeRemainingBytesAsString();

    for (const char* probeSection : kSections)
        for (const char* probeKey : kKeys)
            CHECK(GetProfileText(content, probeSection, probeKey, "").size() <= 48);

    const std::optional<std::string> written = SetProfileValue(content, section, key, value);
    const bool representable =
        std::string_view(section + key + value).find_first_of(std::string_view("\r\n\0", 3)) ==
            std::string_view::npos &&
        key.find('=') == std::string::npos && !Trim(key).starts_with('[') &&
        !Trim(key).starts_with("\xEF\xBB\xBF");
    CHECK(written.has_value() == representable);
    if (!written)
        return 0;

    if (ReadsBackUnchanged(Trim(value)))
        CHECK(FindProfileValue(*written, section, key) == Trim(value));
    for (const char* probeSection : kSections)
        for (const char* probeKey : kKeys)
            if (!SameName(probeSection, section) || !SameName(probeKey, key))
                CHECK(FindProfileValue(content, probeSection, probeKey) ==
                      FindProfileValue(*written, probeSection, probeKey));
    CheckOnlyConcernedLinesChanged(content, *written, section, key);
    CHECK(SetProfileValue(*written, section, key, value) == *written);
    return 0;
}
