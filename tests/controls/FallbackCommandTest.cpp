// The fallback command line and the failure texts: no window system involved, so these
// run natively as well as under Wine.
#include <gtest/gtest.h>

#include <string>

#include "controls/FallbackCommand.h"
#include "controls/OpenErrorText.h"

namespace {
bool NoLeadBytes(unsigned char) {
    return false;
}
// Shift-JIS style: 0x81-0x9F and 0xE0-0xFC start a double-byte character.
bool ShiftJisLeadBytes(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

struct CommandCase {
    const char* registered;
    const char* expected;
};

class FallbackCommandCut : public ::testing::TestWithParam<CommandCase> {};

TEST_P(FallbackCommandCut, CutsAtThePlaceholderAndAppendsOneSpaceAndTheUrl) {
    const CommandCase& c = GetParam();
    const auto line = BuildFallbackCommand(c.registered, "http://example.test/a b", &NoLeadBytes);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(*line, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Placeholders, FallbackCommandCut,
    ::testing::Values(CommandCase{"\"C:\\b\\browser.exe\" \"%1\"",
                                  "\"C:\\b\\browser.exe\"  http://example.test/a b"},
                      CommandCase{"\"C:\\b\\browser.exe\" \"%1\" -new -x",
                                  "\"C:\\b\\browser.exe\"  http://example.test/a b"},
                      CommandCase{"C:\\b\\browser.exe %1",
                                  "C:\\b\\browser.exe  http://example.test/a b"},
                      CommandCase{"C:\\b\\browser.exe -url %1 -nohome",
                                  "C:\\b\\browser.exe -url  http://example.test/a b"},
                      CommandCase{"C:\\b\\browser.exe -nohome",
                                  "C:\\b\\browser.exe -nohome http://example.test/a b"},
                      // The quoted form wins over an earlier bare one.
                      CommandCase{"b.exe %1x \"%1\"", "b.exe %1x  http://example.test/a b"},
                      CommandCase{"%1", " http://example.test/a b"},
                      CommandCase{"", " http://example.test/a b"}));

TEST(FallbackCommand, QuotedPlaceholderNeverMatchesFromATrailByte) {
    // 0x82 0x22 is one double-byte character whose trail byte is a quote: the quoted
    // placeholder does not start there, so the bare %1 after it is the cut.
    const std::string registered = "b.exe \x82\"%1\" -x";
    EXPECT_EQ(FindQuotedPlaceholder(registered, &ShiftJisLeadBytes), std::string::npos);
    EXPECT_EQ(*BuildFallbackCommand(registered, "u", &ShiftJisLeadBytes), "b.exe \x82\" u");
    // Read byte by byte (a single-byte code page) the same text holds the quoted form.
    EXPECT_EQ(FindQuotedPlaceholder(registered, &NoLeadBytes), 7u);
    EXPECT_EQ(*BuildFallbackCommand(registered, "u", &NoLeadBytes), "b.exe \x82 u");
    // A real match after double-byte characters is still found.
    EXPECT_EQ(FindQuotedPlaceholder("\x82\xA0\x82\xA2 \"%1\"", &ShiftJisLeadBytes), 5u);
    // A lead byte as the very last byte does not run past the end.
    EXPECT_EQ(FindQuotedPlaceholder("b.exe \x82", &ShiftJisLeadBytes), std::string::npos);
}

TEST(FallbackCommand, LineMustFitTheCommandBuffer) {
    const std::string program(300, 'p');
    const std::string fitsExactly(kCommandBufferSize - program.size() - 2, 'u');
    const auto line = BuildFallbackCommand(program, fitsExactly, &NoLeadBytes);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->size() + 1, kCommandBufferSize);
    EXPECT_FALSE(BuildFallbackCommand(program, fitsExactly + "u", &NoLeadBytes).has_value());
    // What is cut off does not count.
    EXPECT_TRUE(BuildFallbackCommand("b.exe \"%1\" " + std::string(600, 'x'), "u", &NoLeadBytes)
                    .has_value());
}

TEST(OpenErrorText, ListedCodesGiveTheirMessage) {
    const struct {
        int code;
        const char* message;
    } table[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\n"
             "were being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
    };
    for (const auto& row : table) {
        EXPECT_EQ(OpenErrorMessage(row.code), row.message) << row.code;
        EXPECT_EQ(OpenErrorReport(row.code),
                  std::string("Unable to open hyperlink:\n\n") + row.message)
            << row.code;
    }
}

TEST(OpenErrorText, OtherCodesGiveTheUnknownErrorText) {
    for (int code : {1, 4, 6, 7, 9, 10, 12, 25, 33, 42, -1, -2147483647 - 1, 2147483647}) {
        const std::string expected = "Unknown Error (" + std::to_string(code) + ") occurred.";
        EXPECT_EQ(OpenErrorMessage(code), expected);
        EXPECT_EQ(OpenErrorReport(code), "Unable to open hyperlink:\n\n" + expected);
    }
}
} // namespace
