#include "gui/print/DumpPrinting.h"

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
    ASSERT_TRUE(preview->PrintPages(1, 3));
    const QString text = PdfText(file);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    EXPECT_TRUE(text.contains("Page 3"));
    EXPECT_FALSE(text.contains("Page 4"));
    EXPECT_TRUE(text.contains("qqqqqqqqqqqqqqqq"));
}

} // namespace
} // namespace qhe
