#include "gui/print/DumpPrinting.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include "core/print/DumpPages.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/print/DumpFileCommand.h"
#include "gui/dialogs/ProgressBox.h"
#include "gui/print/FormPreview.h"

namespace qhe {

PlaceholderValues CurrentPlaceholderValues() {
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QDateTime built = program.lastModified();
    PlaceholderValues values;
    values.date = locale.toString(now.date(), QLocale::ShortFormat).toStdString();
    values.time = locale.toString(now.time(), QLocale::ShortFormat).toStdString();
    values.exeName = program.fileName().toStdString();
    values.exeDate = locale.toString(built.date(), QLocale::ShortFormat).toStdString();
    values.exeTime = locale.toString(built.time(), QLocale::ShortFormat).toStdString();
    return values;
}

namespace {

constexpr int kPreviewHelp = 65;

// The page setup of a dump report: the printer's page, the dialog's settings and the dump's
// head and foot lines with today's placeholder values.
ReportSetup MakeDumpSetup(QPrinter& printer, const DumpPrintSettings& settings, const ReportFonts& fonts,
                          const DumpPrintTexts& texts) {
    ReportSetup setup = MakeReportSetup(printer, settings, fonts);
    setup.header = texts.header;
    setup.footer = texts.footer;
    setup.values = CurrentPlaceholderValues();
    return setup;
}

} // namespace

DumpPrintOutcome PrintDump(QPrinter& printer, const DumpPrintSettings& settings, const std::string& fileName,
                           const ByteView& buffer, DumpRange range, const DumpFormat& format,
                           const DumpPrintProgress& progress) {
    const ReportFonts fonts(settings.fontSize, printer.resolution());
    const DumpPrintTexts texts = MakeDumpPrintTexts(fileName);
    const ReportSetup setup = MakeDumpSetup(printer, settings, fonts, texts);
    if (printer.docName().isEmpty()) printer.setDocName(QString::fromStdString(texts.title));

    QPainter painter;
    bool first = true;
    bool painting = true;
    ReportPager pager(setup, MeasureWith(fonts.regular), [&](ReportPage&& page) {
        if (!painting) return;
        if (first) {
            painting = painter.begin(&printer);
            first = false;
        } else {
            painting = printer.newPage();
        }
        if (painting) PaintReportPage(painter, page, fonts);
    });
    AttachColumnHeader(pager, format);
    if (pager.BeginDoc() != ReportPager::BeginResult::Ok) return DumpPrintOutcome::PageSetupFailed;
    const DumpPrintResult result = PrintDumpRows(pager, buffer, range, format, progress);
    if (!result.fitted || result.cancelled) {
        // Nothing half printed: the pages painted so far are dropped with the job.
        if (painter.isActive()) {
            printer.abort();
            painter.end();
        }
        return result.fitted ? DumpPrintOutcome::Cancelled : DumpPrintOutcome::LineTooWide;
    }
    pager.EndDoc();
    if (painter.isActive()) painter.end();
    return painting ? DumpPrintOutcome::Printed : DumpPrintOutcome::PageSetupFailed;
}

int DumpRowsPerPage(QPrinter& printer, const DumpPrintSettings& settings, const DumpFormat& format) {
    const ReportFonts fonts(settings.fontSize, printer.resolution());
    ReportSetup setup = MakeReportSetup(printer, settings, fonts);
    // The head takes the same room whatever the file's name and the time.
    const DumpPrintTexts texts = MakeDumpPrintTexts("");
    setup.header = texts.header;
    setup.footer = texts.footer;
    return DumpPages(setup, MeasureWith(fonts.regular), nullptr, {1, 0}, format).RowsPerPage();
}

DumpPrintOutcome MakeDumpPreview(QPrinter& printer, const DumpPrintSettings& settings,
                                 const std::string& fileName, const ByteView& buffer, DumpRange range,
                                 const DumpFormat& format, QWidget* parent,
                                 std::unique_ptr<TFormPreview>& preview) {
    const ReportFonts fonts(settings.fontSize, printer.resolution());
    const DumpPrintTexts texts = MakeDumpPrintTexts(fileName);
    const ReportSetup setup = MakeDumpSetup(printer, settings, fonts, texts);
    printer.setDocName(QString::fromStdString(texts.title));
    // Pages are laid out when shown, so only the first one is built here: the box is up briefly
    // whatever the size, and a cancel in it still means no preview.
    std::shared_ptr<DumpPages> pages;
    {
        TProgressBox progress(parent, true, true, QString::fromStdString(FormatMsg(kMsgPrintPage, {1})),
                              QString::fromStdString(Msg(kMsgCreatingPreview)));
        progress.ShowNow();
        pages = std::make_shared<DumpPages>(setup, MeasureWith(fonts.regular), buffer, range, format);
        progress.SetText(FormatMsg(kMsgPrintPage, {pages->Count()}), 1);
        progress.SetProgress(1, 1, 2);
        if (progress.Cancelled()) return DumpPrintOutcome::Cancelled;
    }
    if (pages->Begin() != ReportPager::BeginResult::Ok) return DumpPrintOutcome::PageSetupFailed;
    if (!pages->Fitted()) return DumpPrintOutcome::LineTooWide;
    PreviewSource source;
    source.count = pages->Count();
    source.page = [pages](int n) { return pages->Page(n); };
    const int resolution = printer.resolution();
    source.paperSize = printer.pageLayout().fullRectPixels(resolution).size();
    source.printableOffset = printer.pageLayout().paintRectPixels(resolution).topLeft();
    preview =
        std::make_unique<TFormPreview>("Preview", std::move(source), fonts, printer, kPreviewHelp, parent);
    return DumpPrintOutcome::Printed;
}

void AskPdfFileBeforePrinting(TFormPreview& preview, QPrinter& printer, Ui& ui,
                              const std::string& initialDir) {
    preview.beforePrint = [&printer, &ui, initialDir] {
        const std::optional<std::string> name = ChoosePdfFile(ui, initialDir);
        if (name) printer.setOutputFileName(QFile::decodeName(name->c_str()));
        return name.has_value();
    };
}

} // namespace qhe
