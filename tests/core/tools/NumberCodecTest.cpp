#include "core/tools/DecodeNumbers.h"
#include "core/tools/EncodeNumber.h"
#include "core/tools/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <vector>

namespace qhe {
namespace {

TEST(NumberTextTest, FloatRule) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-2.5, "-2.5"},
        {0.0001, "0.0001"},
        {0.00009, "9E-5"},
        {1.5e-7, "1.5E-7"},
        {1e15, "1E15"},
        {999999999999999.0, "999999999999999"},
        {123456789012345.6, "123456789012346"},
        {1e20, "1E20"},
        {-1.25e100, "-1.25E100"},
        {static_cast<double>(0.1f), "0.100000001490116"},
        {0.1, "0.1"},
        {1.0 / 3, "0.333333333333333"},
        {100.5, "100.5"},
        {4.9406564584124654e-324, "4.94065645841247E-324"},
        {0.00009999999999999999, "0.0001"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloat15(c.value), c.text) << c.value;
    EXPECT_EQ(FormatFloat15(-2.5, ','), "-2,5");
    EXPECT_EQ(FormatFloat15(1.5e-7, ','), "1,5E-7");
}

TEST(NumberTextTest, SpecialValues) {
    EXPECT_EQ(FormatSingleBits(0x7F800000u), "INF");
    EXPECT_EQ(FormatSingleBits(0xFF800000u), "INF");
    EXPECT_EQ(FormatSingleBits(0x7FC00000u), "NAN");
    EXPECT_EQ(FormatSingleBits(0xFFC00001u), "NAN");
    EXPECT_EQ(FormatSingleBits(0x7F800001u), "INVALID");
    EXPECT_EQ(FormatDoubleBits(0x7FF0000000000000ull), "INF");
    EXPECT_EQ(FormatDoubleBits(0x7FF8000000000000ull), "NAN");
    EXPECT_EQ(FormatDoubleBits(0x7FF0000000000001ull), "INVALID");
    EXPECT_EQ(FormatDoubleBits(std::bit_cast<uint64_t>(1.5)), "1.5");
}

DecodedNumbers Decode(const std::vector<uint8_t>& bytes, int32_t address, int byteOrder) {
    return DecodeNumbers(bytes.data(), static_cast<int32_t>(bytes.size()), address, byteOrder);
}

TEST(DecodeNumbersTest, TextsByAvailableBytes) {
    const std::vector<uint8_t> bytes = {0x80, 0x12, 0x34, 0x00, 0x00, 0x80, 0x7F, 1, 2, 3};
    DecodedNumbers last = Decode(bytes, 10, 0);
    EXPECT_EQ(last.shortInt, "3");
    EXPECT_TRUE(last.word.empty() && last.integer.empty() && last.longInt.empty() && last.single.empty() &&
                last.dbl.empty());
    DecodedNumbers three = Decode(bytes, 8, 0);
    EXPECT_EQ(three.word, "513");
    EXPECT_TRUE(three.longInt.empty() && three.single.empty());
    DecodedNumbers first = Decode(bytes, 1, 0);
    EXPECT_EQ(first.shortInt, "-128");
    EXPECT_EQ(first.word, "4736");
    EXPECT_EQ(first.integer, "4736");
    EXPECT_FALSE(first.dbl.empty());
    EXPECT_TRUE(Decode(bytes, 11, 0).shortInt.empty());
    EXPECT_TRUE(Decode(bytes, 0, 0).shortInt.empty());
    EXPECT_TRUE(DecodeNumbers(nullptr, 0, 1, 0).shortInt.empty());
}

