#include "core/text/NumberField.h"

#include <gtest/gtest.h>

namespace qhe {
namespace {

// Types keys at the end of the text the way the field does; answers the text that results.
std::string TypeAtEnd(NumberField& field, std::string_view keys) {
    for (char key : keys) {
        const int end = static_cast<int>(field.Text().size());
        if (const std::optional<char> accepted = field.FilterKey(key, end, 0))
            field.SetText(field.Text() + *accepted);
    }
    return field.Text();
}

TEST(NumberFieldTest, ReadingTexts) {
    struct Case {
        const char* text;
        bool hex;
        std::optional<long double> value;
    };
    const Case cases[] = {
        {"12", false, 12},
        {"-3.5", false, -3.5L},
        {"1,5", false, 1.5L},
        {" 7 ", false, 7},
        {"1e3", false, 1000},
        {"", false, std::nullopt},
        {"$1F", false, std::nullopt},
        {"inf", false, std::nullopt},
        {"nan", false, std::nullopt},
        {"1.2.3", false, std::nullopt},
        {"1,000.5", false, std::nullopt},
        {"$1F", true, 31},
        {"1f", true, 31},
        {"$", true, std::nullopt},
        {"$1G", true, std::nullopt},
        {"FFFFFFFFFFFFFFFF", true, 18446744073709551615.0L},
        {"$10000000000000000", true, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadNumberText(c.text, c.hex), c.value) << c.text << " hex " << c.hex;
}

TEST(NumberFieldTest, FormattingValues) {
    EXPECT_EQ(FormatNumberText(15, false, 2, '.'), "15.00");
    EXPECT_EQ(FormatNumberText(1.5L, false, 2, ','), "1,50");
    EXPECT_EQ(FormatNumberText(2.6L, false, 0, '.'), "3");
    EXPECT_EQ(FormatNumberText(-0.001L, false, 2, '.'), "0.00");
    EXPECT_EQ(FormatNumberText(255, true, 0, '.'), "$FF");
    EXPECT_EQ(FormatNumberText(0, true, 0, '.'), "$0");
}

TEST(NumberFieldTest, FractionDigitsAreShownAndLimitTyping) {
    NumberField field;
    EXPECT_EQ(field.Text(), "0");
    field.SetDigitsFrac(2);
    field.SetValue(15);
    EXPECT_EQ(field.Text(), "15.00");
    EXPECT_EQ(TypeAtEnd(field, "1"), "15.00"); // a third fraction digit is refused
    field.SetText("15.0");
    EXPECT_EQ(TypeAtEnd(field, "7."), "15.07");
}

TEST(NumberFieldTest, IntegerDigitsLimitTyping) {
    NumberField field;
    field.SetText("");
    EXPECT_EQ(TypeAtEnd(field, "123456789"), "12345678");
    field.SetDigitsInt(3);
    field.SetText("");
    EXPECT_EQ(TypeAtEnd(field, "1234"), "123");
}

TEST(NumberFieldTest, KeysOfTheDecimalField) {
    NumberField field;
    field.SetText("12");
    EXPECT_EQ(field.FilterKey('\b', 2, 0), '\b');
    EXPECT_EQ(field.FilterKey(' ', 2, 0), std::nullopt);
    EXPECT_EQ(field.FilterKey('\x01', 2, 0), std::nullopt);
    EXPECT_EQ(field.FilterKey('A', 2, 0), std::nullopt);
    EXPECT_EQ(field.FilterKey('.', 2, 0), std::nullopt); // no fraction digits
    EXPECT_EQ(field.FilterKey('-', 0, 0), std::nullopt); // Min is 0

    field.SetMin(-100);
    field.SetDigitsFrac(1);
    field.SetText("12");
    EXPECT_EQ(field.FilterKey('-', 0, 0), '-');
    EXPECT_EQ(field.FilterKey('-', 1, 0), std::nullopt); // not in front
    EXPECT_EQ(field.FilterKey('.', 2, 0), '.');
    field.SetText("-1.5");
    EXPECT_EQ(field.FilterKey('-', 0, 0), std::nullopt); // already has one
    EXPECT_EQ(field.FilterKey('-', 0, 4), '-');          // replaces the whole text
    EXPECT_EQ(field.FilterKey('.', 4, 0), std::nullopt); // already has one
    EXPECT_EQ(field.FilterKey('.', 1, 3), '.');          // the selection holds the old one
}

TEST(NumberFieldTest, KeysOfTheHexField) {
    NumberField field;
    field.SetHex(true);
    field.SetDigitsInt(2);
    field.SetText("$F");
    EXPECT_EQ(field.FilterKey('a', 2, 0), 'A');
    EXPECT_EQ(field.FilterKey('g', 2, 0), std::nullopt);
    EXPECT_EQ(field.FilterKey('-', 0, 0), std::nullopt);
    EXPECT_EQ(field.FilterKey('.', 2, 0), std::nullopt);
    field.SetText("$FF");
    EXPECT_EQ(field.FilterKey('1', 3, 0), std::nullopt); // the "$" is not one of the two digits
}

TEST(NumberFieldTest, RangeIsKept) {
    NumberField field;
    field.SetMax(100);
    field.SetText("500");
    EXPECT_TRUE(field.Validate());
    EXPECT_EQ(field.Value(), 100);
    EXPECT_EQ(field.Text(), "100");
    field.SetMin(10);
    field.SetText("3");
    EXPECT_TRUE(field.Validate());
    EXPECT_EQ(field.Value(), 10);

    field.SetMin(200); // above Max: ignored
    EXPECT_EQ(field.Min(), 10);
    field.SetMax(5); // below Min: ignored
    EXPECT_EQ(field.Max(), 100);
    field.SetValue(50);
    field.SetMax(20); // the value follows the new bound
    EXPECT_EQ(field.Value(), 20);
    EXPECT_EQ(field.Text(), "20");
}

TEST(NumberFieldTest, RoundingStaysInsideTheRange) {
    NumberField field; // Max 99999999.9 with no fraction digits
    field.SetValue(1e12L);
    EXPECT_EQ(field.Text(), "99999999");
    EXPECT_LE(field.Value(), field.Max());
}

TEST(NumberFieldTest, LeavingWithDollarTextSwitchesToHex) {
    NumberField field;
    field.SetDigitsFrac(2);
    field.Enter();
    field.SetText("$1F");
    EXPECT_TRUE(field.Leave());
    EXPECT_TRUE(field.Hex());
    EXPECT_EQ(field.DigitsFrac(), 0);
    EXPECT_EQ(field.Value(), 31);
    EXPECT_EQ(field.Text(), "$1F");

    field.SetText("1f"); // a hex text without its "$"
    EXPECT_TRUE(field.Leave());
    EXPECT_EQ(field.Text(), "$1F");
}

// A "$" text arriving in a decimal field (history, paste, start value) makes the field
// hexadecimal at once, so Enter (Validate) reads it as hex and later digits are hex digits too.
TEST(NumberFieldTest, DollarTextMakesTheFieldHexBeforeItIsLeft) {
    NumberField field;
    field.SetText("$20");
    EXPECT_TRUE(field.FollowDollar());
    EXPECT_TRUE(field.Hex());
    EXPECT_EQ(field.Text(), "$20") << "the text stays as it came";
    EXPECT_FALSE(field.FollowDollar()) << "already hex";
    field.SetText("10");
    EXPECT_TRUE(field.Validate());
    EXPECT_EQ(field.Value(), 16);
    EXPECT_EQ(field.Text(), "$10");

    NumberField pasted;
    pasted.SetText("$2F");
    EXPECT_TRUE(pasted.Validate());
    EXPECT_TRUE(pasted.Hex());
    EXPECT_EQ(pasted.Value(), 47);
}

TEST(NumberFieldTest, FailedEntryReturnsToTheRevertValue) {
    NumberField field;
    field.SetValue(5);
    field.Enter();
    field.SetText("");
    EXPECT_FALSE(field.Leave());
    EXPECT_EQ(field.Value(), 5);
    EXPECT_EQ(field.Text(), "5");

    field.SetValue(7);
    field.Revert();
    EXPECT_EQ(field.Value(), 5);
    EXPECT_EQ(field.Text(), "5");
}

TEST(NumberFieldTest, HexModeShowsTheSameValue) {
    NumberField field;
    field.SetValue(255);
    field.SetDigitsFrac(2);
    field.SetHex(true);
    EXPECT_EQ(field.Text(), "$FF");
    EXPECT_EQ(field.Value(), 255);
    EXPECT_EQ(field.DigitsFrac(), 0);
    field.SetDigitsFrac(3); // hex numbers have no fraction
    EXPECT_EQ(field.DigitsFrac(), 0);
    field.SetHex(false);
    EXPECT_EQ(field.Text(), "255");
}

TEST(NumberFieldTest, ReformatReadsDollarTextInDecimalMode) {
    NumberField field;
    field.SetText("$10");
    field.Reformat();
    EXPECT_EQ(field.Value(), 16);
    EXPECT_EQ(field.Text(), "16");
    field.SetText("x");
    field.Reformat(); // not a number: nothing changes
    EXPECT_EQ(field.Value(), 16);
    EXPECT_EQ(field.Text(), "x");
}

TEST(NumberFieldTest, OtherDecimalSeparator) {
    NumberField field(',');
    field.SetDigitsFrac(2);
    field.SetValue(1.5L);
    EXPECT_EQ(field.Text(), "1,50");
    field.SetText("2.25");
    EXPECT_TRUE(field.Validate());
    EXPECT_EQ(field.Text(), "2,25");
    EXPECT_EQ(field.FilterKey(',', 1, 4), ',');
}

} // namespace
} // namespace qhe
