// Our reader and writer against the platform's own GetPrivateProfileStringA and
// WritePrivateProfileStringA, on the same files.
//
// Deliberate differences (each one checked below):
//  - Layout. The platform's writer lays the whole file out anew (CR LF line breaks, blank
//    lines and the white space around names and values dropped, text after a section header
//    dropped); ours changes only the value and keeps every other byte. After the same writes
//    the two files are equal once ours is given that layout, and byte for byte when the file
//    was already laid out so (a new file among them).
//  - A file that starts with a UTF-8 byte order mark is decoded by the platform, so that its
//    "Diam\xE8tre" matches the UTF-8 spelling; ours reads bytes, and it does not.
//  - A quoted value whose inside has exactly 48 characters: the platform drops one more
//    character (47 are left); ours gives the 48.
//  - A read-only file: Wine running as root writes it anyway; ours leaves it as Windows does
//    (ProfileFileIoTest).
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "calc/ProfileFile.h"
#include "calc/Settings.h"

namespace {

using namespace std::string_literals;

constexpr const char* kAbsent = "<absent>";

std::string PlatformRead(const std::string& path, const std::string& section,
                         const std::string& key) {
    char buffer[49];
    GetPrivateProfileStringA(section.c_str(), key.c_str(), kAbsent, buffer, sizeof buffer,
                             path.c_str());
    return buffer;
}

std::string OurRead(const std::string& path, const std::string& section, const std::string& key) {
    return ReadProfileText(path, section, key, kAbsent);
}

class PlatformProfile : public testing::Test {
protected:
    // A new file of the scratch directory, holding content.
    std::string NewFile(const std::string& content) {
        const std::string path = NewPath();
        WriteBytes(path, content);
        return path;
    }
    std::string NewPath() { return dir_.File("p" + std::to_string(count_++) + ".ini"); }

private:
    ScratchDirectory dir_;
    int count_ = 0;
};

TEST_F(PlatformProfile, RunsInCodePage1252) {
    EXPECT_EQ(GetACP(), 1252u);
}

const std::pair<const char*, const char*> kProbes[] = {
    {"Capteur", "X"},
    {"Capteur", "Y"},
    {"Capteur", "Xpixel"},
    {"Capteur", "Ypixel"},
    {"Telescope", "Diam\xE8tre"},
    {"Telescope", "Focale"},
    {"capteur", "XPIXEL"},
    {" Capteur\t", " X "},
    {"S", "K"},
    {"S", "L"},
    {"", "K"},
    {"S]", "K"},
    {"T", "K"},
    {"T", "L"},
    {"T", "DIAM\xE8TRE"},
};

const std::string kReadFiles[] = {
    "[Capteur]\r\nX=768\r\nY=512\r\nXpixel=9.00\r\nYpixel=9.00\r\n[Telescope]\r\n"
    "Diam\xE8tre=90\r\nFocale=1250\r\n",
    "; settings\n\n[Capteur]\n  X = 1536  \n\nY=1024\n[telescope]\nFocale = 2000\n",
    "[Capteur]\rX=1\rY=2\r[Telescope]\rFocale=3\r",
    "[S]\nK=1\r\nL=2\r[T]\nK=3",
    "[Capteur]\r\nX=768",
    "[Telescope]\r\nFocale=\r\nDiam\xE8tre=   \r\n[Capteur]\r\nX\r\nY= \t\r\n",
    "  [ Capteur ]  \r\n \t X \t= \v 12 34 \f\x1A\r\n\tXpixel\x1A=\x1A"
    "5\r\n",
    "[CAPTEUR]\r\nxPIXEL=9\r\n[T]\r\nDIAM\xC8TRE=1\r\nK=2\r\n",
    "[Telescope]\r\nDiam\xC3\xA8tre=200\r\n",
    "[S]\r\nK=1\r\nK=2\r\n[S]\r\nL=3\r\n[T]\r\nL=4\r\n[T]\r\nL=5\r\n",
    "[S] ; x\r\nK=1\r\n[T\r\nL=2\r\n[S]]\r\nK=3\r\n",
    "[S]\r\nK=\"1 2\"\r\nL='3\"\r\n[T]\r\nK=''\r\nL='\r\n",
    "[S]\r\nK=1\0 2\r\nL\0x=3\r\n[T]\r\n\0K=4\r\n"s,
    "K=0\r\n[S]\r\nL=1\r\n",
    "[]\r\nK=0\r\n",
    "[S]\r\nK=" + std::string(60, '6') + "\r\nL='" + std::string(47, '4') + "'\r\n[T]\r\nK=\"" +
        std::string(49, '9') + "\"\r\n",
    "[S]\r\n;K=1\r\nK=a=b\r\n=c\r\n",
    "[S]\r\nK=1\r\n\x1A",
    "[S]\r\nK=\xA0"
    "1\x1F\r\nL=\x1C"
    "2\x1D\r\n",
    "",
};

TEST_F(PlatformProfile, ReadsWhatThePlatformReads) {
    for (const std::string& content : kReadFiles) {
        const std::string path = NewFile(content);
        for (const auto& [section, key] : kProbes)
            EXPECT_EQ(OurRead(path, section, key), PlatformRead(path, section, key))
                << "[" << section << "] " << key << " in\n"
                << content;
    }
}

// Every byte around section names, key names and values, and inside them.
TEST_F(PlatformProfile, TreatsEveryByteAsThePlatformDoes) {
    for (int code = 1; code < 256; ++code) {
        const char b = static_cast<char>(code);
        if (b == '\r' || b == '\n')
            continue;
        const std::string c(1, b);
        const std::string path =
            NewFile("[" + c + "S" + c + "]\r\n" + c + "K" + c + "=" + c + "v" + c + "\r\n[T]\r\n" +
                    c + "\r\nK" + c + "L=" + c + "\r\n" + c + "[U]\r\nK=1\r\n");
        const std::pair<std::string, std::string> probes[] = {
            {"S", "K"},    {c + "S" + c, c + "K" + c},
            {"T", "K"},    {"T", "K" + c + "L"},
            {"T", c},      {"U", "K"},
            {c + "S", "K"}};
        for (const auto& [section, key] : probes)
            EXPECT_EQ(OurRead(path, section, key), PlatformRead(path, section, key))
                << "byte " << code << ": [" << section << "] " << key;
    }
}

TEST_F(PlatformProfile, KnownDifferences) {
    const std::string bom =
        NewFile("\xEF\xBB\xBF[Telescope]\r\nDiam\xC3\xA8tre=200\r\nFocale=1\r\n");
    EXPECT_EQ(PlatformRead(bom, "Telescope", "Diam\xE8tre"), "200");
    EXPECT_EQ(OurRead(bom, "Telescope", "Diam\xE8tre"), kAbsent);
    EXPECT_EQ(OurRead(bom, "Telescope", "Focale"), PlatformRead(bom, "Telescope", "Focale"));

    const std::string quoted = NewFile("[S]\r\nK='" + std::string(48, '4') + "'\r\n");
    EXPECT_EQ(PlatformRead(quoted, "S", "K"), std::string(47, '4'));
    EXPECT_EQ(OurRead(quoted, "S", "K"), std::string(48, '4'));
}

// The file as the platform's writer lays it out.
std::string PlatformLayout(std::string_view content) {
    auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == 26;
    };
    auto trim = [&](std::string_view text) {
        while (!text.empty() && isSpace(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && isSpace(text.back()))
            text.remove_suffix(1);
        return text;
    };
    std::string result;
    while (!content.empty()) {
        const std::size_t lineBreak = content.find_first_of("\r\n");
        const std::string_view line = trim(content.substr(0, lineBreak));
        content.remove_prefix(lineBreak == std::string_view::npos ? content.size() : lineBreak + 1);
        if (line.empty())
            continue;
        const std::size_t close = line.rfind(']');
        const std::size_t equals = line.find('=');
        if (line.front() == '[' && close != std::string_view::npos)
            result += "[" + std::string(trim(line.substr(1, close - 1))) + "]";
        else if (equals != std::string_view::npos)
            result += std::string(trim(line.substr(0, equals))) + "=" +
                      std::string(trim(line.substr(equals + 1)));
        else
            result += line;
        result += "\r\n";
    }
    return result;
}

struct WriteFile {
    bool exists;
    std::string content;
    bool laidOutAsThePlatformDoes;
};

const WriteFile kWriteFiles[] = {
    {false, "", true},
    {true,
     "[Capteur]\r\nX=768\r\nY=512\r\nXpixel=9.00\r\nYpixel=9.00\r\n[Telescope]\r\n"
     "Diam\xE8tre=90\r\nFocale=1250\r\n",
     true},
    {true,
     "; note\r\n[Capteur]\r\nX=1\r\nGain=2\r\n[Camera]\r\nX=99\r\n[Telescope]\r\nFocale=1\r\n",
     true},
    {true, "[Telescope]\r\nFocale=1\r\n", true},
    {true, "[Capteur]\r\nX=1", true},
    {true, "[Capteur]\r\nX=\r\nY\r\n", true},
    {true, "[capteur]\r\nx=1\r\n[TELESCOPE]\r\nfocale=1\r\n", true},
    {true, "[Telescope]\r\nDiam\xC3\xA8tre=200\r\n", true},
    {true, "K=0\r\n[Capteur]\r\nX=1\r\n[Capteur]\r\nY=2\r\n", true},
    {true, "; settings\n\n[Capteur]\n  X = 1  \n\nGain=2\n\n[Camera]\nX=99\n", false},
    {true, "[Capteur]\rX=1\r[Telescope]\rFocale=3\r", false},
    {true, "  [ Capteur ] ; sensor\r\n\tX\t=\t'5'\t\r\n\r\n[Telescope]\r\n\r\n", false},
};

TEST_F(PlatformProfile, WritesWhatThePlatformWrites) {
    OpticsState state;
    state.pixelsLength = 1536;
    state.pixelsWidth = 1024;
    state.pixelSizeLength = 6.45;
    state.pixelSizeWidth = 6.8;
    state.diameter = 203;
    state.focal = 2000;
    const struct {
        const char* section;
        const char* key;
        const char* text;
    } settings[] = {{"Capteur", "X", "1536"},
                    {"Capteur", "Y", "1024"},
                    {"Capteur", "Xpixel", "6.45"},
                    {"Capteur", "Ypixel", "6.80"},
                    {"Telescope", "Diam\xE8tre", "203"},
                    {"Telescope", "Focale", "2000"}};

    for (const WriteFile& file : kWriteFiles) {
        const std::string ours = file.exists ? NewFile(file.content) : NewPath();
        const std::string platforms = file.exists ? NewFile(file.content) : NewPath();
        WriteSettings(state, ours);
        for (const auto& setting : settings)
            WritePrivateProfileStringA(setting.section, setting.key, setting.text,
                                       platforms.c_str());

        const std::string ourBytes = ReadBytes(ours).value_or("<none>");
        const std::string platformBytes = ReadBytes(platforms).value_or("<none>");
        EXPECT_EQ(PlatformLayout(ourBytes), platformBytes) << file.content;
        if (file.laidOutAsThePlatformDoes) {
            EXPECT_EQ(ourBytes, platformBytes) << file.content;
        }
        for (const auto& setting : settings) {
            EXPECT_EQ(PlatformRead(ours, setting.section, setting.key), setting.text)
                << file.content;
        }
    }
}

} // namespace
