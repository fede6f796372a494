#include "core/text/Ansi.h"

#include <gtest/gtest.h>

namespace qhe {
namespace {

TEST(AnsiTest, CasePairsOfThePage) {
    struct Pair {
        uint8_t lower, upper;
    };
    const Pair pairs[] = {{'a', 'A'},   {'z', 'Z'},   {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E},
                          {0xFF, 0x9F}, {0xE0, 0xC0}, {0xFE, 0xDE}, {0xE4, 0xC4}};
    for (const Pair& p : pairs) {
        EXPECT_EQ(AnsiUpper(p.lower), p.upper) << int(p.lower);
        EXPECT_EQ(AnsiLower(p.upper), p.lower) << int(p.upper);
        EXPECT_EQ(AnsiUpper(p.upper), p.upper);
        EXPECT_EQ(AnsiLower(p.lower), p.lower);
    }
}

TEST(AnsiTest, BytesWithoutOtherCaseStay) {
    // Sharp s, division and multiplication signs, micro sign, f hook, digits, controls.
    for (int b : {0xDF, 0xF7, 0xD7, 0xB5, 0x83, int('0'), int('@'), int('['), 0x00, 0x81})
        EXPECT_TRUE(AnsiUpper(uint8_t(b)) == b && AnsiLower(uint8_t(b)) == b) << b;
}

TEST(AnsiTest, MapsAreConsistentForAllBytes) {
    int letters = 0;
    for (int b = 0; b < 256; ++b) {
        const uint8_t u = AnsiUpper(static_cast<uint8_t>(b)), l = AnsiLower(static_cast<uint8_t>(b));
        EXPECT_EQ(AnsiUpper(u), u);
        EXPECT_EQ(AnsiLower(l), l);
        if (u != b) {
            EXPECT_EQ(AnsiLower(u), b);
            ++letters;
        }
    }
    EXPECT_EQ(letters, 26 + 30 + 4);
}

TEST(AnsiTest, UnicodeTable) {
    EXPECT_EQ(AnsiToUnicode(0x80), 0x20ACu);
    EXPECT_EQ(AnsiToUnicode(0x9F), 0x0178u);
    EXPECT_EQ(AnsiToUnicode(0xE9), 0x00E9u);
    for (uint8_t undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(AnsiToUnicode(undefined), undefined);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(UnicodeToAnsi(AnsiToUnicode(static_cast<uint8_t>(b))), b) << b;
    EXPECT_EQ(UnicodeToAnsi(0x4E2D), '?'); // a CJK character
    EXPECT_EQ(UnicodeToAnsi(0x0100), '?');
}

TEST(AnsiTest, Utf8Conversions) {
    EXPECT_EQ(Utf8ToAnsi("A\xE2\x82\xAC\xC3\xA9"), "A\x80\xE9");
    EXPECT_EQ(AnsiToUtf8("A\x80\xE9"), "A\xE2\x82\xAC\xC3\xA9");
    EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD"
                         "x"),
              "?x");
    // Malformed: lone continuation, truncated sequence, overlong form, surrogate.
    EXPECT_EQ(Utf8ToAnsi("\x80"
                         "a"),
              "?a");
    EXPECT_EQ(Utf8ToAnsi("a\xC3"), "a?");
    EXPECT_EQ(Utf8ToAnsi("\xC0\x80"), "??");
    EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80"), "???");
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
    EXPECT_EQ(AnsiUpperString("abc\xE4\xFF"), "ABC\xC4\x9F");
}

} // namespace
} // namespace qhe
