#include <gtest/gtest.h>

#include "editor/clipboard/ClipboardFormat.h"

namespace qhe {
namespace {

using S = std::string;

TEST(ClipboardFormatTest, PrivateBlockIsCountThenBytes) {
    EXPECT_EQ(EncodeQzBinary(S("A\0B", 3)), S("\x03\0\0\0A\0B", 7));
    EXPECT_EQ(EncodeQzBinary(""), S("\0\0\0\0", 4));
    const S big(0x10203, '\xFF');
    EXPECT_EQ(EncodeQzBinary(big).substr(0, 4), S("\x03\x02\x01\0", 4));
    EXPECT_EQ(DecodeQzBinary(EncodeQzBinary(big)), big);
}

TEST(ClipboardFormatTest, DecodeTakesTheCountedBytesAndRefusesShortBlocks) {
    EXPECT_EQ(DecodeQzBinary(S("\x02\0\0\0ABC", 7)), S("AB")); // a longer block is cut at the count
    EXPECT_EQ(DecodeQzBinary(S("\x04\0\0\0ABC", 7)), std::nullopt);
    EXPECT_EQ(DecodeQzBinary(S("\xFF\xFF\xFF\xFF", 4)), std::nullopt);
    EXPECT_EQ(DecodeQzBinary(S("\0\0\0", 3)), std::nullopt);
    EXPECT_EQ(DecodeQzBinary(S("\0\0\0\0", 4)), S());
}

TEST(ClipboardFormatTest, HexStrings) {
    EXPECT_EQ(HexStringOf(S("\x0A\xFF\0", 3)), S("0A FF 00"));
    EXPECT_EQ(HexStringOf("\x7F"), S("7F"));
    EXPECT_EQ(HexStringOf(""), S());
    struct Parse {
        const char* text;
        std::optional<std::string> bytes;
    };
    const Parse cases[] = {
        {"0a ff", S("\x0A\xFF")}, {"0AFF", S("\x0A\xFF")},  {"", S()},
        {"41", S("A")},           {"0A FF ", std::nullopt}, {"0AF", std::nullopt},
        {"0A-FF", std::nullopt},  {"0A FF0", std::nullopt}, {"0AFF 1", std::nullopt},
        {"zz", std::nullopt},     {" 0A", std::nullopt},    {"0A  FF", std::nullopt},
    };
    for (const Parse& c : cases)
        EXPECT_EQ(ParseClipboardHex(c.text), c.bytes) << c.text;
}

TEST(ClipboardFormatTest, BlockSizeWeighsPrivateDataFirst) {
    EXPECT_EQ(ClipboardBlockSize(std::string_view("abc"), std::string_view("x")), 7);
    EXPECT_EQ(ClipboardBlockSize(std::nullopt, std::string_view("abc")), 4);
    EXPECT_EQ(ClipboardBlockSize(std::nullopt, std::nullopt), 0);
}

} // namespace
} // namespace qhe
