#include "gui/print/ReportPainter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPrinter>

#include <algorithm>

#include "core/print/ReportGeometry.h"
#include "core/text/Ansi.h"

namespace qhe {

QString ReportString(std::string_view ansi) {
    QString text;
    text.reserve(static_cast<qsizetype>(ansi.size()));
    for (char c : ansi) {
        const char32_t u = AnsiToUnicode(static_cast<uint8_t>(c));
        text.append(u < 0x10000 ? QChar(static_cast<char16_t>(u)) : QChar('?'));
    }
    return text;
}

ReportFonts::ReportFonts(int pointSize, int resolution) : regular("Courier New") {
    regular.setPixelSize(std::max(1, (pointSize * resolution + 36) / 72));
    regular.setStyleHint(QFont::Monospace);
    bold = regular;
    bold.setStyleHint(QFont::Monospace);
    bold.setBold(true);
}

TextMeasure MeasureWith(const QFont& font) {
    const QFontMetrics metrics(font);
    // A fixed-pitch font (the report's "Courier New" resolves to one) needs no shaping per line.
    if (QFontInfo(font).fixedPitch()) {
        const int advance = metrics.horizontalAdvance(QChar('X'));
        return [advance](std::string_view text) { return advance * static_cast<int>(text.size()); };
    }
    return [metrics](std::string_view text) { return metrics.horizontalAdvance(ReportString(text)); };
}

void PaintReportPage(QPainter& painter, const ReportPage& page, const ReportFonts& fonts) {
    // Pen and font are set only when they change: a page is some 60 lines of one font.
    const int ascent[2] = {QFontMetrics(fonts.regular).ascent(), QFontMetrics(fonts.bold).ascent()};
    int pen = -1;  // the rule width set, 0 for text
    int font = -1; // 0 regular, 1 bold
    for (const ReportItem& item : page.items) {
        if (item.kind == ReportItem::Kind::Rule) {
            if (pen != item.thickness) painter.setPen(QPen(Qt::black, item.thickness));
            pen = item.thickness;
            painter.drawLine(item.x, item.y, item.x + item.width, item.y);
            continue;
        }
        if (pen != 0) painter.setPen(Qt::black);
        pen = 0;
        const int bold = item.bold ? 1 : 0;
        if (font != bold) painter.setFont(bold ? fonts.bold : fonts.regular);
        font = bold;
        painter.drawText(item.x, item.y + ascent[bold], ReportString(item.text));
    }
}

PrinterPage PageOf(QPrinter& printer) {
    PrinterPage page;
    page.resolution = printer.resolution();
    const QRect paint = printer.pageLayout().paintRectPixels(page.resolution);
    page.printableWidth = paint.width();
    page.printableHeight = paint.height();
    page.offsetX = paint.left();
    page.offsetY = paint.top();
    return page;
}

ReportSetup MakeReportSetup(QPrinter& printer, const DumpPrintSettings& settings, const ReportFonts& fonts) {
    const PrinterPage page = PageOf(printer);
    ReportSetup setup;
    setup.resolution = page.resolution;
    setup.printableWidth = page.printableWidth;
    setup.printableHeight = page.printableHeight;
    const auto margin = [&](double value, int offset) {
        return ApplyMargin(value, settings.unit, page.resolution, offset).pixels;
    };
    setup.marginLeft = margin(settings.marginLeft, page.offsetX);
    setup.marginRight = margin(settings.marginRight, page.offsetX);
    setup.marginTop = margin(settings.marginTop, page.offsetY);
    setup.marginBottom = margin(settings.marginBottom, page.offsetY);
    setup.lineHeight = LineHeightFor(LineSpacing::Single, QFontMetrics(fonts.regular).height());
    return setup;
}

} // namespace qhe
