// The compare engine against memcmp over the same buffers (QHE32_BENCH_COMPARE_MB MiB, default
// 1024), and its resync mode on planted insertions and on unrelated data.
#include "core/compare/FileCompare.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

int64_t Megabytes() {
    const char* mb = std::getenv("QHE32_BENCH_COMPARE_MB");
    return mb ? std::atoll(mb) : 1024;
}

Bytes Random(int64_t n, uint32_t seed) {
    Bytes bytes(static_cast<size_t>(n));
    std::mt19937_64 rng(seed);
    for (size_t i = 0; i + 8 <= bytes.size(); i += 8) {
        const uint64_t v = rng();
        std::memcpy(bytes.data() + i, &v, 8);
    }
    return bytes;
}

const Bytes& First() {
    static const Bytes bytes = Random(Megabytes() << 20, 1);
    return bytes;
}
const Bytes& Copy() {
    static const Bytes bytes = First();
    return bytes;
}

qhe::CompareInput InputOf(const Bytes& bytes) {
    return {qhe::RunsOf(bytes.data(), static_cast<int64_t>(bytes.size())),
            static_cast<int64_t>(bytes.size())};
}

// Ranges of a whole compare.
int64_t CountRanges(const Bytes& a, const Bytes& b, bool resync) {
    qhe::CompareOptions options;
    options.resync = resync;
    qhe::FileComparer comparer(InputOf(a), InputOf(b), options);
    qhe::DiffRange r;
    int64_t ranges = 0;
    for (qhe::FileComparer::Status s; (s = comparer.Step(r, INT64_MAX)) != qhe::FileComparer::Status::Done;)
        ranges += s == qhe::FileComparer::Status::Range;
    return ranges;
}

void BM_CompareEqual(benchmark::State& state) {
    Copy(); // made before the timing
    for (auto _ : state)
        if (CountRanges(First(), Copy(), false) != 0) state.SkipWithError("differences in equal buffers");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(First().size()));
}
BENCHMARK(BM_CompareEqual)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MemcmpBaseline(benchmark::State& state) {
    Copy();
    for (auto _ : state)
        benchmark::DoNotOptimize(std::memcmp(First().data(), Copy().data(), First().size()));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(First().size()));
}
BENCHMARK(BM_MemcmpBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

// One byte inserted at the start: one range, then the rest compared one byte out of step.
void BM_ResyncOneInsertAtStart(benchmark::State& state) {
    static const Bytes shifted = [] {
        Bytes b = First();
        b.insert(b.begin(), 0x5A);
        b[0] = First()[0] ^ 1;
        return b;
    }();
    for (auto _ : state)
        if (CountRanges(First(), shifted, true) != 1) state.SkipWithError("not one range");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(First().size()));
}
BENCHMARK(BM_ResyncOneInsertAtStart)->Unit(benchmark::kMillisecond)->UseRealTime();

// 10,000 insertions and deletions of 1 to 64 bytes spread over 256 MiB: each found as one range.
void BM_ResyncScattered(benchmark::State& state) {
    static const Bytes a = Random(256 << 20, 2);
    static const Bytes b = [] {
        Bytes out;
        out.reserve(a.size() + (1 << 20));
        std::mt19937 rng(3);
        const size_t step = a.size() / 10000;
        for (size_t i = 0; i < 10000; ++i) {
            const size_t at = i * step;
            const size_t n = 1 + rng() % 64;
            if (i % 2 == 0) {
                out.insert(out.end(), a.begin() + at, a.begin() + at + step);
                for (size_t k = 0; k < n; ++k)
                    out.push_back(static_cast<uint8_t>(a[at + step] ^ 1)); // differs from A's next
            } else {
                out.insert(out.end(), a.begin() + at, a.begin() + at + step - n); // n bytes left out
                if (a[at + step - n] == a[at + step]) out.push_back(static_cast<uint8_t>(a[at + step] ^ 1));
            }
        }
        out.insert(out.end(), a.begin() + 10000 * step, a.end());
        return out;
    }();
    int64_t ranges = 0;
    for (auto _ : state)
        ranges = CountRanges(a, b, true);
    state.counters["ranges"] = static_cast<double>(ranges);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(a.size()));
}
BENCHMARK(BM_ResyncScattered)->Unit(benchmark::kMillisecond)->UseRealTime();

