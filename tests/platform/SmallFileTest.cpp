#include "platform/SmallFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempDir.h"
#include "platform/ErrorCodes.h"

namespace qhe::platform {
namespace {

TEST(ReadSmallFile, ReadsPlainFilesUpToTheLimitOnly) {
    test::TempDir dir;
    const std::string name = dir.File("t.qct");
    test::WriteFileBytes(name, {'4', '1', ';', '4', '2'});
    std::string text = "old";
    EXPECT_EQ(ReadSmallFile(name, 5, text), 0);
    EXPECT_EQ(text, "41;42");
    text = "old";
    EXPECT_EQ(ReadSmallFile(name, 4, text), kSideFileTooLarge);
    EXPECT_EQ(text, "old"); // a failed read leaves the caller's text alone
    EXPECT_EQ(ReadSmallFile(dir.File("missing"), 5, text), 2);
    EXPECT_EQ(ReadSmallFile(name + "/x", 5, text), 3); // a plain file as a folder
    // A kernel file that reports no size is read as it comes, still within the limit.
    EXPECT_EQ(ReadSmallFile("/proc/self/status", kSideFileMaxBytes, text), 0);
    EXPECT_NE(text.find("Name:"), std::string::npos);
    EXPECT_EQ(ReadSmallFile("/proc/self/status", 8, text), kSideFileTooLarge);
}

TEST(ReadSmallFile, RefusesPipesAndFoldersWithoutBlocking) {
    test::TempDir dir;
    const std::string fifo = dir.File("pipe.qbm");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string text;
    EXPECT_EQ(ReadSmallFile(fifo, kSideFileMaxBytes, text), kNotRegularFile);
    EXPECT_EQ(ReadSmallFile(dir.Path(), kSideFileMaxBytes, text), kNotRegularFile);
    EXPECT_EQ(CheckSideFileTarget(fifo), kNotRegularFile);
    EXPECT_EQ(CheckSideFileTarget(dir.Path()), kNotRegularFile);
    EXPECT_EQ(CheckSideFileTarget(dir.File("new.qbm")), 0);
    test::WriteFileBytes(dir.File("old.qbm"), {'1'});
    EXPECT_EQ(CheckSideFileTarget(dir.File("old.qbm")), 0);
}

} // namespace
} // namespace qhe::platform
