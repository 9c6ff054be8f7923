// The profile format in memory: what a read finds, and the exact bytes a write produces.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "calc/ProfileFile.h"

namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* what;
    std::string content;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

const ReadCase kReadCases[] = {
    {"CRLF file", "[Capteur]\r\nX=768\r\nY=512\r\n", "Capteur", "Y", "512"},
    {"LF file", "[Capteur]\nX=768\nY=512\n", "Capteur", "Y", "512"},
    {"CR file", "[Capteur]\rX=768\rY=512\r", "Capteur", "Y", "512"},
    {"no line break at the end", "[Capteur]\r\nX=768", "Capteur", "X", "768"},
    {"empty value", "[Telescope]\r\nFocale=\r\n", "Telescope", "Focale", ""},
    {"empty value with blanks", "[Telescope]\r\nFocale=   \r\n", "Telescope", "Focale", ""},
    {"key without '='", "[Telescope]\r\nFocale\r\n", "Telescope", "Focale", std::nullopt},
    {"absent key", "[Telescope]\r\nDiam\xE8tre=90\r\n", "Telescope", "Focale", std::nullopt},
    {"absent section", "[Capteur]\r\nFocale=1\r\n", "Telescope", "Focale", std::nullopt},
    {"key of another section", "[A]\r\nK=1\r\n[B]\r\nL=2\r\n", "B", "K", std::nullopt},
    {"white space around names and value", "  [ Capteur ]  \r\n \t X \t= \v 12 34 \f\x1A\r\n",
     "Capteur", "X", "12 34"},
    {"names given with white space", "[Capteur]\r\nX=1\r\n", " Capteur\t", " X ", "1"},
    {"no-break space and 0x1F are not white space",
     "[S]\r\nK=\xA0"
     "1\x1F\r\n",
     "S", "K",
     "\xA0"
     "1\x1F"},
    {"ASCII case ignored", "[CAPTEUR]\r\nxPIXEL=9\r\n", "Capteur", "Xpixel", "9"},
    {"other case pairs are distinct", "[T]\r\nDIAM\xC8TRE=1\r\n", "T", "DIAM\xE8TRE", std::nullopt},
    {"0xE8 key", "[Telescope]\r\nDiam\xE8tre=200\r\n", "Telescope", "Diam\xE8tre", "200"},
    {"UTF-8 key does not match", "[Telescope]\r\nDiam\xC3\xA8tre=200\r\n", "Telescope",
     "Diam\xE8tre", std::nullopt},
    {"partial section name", "[Capteurs]\r\nX=1\r\n", "Capteur", "X", std::nullopt},
    {"partial key name", "[Capteur]\r\nXpixel=1\r\n", "Capteur", "X", std::nullopt},
    {"first of two keys", "[S]\r\nK=1\r\nK=2\r\n", "S", "K", "1"},
    {"only the first section of a name", "[S]\r\nA=1\r\n[S]\r\nK=2\r\n", "S", "K", std::nullopt},
    {"text after the header", "[S] ; sensor\r\nK=1\r\n", "S", "K", "1"},
    {"header without ']' is no header", "[T]\r\n[S\r\nK=1\r\n", "T", "K", "1"},
    {"the last ']' closes the name", "[S]]\r\nK=1\r\n", "S]", "K", "1"},
    {"'=' in the value", "[S]\r\nK=a=b\r\n", "S", "K", "a=b"},
    {"comment lines are no keys", "[S]\r\n;K=1\r\nK=2\r\n", "S", "K", "2"},
    {"double quotes", "[S]\r\nK=\"1 2\"\r\n", "S", "K", "1 2"},
    {"single quotes", "[S]\r\nK='12'\r\n", "S", "K", "12"},
    {"unpaired quotes", "[S]\r\nK='12\"\r\n", "S", "K", "'12\""},
    {"a lone quote", "[S]\r\nK='\r\n", "S", "K", "'"},
    {"empty quotes", "[S]\r\nK=''\r\n", "S", "K", ""},
    {"NUL ends a value", "[S]\r\nK=1\0 2\r\n"s, "S", "K", "1"},
    {"NUL ends a name", "[S]\r\nK\0x=1\r\n"s, "S", "K", "1"},
    {"lines before any section", "K=0\r\n[S]\r\n", "", "K", "0"},
    {"a section is no top line", "K=0\r\n[S]\r\n", "S", "K", std::nullopt},
    {"UTF-8 byte order mark", "\xEF\xBB\xBF[S]\r\nK=1\r\n", "S", "K", "1"},
    {"empty file", "", "S", "K", std::nullopt},
    {"binary junk", "\x01\xFF[\x80]\r\n\0=\r\n=\x1A\r\n"s, "S", "K", std::nullopt},
};

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsWhatThePlatformFinds) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(FindProfileValue(c.content, c.section, c.key), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileRead, testing::ValuesIn(kReadCases));

