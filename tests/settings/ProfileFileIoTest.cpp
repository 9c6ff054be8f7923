// Loading and replacing the file: all or nothing, never a temporary file left behind.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "calc/ProfileFile.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

using Status = ProfileFileContent::Status;

TEST(LoadProfileFile, TellsAbsentFromUnreadable) {
    ScratchDirectory dir;
    EXPECT_EQ(LoadProfileFile(dir.File("config.ini")).status, Status::Absent);
    EXPECT_EQ(LoadProfileFile(dir.File("missing/config.ini")).status, Status::Absent);
    // A directory where the file should be: its content is unknown, so it must not be replaced.
    std::filesystem::create_directory(dir.path() / "folder.ini");
    EXPECT_EQ(LoadProfileFile(dir.File("folder.ini")).status, Status::Unreadable);

    const std::string bytes = std::string("[S]\r\nK=1\0\xFF\r\n", 12);
    WriteBytes(dir.File("config.ini"), bytes);
    const ProfileFileContent loaded = LoadProfileFile(dir.File("config.ini"));
    EXPECT_EQ(loaded.status, Status::Read);
    EXPECT_EQ(loaded.bytes, bytes);
}

TEST(ReplaceFileContent, CreatesAndReplacesLeavingNothingElse) {
    ScratchDirectory dir;
    const std::string path = dir.File("config.ini");
    ASSERT_TRUE(ReplaceFileContent(path, "first"));
    EXPECT_EQ(ReadBytes(path), "first");
    ASSERT_TRUE(ReplaceFileContent(path, "second, longer"));
    EXPECT_EQ(ReadBytes(path), "second, longer");
    ASSERT_TRUE(ReplaceFileContent(path, ""));
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"config.ini"});
}

TEST(ReplaceFileContent, BackslashSeparatesDirectoriesEverywhere) {
    ScratchDirectory dir;
    std::filesystem::create_directory(dir.path() / "sub");
    ASSERT_TRUE(ReplaceFileContent(dir.path().string() + "\\sub\\config.ini", "x"));
    EXPECT_EQ(ReadBytes((dir.path() / "sub" / "config.ini").string()), "x");
    EXPECT_EQ(LoadProfileFile(dir.path().string() + "\\sub\\config.ini").bytes, "x");
}

TEST(ReplaceFileContent, LeavesAReadOnlyFileAsItIs) {
    ScratchDirectory dir;
    const std::string path = dir.File("config.ini");
    WriteBytes(path, "old");
    MakeReadOnly(path);
    EXPECT_FALSE(ReplaceFileContent(path, "new"));
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"config.ini"});
}

TEST(ReplaceFileContent, WritesNothingWhereItCannot) {
    ScratchDirectory dir;
    EXPECT_FALSE(ReplaceFileContent(dir.File("missing/config.ini"), "new"));
    std::filesystem::create_directory(dir.path() / "folder.ini");
    EXPECT_FALSE(ReplaceFileContent(dir.File("folder.ini"), "new"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.ini"));
    WriteBytes(dir.File("plain"), "file");
    EXPECT_FALSE(ReplaceFileContent(dir.File("plain") + "/config.ini", "new"));
    EXPECT_EQ(ReadBytes(dir.File("plain")), "file");
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"folder.ini", "plain"}));
#ifndef _WIN32
    // A directory that no one, root included, can create files in.
    EXPECT_FALSE(ReplaceFileContent("/proc/focalix-config.ini", "new"));
#endif
}

#ifndef _WIN32
// The disk fills up halfway through the temporary file: the old file stays whole.
TEST(ReplaceFileContent, FullDiskKeepsTheOldFile) {
    ScratchDirectory dir;
    const std::string path = dir.File("config.ini");
    WriteBytes(path, "[Capteur]\r\nX=768\r\n");

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool replaced = ReplaceFileContent(path, std::string(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_FALSE(replaced);
    EXPECT_EQ(ReadBytes(path), "[Capteur]\r\nX=768\r\n");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"config.ini"});
}

TEST(ReplaceFileContent, KeepsTheFilesPermissionsAndLink) {
    ScratchDirectory dir;
    const std::string target = dir.File("real.ini");
    WriteBytes(target, "old");
    std::filesystem::permissions(target, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write |
                                             std::filesystem::perms::group_read);
    std::filesystem::create_symlink("real.ini", dir.path() / "config.ini");
    ASSERT_TRUE(ReplaceFileContent(dir.File("config.ini"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "config.ini"));
    EXPECT_EQ(ReadBytes(target), "new");
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}
#endif

TEST(WriteProfileEntries, AppliesAllOrNone) {
    ScratchDirectory dir;
    const std::string path = dir.File("config.ini");
    const ProfileEntry entries[] = {{"S", "A", "1"}, {"T", "B", "2"}};
    ASSERT_TRUE(WriteProfileEntries(path, entries));
    EXPECT_EQ(ReadBytes(path), "[S]\r\nA=1\r\n[T]\r\nB=2\r\n");

    const ProfileEntry withBadOne[] = {{"S", "A", "3"}, {"T", "B", "2\r\n"}};
    EXPECT_FALSE(WriteProfileEntries(path, withBadOne));
    EXPECT_EQ(ReadBytes(path), "[S]\r\nA=1\r\n[T]\r\nB=2\r\n");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"config.ini"});
}

TEST(WriteProfileEntries, DoesNotReplaceAFileThatCannotBeRead) {
    ScratchDirectory dir;
    std::filesystem::create_directory(dir.path() / "config.ini");
    const ProfileEntry entries[] = {{"S", "A", "1"}};
    EXPECT_FALSE(WriteProfileEntries(dir.File("config.ini"), entries));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "config.ini"));
}

TEST(ReadProfileText, CreatesNothing) {
    ScratchDirectory dir;
    EXPECT_EQ(ReadProfileText(dir.File("config.ini"), "Capteur", "X", "768"), "768");
    EXPECT_TRUE(dir.Entries().empty());
}

} // namespace
