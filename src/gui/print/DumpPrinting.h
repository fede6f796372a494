#pragma once
#include <cstdint>
#include <string>

#include "core/print/DumpReport.h"
#include "gui/print/ReportPainter.h"

class QPrinter;

namespace qhe {

// Placeholder values at the start of an output: the time now in the user's short formats and the
// program file's name and time.
PlaceholderValues CurrentPlaceholderValues();

enum class DumpPrintOutcome { Printed, PageSetupFailed, LineTooWide, Cancelled };

// Lays the dump of positions range.first .. range.last of buffer out for printer and paints each
// page as soon as it is complete (so memory stays bounded whatever the size). The printer carries
// the job's title; the page head names fileName.
DumpPrintOutcome PrintDump(QPrinter& printer, const DumpPrintSettings& settings, const std::string& fileName,
                           const uint8_t* buffer, DumpRange range, const DumpFormat& format,
                           const DumpPrintProgress& progress = {});

} // namespace qhe