// Unrelated data: the resync gives up window after window; time per byte stays the same as the
// size grows (linear).
void BM_ResyncUnrelated(benchmark::State& state) {
    const Bytes a = Random(state.range(0) << 20, 4), b = Random(state.range(0) << 20, 5);
    for (auto _ : state)
        if (CountRanges(a, b, true) != 1) state.SkipWithError("not one range");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(a.size()));
}
BENCHMARK(BM_ResyncUnrelated)->Arg(16)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

#ifdef QHE32_BENCH_GUI
#include <QApplication>
#include <QImage>
#include <QKeyEvent>

#include <fcntl.h>
#include <unistd.h>

#include "editor/EditorState.h"
#include "editor/HeadlessUi.h"
#include "editor/compare/CompareCommands.h"
#include "gui/compare/FormCompare.h"

namespace {

QApplication& App() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qhe32_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// Two sparse 1 GiB files that differ in a byte every 64 MiB.
std::string SparseFile(const char* name, uint8_t mark) {
    const std::string path = std::string("/var/tmp/") + name;
    const int fd = open(path.c_str(), O_CREAT | O_RDWR | O_TRUNC, 0644);
    if (ftruncate(fd, int64_t{1} << 30) != 0) std::abort();
    for (int64_t at = 0; at < (int64_t{1} << 30); at += int64_t{64} << 20)
        if (pwrite(fd, &mark, 1, at) != 1) std::abort();
    close(fd);
    return path;
}

struct CompareWindowBench {
    CompareWindowBench()
        : a(SparseFile("qhe32-bench-cmp-a.bin", 1)), b(SparseFile("qhe32-bench-cmp-b.bin", 2)) {}
    ~CompareWindowBench() {
        unlink(a.c_str());
        unlink(b.c_str());
    }
    std::unique_ptr<qhe::TFormCompare> Open() {
        std::string error;
        auto session = qhe::CompareSession::OfFiles(a, b, commands.Options(), error);
        auto form = std::make_unique<qhe::TFormCompare>(nullptr, commands, std::move(session));
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->show();
        QApplication::processEvents();
        return form;
    }
    std::string a, b;
    std::ostringstream quiet;
    qhe::HeadlessUi ui{quiet};
    qhe::EditorState state{ui};
    qhe::CompareCommands commands{state};
};

// From the command to the window painted with its first slice of the compare done.
void BM_CompareWindowOpen1GiB(benchmark::State& state) {
    App();
    CompareWindowBench bench;
    for (auto _ : state)
        bench.Open();
}
BENCHMARK(BM_CompareWindowOpen1GiB)->Unit(benchmark::kMillisecond)->UseRealTime();

// Page Down and the repaint of both sides and the status line (into an image, so that the
// offscreen platform's copying of whole windows is left out).
void BM_CompareWindowScroll(benchmark::State& state) {
    App();
    CompareWindowBench bench;
    auto form = bench.Open();
    form->RunToEnd();
    QApplication::processEvents();
    QImage image(form->size(), QImage::Format_ARGB32_Premultiplied);
    int n = 0;
    for (auto _ : state) {
        const bool home = ++n % 64 == 0;
        QKeyEvent key(QEvent::KeyPress, home ? Qt::Key_Home : Qt::Key_PageDown,
                      home ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::sendEvent(form.get(), &key);
        for (QWidget* part : form->RefreshedParts())
            part->render(&image, part->mapTo(form.get(), QPoint(0, 0)), QRegion(), QWidget::DrawChildren);
    }
}
BENCHMARK(BM_CompareWindowScroll)->Unit(benchmark::kMicrosecond);

} // namespace
#endif
