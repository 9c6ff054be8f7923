// OpenLink, ReadKeyDefaultValue and ShowOpenError against the real shell, registry and
// program launch. The class root is private to each test (PrivateClassRoot): the tests see
// only the associations they register, and leave the prefix as they found it.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "MessageBoxWatch.h"
#include "PrivateClassRoot.h"
#include "controls/LinkOpening.h"
#include "framework/WinApp.h"

namespace {
// A scheme the shell knows nothing of, so that it fails and the fallback runs.
constexpr char kUnknownUrl[] = "focalixnone://example.test/Focalix/Focalix.html";

CWinApp g_app;

class LinkOpening : public ::testing::Test {
protected:
    void SetUp() override {
        g_app.InitApplication(GetModuleHandleA(nullptr));
        ASSERT_TRUE(m_classes.IsActive());
    }
    void SetValue(const std::string& subKey, const char* name, DWORD type, const void* data,
                  DWORD size) {
        ASSERT_TRUE(m_classes.SetValue(subKey, name, type, data, size));
    }
    void SetDefault(const std::string& subKey, const std::string& value) {
        ASSERT_TRUE(m_classes.SetDefault(subKey, value));
    }

    PrivateClassRoot m_classes;
    const std::string& m_recorder = m_classes.Recorder();
    const HKEY m_root = m_classes.Key();
};

TEST_F(LinkOpening, ShellSuccessIsReturnedWithoutTheFallback) {
    // The shell opens this scheme with the recorder; a fallback would record a second line.
    m_classes.RegisterScheme("focalixrec", m_recorder + " shell \"%1\"");
    m_classes.RegisterPageCommand(m_recorder + " fallback \"%1\"");

    const int result = OpenLink("focalixrec://example.test/page", SW_SHOWNORMAL);

    EXPECT_GT(result, 32);
    const auto records = m_classes.Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_NE(records[0].find(" shell "), std::string::npos) << records[0];
    EXPECT_NE(records[0].find("focalixrec://example.test/page"), std::string::npos) << records[0];
}

TEST_F(LinkOpening, FallbackRunsTheRegisteredCommandCutAtItsPlaceholder) {
    const struct {
        const char* arguments; // after the program in the registered command
        const char* passed;    // after the program on the command line that runs
    } cases[] = {
        {" \"%1\"", "  "},
        {" \"%1\" -new-window --profile x", "  "},
        {" %1", "  "},
        {" -url %1 -nohome", " -url  "},
        {" -nohome", " -nohome "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        m_classes.ClearRecords();
        m_classes.RegisterPageCommand(m_recorder + c.arguments);

        const int result = OpenLink(kUnknownUrl, SW_SHOWNORMAL);

        EXPECT_GT(result, 32);
        const auto records = m_classes.Records();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0], m_recorder + c.passed + kUnknownUrl);
    }
}

TEST_F(LinkOpening, WithoutAnAssociationTheShellsOwnCodeIsReturned) {
    const int shellCode = static_cast<int>(reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", kUnknownUrl, nullptr, nullptr, SW_SHOWNORMAL)));
    ASSERT_LE(shellCode, 32);

    EXPECT_EQ(OpenLink(kUnknownUrl, SW_SHOWNORMAL), shellCode) << "no .htm key";

    SetDefault(".htm", "FocalixTestPage");
    SetDefault("FocalixTestPage", "class without an open command");
    EXPECT_EQ(OpenLink(kUnknownUrl, SW_SHOWNORMAL), shellCode) << "no open command key";

    EXPECT_TRUE(m_classes.Records().empty());
}

TEST_F(LinkOpening, CommandLineTooLongForTheBufferIsRefused) {
    m_classes.RegisterPageCommand(m_recorder + " " + std::string(100, 'a') + " \"%1\"");
    const std::string url = std::string(kUnknownUrl) + "?" + std::string(400, 'q');

    EXPECT_EQ(OpenLink(url.c_str(), SW_SHOWNORMAL), SE_ERR_OOM);
    EXPECT_TRUE(m_classes.Records().empty());
}

TEST_F(LinkOpening, ReadKeyDefaultValueGivesATerminatedTextWithin260Bytes) {
    char out[260];
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(ReadKeyDefaultValue(m_root, "Missing", out), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(out[0], 'x') << "untouched when the key does not open";

    const std::string longest(259, 'l');
    SetDefault("Longest", longest);
    EXPECT_EQ(ReadKeyDefaultValue(m_root, "Longest", out), ERROR_SUCCESS);
    EXPECT_EQ(std::string(out), longest);

    const struct {
        const char* key;
        DWORD type;
        std::string data;
    } unreadable[] = {
        {"TooLong", REG_SZ, std::string(260, 't') + '\0'},
        {"Unterminated", REG_SZ, std::string(260, 'u')},
        {"Number", REG_DWORD, std::string("\x01\x02\x03\x04", 4)},
        {"Binary", REG_BINARY, std::string("abc\0", 4)},
    };
    for (const auto& c : unreadable) {
        SetValue(c.key, nullptr, c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
        std::memset(out, 'x', sizeof out);
        EXPECT_EQ(ReadKeyDefaultValue(m_root, c.key, out), ERROR_SUCCESS) << c.key;
        EXPECT_EQ(out[0], '\0') << c.key;
    }
    SetValue("NoDefault", "named", REG_SZ, "v", 2);
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(ReadKeyDefaultValue(m_root, "NoDefault", out), ERROR_SUCCESS);
    EXPECT_EQ(out[0], '\0');

    // Without a terminator in the registry, a short text is still terminated.
    SetValue("Short", nullptr, REG_SZ, "abc", 3);
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(ReadKeyDefaultValue(m_root, "Short", out), ERROR_SUCCESS);
    EXPECT_EQ(std::string(out), "abc");

    // The key name and the answer may share one buffer.
    SetDefault("Shared\\Key", "answer");
    std::strcpy(out, "Shared\\Key");
    EXPECT_EQ(ReadKeyDefaultValue(m_root, out, out), ERROR_SUCCESS);
    EXPECT_EQ(std::string(out), "answer");
}

TEST_F(LinkOpening, ShowOpenErrorShowsTheReportInTheApplicationMessageBox) {
    const SeenMessageBox box = WatchMessageBox([] { ShowOpenError(26); });

    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.caption, ExecutableBaseName());
    EXPECT_EQ(box.text, "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(box.icon, LoadIconA(nullptr, IDI_EXCLAMATION));
    EXPECT_EQ(box.buttonCount, 1);
    EXPECT_TRUE(box.hasOkButton);

    const SeenMessageBox unknown = WatchMessageBox([] { ShowOpenError(-7); });
    EXPECT_EQ(unknown.text, "Unable to open hyperlink:\n\nUnknown Error (-7) occurred.");
}
} // namespace
