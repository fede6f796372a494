#include "core/print/DumpPages.h"

#include <gtest/gtest.h>

#include <vector>

namespace qhe {
namespace {

int Mono(std::string_view text) {
    return 10 * static_cast<int>(text.size());
}

// Any page laid out on its own equals the same page of one run through the whole dump.
TEST(DumpPages, PageOnDemandEqualsThePageOfAFullRun) {
    ReportSetup setup;
    setup.printableWidth = 1000;
    setup.printableHeight = 300;
    setup.marginLeft = setup.marginRight = setup.marginTop = setup.marginBottom = 10;
    setup.lineHeight = 20;
    setup.footer = "<{x}>{Page %PAGE}";
    std::vector<uint8_t> data(1000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i);
    for (const bool below : {false, true}) {
        const DumpFormat format{16, false, below};
        const DumpRange range{17, 1000};
        std::vector<ReportPage> all;
        ReportPager pager(setup, Mono, [&](ReportPage&& page) { all.push_back(std::move(page)); });
        AttachColumnHeader(pager, format);
        ASSERT_EQ(pager.BeginDoc(), ReportPager::BeginResult::Ok);
        ASSERT_TRUE(PrintDumpRows(pager, data.data(), range, format).fitted);
        pager.EndDoc();

        const DumpPages pages(setup, Mono, data.data(), range, format);
        ASSERT_EQ(pages.Begin(), ReportPager::BeginResult::Ok);
        EXPECT_TRUE(pages.Fitted());
        ASSERT_EQ(pages.Count(), static_cast<int>(all.size())) << below;
        for (int n = 1; n <= pages.Count(); ++n) {
            const ReportPage page = pages.Page(n);
            EXPECT_EQ(page.number, n);
            ASSERT_EQ(page.items.size(), all[n - 1].items.size()) << n;
            for (size_t i = 0; i < page.items.size(); ++i) {
                EXPECT_EQ(page.items[i].text, all[n - 1].items[i].text);
                EXPECT_EQ(page.items[i].y, all[n - 1].items[i].y);
            }
        }
    }
}

} // namespace
} // namespace qhe
