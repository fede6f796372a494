#pragma once
#include <cstdint>

#include "core/document/ByteRuns.h"
#include <functional>
#include <string>

#include "core/print/DumpText.h"
#include "core/print/ReportPager.h"

namespace qhe {

// The texts the printed dump carries for the Document's file.
struct DumpPrintTexts {
    std::string title;  // the print job's name
    std::string header; // file name left, time of printing right
    std::string footer; // credit left, page number right
};
DumpPrintTexts MakeDumpPrintTexts(const std::string& fileName);

// Prints the column header line as the first line of every page.
void AttachColumnHeader(ReportPager& pager, const DumpFormat& format);

// Told after every 64 bytes (bytes done, bytes in all, page number); answers false to cancel.
using DumpPrintProgress = std::function<bool(int64_t done, int64_t total, int page)>;

struct DumpPrintResult {
    bool fitted = true; // false: a line was wider than the page, the run stopped there
    bool cancelled = false;
};

// Prints the rows of positions range.first .. range.last of buffer (1-based). With text below a row's
// two lines stay on one page. Dump rows are data: never read as rules or templates.
DumpPrintResult PrintDumpRows(ReportPager& pager, const ByteView& buffer, DumpRange range,
                              const DumpFormat& format, const DumpPrintProgress& progress = {});

} // namespace qhe