TEST(DecodeNumbersTest, ByteOrders) {
    const std::vector<uint8_t> bytes = {0x12, 0x34};
    EXPECT_EQ(Decode(bytes, 1, 0).word, "13330");
    EXPECT_EQ(Decode(bytes, 1, 1).word, "4660");
    const std::vector<uint8_t> ones = {0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(Decode(ones, 1, 0).word, "65535");
    EXPECT_EQ(Decode(ones, 1, 0).integer, "-1");
    EXPECT_EQ(Decode(ones, 1, 0).longInt, "-1");
    EXPECT_EQ(Decode({0x00, 0x00, 0x80, 0x7F}, 1, 0).single, "INF");
    EXPECT_EQ(Decode({0x00, 0x00, 0xC0, 0x7F}, 1, 0).single, "NAN");
    EXPECT_EQ(Decode({0x01, 0x00, 0x80, 0x7F}, 1, 0).single, "INVALID");
    EXPECT_EQ(Decode({0x3F, 0xC0, 0x00, 0x00}, 1, 1).single, "1.5");
    const std::vector<uint8_t> dbl = {0, 0, 0, 0, 0, 0, 0xF8, 0x3F};
    EXPECT_EQ(Decode(dbl, 1, 0).dbl, "1.5");
    EXPECT_EQ(Decode({0x3F, 0xF8, 0, 0, 0, 0, 0, 0}, 1, 1).dbl, "1.5");
    // A signalling NaN in the Single does not empty the Double.
    const std::vector<uint8_t> mixed = {0x01, 0x00, 0x80, 0x7F, 0, 0, 0, 0};
    EXPECT_EQ(Decode(mixed, 1, 0).single, "INVALID");
    EXPECT_FALSE(Decode(mixed, 1, 0).dbl.empty());
}

TEST(EncodeNumberTest, Conversions) {
    struct Case {
        const char* text;
        NumberType type;
        int byteOrder;
        std::vector<uint8_t> bytes; // empty: failure
        std::string error;
    };
    const std::string range = kRangeErrorText;
    const Case cases[] = {
        {"1000", NumberType::Word, 0, {0xE8, 0x03}, ""},
        {"1000", NumberType::Word, 1, {0x03, 0xE8}, ""},
        {"-1", NumberType::Integer, 0, {0xFF, 0xFF}, ""},
        {"-1", NumberType::LongInt, 0, {0xFF, 0xFF, 0xFF, 0xFF}, ""},
        {"-1", NumberType::ShortInt, 0, {0xFF}, ""},
        {"$FF", NumberType::ShortInt, 0, {}, range},
        {"$FFFFFFFF", NumberType::ShortInt, 0, {0xFF}, ""},
        {"0x7f", NumberType::Byte, 0, {0x7F}, ""},
        {"X10", NumberType::Byte, 0, {0x10}, ""},
        {"  +12", NumberType::Byte, 0, {12}, ""},
        {"256", NumberType::Byte, 0, {}, range},
        {"-1", NumberType::Byte, 0, {}, range},
        {"65536", NumberType::Word, 0, {}, range},
        {"-32769", NumberType::Integer, 0, {}, range},
        {"-128", NumberType::ShortInt, 0, {0x80}, ""},
        {"40000", NumberType::ShortInt, 0, {}, range},
        {"-2147483648", NumberType::LongInt, 1, {0x80, 0, 0, 0}, ""},
        {"2147483648", NumberType::LongInt, 0, {}, "'2147483648' is not a valid integer value"},
        {"12 ", NumberType::Byte, 0, {}, "'12 ' is not a valid integer value"},
        {"$", NumberType::Byte, 0, {}, "'$' is not a valid integer value"},
        {"$123456789", NumberType::LongInt, 0, {}, "'$123456789' is not a valid integer value"},
        {"-$1", NumberType::LongInt, 0, {}, "'-$1' is not a valid integer value"},
        {"1.5", NumberType::Word, 0, {}, "'1.5' is not a valid integer value"},
        {"", NumberType::Word, 0, {}, "'' is not a valid integer value"},
        {"1.5", NumberType::Single, 0, {0x00, 0x00, 0xC0, 0x3F}, ""},
        {"1.5", NumberType::Single, 1, {0x3F, 0xC0, 0x00, 0x00}, ""},
        {"1.5", NumberType::Double, 0, {0, 0, 0, 0, 0, 0, 0xF8, 0x3F}, ""},
        {" -2e0 ", NumberType::Single, 0, {0x00, 0x00, 0x00, 0xC0}, ""},
        {"0", NumberType::Single, 0, {0, 0, 0, 0}, ""},
        {".5", NumberType::Single, 0, {0x00, 0x00, 0x00, 0x3F}, ""},
        {"3.4E38", NumberType::Single, 0, {0x9E, 0xC9, 0x7F, 0x7F}, ""},
        {"3.402E38", NumberType::Single, 0, {}, kFloatOverflowText},
        {"1E-46", NumberType::Single, 0, {}, kFloatUnderflowText},
        {"1.5E-45", NumberType::Single, 0, {0x01, 0, 0, 0}, ""},
        {"1.7E308", NumberType::Double, 0, {0x76, 0x3B, 0x77, 0x30, 0xD1, 0x42, 0xEE, 0x7F}, ""},
        {"1.8E308", NumberType::Double, 0, {}, kFloatOverflowText},
        {"1E99999", NumberType::Double, 0, {}, kFloatOverflowText},
        {"-1E-99999", NumberType::Double, 0, {}, kFloatUnderflowText},
        {"5E-324", NumberType::Double, 0, {0x01, 0, 0, 0, 0, 0, 0, 0}, ""},
        {"1E-325", NumberType::Double, 0, {}, kFloatUnderflowText},
        {"1,5", NumberType::Single, 0, {}, "'1,5' is not a valid floating point value"},
        {"1e", NumberType::Single, 0, {}, "'1e' is not a valid floating point value"},
        {"abc", NumberType::Double, 0, {}, "'abc' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        const EncodeResult r = EncodeNumber(c.text, c.type, c.byteOrder);
        EXPECT_EQ(r.ok, !c.bytes.empty()) << c.text;
        EXPECT_EQ(r.bytes, c.bytes) << c.text;
        EXPECT_EQ(r.error, c.error) << c.text;
    }
    EXPECT_EQ(EncodeNumber("1,5", NumberType::Single, 0, ',').bytes,
              (std::vector<uint8_t>{0, 0, 0xC0, 0x3F}));
}

} // namespace
} // namespace qhe
