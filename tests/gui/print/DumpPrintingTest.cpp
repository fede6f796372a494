#include "gui/print/DumpPrinting.h"

#include <QApplication>
#include <QDir>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QTemporaryDir>
#include <QScrollArea>
#include <QTest>

#include "FakeUi.h"
#include "SmallTmpfs.h"
#include "TempDir.h"
#include "core/text/Format.h"
#include "editor/OwnTexts.h"
#include "gui/dialogs/MessageDialog.h"
#include "gui/dialogs/ProgressBox.h"
#include "gui/print/FormPreview.h"

#include <gtest/gtest.h>

#include <vector>

namespace qhe {
namespace {

QPrinter& PdfPrinter(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

// The text of a PDF as poppler reads it back; empty when pdftotext is missing.
QString PdfText(const QString& file) {
    QProcess process;
    process.start("pdftotext", {"-layout", file, "-"});
    if (!process.waitForFinished(20000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(DumpPrinting, PdfHoldsHeaderColumnHeaderAndRowsOnEveryPage) {
    QTemporaryDir dir;
    const QString file = dir.filePath("dump.pdf");
    QPrinter printer(QPrinter::HighResolution);
    std::vector<uint8_t> data(16 * 150);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>('a' + i % 26);
    const DumpFormat format{16, false, false};
    ASSERT_EQ(PrintDump(PdfPrinter(printer, file), {}, "/tmp/x.bin", data.data(),
                        {1, static_cast<int64_t>(data.size())}, format),
              DumpPrintOutcome::Printed);
    const QString text = PdfText(file);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    EXPECT_TRUE(text.contains("File: /tmp/x.bin"));
    EXPECT_TRUE(text.contains("Printed by QHE32"));
    EXPECT_TRUE(text.contains("Page 2"));
    EXPECT_GE(text.count("Offset hex. 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"), 2);
    EXPECT_TRUE(
        text.contains("000000000: 61 62 63 64 65 66 67 68 69 6A 6B 6C 6D 6E 6F 70 abcdefghijklmnop") ||
        text.contains("000000000:  61 62 63 64 65 66 67 68 69 6A 6B 6C 6D 6E 6F 70 abcdefghijklmnop"));
    EXPECT_TRUE(text.contains("000000950:"));
}

TEST(DumpPrinting, TooWideRowsAndMarginsAreRefused) {
    QTemporaryDir dir;
    std::vector<uint8_t> data(200, 'x');
    QPrinter printer(QPrinter::HighResolution);
    DumpPrintSettings settings;
    settings.fontSize = 12;
    EXPECT_EQ(PrintDump(PdfPrinter(printer, dir.filePath("a.pdf")), settings, "x", data.data(), {1, 200},
                        {99, false, false}),
              DumpPrintOutcome::LineTooWide);
    QPrinter printer2(QPrinter::HighResolution);
    settings.marginLeft = 150;
    settings.marginRight = 150;
    EXPECT_EQ(PrintDump(PdfPrinter(printer2, dir.filePath("b.pdf")), settings, "x", data.data(), {1, 200},
                        {16, false, false}),
              DumpPrintOutcome::PageSetupFailed);
}

TEST(DumpPrinting, PreviewPagesThroughAndPrintsAllPagesToPdf) {
    QTemporaryDir dir;
    const QString file = dir.filePath("all.pdf");
    QPrinter printer(QPrinter::HighResolution);
    std::vector<uint8_t> data(16 * 500, 'q');
    std::unique_ptr<TFormPreview> preview;
    ASSERT_EQ(MakeDumpPreview(PdfPrinter(printer, file), {}, "a.bin", data.data(), {1, 8000},
                              {16, false, false}, nullptr, preview),
              DumpPrintOutcome::Printed);
    preview->show();
    QTest::keyClick(preview.get(), Qt::Key_PageDown);
    EXPECT_EQ(preview->CurrentPage(), 2);
    QTest::keyClick(preview.get(), Qt::Key_PageUp);
    QTest::keyClick(preview.get(), Qt::Key_PageUp);
    EXPECT_EQ(preview->CurrentPage(), 1);
    // After a click on the page (the scroll area has the focus) the keys still turn pages.
    preview->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(preview.get()));
    auto* area = preview->findChild<QScrollArea*>();
    QTest::mouseClick(area->viewport(), Qt::LeftButton);
    area->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(preview->CurrentPage(), 2);
    ASSERT_TRUE(preview->PrintPages(1, 3));
    const QString text = PdfText(file);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    EXPECT_TRUE(text.contains("Page 3"));
    EXPECT_FALSE(text.contains("Page 4"));
    EXPECT_TRUE(text.contains("qqqqqqqqqqqqqqqq"));
}

// Clicks Cancel of the next progress box as soon as it lets events run; remembers its texts.
void CancelNextProgressBox(QString* seen) {
    QTimer::singleShot(0, [seen] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<TProgressBox*>(widget); box && box->isVisible()) {
                // Modal over the modal preview or print dialog, or a click could not reach Cancel.
                *seen =
                    box->Caption()->text() + "|" + box->Label()->text() + (box->isModal() ? "|modal" : "");
                box->CancelButton()->click();
                return;
            }
        CancelNextProgressBox(seen);
    });
}

// Every tool button: its glyph, no text shown, the hint as tool tip; the hint goes into panel 1;
// Help asks for the preview's topic and is hidden without one.
TEST(DumpPrinting, PreviewButtonsCarryGlyphsAndHints) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    std::vector<uint8_t> data(16 * 500, 'q');
    std::unique_ptr<TFormPreview> preview;
    ASSERT_EQ(MakeDumpPreview(PdfPrinter(printer, dir.filePath("b.pdf")), {}, "a.bin", data.data(), {1, 8000},
                              {16, false, false}, nullptr, preview),
              DumpPrintOutcome::Printed);
    const std::pair<const char*, const char*> buttons[] = {{"QZBtnFirst", "转到首页"},
                                                           {"QZBtnPrevious", "转到前一页"},
                                                           {"QZBtnNext", "转到下一页"},
                                                           {"QZBtnLast", "转到最后一页"},
                                                           {"QZBtnZoom", "快速调整页面宽度/页面高度"},
                                                           {"QZBtnPrint1", "只打印此页"},
                                                           {"QZBtnPrintAll", "打印全部页"},
                                                           {"QZBtnExit", "没有打印，退出"},
                                                           {"QZBtnHelp", "帮助"}};
    for (const auto& [name, hint] : buttons) {
        SCOPED_TRACE(name);
        auto* button = preview->findChild<QToolButton*>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        EXPECT_EQ(button->toolTip(), QString(hint));
    }
    preview->show();
    auto* panel1 = preview->findChild<QStatusBar*>()->findChildren<QLabel*>()[0];
    EXPECT_EQ(panel1->text().toStdString(), "Page 1 of 9");
    QStatusTipEvent tip("只打印此页");
    QApplication::sendEvent(preview.get(), &tip);
    EXPECT_EQ(panel1->text().toStdString(), "只打印此页");
    QStatusTipEvent none("");
    QApplication::sendEvent(preview.get(), &none);
    EXPECT_EQ(panel1->text().toStdString(), "Page 1 of 9");

    int asked = 0;
    preview->help = [&](int context) { asked = context; };
    preview->findChild<QToolButton*>("QZBtnHelp")->click();
    EXPECT_EQ(asked, 65);
    EXPECT_TRUE(preview->findChild<QToolButton*>("QZBtnHelp")->isVisible());
    TFormPreview noHelp("Preview", {}, ReportFonts(10, 1200), printer, 0);
    noHelp.show();
    EXPECT_FALSE(noHelp.findChild<QToolButton*>("QZBtnHelp")->isVisible());
}

// Cancel in "正在创建预览..." leaves no preview; Cancel while printing all pages leaves no PDF.
// Over the modal print dialog the boxes are modal too, so their Cancel takes clicks.
TEST(DumpPrinting, CancelledPreviewAndCancelledPrintLeaveNothing) {
    QDialog printDialog;
    printDialog.setWindowModality(Qt::ApplicationModal);
    printDialog.show();
    QTemporaryDir dir;
    const QString file = dir.filePath("c.pdf");
    QPrinter printer(QPrinter::HighResolution);
    std::vector<uint8_t> data(16 * 500, 'q');
    std::unique_ptr<TFormPreview> preview;
    QString box;
    CancelNextProgressBox(&box);
    EXPECT_EQ(MakeDumpPreview(PdfPrinter(printer, file), {}, "a.bin", data.data(), {1, 8000},
                              {16, false, false}, nullptr, preview),
              DumpPrintOutcome::Cancelled);
    EXPECT_EQ(preview, nullptr);
    EXPECT_TRUE(box.startsWith("正在创建预览...|页: ")) << box.toStdString();
    EXPECT_TRUE(box.endsWith("|modal"));

    ASSERT_EQ(
        MakeDumpPreview(printer, {}, "a.bin", data.data(), {1, 8000}, {16, false, false}, nullptr, preview),
        DumpPrintOutcome::Printed);
    CancelNextProgressBox(&box);
    EXPECT_FALSE(preview->PrintPages(1, 8));
    EXPECT_EQ(box.toStdString(), "Printing...|Page: 1|modal");
    EXPECT_FALSE(QFile::exists(file));
}

// Accepts the next error box as soon as it shows; remembers its text.
void AcceptNextMessage(QString* text) {
    QTimer::singleShot(0, [text] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<MessageDialog*>(widget); box && box->isVisible()) {
                *text = box->TextLabel()->text();
                box->accept();
                return;
            }
        AcceptNextMessage(text);
    });
}

