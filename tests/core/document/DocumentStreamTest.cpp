#include "core/document/DocumentStream.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "TempDir.h"
#include "core/document/Document.h"
#include "platform/FileMapping.h"

namespace qhe {
namespace {

using test::TempDir;

constexpr int64_t MiB = 1 << 20;
constexpr int64_t GiB = 1 << 30;

// A file of size bytes, a hole but for random data of the given (offset, length) ranges.
// False when the file system gives it all its blocks anyway (no holes there).
bool MakeSparseFile(const std::string& name, int64_t size,
                    const std::vector<std::pair<int64_t, int64_t>>& data) {
    const int fd = open(name.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0600);
    if (fd < 0 || ftruncate(fd, size) != 0) return false;
    uint32_t seed = 1;
    for (const auto& [offset, length] : data) {
        const auto bytes = test::RandomBytes(static_cast<size_t>(length), ++seed);
        if (pwrite(fd, bytes.data(), bytes.size(), offset) != length) return false;
    }
    fsync(fd);
    struct stat st {};
    fstat(fd, &st);
    close(fd);
    return st.st_blocks * 512 < size / 2;
}

int64_t AllocatedBytes(int fd) {
    struct stat st {};
    fstat(fd, &st);
    return st.st_blocks * 512;
}

struct MappedDocument {
    Document doc;
    explicit MappedDocument(const std::string& name) {
        platform::FileMapping mapping;
        EXPECT_EQ(mapping.Open(name, false), 0);
        doc.AdoptMapping(std::move(mapping));
    }
    void Insert(int64_t pos, const std::string& text) {
        ASSERT_TRUE(doc.InsertGap(pos, static_cast<int64_t>(text.size())));
        ASSERT_TRUE(doc.WriteBytes(pos, reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    }
};

// Saves the whole Document into a new file as a save does: space reserved, then streamed.
// Answers the new file's descriptor (open), or -1.
int StreamToNewFile(const Document& doc, const std::string& name) {
    const int fd = open(name.c_str(), O_CREAT | O_RDWR | O_TRUNC, 0600);
    NoProgress progress;
    EXPECT_EQ(ReserveStreamSpace(doc, 1, doc.Size(), fd), 0);
    EXPECT_EQ(StreamDocument(doc, 1, doc.Size(), fd, true, progress), 0);
    EXPECT_EQ(lseek(fd, 0, SEEK_CUR), doc.Size()); // where a commit in place cuts the file
    return fd;
}

// Small files go through buffered writes, large ones through direct writes; the edits shift
// everything by an odd count and put changed bytes into a hole.
TEST(DocumentStream, ANewFileKeepsTheHolesAndEveryByte) {
    TempDir dir;
    for (const int64_t size : {3 * MiB + 5, 20 * MiB}) {
        const std::string source = dir.File("sparse.img"), saved = dir.File("saved.img");
        const std::vector<std::pair<int64_t, int64_t>> data = {
            {0, 10000}, {size / 3 + 123, 5000}, {size / 2 - 4096, 8192}, {size - 7000, 7000}};
        if (!MakeSparseFile(source, size, data)) GTEST_SKIP() << "no holes on this file system";
        MappedDocument mapped(source);
        Document& doc = mapped.doc;
        mapped.Insert(1001, "12345");
        ASSERT_TRUE(doc.RemoveBytes(size / 2, 3));    // within the data around the middle
        ASSERT_TRUE(doc.RemoveBytes(size / 4, 4099)); // within a hole
        const uint8_t byte = 0x5A;
        ASSERT_TRUE(doc.WriteBytes(2 * size / 3, &byte, 1)); // a changed page in a hole
        std::vector<uint8_t> expected(static_cast<size_t>(doc.Size()));
        doc.CopyOut(1, doc.Size(), expected.data());

        const int fd = StreamToNewFile(doc, saved);
        // The data, the changed page and the blocks cut by the shift, and nothing like the size.
        EXPECT_LT(AllocatedBytes(fd), 128 * 1024) << size;
        close(fd);
        EXPECT_TRUE(test::ReadFileBytes(saved) == expected) << size;

        // Part of the Document, from its second byte on.
        const int part = open(saved.c_str(), O_RDWR | O_TRUNC);
        NoProgress progress;
        ASSERT_EQ(StreamDocument(doc, 2, 9000, part, true, progress), 0);
        close(part);
        EXPECT_TRUE(test::ReadFileBytes(saved) ==
                    std::vector<uint8_t>(expected.begin() + 1, expected.begin() + 9001));
    }
}

// A 100 GiB disk image with a few bytes inserted is saved on a disk with less room than
// that: only its data is reserved and written.
TEST(DocumentStream, AHugeSparseImageNeedsRoomOnlyForItsData) {
    TempDir dir;
    const int64_t size = 100 * GiB;
    const std::string source = dir.File("disk.img"), saved = dir.File("saved.img");
    if (!MakeSparseFile(source, size, {{0, 512 * 1024}, {size / 2, 3 * MiB}, {size - 4096, 4096}}))
        GTEST_SKIP() << "no holes on this file system";
    MappedDocument mapped(source);
    mapped.Insert(2, "abc");
    const Document& doc = mapped.doc;
    const int fd = StreamToNewFile(doc, saved);
    EXPECT_LT(AllocatedBytes(fd), 8 * MiB);
    struct stat st {};
    fstat(fd, &st);
    EXPECT_EQ(st.st_size, size + 3);
    for (const int64_t pos : {int64_t{1}, int64_t{3}, size / 2 + 3, size / 2 + MiB, size + 3}) {
        uint8_t byte = 0;
        ASSERT_EQ(pread(fd, &byte, 1, pos - 1), 1);
        EXPECT_EQ(byte, doc.GetByte(pos)) << pos;
    }
    close(fd);
}

// A reservation that fails (here at the file size limit) leaves the file as it was.
TEST(DocumentStream, AFailedReservationLeavesTheFileAsItWas) {
    TempDir dir;
    const std::string source = dir.File("sparse.img"), saved = dir.File("saved.img");
    if (!MakeSparseFile(source, 64 * MiB, {{0, 4096}, {40 * MiB, 4096}})) GTEST_SKIP() << "no holes";
    MappedDocument mapped(source);
    test::WriteFileBytes(saved, {1, 2, 3});
    const int fd = open(saved.c_str(), O_RDWR);
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const struct rlimit limit = {16 * MiB, old.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const int code = ReserveStreamSpace(mapped.doc, 1, mapped.doc.Size(), fd);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_NE(code, 0);
    EXPECT_LT(AllocatedBytes(fd), 64 * 1024);
    close(fd);
    EXPECT_EQ(test::ReadFileBytes(saved), (std::vector<uint8_t>{1, 2, 3}));
}

} // namespace
} // namespace qhe
