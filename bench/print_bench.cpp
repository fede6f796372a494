// Printing: the text-file output of a whole Document (16 bytes per row, side by side) against a
// plain snprintf hex dump of the same bytes, and the preview's page recording (layout plus the
// page's drawing recorded as a picture, PDF entry at 1200 dpi) per page. QHE32_PRINT_BENCH_MB sets
// the dump size (default 256), QHE32_BENCH_DIR the folder of the output files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/print/DumpOutput.h"

#ifdef QHE32_BENCH_GUI
#include <QApplication>
#include <QPainter>
#include <QPicture>
#include <QPrinter>

#include <fstream>

#include "core/print/DumpPages.h"
#include "gui/print/DumpPrinting.h"
#include "gui/print/FormPreview.h"
#endif

namespace {

int64_t DumpBytes() {
    const char* mb = std::getenv("QHE32_PRINT_BENCH_MB");
    return (mb ? std::atoll(mb) : 256) << 20;
}

std::string OutputFile(const char* name) {
    const char* dir = std::getenv("QHE32_BENCH_DIR");
    return std::string(dir ? dir : "/tmp") + "/" + name;
}

// Random-looking bytes, all 256 values.
const std::vector<uint8_t>& DumpData() {
    static const std::vector<uint8_t> data = [] {
        std::vector<uint8_t> bytes(static_cast<size_t>(DumpBytes()));
        uint64_t x = 88172645463325252ull;
        for (uint8_t& b : bytes) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            b = static_cast<uint8_t>(x);
        }
        return bytes;
    }();
    return data;
}

void BM_DumpTextFile(benchmark::State& state) {
    const auto& data = DumpData();
    const std::string file = OutputFile("qhe32-print-bench.txt");
    const qhe::DumpFormat format{16, false, false};
    for (auto _ : state) {
        const int code =
            qhe::WriteDumpFile(file, "big.bin", data.data(), {1, static_cast<int64_t>(data.size())}, format);
        if (code != 0) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
    unlink(file.c_str());
}
BENCHMARK(BM_DumpTextFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The obvious hex dump: one snprintf per row, written in megabyte pieces.
void BM_SnprintfDumpBaseline(benchmark::State& state) {
    const auto& data = DumpData();
    const std::string file = OutputFile("qhe32-print-bench-baseline.txt");
    std::vector<char> text((1 << 20) + 256);
    for (auto _ : state) {
        const int fd = open(file.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        size_t used = 0;
        for (size_t row = 0; row < data.size(); row += 16) {
            const uint8_t* b = data.data() + row;
            char chars[17];
            for (int i = 0; i < 16; ++i)
                chars[i] = b[i] < 32 ? '.' : static_cast<char>(b[i]);
            chars[16] = 0;
            used += static_cast<size_t>(
                std::snprintf(text.data() + used, 256,
                              "%9.9zx:  %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X "
                              "%02X %02X %02X %s\r\n",
                              row, b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11],
                              b[12], b[13], b[14], b[15], chars));
            if (used >= (1 << 20)) {
                if (write(fd, text.data(), used) < 0) state.SkipWithError("write failed");
                used = 0;
            }
        }
        if (write(fd, text.data(), used) < 0) state.SkipWithError("write failed");
        close(fd);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
    unlink(file.c_str());
}
BENCHMARK(BM_SnprintfDumpBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef QHE32_BENCH_GUI
void NeedApplication() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qhe32_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

// The PDF entry's printer: A4, 1200 dpi.
void SetUpPdf(QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(1200);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

// One preview page of 16-byte rows laid out: the page the preview keeps and paints from.
// With record set, its drawing is recorded as a picture too (what a printer job replays).
void PreviewPage(benchmark::State& state, bool record) {
    NeedApplication();
    const auto& data = DumpData();
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdf(printer);
    const qhe::DumpPrintSettings settings;
    const qhe::ReportFonts fonts(settings.fontSize, printer.resolution());
    qhe::ReportSetup setup = qhe::MakeReportSetup(printer, settings, fonts);
    const qhe::DumpPrintTexts texts = qhe::MakeDumpPrintTexts("big.bin");
    setup.header = texts.header;
    setup.footer = texts.footer;
    setup.values = qhe::CurrentPlaceholderValues();
    const qhe::DumpPages pages(setup, qhe::MeasureWith(fonts.regular), data.data(),
                               {1, static_cast<int64_t>(data.size())}, {16, false, false});
    int n = 1;
    int64_t pictureBytes = 0, layoutBytes = 0, recorded = 0;
    for (auto _ : state) {
        const qhe::ReportPage page = pages.Page(n);
        if (record) {
            QPicture picture;
            QPainter painter(&picture);
            qhe::PaintReportPage(painter, page, fonts);
            painter.end();
            pictureBytes += picture.size();
        }
        for (const qhe::ReportItem& item : page.items)
            layoutBytes += static_cast<int64_t>(sizeof item + item.text.capacity());
        ++recorded;
        n = n % pages.Count() + 1;
    }
    state.counters["picture_bytes_per_page"] =
        static_cast<double>(pictureBytes) / std::max<int64_t>(1, recorded);
    state.counters["layout_bytes_per_page"] =
        static_cast<double>(layoutBytes) / std::max<int64_t>(1, recorded);
    state.counters["rows_per_page"] = pages.RowsPerPage();
    state.counters["pages"] = pages.Count();
    state.SetItemsProcessed(state.iterations());
}
void BM_PreviewPageLayout(benchmark::State& state) {
    PreviewPage(state, false);
}
void BM_PreviewPageRecording(benchmark::State& state) {
    PreviewPage(state, true);
}
BENCHMARK(BM_PreviewPageLayout)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_PreviewPageRecording)->Unit(benchmark::kMicrosecond)->UseRealTime();

int64_t ResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            int64_t kb = 0;
            status >> kb;
            return kb << 10;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

// An "all pages" preview of a 1 GiB Document: built, then shown at pages spread over the whole
// Document; the counters give the memory the preview holds beyond the Document's bytes.
void BM_PreviewAllPagesOneGiB(benchmark::State& state) {
    NeedApplication();
    std::vector<uint8_t> data(size_t{1} << 30, 0x41);
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdf(printer);
    const int64_t before = ResidentBytes();
    int64_t afterBuild = 0, afterPaging = 0;
    for (auto _ : state) {
        std::unique_ptr<qhe::TFormPreview> preview;
        if (qhe::MakeDumpPreview(printer, {}, "big.bin", data.data(), {1, static_cast<int64_t>(data.size())},
                                 {16, false, false}, nullptr, preview) != qhe::DumpPrintOutcome::Printed) {
            state.SkipWithError("no preview");
            break;
        }
        preview->show();
        QApplication::processEvents();
        afterBuild = ResidentBytes();
        for (int step = 0; step <= 1000; ++step) {
            preview->ShowPage(1 + static_cast<int>(int64_t{step} * 1000003 % 1000000));
            preview->grab(); // paints the shown page
        }
        afterPaging = ResidentBytes();
    }
    state.counters["rss_growth_build_MiB"] = static_cast<double>(afterBuild - before) / (1 << 20);
    state.counters["rss_growth_after_1000_pages_MiB"] = static_cast<double>(afterPaging - before) / (1 << 20);
}
BENCHMARK(BM_PreviewAllPagesOneGiB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
#endif

} // namespace
