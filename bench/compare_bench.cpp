// The compare engine against memcmp over the same buffers (QHE32_BENCH_COMPARE_MB MiB, default
// 1024), its resync mode on planted insertions, on unrelated data and on data of two byte
// values, and qhe32 --compare against cmp on a sparse pair of 8 GiB.
#include "core/compare/FileCompare.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "editor/compare/CompareFiles.h"

extern char** environ;

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

// Two byte values at random (64 MiB) with 50,000 bytes inserted in the middle: one range,
// found by the fingerprints of whole runs where 8-byte prefixes repeat all the time.
void BM_ResyncTwoValued(benchmark::State& state) {
    static const Bytes a = [] {
        Bytes bytes = Random(64 << 20, 6);
        for (auto& x : bytes)
            x &= 1;
        return bytes;
    }();
    static const Bytes b = [] {
        Bytes bytes = a, extra = Random(50000, 7);
        for (auto& x : extra)
            x &= 1;
        extra[0] = a[a.size() / 2] ^ 1;
        bytes.insert(bytes.begin() + static_cast<long>(a.size() / 2), extra.begin(), extra.end());
        return bytes;
    }();
    qhe::CompareOptions options;
    options.resync = true;
    options.run = 32;
    int64_t ranges = 0;
    for (auto _ : state) {
        qhe::FileComparer comparer(InputOf(a), InputOf(b), options);
        qhe::DiffRange r;
        ranges = 0;
        for (qhe::FileComparer::Status s;
             (s = comparer.Step(r, INT64_MAX)) != qhe::FileComparer::Status::Done;)
            ranges += s == qhe::FileComparer::Status::Range;
    }
    state.counters["ranges"] = static_cast<double>(ranges);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(a.size()));
}
BENCHMARK(BM_ResyncTwoValued)->Unit(benchmark::kMillisecond)->UseRealTime();

// A sparse pair of 8 GiB (truncate, then a 4 KiB block written every GiB; the last differs in
// one byte), made once and removed at exit.
struct SparsePair {
    static constexpr int64_t kSize = int64_t{8} << 30;
    SparsePair() {
        const char* folder = std::getenv("TMPDIR");
        const std::string base = std::string(folder ? folder : "/var/tmp") + "/qhe32-bench-sparse-";
        a = base + "a.bin";
        b = base + "b.bin";
        Make(a, 0);
        Make(b, 1);
    }
    ~SparsePair() {
        unlink(a.c_str());
        unlink(b.c_str());
    }
    static void Make(const std::string& path, uint8_t last) {
        const int fd = open(path.c_str(), O_CREAT | O_RDWR | O_TRUNC, 0644);
        if (fd < 0 || ftruncate(fd, kSize) != 0) std::abort();
        Bytes block(4096, 0x5A);
        for (int64_t at = 0; at < kSize; at += int64_t{1} << 30) {
            block[100] = at + (int64_t{1} << 30) >= kSize ? last : 0;
            if (pwrite(fd, block.data(), block.size(), at) != static_cast<ssize_t>(block.size()))
                std::abort();
        }
        close(fd);
    }
    std::string a, b;
};

const SparsePair& Sparse() {
    static const SparsePair pair;
    return pair;
}

void BM_CompareSparse8GiB(benchmark::State& state) {
    const SparsePair& pair = Sparse();
    qhe::CommandLine line;
    line.fileName = pair.a;
    line.otherFile = pair.b;
    const int out = open("/dev/null", O_WRONLY);
    for (auto _ : state) {
        std::string message;
        if (qhe::CompareFilesToDescriptor(line, out, message) != 1) state.SkipWithError("not different");
    }
    close(out);
    state.SetBytesProcessed(state.iterations() * SparsePair::kSize);
}
BENCHMARK(BM_CompareSparse8GiB)->Unit(benchmark::kMillisecond)->UseRealTime();

// The baseline: cmp -s on the same pair.
void BM_CmpSparse8GiBBaseline(benchmark::State& state) {
    const SparsePair& pair = Sparse();
    std::string cmp = "cmp", quiet = "-s", a = pair.a, b = pair.b;
    char* argv[] = {cmp.data(), quiet.data(), a.data(), b.data(), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawnp(&pid, "cmp", nullptr, nullptr, argv, environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 1)
            state.SkipWithError("cmp failed");
    }
    state.SetBytesProcessed(state.iterations() * SparsePair::kSize);
}
BENCHMARK(BM_CmpSparse8GiBBaseline)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

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
