#include "core/print/DumpReport.h"

#include <algorithm>
#include <string_view>

namespace qhe {
namespace {

std::string NameWithoutFolder(const std::string& fileName) {
    const size_t slash = fileName.find_last_of('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

} // namespace

DumpPrintTexts MakeDumpPrintTexts(const std::string& fileName) {
    return {"QHE32 - " + NameWithoutFolder(fileName), "<{File: " + fileName + "}>{Printed %DATE %TIME}",
            "<{Printed by QHE32}>{Page %PAGE}"};
}

void AttachColumnHeader(ReportPager& pager, const DumpFormat& format) {
    pager.onAfterNewPage = [header = DumpColumnHeader(format)](ReportPager& report) {
        report.PrintPlainLine(header);
    };
}

DumpPrintResult PrintDumpRows(ReportPager& pager, const ByteView& buffer, DumpRange range,
                              const DumpFormat& format, const DumpPrintProgress& progress) {
    DumpPrintResult result;
    const int64_t width = std::max(1, format.bytesPerRow);
    const int64_t total = range.last - range.first + 1;
    std::string text;
    for (int64_t row = range.first; row <= range.last; row += width) {
        const int count = static_cast<int>(std::min(width, range.last - row + 1));
        text.clear();
        AppendDumpRow(text, format, static_cast<uint64_t>(row - 1), buffer.At(row, count), count, "\n");
        std::string_view lines(text);
        lines.remove_suffix(1);
        if (format.textBelow) {
            if (!pager.HasRoom(2)) pager.NewPage();
            const size_t split = lines.find('\n');
            result.fitted =
                pager.PrintPlainLine(lines.substr(0, split)) && pager.PrintPlainLine(lines.substr(split + 1));
        } else {
            result.fitted = pager.PrintPlainLine(lines);
        }
        if (!result.fitted) return result;
        const int64_t done = row - range.first + count;
        if (progress && done % 64 == 0 && !progress(done, total, pager.PageNumber())) {
            result.cancelled = true;
            return result;
        }
    }
    return result;
}

} // namespace qhe
