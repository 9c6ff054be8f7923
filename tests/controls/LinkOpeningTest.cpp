// OpenLink, ReadKeyDefaultValue and ShowOpenError against the real shell, registry and
// program launch. The class root of this process is redirected to a private key, so the
// tests see only the associations they register and leave the prefix as they found it.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>
#include <tlhelp32.h>

#include <cstring>
#include <string>
#include <vector>

#include "MessageBoxWatch.h"
#include "controls/LinkOpening.h"
#include "framework/WinApp.h"

namespace {
constexpr char kPrivateRootPath[] = "Software\\FocalixTest\\LinkOpeningClasses";
constexpr char kRecorderName[] = "focalix_link_recorder.exe";
// A scheme the shell knows nothing of, so that it fails and the fallback runs.
constexpr char kUnknownUrl[] = "focalixnone://example.test/Focalix/Focalix.html";

CWinApp g_app;

std::string ModuleDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string directory = path;
    directory.erase(directory.find_last_of('\\'));
    return directory;
}

std::string ReadFileText(const std::string& path) {
    std::string text;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
        text.append(chunk, read);
    CloseHandle(file);
    return text;
}

// Waits for every recorder process that is running now: OpenLink has started its programs
// before it returns, so afterwards their records are complete.
void WaitForRecorders() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    ASSERT_NE(snapshot, INVALID_HANDLE_VALUE);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, kRecorderName) != 0)
            continue;
        if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
            WaitForSingleObject(process, INFINITE);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
}

class LinkOpening : public ::testing::Test {
protected:
    void SetUp() override {
        g_app.InitApplication(GetModuleHandleA(nullptr));
        RegDeleteTreeA(HKEY_CURRENT_USER, kPrivateRootPath);
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kPrivateRootPath, 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &m_root, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, m_root), ERROR_SUCCESS);

        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        m_recordPath = std::string(temp) + "focalix_link_record.txt";
        DeleteFileA(m_recordPath.c_str());
        SetEnvironmentVariableA("FOCALIX_LINK_RECORD", m_recordPath.c_str());
        m_recorder = "\"" + ModuleDirectory() + "\\" + kRecorderName + "\"";
    }

    void TearDown() override {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegCloseKey(m_root);
        RegDeleteTreeA(HKEY_CURRENT_USER, kPrivateRootPath);
        DeleteFileA(m_recordPath.c_str());
    }

    void SetValue(const std::string& subKey, const char* name, DWORD type, const void* data,
                  DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(m_root, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void SetDefault(const std::string& subKey, const std::string& value) {
        SetValue(subKey, nullptr, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
    }
    // ".htm" names a page class whose open command is `command`.
    void RegisterPageCommand(const std::string& command) {
        SetDefault(".htm", "FocalixTestPage");
        SetDefault("FocalixTestPage\\shell\\open\\command", command);
    }

    std::vector<std::string> Records() {
        WaitForRecorders();
        std::vector<std::string> lines;
        const std::string text = ReadFileText(m_recordPath);
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find('\n', start);
            lines.push_back(text.substr(start, end - start));
            start = end == std::string::npos ? text.size() : end + 1;
        }
        return lines;
    }

    HKEY m_root = nullptr;
    std::string m_recordPath;
    std::string m_recorder; // quoted path of the recording program
};

TEST_F(LinkOpening, ShellSuccessIsReturnedWithoutTheFallback) {
    // The shell opens this scheme with the recorder; a fallback would record a second line.
    SetDefault("focalixrec", "URL:Focalix test protocol");
    SetDefault("focalixrec\\shell\\open\\command", m_recorder + " shell \"%1\"");
    {
        const char empty[] = "";
        SetValue("focalixrec", "URL Protocol", REG_SZ, empty, sizeof empty);
    }
    RegisterPageCommand(m_recorder + " fallback \"%1\"");

    const int result = OpenLink("focalixrec://example.test/page", SW_SHOWNORMAL);

    EXPECT_GT(result, 32);
    const auto records = Records();
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
        DeleteFileA(m_recordPath.c_str());
        RegisterPageCommand(m_recorder + c.arguments);

        const int result = OpenLink(kUnknownUrl, SW_SHOWNORMAL);

        EXPECT_GT(result, 32);
        const auto records = Records();
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

    EXPECT_TRUE(Records().empty());
}

TEST_F(LinkOpening, CommandLineTooLongForTheBufferIsRefused) {
    RegisterPageCommand(m_recorder + " " + std::string(100, 'a') + " \"%1\"");
    const std::string url = std::string(kUnknownUrl) + "?" + std::string(400, 'q');

    EXPECT_EQ(OpenLink(url.c_str(), SW_SHOWNORMAL), SE_ERR_OOM);
    EXPECT_TRUE(Records().empty());
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
