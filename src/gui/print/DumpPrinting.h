#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/print/DumpReport.h"
#include "editor/Ui.h"
#include "gui/print/ReportPainter.h"

class QPrinter;
class QWidget;

namespace qhe {

// Placeholder values at the start of an output: the time now in the user's short formats and the
// program file's name and time.
PlaceholderValues CurrentPlaceholderValues();

enum class DumpPrintOutcome { Printed, PageSetupFailed, LineTooWide, Cancelled };

// Lays the dump of positions range.first .. range.last of buffer out for printer and paints each
// page as soon as it is complete (so memory stays bounded whatever the size). The printer carries
// the job's title; the page head names fileName.
DumpPrintOutcome PrintDump(QPrinter& printer, const DumpPrintSettings& settings, const std::string& fileName,
                           const ByteView& buffer, DumpRange range, const DumpFormat& format,
                           const DumpPrintProgress& progress = {});

// The dump rows on each page of printer (0 when not even the first page can be laid out): the range
// rules widen a page or a selection to whole pages with it.
int DumpRowsPerPage(QPrinter& printer, const DumpPrintSettings& settings, const DumpFormat& format);

class TFormPreview;

// The preview of a dump for printer, its pages laid out when shown, built under the progress box
// "正在创建预览...". Answers the outcome of the layout (Cancelled after Cancel in the box); preview is
// set only when it is Printed (ready to show).
DumpPrintOutcome MakeDumpPreview(QPrinter& printer, const DumpPrintSettings& settings,
                                 const std::string& fileName, const ByteView& buffer, DumpRange range,
                                 const DumpFormat& format, QWidget* parent,
                                 std::unique_ptr<TFormPreview>& preview);

// For the "PDF 文件" entry: each print job from preview first asks ui for the .pdf file (starting in
// initialDir) and writes there; Cancel drops the job.
void AskPdfFileBeforePrinting(TFormPreview& preview, QPrinter& printer, Ui& ui,
                              const std::string& initialDir);

} // namespace qhe
