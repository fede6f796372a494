#include "core/print/DumpPages.h"

#include <algorithm>
#include <utility>

namespace qhe {

DumpPages::DumpPages(ReportSetup setup, TextMeasure measure, const ByteView& buffer, DumpRange range,
                     DumpFormat format)
    : setup_(std::move(setup)), measure_(std::move(measure)), buffer_(buffer), range_(range),
      format_(format) {
    ReportPager probe(setup_, measure_, {});
    AttachColumnHeader(probe, format_);
    begin_ = probe.BeginDoc();
    if (begin_ != ReportPager::BeginResult::Ok) return;
    rowsPerPage_ = format_.textBelow ? probe.LinesPerPage() / 2 : probe.LinesPerPage();
    if (rowsPerPage_ < 1) {
        begin_ = ReportPager::BeginResult::NoHeight;
        return;
    }
    const int64_t width = std::max(1, format_.bytesPerRow);
    const int64_t rows = range_.last >= range_.first ? (range_.last - range_.first) / width + 1 : 0;
    count_ = static_cast<int>(std::max<int64_t>(1, (rows + rowsPerPage_ - 1) / rowsPerPage_));
    LayOut(1, &fitted_);
}

ReportPage DumpPages::Page(int n) const {
    return LayOut(n, nullptr);
}

ReportPage DumpPages::LayOut(int n, bool* fitted) const {
    ReportSetup setup = setup_;
    setup.firstPage = n;
    ReportPage result;
    bool done = false;
    ReportPager pager(setup, measure_, [&](ReportPage&& page) {
        if (!done) result = std::move(page);
        done = true;
    });
    AttachColumnHeader(pager, format_);
    if (pager.BeginDoc() != ReportPager::BeginResult::Ok) return result;
    const int64_t width = std::max(1, format_.bytesPerRow);
    DumpRange rows = range_;
    rows.first = range_.first + static_cast<int64_t>(n - 1) * rowsPerPage_ * width;
    rows.last = std::min(range_.last, rows.first + static_cast<int64_t>(rowsPerPage_) * width - 1);
    const DumpPrintResult printed = PrintDumpRows(pager, buffer_, rows, format_);
    if (fitted) *fitted = printed.fitted;
    pager.EndDoc();
    return result;
}

} // namespace qhe
