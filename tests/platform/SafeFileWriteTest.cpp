#include "platform/SafeFileWrite.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/settings/SettingsTestFiles.h"
#include "platform/Paths.h"

namespace qhe {
namespace {

using test::ReadText;
using test::TempFolder;
using test::WriteText;

TEST(WriteFileSafely, ReplacesContentsKeepingModeAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    WriteText(file, "old contents that are longer");
    chmod(file.c_str(), 0640);
    ASSERT_EQ(WriteFileSafely(file, "new"), 0);
    EXPECT_EQ(ReadText(file), "new");
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    int entries = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(folder.Path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(WriteFileSafely, FollowsASymbolicLinkAndCreatesMissingFolders) {
    TempFolder folder;
    const std::string target = folder.File("real.ini");
    WriteText(target, "x");
    std::filesystem::create_symlink(target, folder.File("link.ini"));
    ASSERT_EQ(WriteFileSafely(folder.File("link.ini"), "via link"), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.ini")));
    EXPECT_EQ(ReadText(target), "via link");

    ASSERT_EQ(WriteFileSafely(folder.File("a/b/QHE32.INI"), "deep", true), 0);
    EXPECT_EQ(ReadText(folder.File("a/b/QHE32.INI")), "deep");
}

TEST(WriteFileSafely, FailsWhenTheFolderCannotExist) {
    TempFolder folder;
    EXPECT_NE(WriteFileSafely(test::UnwritablePath(folder), "x"), 0);
    EXPECT_EQ(ReadText(folder.File("plainfile")), "x");
    std::filesystem::create_directory(folder.File("dir"));
    EXPECT_NE(WriteFileSafely(folder.File("dir"), "x"), 0);
}

TEST(Paths, ProgramFolderAndXdgFolders) {
    EXPECT_TRUE(ExecutablePath().ends_with("/core_tests"));
    EXPECT_EQ(ProgramFolder() + "/core_tests", ExecutablePath());
    TempFolder folder;
    EXPECT_TRUE(IsFolderWritable(folder.Path()));
    WriteText(folder.File("f"), "");
    EXPECT_FALSE(IsFolderWritable(folder.File("f")));
    EXPECT_FALSE(IsFolderWritable(folder.File("missing")));
    {
        test::ScopedEnv config("XDG_CONFIG_HOME", "/x/config");
        test::ScopedEnv data("XDG_DATA_HOME", "relative/ignored");
        test::ScopedEnv home("HOME", "/home/someone");
        EXPECT_EQ(XdgConfigHome(), "/x/config");
        EXPECT_EQ(XdgDataHome(), "/home/someone/.local/share");
    }
    test::ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    test::ScopedEnv home("HOME", "/home/someone/");
    EXPECT_EQ(XdgConfigHome(), "/home/someone/.config");
}

} // namespace
} // namespace qhe
