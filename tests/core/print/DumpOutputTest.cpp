#include "core/print/DumpOutput.h"
#include "platform/ErrorCodes.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include "TempDir.h"

#include <algorithm>
#include <string>
#include <vector>

namespace qhe {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(DumpOutput, TextFileHoldsHeadLinesAndRowsWithZeroBasedOffsets) {
    TempDir dir;
    const std::vector<uint8_t> data{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
    // Positions 5..10 (1-based) start at the 0-based offset 4.
    ASSERT_EQ(WriteDumpFile(dir.File("out.txt"), "/x/a.bin", data.data(), {5, 10}, {4, false, false}), 0);
    EXPECT_EQ(Text(ReadFileBytes(dir.File("out.txt"))), "File: /x/a.bin\r\nOutput by QHE32\r\n\r\n"
                                                        "Offset hex. 00 01 02 03 \r\n"
                                                        "000000004:  34 35 36 37 4567\r\n"
                                                        "000000008:  38 39       89\r\n");
}

TEST(DumpOutput, CancelOrFailureKeepsEarlierFile) {
    TempDir dir;
    const std::string name = dir.File("out.txt");
    WriteFileBytes(name, {'o', 'l', 'd'});
    std::vector<uint8_t> data(3 << 20, 'x');
    const int code = WriteDumpFile(name, "a", data.data(), {1, static_cast<int64_t>(data.size())},
                                   {16, false, false}, [](uint64_t) { return false; });
    EXPECT_EQ(code, kDumpCancelled);
    EXPECT_EQ(Text(ReadFileBytes(name)), "old");
    EXPECT_NE(WriteDumpFile(dir.File("none/out.txt"), "a", data.data(), {1, 16}, {16, false, false}), 0);
}

TEST(DumpOutput, WholeFileToDescriptorMatchesRowsAcrossReads) {
    TempDir dir;
    std::vector<uint8_t> data(5 << 20);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 7);
    data.erase(data.end() - 3, data.end()); // a short last row
    WriteFileBytes(dir.File("in.bin"), data);
    const DumpFormat format{25, true, true};
    std::string expected = DumpHeadLines(dir.File("in.bin"), format);
    for (size_t at = 0; at < data.size(); at += 25)
        AppendDumpRow(expected, format, at, data.data() + at,
                      static_cast<int>(std::min<size_t>(25, data.size() - at)), kDumpLineEnd);
    const int out = open(dir.File("out.txt").c_str(), O_WRONLY | O_CREAT, 0600);
    std::string error;
    EXPECT_EQ(DumpFileToDescriptor(dir.File("in.bin"), format, out, error), 0);
    close(out);
    EXPECT_TRUE(Text(ReadFileBytes(dir.File("out.txt"))) == expected);
    // Open failures are answered by their code alone, for the caller to word as the editor does.
    error.clear();
    EXPECT_EQ(DumpFileToDescriptor(dir.File("none.bin"), format, 1, error), 2);
    EXPECT_EQ(DumpFileToDescriptor(dir.Path(), format, 1, error), kNotRegularFile);
    EXPECT_TRUE(error.empty());
}

} // namespace
} // namespace qhe
