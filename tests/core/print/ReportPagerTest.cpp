#include "core/print/ReportPager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhe {
namespace {

int Mono(std::string_view text) {
    return 10 * static_cast<int>(text.size());
}

// A page 400 x 300 pixels, margins 20, lines 20 high.
ReportSetup SmallPage() {
    ReportSetup setup;
    setup.printableWidth = 400;
    setup.printableHeight = 300;
    setup.marginLeft = setup.marginRight = setup.marginTop = setup.marginBottom = 20;
    setup.lineHeight = 20;
    setup.header = "<{File: a}>{Printed %DATE}";
    setup.footer = "<{by QHE32}>{Page %PAGE}";
    setup.values.date = "7.12.2026";
    return setup;
}

std::vector<std::string> Texts(const ReportPage& page) {
    std::vector<std::string> texts;
    for (const ReportItem& item : page.items)
        if (item.kind == ReportItem::Kind::Text) texts.push_back(item.text);
    return texts;
}

TEST(ReportPager, ColumnHeaderOnEveryPageAndBreaksAboveTheFooter) {
    std::vector<ReportPage> pages;
    ReportPager pager(SmallPage(), Mono, [&](ReportPage&& page) { pages.push_back(std::move(page)); });
    pager.onAfterNewPage = [](ReportPager& report) { report.PrintPlainLine("Offset hex."); };
    ASSERT_EQ(pager.BeginDoc(), ReportPager::BeginResult::Ok);
    // Body from y 70 (header 20..40, half a line, rule at 50, a line of space) to the footer area at 250:
    // nine lines, the column header one of them.
    EXPECT_EQ(pager.LinesPerPage(), 8);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(pager.PrintPlainLine("row " + std::to_string(i)));
    pager.EndDoc();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(Texts(pages[0]), (std::vector<std::string>{"by QHE32", "Page 1", "File: a", "Printed 7.12.2026",
                                                         "Offset hex.", "row 0", "row 1", "row 2", "row 3",
                                                         "row 4", "row 5", "row 6", "row 7"}));
    EXPECT_EQ(Texts(pages[1])[1], "Page 2");
    EXPECT_EQ(Texts(pages[1])[4], "Offset hex.");
    EXPECT_EQ(Texts(pages[1])[5], "row 8");
    // The right part ends at the right margin, the last row stays above the footer area.
    EXPECT_EQ(pages[0].items[2].x + Mono("Page 1"), 380);
    EXPECT_LE(pages[0].items.back().y + 20, 250);
}

TEST(ReportPager, RulesTemplatesAndPlainData) {
    std::vector<ReportPage> pages;
    ReportSetup setup = SmallPage();
    setup.resolution = 600;
    ReportPager pager(setup, Mono, [&](ReportPage&& page) { pages.push_back(std::move(page)); });
    ASSERT_EQ(pager.BeginDoc(), ReportPager::BeginResult::Ok);
    EXPECT_TRUE(pager.PrintLine("$=="));
    EXPECT_TRUE(pager.PrintLine("^{mid}"));
    EXPECT_TRUE(pager.PrintPlainLine("<{x}"));           // data, printed as it is
    EXPECT_FALSE(pager.PrintLine(std::string(40, 'w'))); // wider than 360 pixels: wrapped, not fitted
    pager.EndDoc();
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<ReportItem>& items = pages[0].items;
    const ReportItem& thick = items[items.size() - 5];
    EXPECT_EQ(thick.kind, ReportItem::Kind::Rule);
    EXPECT_EQ(thick.thickness, 8);
    EXPECT_EQ(items[items.size() - 4].text, "mid");
    EXPECT_EQ(items[items.size() - 4].x, 20 + (360 - 30) / 2);
    EXPECT_EQ(items[items.size() - 3].text, "<{x}");
    EXPECT_EQ(items[items.size() - 2].text, std::string(36, 'w'));
}

TEST(ReportPager, RefusesMarginsWithoutRoom) {
    ReportSetup setup = SmallPage();
    setup.marginLeft = 250;
    setup.marginRight = 150;
    EXPECT_EQ(ReportPager(setup, Mono, {}).BeginDoc(), ReportPager::BeginResult::NoWidth);
    setup = SmallPage();
    setup.marginTop = 200;
    // Inside the page, but the head and footer leave no line.
    EXPECT_EQ(ReportPager(setup, Mono, {}).BeginDoc(), ReportPager::BeginResult::NoHeight);
    EXPECT_STREQ(ReportPager::BeginErrorText(ReportPager::BeginResult::NoWidth),
                 "Insufficient paper width.\r\nChange left/right margin");
}

} // namespace
} // namespace qhe
