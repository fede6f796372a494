#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "editor/EditorState.h"
#include "editor/file/FileCommands.h"

namespace qhe {
namespace {

// An insert into a large sparse image, saved: the new file keeps the holes (its blocks are about
// its data, not its size), and every byte is where it belongs.
TEST(SparseSave, AnInsertIntoASparseImageKeepsItsHoles) {
    test::TempDir dir{"/var/tmp"};
    const std::string name = dir.File("sparse.img");
    constexpr int64_t kSize = int64_t{3} << 30;
    {
        const int fd = ::open(name.c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_EQ(::ftruncate(fd, kSize), 0);
        ASSERT_EQ(::pwrite(fd, "DATA", 4, kSize / 2), 4);
        ::close(fd);
    }
    struct stat before {};
    ASSERT_EQ(::stat(name.c_str(), &before), 0);
    if (before.st_blocks > 64) GTEST_SKIP() << "this file system keeps no holes";

    test::FakeUi ui;
    EditorState state{ui};
    FileCommands files{state};
    ASSERT_TRUE(files.AllocateDocument());
    ASSERT_TRUE(files.OpenDocument(name, OpenSender::CommandLine, false));
    ASSERT_TRUE(state.doc.IsMapped());
    const uint8_t inserted[3] = {'N', 'E', 'W'};
    state.editor.BeginStep("insert");
    ASSERT_TRUE(state.editor.Insert(1, inserted, 3, ReplaceUndoRule::Keep));
    state.editor.EndStep();
    state.doc.Modified = true;
    files.Save1Click();
    EXPECT_FALSE(state.doc.Modified);

    struct stat after {};
    ASSERT_EQ(::stat(name.c_str(), &after), 0);
    EXPECT_EQ(after.st_size, kSize + 3);
    EXPECT_LT(after.st_blocks * 512, 1 << 20);
    char bytes[4] = {};
    const int fd = ::open(name.c_str(), O_RDONLY);
    ASSERT_EQ(::pread(fd, bytes, 3, 0), 3);
    EXPECT_EQ(std::string(bytes, 3), "NEW");
    ASSERT_EQ(::pread(fd, bytes, 4, kSize / 2 + 3), 4);
    EXPECT_EQ(std::string(bytes, 4), "DATA");
    ::close(fd);
}

} // namespace
} // namespace qhe
