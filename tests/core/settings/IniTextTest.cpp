#include "core/settings/IniText.h"

#include <gtest/gtest.h>

namespace qhe {
namespace {

TEST(ParseIniInteger, ReadsDecimalAndBothHexForms) {
    struct Case {
        const char* text;
        std::optional<int32_t> expected;
    };
    const Case cases[] = {
        {"17", 17},
        {"-1", -1},
        {" 42 ", 42},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$FF", 255},
        {"$FFFFFFFF", -1},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"", std::nullopt},
        {"12a", std::nullopt},
        {"2147483648", std::nullopt},
        {"$100000000", std::nullopt},
        {"0xG1", std::nullopt},
        {"1 2", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseIniInteger(c.text), c.expected) << c.text;
}

TEST(StripMatchingQuotes, RemovesOnlyOneMatchingPair) {
    EXPECT_EQ(StripMatchingQuotes("\"abc\""), "abc");
    EXPECT_EQ(StripMatchingQuotes("'abc'"), "abc");
    EXPECT_EQ(StripMatchingQuotes("\"\""), "");
    EXPECT_EQ(StripMatchingQuotes("\""), "\"");
    EXPECT_EQ(StripMatchingQuotes("\"abc'"), "\"abc'");
    EXPECT_EQ(StripMatchingQuotes("\"\"x\"\""), "\"x\"");
}

TEST(SplitLines, AcceptsEveryLineEnd) {
    auto lines = SplitLines("a\r\nb\nc\rd\r\n\r\ne");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "d");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "e");
    EXPECT_TRUE(SplitLines("").empty());
}

} // namespace
} // namespace qhe
