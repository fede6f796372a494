#include "platform/SafeReplace.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "AsUser.h"
#include "SmallTmpfs.h"
#include "TempDir.h"
#include "platform/ErrorCodes.h"
#include "platform/SafeFileWrite.h"

namespace qhe {
namespace {

using test::FillUp;
using test::ReadFileBytes;
using test::SmallTmpfs;
using test::TempDir;
using test::WriteFileBytes;

std::vector<uint8_t> AsBytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(SafeReplace, InPlaceSaveOnAFullDiskLeavesTheFileAsItWas) {
    TempDir dir;
    SmallTmpfs disk(dir.File("disk"));
    if (!disk.Mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs (" << disk.Error() << "); full-disk test skipped";
    // Hard links make the save go in place, as a folder without write permission does.
    const std::string target = dir.File("disk/a.bin"), other = dir.File("disk/b.bin");
    const auto old = test::RandomBytes(64 * 1024, 1);
    WriteFileBytes(target, old);
    ASSERT_EQ(::link(target.c_str(), other.c_str()), 0);
    FillUp(dir.File("disk/filler"));
    struct stat before {};
    ASSERT_EQ(::stat(target.c_str(), &before), 0);

    const std::string longer(128 * 1024, 'n');
    EXPECT_EQ(WriteFileSafely(target, longer), 112);
    EXPECT_EQ(ReadFileBytes(target), old);
    struct stat after {};
    ASSERT_EQ(::stat(target.c_str(), &after), 0);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);

    // Contents that fit the space the file already has are written, and the rest is cut off.
    const std::string shorter(1000, 's');
    EXPECT_EQ(WriteFileSafely(target, shorter), 0);
    EXPECT_EQ(ReadFileBytes(other), AsBytes(shorter));
}

// Runs body as an unprivileged user (in a child process when this one is the administrator,
// whose writes no permission bit stops); answers body's result, or -1 when no user change
// is possible.
int AsOrdinaryUser(const std::function<int()>& body) {
    if (::geteuid() != 0) return body();
    return test::RunAsUser(test::kOtherUid, test::kOtherGid, {}, body);
}

TEST(SafeReplace, FolderWithoutWritePermissionIsWrittenInPlace) {
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    const std::string folder = dir.File("locked"), target = dir.File("locked/f.bin");
    std::filesystem::create_directory(folder);
    WriteFileBytes(target, std::vector<uint8_t>(5000, 'o'));
    ASSERT_EQ(::chmod(target.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    // The save journal goes to the user's state folder then.
    const std::string state = dir.File("state");
    std::filesystem::create_directory(state);
    ASSERT_EQ(::chmod(state.c_str(), 0777), 0);
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    const int result = AsOrdinaryUser([&] {
        platform::SavePlan plan;
        if (platform::BeginSave(target, plan, 3) != 0) return 1;
        if (!plan.inPlace) return 2;
        const uint8_t bytes[3] = {'n', 'e', 'w'};
        if (::write(plan.fd, bytes, 3) != 3) return 3;
        return platform::CommitSave(plan) == 0 ? 0 : 4;
    });
    ::unsetenv("XDG_STATE_HOME");
    if (result < 0) GTEST_SKIP() << "cannot run as an unprivileged user; non-writable folder test skipped";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadFileBytes(target), AsBytes("new"));
}

TEST(SafeReplace, SpecialFilesAreNeverOpenedForWriting) {
    TempDir dir;
    const std::string pipe = dir.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    platform::SavePlan plan;
    EXPECT_EQ(platform::BeginSave(pipe, plan, 1), kNotRegularFile); // used to block for ever
    EXPECT_EQ(platform::BeginSave(dir.Path(), plan, 1), kNotRegularFile);
    EXPECT_EQ(platform::BeginSave("/dev/null", plan, 1), kNotRegularFile);
    EXPECT_EQ(plan.fd, -1);
}

} // namespace
} // namespace qhe
