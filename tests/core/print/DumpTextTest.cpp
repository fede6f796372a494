#include "core/print/DumpText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace qhe {
namespace {

std::string Row(const DumpFormat& format, uint64_t offset, const std::vector<uint8_t>& bytes) {
    std::string out;
    AppendDumpRow(out, format, offset, bytes.data(), static_cast<int>(bytes.size()), "\n");
    return out;
}

TEST(DumpText, ColumnHeaderHexAndDecimal) {
    EXPECT_EQ(DumpColumnHeader({16, false, false}),
              "Offset hex. 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F ");
    EXPECT_EQ(DumpColumnHeader({16, true, false}),
              "Offset dec. 00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 ");
}

TEST(DumpText, SideBySideRowsFullAndShort) {
    const DumpFormat format{4, false, false};
    EXPECT_EQ(Row(format, 0x1234AB, {'A', 0x00, 0x1F, 0xFF}), "0001234AB:  41 00 1F FF A..\xFF\n");
    // A short last row keeps the character column where full rows have it.
    EXPECT_EQ(Row(format, 8, {' ', 'z'}), "000000008:  20 7A       \x20z\n");
    EXPECT_EQ(Row({4, true, false}, 123456789, {'1'}), "123456789:  31          1\n");
    EXPECT_EQ(Row({4, true, false}, 1234567890, {'1'}), "1234567890:  31          1\n");
}

// Rows of 16 and more bytes take the sixteen-at-once path: every byte value, at each place in a
// row and in a row's part after whole sixteens, as the byte-by-byte rule gives it.
TEST(DumpText, WideRowsMatchTheByteByByteRule) {
    std::vector<uint8_t> bytes(256 + 40);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i * 7);
    for (int width : {16, 20, 48}) {
        for (size_t at = 0; at + width <= bytes.size(); at += width) {
            std::string expected = "000000000:  ";
            for (int i = 0; i < width; ++i) {
                char pair[4];
                std::snprintf(pair, sizeof pair, "%02X ", bytes[at + i]);
                expected += pair;
            }
            for (int i = 0; i < width; ++i)
                expected += bytes[at + i] < 32 ? '.' : static_cast<char>(bytes[at + i]);
            expected += "\n";
            const std::vector<uint8_t> row(bytes.begin() + at, bytes.begin() + at + width);
            ASSERT_EQ(Row({width, false, false}, 0, row), expected) << width << " " << at;
        }
    }
    EXPECT_EQ(Row({1, false, false}, 0xFEDCBA987, {'a'}), "FEDCBA987:  61 a\n");
    EXPECT_EQ(Row({1, false, false}, 0x1000000000, {'a'}), "1000000000:  61 a\n");
}

TEST(DumpText, TextBelowStandsUnderSecondHexDigit) {
    const std::string text = Row({3, false, true}, 16, {'a', 0x07, 'c'});
    EXPECT_EQ(text, "000000010:  61 07 63 \n             a     c\n");
    const size_t second = text.find('\n') + 1;
    EXPECT_EQ(text[second + 13], 'a'); // under the "1" of "61"
    EXPECT_EQ(text[13], '1');
    EXPECT_EQ(text[second + 19], 'c');
    EXPECT_EQ(text[19], '3');
}

TEST(DumpText, RangeRules) {
    const DumpFormat format{16, false, false};
    DumpRangeInput in;
    in.size = 1000;
    DumpRange r = ComputeDumpRange(in, format);
    EXPECT_EQ(r.first, 1);
    EXPECT_EQ(r.last, 1000);

    in.kind = DumpRangeKind::Selection;
    in.blockBegin = 20;
    in.blockEnd = 40;
    in.toFile = true;
    r = ComputeDumpRange(in, format);
    EXPECT_EQ(r.first, 17); // back to a row start
    EXPECT_EQ(r.last, 48);  // to the end of the last row
    in.blockEnd = 999;
    EXPECT_EQ(ComputeDumpRange(in, format).last, 1000); // never past the size

    in.kind = DumpRangeKind::CurrentPage;
    in.topAddress = 1;
    in.lastVisible = 100;
    in.toFile = false;
    in.linesPerPage = 10; // 160 bytes per page
    r = ComputeDumpRange(in, format);
    EXPECT_EQ(r.first, 1);
    EXPECT_EQ(r.last, 160);
    r = ComputeDumpRange(in, {16, false, true}); // two lines per row: 80 bytes per page
    EXPECT_EQ(r.last, 160);
    in.lastVisible = 170;
    EXPECT_EQ(ComputeDumpRange(in, {16, false, true}).last, 240);
}

TEST(DumpText, BytesPerRowEntry) {
    EXPECT_EQ(ParseBytesPerRow("16"), 16);
    EXPECT_EQ(ParseBytesPerRow("7"), 7);
    EXPECT_EQ(ParseBytesPerRow(""), 0);
    EXPECT_EQ(ParseBytesPerRow("0"), 0);
    EXPECT_EQ(ParseBytesPerRow("00"), 0);
    EXPECT_EQ(ParseBytesPerRow("100"), 0);
    EXPECT_EQ(ParseBytesPerRow("1a"), 0);
}

} // namespace
} // namespace qhe
