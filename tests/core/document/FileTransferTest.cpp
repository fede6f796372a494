#include "core/document/FileTransfer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "core/document/Document.h"
#include "platform/ErrorCodes.h"

namespace qhe {
namespace {

using test::FakeProgress;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

constexpr int64_t KiB = 1024;

// Progress boxes that record into log and cancel after cancelAfter gauge moves.
ProgressSource Boxes(FakeProgress::Log& log, int cancelAfter = -1) {
    return [&log, cancelAfter] { return std::make_unique<FakeProgress>(log, cancelAfter); };
}

TEST(FileTransfer, RoundTripsAtChunkBoundaries) {
    TempDir dir;
    for (int64_t size : {int64_t{0}, int64_t{1}, 128 * KiB - 1, 128 * KiB, 128 * KiB + 1, 512 * KiB - 1,
                         512 * KiB, 3 * 1024 * KiB + 17, 20 * 1024 * KiB + 5}) {
        const auto bytes = test::RandomBytes(static_cast<size_t>(size), static_cast<uint32_t>(size));
        const std::string in = dir.File("in.bin"), out = dir.File("out.bin");
        WriteFileBytes(in, bytes);
        FakeProgress::Log log;
        LoadedFile loaded;
        ASSERT_EQ(LoadWholeFile(in, true, Boxes(log), loaded), 0) << size;
        EXPECT_EQ(loaded.size, size);
        EXPECT_EQ(loaded.buffer.ByteSize(), Document::CapacityFor(size));
        EXPECT_TRUE(loaded.time.valid);
        EXPECT_EQ(log.gaugeValues.back(), 100);
        EXPECT_EQ(log.destroyed, 1);
        ASSERT_EQ(WriteBytesToFile(out, loaded.buffer.Data(), size, Boxes(log)).code, 0);
        EXPECT_EQ(ReadFileBytes(out), bytes) << size;
    }
}

TEST(FileTransfer, FailuresLeaveNothingBehind) {
    TempDir dir;
    FakeProgress::Log log;
    LoadedFile loaded;
    EXPECT_EQ(LoadWholeFile(dir.File("missing"), true, Boxes(log), loaded), 2);
    EXPECT_EQ(log.created, 0); // no progress box for a file that did not open
    EXPECT_EQ(LoadWholeFile(dir.Path(), true, Boxes(log), loaded), kNotRegularFile); // no folder as a file
    EXPECT_TRUE(loaded.buffer.Empty());
    const uint8_t byte = 1;
    EXPECT_EQ(WriteBytesToFile(dir.File("no/such/folder"), &byte, 1, Boxes(log)).code, 2);
    // A count no Document can have is refused before the file is touched (it used to spin).
    EXPECT_EQ(WriteBytesToFile(dir.File("neg"), &byte, -2147483648LL, Boxes(log)).code, kErrWrite);
    EXPECT_EQ(WriteBytesToFile(dir.File("big"), &byte, kMaxDocumentSize + 1, Boxes(log)).code, kErrWrite);
    EXPECT_FALSE(std::filesystem::exists(dir.File("neg")));
}

TEST(FileTransfer, CancelledLoadReportsAndDropsTheBuffer) {
    TempDir dir;
    // The larger file is read by worker threads while the caller watches Cancel.
    for (const int64_t size : {2 * 1024 * KiB, 40 * 1024 * KiB}) {
        WriteFileBytes(dir.File("big"), test::RandomBytes(static_cast<size_t>(size)));
        FakeProgress::Log log;
        LoadedFile loaded;
        EXPECT_EQ(LoadWholeFile(dir.File("big"), true, Boxes(log, 1), loaded), kErrReadCancelled) << size;
        EXPECT_TRUE(loaded.buffer.Empty());
        EXPECT_EQ(log.destroyed, 1);
    }
}

TEST(FileTransfer, CancelledOrFailedSaveKeepsThePreviousFile) {
    TempDir dir;
    const std::string target = dir.File("keep.bin");
    const auto previous = test::RandomBytes(1000, 3);
    WriteFileBytes(target, previous);
    const auto replacement = test::RandomBytes(2 * 1024 * KiB, 4);
    FakeProgress::Log log;
    EXPECT_EQ(
        WriteBytesToFile(target, replacement.data(), static_cast<int64_t>(replacement.size()), Boxes(log, 3))
            .code,
        kErrWriteCancelled);
    EXPECT_EQ(ReadFileBytes(target), previous);
    // No temporary file is left in the folder.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(FileTransfer, SaveKeepsPermissionBitsAndLinks) {
    TempDir dir;
    const std::string target = dir.File("mode.bin");
    WriteFileBytes(target, {1, 2, 3});
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    const std::string link = dir.File("link.bin");
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    const uint8_t data[2] = {9, 8};
    FakeProgress::Log log;
    ASSERT_EQ(WriteBytesToFile(link, data, 2, Boxes(log)).code, 0);
    struct stat st {};
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)); // the link stays a link
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadFileBytes(target), (std::vector<uint8_t>{9, 8}));
}

