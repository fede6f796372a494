#include "platform/SparseRuns.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "TempDir.h"

namespace qhe {
namespace {

constexpr int64_t MiB = 1 << 20;

TEST(SparseRuns, FindsHolesAndReservesOnlyTheRangesAsked) {
    test::TempDir dir;
    const std::string name = dir.File("sparse.bin");
    const int fd = open(name.c_str(), O_CREAT | O_RDWR, 0600);
    ASSERT_GE(fd, 0);
    const auto data = test::RandomBytes(4096);
    ASSERT_EQ(pwrite(fd, data.data(), 4096, 0), 4096);
    ASSERT_EQ(pwrite(fd, data.data(), 4096, MiB), 4096);
    ASSERT_EQ(ftruncate(fd, 2 * MiB), 0);
    struct stat st {};
    fstat(fd, &st);
    if (st.st_blocks * 512 >= MiB) GTEST_SKIP() << "no holes on this file system";

    platform::HoleFinder holes(fd);
    int64_t end = 0;
    EXPECT_FALSE(holes.HoleAt(100, end));
    EXPECT_EQ(end, 4096);
    EXPECT_TRUE(holes.HoleAt(5000, end));
    EXPECT_EQ(end, MiB);
    EXPECT_FALSE(holes.HoleAt(MiB + 4095, end));
    EXPECT_EQ(end, MiB + 4096);
    EXPECT_TRUE(holes.HoleAt(MiB + 4096, end));
    EXPECT_EQ(end, INT64_MAX);            // up to the end of the file
    EXPECT_TRUE(holes.HoleAt(4096, end)); // back to a run found before
    EXPECT_EQ(end, MiB);

    // Beyond the end: the file grows to the last range, bytes kept, the rest no blocks.
    ASSERT_EQ(platform::ReserveRanges(fd, {{0, 4096}, {MiB, 8192}, {3 * MiB, 4096}}), 0);
    fstat(fd, &st);
    EXPECT_EQ(st.st_size, 3 * MiB + 4096);
    EXPECT_LE(st.st_blocks * 512, 5 * 4096);
    close(fd);
    const auto bytes = test::ReadFileBytes(name);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), bytes.begin() + MiB));
}

} // namespace
} // namespace qhe