TEST(ProfileText, IsTheValueCutTo48CharactersOrTheDefault) {
    const std::string sixty = "123456789012345678901234567890123456789012345678901234567890";
    EXPECT_EQ(GetProfileText("[S]\r\nK=" + sixty + "\r\n", "S", "K", "9"), sixty.substr(0, 48));
    EXPECT_EQ(GetProfileText("[S]\r\nK=" + sixty.substr(0, 48) + "\r\n", "S", "K", "9"),
              sixty.substr(0, 48));
    // The quotes go before the cut.
    EXPECT_EQ(GetProfileText("[S]\r\nK='" + sixty.substr(0, 48) + "'\r\n", "S", "K", "9"),
              sixty.substr(0, 48));
    EXPECT_EQ(GetProfileText("[S]\r\nK=\r\n", "S", "K", "9"), "");
    EXPECT_EQ(GetProfileText("[S]\r\n", "S", "K", "9"), "9");
}

struct WriteCase {
    const char* what;
    std::string content;
    const char* section;
    const char* key;
    const char* value;
    std::string expected;
};

const WriteCase kWriteCases[] = {
    {"new file", "", "Capteur", "X", "768", "[Capteur]\r\nX=768\r\n"},
    {"replaces a value", "[Capteur]\r\nX=5\r\nY=6\r\n", "Capteur", "X", "768",
     "[Capteur]\r\nX=768\r\nY=6\r\n"},
    {"keeps the spelling and spacing of the line", "[capteur]\n  x = 5  \n", "Capteur", "X", "768",
     "[capteur]\n  x = 768  \n"},
    {"replaces a quoted value", "[S]\r\nK=\"5\"\r\n", "S", "K", "7", "[S]\r\nK=7\r\n"},
    {"fills an empty value", "[S]\r\nK=\r\nL=1\r\n", "S", "K", "7", "[S]\r\nK=7\r\nL=1\r\n"},
    {"fills a blank value", "[S]\r\nK=  \r\n", "S", "K", "7", "[S]\r\nK=7  \r\n"},
    {"completes a key without '='", "[S]\r\nK\r\n", "S", "K", "7", "[S]\r\nK=7\r\n"},
    {"same value, same bytes", "[S]\r\nK=7\r\n", "S", "K", "7", "[S]\r\nK=7\r\n"},
    {"new key after the section's last line, LF", "; c\n[S]\nA=1\n; n\n\n[T]\nB=2\n", "S", "K", "7",
     "; c\n[S]\nA=1\n; n\nK=7\n\n[T]\nB=2\n"},
    {"new key takes the break of the line before", "[S]\r\nA=1\n[T]\r\n", "S", "K", "7",
     "[S]\r\nA=1\nK=7\n[T]\r\n"},
    {"new key in a last section without break", "[A]\nx=1\n[S]", "S", "K", "7",
     "[A]\nx=1\n[S]\nK=7\n"},
    {"new key into the first section of a name", "[S]\r\nA=1\r\n[S]\r\nK=2\r\n", "S", "K", "7",
     "[S]\r\nA=1\r\nK=7\r\n[S]\r\nK=2\r\n"},
    {"new section at the end", "[A]\r\nx=1\r\n\r\n", "S", "K", "7",
     "[A]\r\nx=1\r\n\r\n[S]\r\nK=7\r\n"},
    {"new section after a last line without break", "[A]\r\nx=1", "S", "K", "7",
     "[A]\r\nx=1\r\n[S]\r\nK=7\r\n"},
    {"new section in a CR file", "[A]\rx=1\r", "S", "K", "7", "[A]\rx=1\r[S]\rK=7\r"},
    {"new section in a one-line file without break", "; only a comment", "S", "K", "7",
     "; only a comment\r\n[S]\r\nK=7\r\n"},
    {"UTF-8 key is another key", "[Telescope]\r\nDiam\xC3\xA8tre=200\r\n", "Telescope",
     "Diam\xE8tre", "90", "[Telescope]\r\nDiam\xC3\xA8tre=200\r\nDiam\xE8tre=90\r\n"},
    {"names and value written without white space", "", " S ", "\tK ", "  7 \t", "[S]\r\nK=7\r\n"},
    {"top line", "K=1\r\n[S]\r\n", "", "K", "7", "K=7\r\n[S]\r\n"},
    {"new top line after the byte order mark", "\xEF\xBB\xBF[S]\r\n", "", "K", "7",
     "\xEF\xBB\xBFK=7\r\n[S]\r\n"},
    {"binary bytes kept", "\x01\xFF\r\n[S]\r\n\0K=1\r\n"s, "S", "K", "7",
     "\x01\xFF\r\n[S]\r\n\0K=1\r\nK=7\r\n"s},
};

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyTheKeysLine) {
    const WriteCase& c = GetParam();
    const std::optional<std::string> written =
        SetProfileValue(c.content, c.section, c.key, c.value);
    ASSERT_TRUE(written) << c.what;
    EXPECT_EQ(*written, c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWrite, testing::ValuesIn(kWriteCases));

TEST(ProfileWrite, RefusesWhatWouldNotReadBack) {
    const std::string content = "[S]\r\nK=1\r\n";
    EXPECT_FALSE(SetProfileValue(content, "S", "K", "1\r\n[T]"));
    EXPECT_FALSE(SetProfileValue(content, "S", "K", "1\n"));
    EXPECT_FALSE(SetProfileValue(content, "S", "K", "1\0002"s));
    EXPECT_FALSE(SetProfileValue(content, "S\n", "K", "1"));
    EXPECT_FALSE(SetProfileValue(content, "S", "A=B", "1"));
    EXPECT_FALSE(SetProfileValue(content, "S", "[K", "1]"));
}

} // namespace