// A cancelled job and a disk that fills up both leave an earlier PDF as it was, and say so.
TEST(DumpPrinting, ACancelOrAFullDiskKeepsTheEarlierPdf) {
    QTemporaryDir dir;
    test::SmallTmpfs disk(dir.filePath("disk").toStdString(), "size=24k");
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs (" << disk.Error() << ")";
    const QString file = dir.filePath("disk/old.pdf");
    test::WriteFileBytes(file.toStdString(), {'o', 'l', 'd'});
    QPrinter printer(QPrinter::HighResolution);
    std::vector<uint8_t> data(16 * 4000, 'q');
    std::unique_ptr<TFormPreview> preview;
    ASSERT_EQ(MakeDumpPreview(PdfPrinter(printer, file), {}, "a.bin", data.data(), {1, 64000},
                              {16, false, false}, nullptr, preview),
              DumpPrintOutcome::Printed);
    QString box;
    CancelNextProgressBox(&box);
    EXPECT_FALSE(preview->PrintPages(1, 60));
    EXPECT_EQ(test::ReadFileBytes(file.toStdString()), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(preview->findChildren<QLabel*>().last()->text().toStdString(),
              Format(kTextPdfKept, {"old.pdf"}));
    QString message;
    AcceptNextMessage(&message);
    EXPECT_FALSE(preview->PrintPages(1, 60)); // some 60 pages do not fit in 24 KiB
    EXPECT_TRUE(message.toStdString().find(Format(kTextPdfKept, {"old.pdf"})) != std::string::npos)
        << "[" << message.toStdString() << "]";
    EXPECT_EQ(test::ReadFileBytes(file.toStdString()), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(QDir(dir.filePath("disk")).entryList(QDir::Files), QStringList{"old.pdf"});
}

// Printing from the preview with the PDF entry asks for the file first: the name gets ".pdf" and
// the pages go there; Cancel in the file dialog prints nothing.
TEST(DumpPrinting, PdfEntryAsksForTheFileBeforePrinting) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    std::vector<uint8_t> data(16 * 100, 'q');
    std::unique_ptr<TFormPreview> preview;
    ASSERT_EQ(MakeDumpPreview(PdfPrinter(printer, QString()), {}, "a.bin", data.data(), {1, 1600},
                              {16, false, false}, nullptr, preview),
              DumpPrintOutcome::Printed);
    test::FakeUi ui;
    AskPdfFileBeforePrinting(*preview, printer, ui, dir.path().toStdString());
    EXPECT_FALSE(preview->PrintPages(1, 1)); // Cancel
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    ui.saveFiles = {dir.filePath("dump").toStdString()};
    ASSERT_TRUE(preview->PrintPages(1, 2));
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_EQ(ui.fileDialogs[1].initialDir, dir.path().toStdString());
    const QString text = PdfText(dir.filePath("dump.pdf"));
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    EXPECT_TRUE(text.contains("Page 2"));
}

} // namespace
} // namespace qhe
