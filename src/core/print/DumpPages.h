#pragma once
#include <cstdint>

#include "core/document/ByteRuns.h"

#include "core/print/DumpReport.h"
#include "core/print/ReportPager.h"

namespace qhe {

// The pages of a printed dump, each laid out when asked for. Every page holds the same number of
// rows, so page n is found without laying out the pages before it: a preview of a whole large
// Document needs memory for the shown page only.
class DumpPages {
  public:
    DumpPages(ReportSetup setup, TextMeasure measure, const ByteView& buffer, DumpRange range,
              DumpFormat format);

    // Ok, or why not even the first page can be laid out; fitted() is false when a row is too wide.
    ReportPager::BeginResult Begin() const { return begin_; }
    bool Fitted() const { return fitted_; }
    int RowsPerPage() const { return rowsPerPage_; }
    int Count() const { return count_; }
    // Page n, 1 .. Count().
    ReportPage Page(int n) const;

  private:
    ReportPage LayOut(int n, bool* fitted) const;

    ReportSetup setup_;
    TextMeasure measure_;
    ByteView buffer_;
    DumpRange range_;
    DumpFormat format_;
    ReportPager::BeginResult begin_ = ReportPager::BeginResult::Ok;
    bool fitted_ = true;
    int rowsPerPage_ = 0;
    int count_ = 0;
};

} // namespace qhe
