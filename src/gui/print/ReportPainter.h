#pragma once
#include <QFont>
#include <QString>

#include <string>
#include <string_view>

#include "core/print/ReportGeometry.h"
#include "core/print/ReportPager.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace qhe {

// Report texts are bytes of the program's single-byte code page.
QString ReportString(std::string_view ansi);

// The report font: "Courier New" at one of the dialog's sizes, plain and bold, sized in the pixels of
// a device of the resolution, so the preview (any scale) and the printer draw the same page.
struct ReportFonts {
    QFont regular, bold;
    ReportFonts(int pointSize, int resolution);
};

// Widths of texts in the report font, in pixels.
TextMeasure MeasureWith(const QFont& font);

// Draws one laid-out page; item positions are device pixels from the printable area's corner.
void PaintReportPage(QPainter& painter, const ReportPage& page, const ReportFonts& fonts);

// What the report needs to know of a printer's page, in its device pixels.
struct PrinterPage {
    int resolution = 0;
    int printableWidth = 0, printableHeight = 0;
    int offsetX = 0, offsetY = 0; // the unprintable border left and top
};
PrinterPage PageOf(QPrinter& printer);

// The printed dump's settings as the dialog gives them; margins in the unit.
struct DumpPrintSettings {
    MeasureUnit unit = MeasureUnit::Millimetre;
    double marginLeft = 15, marginRight = 15, marginTop = 15, marginBottom = 15;
    int fontSize = 10;
};

// A report laid out for printer: margins against its printable border, line height from the font.
ReportSetup MakeReportSetup(QPrinter& printer, const DumpPrintSettings& settings, const ReportFonts& fonts);

} // namespace qhe
