#include "core/print/ReportGeometry.h"
#include "core/print/ReportText.h"

#include <gtest/gtest.h>

namespace qhe {
namespace {

// A fixed-width font: 10 pixels a character.
int Mono(std::string_view text) {
    return 10 * static_cast<int>(text.size());
}

TEST(ReportText, TemplatePartsEndAtTheirBrace) {
    const TemplateParts parts = SplitTemplate("<{File: a.bin}>{Printed 1.2.}^{mid");
    EXPECT_EQ(parts.left, "File: a.bin");
    EXPECT_EQ(parts.right, "Printed 1.2.");
    EXPECT_EQ(parts.centre, ""); // no closing brace
    EXPECT_TRUE(HasTemplateMarks("x^{y}"));
    EXPECT_FALSE(HasTemplateMarks("000000000:  3C 7B   <"));
}

TEST(ReportText, PlaceholdersLongerNamesFirstAndSelfReferenceLeftAlone) {
    PlaceholderValues values;
    values.date = "7.12.2026";
    values.time = "14:50";
    values.exeName = "qhe32";
    values.exeDate = "1.1.2026";
    values.exeTime = "%EXETIME!";
    values.page = 3;
    values.line = 12;
    EXPECT_EQ(ReplacePlaceholders("%EXENAME %EXEDATE %EXETIME %DATE %TIME p%PAGE l%LINE %PAGE", values),
              "qhe32 1.1.2026 %EXETIME 7.12.2026 14:50 p3 l12 3");
}

TEST(ReportText, WordWrapBreaksAfterBlankOrPunctuationBeyondTheFifthCharacter) {
    // 12 characters fit.
    FittedLine line = FitLine("Hello world, this is long", 120, Mono, true);
    EXPECT_FALSE(line.fitted);
    EXPECT_EQ(line.pieces, (std::vector<std::string>{"Hello world,", " this is ", "long"}));
    // The only break lies within the first five characters: cut where it stops fitting.
    line = FitLine("ab cdefghijklmnop", 60, Mono, true);
    EXPECT_EQ(line.pieces, (std::vector<std::string>{"ab cde", "fghijk", "lmnop"}));
    // Without word wrap the line is cut to fit.
    line = FitLine("abcdefghij", 50, Mono, false);
    EXPECT_EQ(line.pieces, std::vector<std::string>{"abcde"});
    EXPECT_FALSE(line.fitted);
    EXPECT_TRUE(FitLine("abc", 30, Mono, true).fitted);
    // Narrower than one character: still one character a piece, and it ends.
    EXPECT_EQ(FitLine("abc", 5, Mono, true).pieces.size(), 3u);
}

TEST(ReportGeometry, LineHeightsAndMargins) {
    EXPECT_EQ(LineHeightFor(LineSpacing::Half, 41), 20);
    EXPECT_EQ(LineHeightFor(LineSpacing::Single, 41), 41);
    EXPECT_EQ(LineHeightFor(LineSpacing::SingleAndHalf, 41), 61);
    EXPECT_EQ(LineHeightFor(LineSpacing::Double, 41), 82);

    // 15 mm at 600 dpi is 354 pixels from the edge; 100 of them are unprintable.
    PixelMargin m = ApplyMargin(15, MeasureUnit::Millimetre, 600, 100);
    EXPECT_EQ(m.pixels, 254);
    EXPECT_DOUBLE_EQ(m.margin, 15);
    // Inside the unprintable border: the margin becomes the border.
    m = ApplyMargin(2, MeasureUnit::Millimetre, 600, 100);
    EXPECT_EQ(m.pixels, 0);
    EXPECT_DOUBLE_EQ(m.margin, 4.23);
    m = ApplyMargin(0.59, MeasureUnit::Inch, 300, 18);
    EXPECT_EQ(m.pixels, 159);
    EXPECT_DOUBLE_EQ(ConvertMargin(15, MeasureUnit::Millimetre, MeasureUnit::Inch), 0.59);
    EXPECT_DOUBLE_EQ(ConvertMargin(0.59, MeasureUnit::Inch, MeasureUnit::Millimetre), 14.99);
    EXPECT_EQ(MarginToSetting(0.59), 59);
    EXPECT_EQ(MarginToSetting(15), 1500);
}

} // namespace
} // namespace qhe
