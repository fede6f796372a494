#include "core/print/DumpReport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhe {
namespace {

int Mono(std::string_view text) {
    return 10 * static_cast<int>(text.size());
}

struct PrintedDump {
    std::vector<ReportPage> pages;
    std::vector<std::vector<std::string>> texts; // body texts per page (after the head)
};

PrintedDump PrintDump(int width, int height, const std::vector<uint8_t>& data, const DumpFormat& format,
                      bool& fitted) {
    ReportSetup setup;
    setup.printableWidth = width;
    setup.printableHeight = height;
    setup.lineHeight = 10;
    setup.header = "";
    setup.footer = "";
    setup.layout.borderTop = setup.layout.borderBottom = false;
    PrintedDump run;
    ReportPager pager(setup, Mono, [&](ReportPage&& page) { run.pages.push_back(std::move(page)); });
    AttachColumnHeader(pager, format);
    EXPECT_EQ(pager.BeginDoc(), ReportPager::BeginResult::Ok);
    fitted = PrintDumpRows(pager, data.data(), {1, static_cast<int64_t>(data.size())}, format).fitted;
    pager.EndDoc();
    for (const ReportPage& page : run.pages) {
        run.texts.emplace_back();
        for (const ReportItem& item : page.items)
            run.texts.back().push_back(item.text);
    }
    return run;
}

TEST(DumpReport, TextBelowKeepsBothLinesOfARowOnOnePage) {
    const std::vector<uint8_t> data(12, 'a');
    bool fitted = false;
    // Four lines a page: the column header, then one row of two lines; the second row's pair does not
    // fit in the one line left, so it starts the next page.
    const PrintedDump run = PrintDump(1000, 40, data, {4, false, true}, fitted);
    EXPECT_TRUE(fitted);
    ASSERT_EQ(run.pages.size(), 3u);
    EXPECT_EQ(run.texts[1], (std::vector<std::string>{"Offset hex. 00 01 02 03 ", "000000004:  61 61 61 61 ",
                                                      "             a  a  a  a"}));
}

TEST(DumpReport, TooWideRowStopsTheRun) {
    const std::vector<uint8_t> data(64, 'a');
    bool fitted = true;
    PrintDump(200, 1000, data, {16, false, false}, fitted);
    EXPECT_FALSE(fitted);
}

TEST(DumpReport, PrintTexts) {
    const DumpPrintTexts texts = MakeDumpPrintTexts("/home/u/a.bin");
    EXPECT_EQ(texts.title, "QHE32 - a.bin");
    EXPECT_EQ(texts.header, "<{File: /home/u/a.bin}>{Printed %DATE %TIME}");
    EXPECT_EQ(texts.footer, "<{Printed by QHE32}>{Page %PAGE}");
}

} // namespace
} // namespace qhe
