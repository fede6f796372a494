#include "platform/BackgroundWriter.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "TempDir.h"

namespace qhe {
namespace {

TEST(BackgroundWriter, WritesBuffersInOrderAndReportsAFullDisk) {
    test::TempDir dir;
    const std::string name = dir.File("out.txt");
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    std::string expected;
    {
        // More buffers than the writer has, each longer than one write call.
        platform::BackgroundWriter writer(fd, 200 << 10);
        for (char c = 'a'; c < 'k'; ++c) {
            const std::string text(150'000 + c, c);
            std::memcpy(writer.Next(), text.data(), text.size());
            EXPECT_EQ(writer.Send(text.size()), 0);
            expected += text;
        }
        EXPECT_EQ(writer.Finish(), 0);
    }
    close(fd);
    const auto bytes = test::ReadFileBytes(name);
    EXPECT_TRUE(std::string(bytes.begin(), bytes.end()) == expected);

    // Buffers sent with offsets land there, in any order, without moving the file position.
    const int at = open(name.c_str(), O_RDWR | O_TRUNC);
    {
        platform::BackgroundWriter writer(at, 16);
        std::memcpy(writer.Next(), "tail", 4);
        writer.Send(4, 20);
        std::memcpy(writer.Next(), "head", 4);
        writer.Send(4, 2);
        EXPECT_EQ(writer.Finish(), 0);
    }
    EXPECT_EQ(lseek(at, 0, SEEK_CUR), 0);
    close(at);
    EXPECT_EQ(test::ReadFileBytes(name),
              (std::vector<uint8_t>{0, 0, 'h', 'e', 'a', 'd', 0, 0, 0,   0,   0,   0,
                                    0, 0, 0,   0,   0,   0,   0, 0, 't', 'a', 'i', 'l'}));

    const int full = open("/dev/full", O_WRONLY);
    if (full < 0) GTEST_SKIP() << "no /dev/full";
    platform::BackgroundWriter writer(full, 1024);
    std::memset(writer.Next(), 'x', 1024);
    writer.Send(1024);
    EXPECT_NE(writer.Finish(), 0);
    // Later buffers are dropped and the error stays.
    std::memset(writer.Next(), 'y', 10);
    EXPECT_NE(writer.Send(10), 0);
    close(full);
}

} // namespace
} // namespace qhe
