#include "core/text/Format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace qhe {
namespace {

TEST(FormatTest, CountsWithThousandsSeparators) {
    const struct {
        int64_t value;
        const char* expected;
    } cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {1234567, "1,234,567"},
        {-1234, "-1,234"},
        {-999, "-999"},
        {2147483647, "2,147,483,647"},
        {std::numeric_limits<int64_t>::min(), "-9,223,372,036,854,775,808"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format("%.0n", {c.value}), c.expected) << c.value;
        EXPECT_EQ(FormatCount(c.value), c.expected) << c.value;
    }
}

TEST(FormatTest, NumberWithDecimals) {
    EXPECT_EQ(Format("%.2n", {1234567}), "1,234,567.00");
    EXPECT_EQ(Format("%.2n", {1234.567}), "1,234.57");
    EXPECT_EQ(Format("%.0n", {-0.2}), "0");
    EXPECT_EQ(Format("%.1n", {-1234.5}), "-1,234.5");
}

TEST(FormatTest, HexIsUpperCaseWithoutLeadingZeros) {
    EXPECT_EQ(Format("%x", {0}), "0");
    EXPECT_EQ(Format("%x", {0xABCDEF}), "ABCDEF");
    EXPECT_EQ(Format("$%X", {0x1a}), "$1A");
    EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF"); // a negative int shows as the 32-bit pattern
    EXPECT_EQ(FormatHex(255), "FF");
    EXPECT_EQ(FormatHex(0), "0");
    EXPECT_EQ(FormatHex(0xFFFFFFFFFFFFFFFFull), "FFFFFFFFFFFFFFFF");
}

TEST(FormatTest, PrecisionGivesMinimumDigits) {
    EXPECT_EQ(Format("%2.2x;%2.2x", {0x0A, 0xFF}), "0A;FF");
    EXPECT_EQ(Format("%2.2x", {0x1234}), "1234");
    EXPECT_EQ(Format("%8.8x", {0xBEEF}), "0000BEEF");
    EXPECT_EQ(Format("%4.4d%2.2d%2.2d", {2026, 3, 9}), "20260309");
    EXPECT_EQ(Format("%.3d", {-5}), "-005");
}

TEST(FormatTest, WidthPadsWithBlanks) {
    EXPECT_EQ(Format("[%-10s]", {"abc"}), "[abc       ]");
    EXPECT_EQ(Format("[%10s]", {"abc"}), "[       abc]");
    EXPECT_EQ(Format("[%5d]", {42}), "[   42]");
    EXPECT_EQ(Format("[%-5d]", {42}), "[42   ]");
    EXPECT_EQ(Format("[%3s]", {"abcdef"}), "[abcdef]"); // width never cuts
    EXPECT_EQ(Format("[%4s]", {"块"}), "[   块]");      // counts characters, not bytes
    EXPECT_EQ(Format("[%.1s]", {"块已"}), "[块]");      // precision cuts whole characters
}

TEST(FormatTest, TextAndOtherConversions) {
    EXPECT_EQ(Format("读取错误\n%s", {"/home/user/data.bin"}), "读取错误\n/home/user/data.bin");
    EXPECT_EQ(Format("%s", {"data.bin"}), "data.bin");
    EXPECT_EQ(Format("%s 作为短整型: %s", {"FF FF", "-1"}), "FF FF 作为短整型: -1");
    EXPECT_EQ(Format("%u", {4000000000u}), "4000000000");
    EXPECT_EQ(Format("%u", {-1}), "4294967295");
    EXPECT_EQ(Format("100%%", {}), "100%");
    EXPECT_EQ(Format("页: %d", {12}), "页: 12");
}

TEST(FormatTest, WrongTypedArgumentsAreConverted) {
    EXPECT_EQ(Format("%s", {42}), "42");
    EXPECT_EQ(Format("%s", {-7}), "-7");
    EXPECT_EQ(Format("%d", {"123"}), "123");
    EXPECT_EQ(Format("%x", {"255"}), "FF");
    EXPECT_EQ(Format("%d", {"abc"}), "abc");
    EXPECT_EQ(Format("%d", {3.9}), "3");
    EXPECT_EQ(Format("%.0n", {"1234"}), "1,234");
}

TEST(FormatTest, MissingArgumentsLeaveTheConversionEmpty) {
    EXPECT_EQ(Format("参数无效 %s%s", {"A"}), "参数无效 A");
    EXPECT_EQ(Format("[%5d]", {}), "[]");
    EXPECT_EQ(Format("%s", {"a", "b"}), "a"); // extra arguments are ignored
}

TEST(FormatTest, MalformedFormatsStayAsWritten) {
    EXPECT_EQ(Format("50%", {1}), "50%");
    EXPECT_EQ(Format("%", {}), "%");
    EXPECT_EQ(Format("%q%s", {"x"}), "%qx");
    EXPECT_EQ(Format("%5", {1}), "%5");
    EXPECT_EQ(Format("%-.", {1}), "%-.");
    EXPECT_EQ(Format("", {1}), "");
    // A huge width is clamped rather than allocating gigabytes.
    EXPECT_LE(Format("%99999999999d", {1}).size(), 5000u);
}

TEST(FormatTest, ArgumentIndexPicksTheArgument) {
    EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b"}), "b a b");
}

TEST(FormatTest, MessageFormatting) {
    EXPECT_EQ(FormatMsg(2005, {"data.bin"}), "读取错误\ndata.bin");
    EXPECT_EQ(FormatMsg(2010, {1234, 524288}), " 当前文件大小: 1,234 字节\n 内存已分配: 524,288 字节");
    EXPECT_EQ(FormatMsg(2116, {0x1F}), "不能转到地址: $1F");
    EXPECT_EQ(FormatMsg(2001, {"x"}), "");
}

TEST(FormatTest, FileNameOnlyDropsTheFolder) {
    EXPECT_EQ(FileNameOnly("/home/user/data.bin"), "data.bin");
    EXPECT_EQ(FileNameOnly("data.bin"), "data.bin");
    EXPECT_EQ(FileNameOnly("/home/user/"), "");
    EXPECT_EQ(FileNameOnly(""), "");
    EXPECT_EQ(FileNameOnly("dir/a\\b.bin"), "a\\b.bin"); // a backslash is an ordinary character here
}

} // namespace
} // namespace qhe