TEST(FileTransfer, ReadOnlyTargetIsNotReplaced) {
    TempDir dir;
    const std::string target = dir.File("ro.bin");
    WriteFileBytes(target, {1, 2, 3});
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    const uint8_t data[1] = {9};
    FakeProgress::Log log;
    EXPECT_EQ(WriteBytesToFile(target, data, 1, Boxes(log)).code, 5);
    EXPECT_EQ(ReadFileBytes(target), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(FileTransfer, HardLinkedFileIsWrittenInPlace) {
    TempDir dir;
    const std::string target = dir.File("a.bin"), other = dir.File("b.bin");
    WriteFileBytes(target, {1, 2, 3});
    ASSERT_EQ(link(target.c_str(), other.c_str()), 0);
    const uint8_t data[1] = {7};
    FakeProgress::Log log;
    const WriteOutcome outcome = WriteBytesToFile(target, data, 1, Boxes(log));
    EXPECT_EQ(outcome.code, 0);
    EXPECT_TRUE(outcome.inPlace);
    EXPECT_EQ(ReadFileBytes(other), std::vector<uint8_t>{7}); // both names still share the data
}

TEST(FileTransfer, WriteLockOfAnotherDescriptionIsASharingViolation) {
    TempDir dir;
    const std::string name = dir.File("locked.bin");
    WriteFileBytes(name, {1, 2, 3});
    const int holder = open(name.c_str(), O_RDWR);
    ASSERT_GE(holder, 0);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    ASSERT_EQ(fcntl(holder, F_OFD_SETLK, &lock), 0);
    FakeProgress::Log log;
    LoadedFile loaded;
    EXPECT_EQ(LoadWholeFile(name, true, Boxes(log), loaded), 32);
    // Without write denial (read-only opening) the same file loads.
    EXPECT_EQ(LoadWholeFile(name, false, Boxes(log), loaded), 0);
    EXPECT_EQ(loaded.size, 3);
    close(holder);
}

TEST(FileTransfer, FilesOf2GiBAreRefusedBeforeReading) {
    TempDir dir;
    const std::string name = dir.File("huge.bin");
    const int fd = open(name.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, int64_t{1} << 31), 0); // sparse: no disk space used
    close(fd);
    FakeProgress::Log log;
    LoadedFile loaded;
    EXPECT_EQ(LoadWholeFile(name, true, Boxes(log), loaded), kErrFileTooLarge);
    EXPECT_EQ(log.created, 0);
}

TEST(FileTransfer, NamedPipeIsRefusedWithoutBlocking) {
    TempDir dir;
    const std::string name = dir.File("pipe");
    ASSERT_EQ(mkfifo(name.c_str(), 0600), 0);
    FakeProgress::Log log;
    LoadedFile loaded;
    EXPECT_EQ(LoadWholeFile(name, true, Boxes(log), loaded), kNotRegularFile);
    const uint8_t byte = 1;
    EXPECT_EQ(WriteBytesToFile(name, &byte, 1, Boxes(log)).code, kNotRegularFile); // used to block
}

TEST(FileTransfer, FileGrowingDuringTheLoadIsReadToItsFirstSize) {
    TempDir dir;
    const std::string name = dir.File("grows.bin");
    WriteFileBytes(name, {1, 2, 3});
    FakeProgress::Log log;
    log.onSetProgress = [&] { std::ofstream(name, std::ios::app | std::ios::binary) << "more"; };
    LoadedFile loaded;
    ASSERT_EQ(LoadWholeFile(name, true, Boxes(log), loaded), 0);
    EXPECT_EQ(loaded.size, 3);
    EXPECT_EQ(loaded.sizeAfter, 7);
}

TEST(FileTransfer, ReadIntoGapChecksTheSize) {
    TempDir dir;
    WriteFileBytes(dir.File("part"), {5, 6, 7});
    std::vector<uint8_t> gap(3);
    FakeProgress::Log log;
    EXPECT_EQ(ReadFileInto(dir.File("part"), gap.data(), 3, Boxes(log)), 0);
    EXPECT_EQ(gap, (std::vector<uint8_t>{5, 6, 7}));
    EXPECT_EQ(ReadFileInto(dir.File("part"), gap.data(), 2, Boxes(log)), kErrRead);
    // A large file goes to the reader threads; the gap need not start on a page.
    const auto big = test::RandomBytes(17 * 1024 * KiB + 3, 7);
    WriteFileBytes(dir.File("big"), big);
    std::vector<uint8_t> inside(big.size() + 2, 0xEE);
    EXPECT_EQ(ReadFileInto(dir.File("big"), inside.data() + 1, static_cast<int64_t>(big.size()), Boxes(log)),
              0);
    EXPECT_TRUE(std::equal(big.begin(), big.end(), inside.begin() + 1));
    EXPECT_EQ(inside.front(), 0xEE);
    EXPECT_EQ(inside.back(), 0xEE);
}

} // namespace
} // namespace qhe
