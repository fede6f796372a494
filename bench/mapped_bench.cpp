// Files opened by mapping against the same work on memory, in the same run. The data file is
// QHE32_BENCH_MAPPED_GB GiB of random bytes (default 2) kept in the page cache, written once to
// $QHE32_BENCH_DIR (default /var/tmp) and reused by later runs; the in-memory copy needs as
// much memory again. The 1 TiB file for Goto is sparse.
#include "core/document/Document.h"
#include "core/document/FileTransfer.h"
#include "core/document/PageWriteBack.h"
#include "core/search/TQSearch.h"
#include "core/tools/Checksum.h"
#include "core/util/Progress.h"
#include "editor/EditorState.h"
#include "editor/HeadlessUi.h"
#include "editor/file/FileCommands.h"
#include "editor/view/ViewCommands.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int64_t kGiB = int64_t{1} << 30;

std::string BenchDir() {
    const char* dir = std::getenv("QHE32_BENCH_DIR");
    return dir ? dir : "/var/tmp";
}

int64_t DataSize() {
    const char* gb = std::getenv("QHE32_BENCH_MAPPED_GB");
    return (gb ? std::max(1LL, std::atoll(gb)) : 2) * kGiB;
}

// The random data file, made once per size.
const std::string& DataFile() {
    static const std::string name = [] {
        const int64_t size = DataSize();
        const std::string path = BenchDir() + "/qhe32-bench-mapped-" + std::to_string(size / kGiB) + "g.bin";
        struct stat st {};
        if (stat(path.c_str(), &st) == 0 && st.st_size == size) return path;
        const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        std::vector<uint64_t> chunk((64 << 20) / 8);
        uint64_t x = 0x9E3779B97F4A7C15ull;
        for (int64_t done = 0; done < size; done += 64 << 20) {
            for (auto& w : chunk)
                x ^= x << 13, x ^= x >> 7, x ^= x << 17, w = x;
            if (write(fd, chunk.data(), 64 << 20) != 64 << 20) std::abort();
        }
        close(fd);
        return path;
    }();
    return name;
}

qhe::Document& MappedDocument() {
    static qhe::Document* doc = [] {
        auto* d = new qhe::Document;
        qhe::platform::FileMapping mapping;
        if (mapping.Open(DataFile(), false) != 0) std::abort();
        d->AdoptMapping(std::move(mapping));
        return d;
    }();
    return *doc;
}

const std::vector<uint8_t>& MemoryCopy() {
    static const std::vector<uint8_t> copy(MappedDocument().Buffer(),
                                           MappedDocument().Buffer() + MappedDocument().Size());
    return copy;
}

// source 0: the in-memory copy, 1: the mapped file.
const uint8_t* Source(int source) {
    return source == 0 ? MemoryCopy().data() : MappedDocument().Buffer();
}

// kind 0 exact, 1 case-insensitive, 2 joker; 3 counts an absent pattern.
void BM_FindAbsent16(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const uint8_t* data = Source(static_cast<int>(state.range(1)));
    const int64_t size = MappedDocument().Size();
    const std::string pattern = kind == 2   ? "NeedleIn.aystack"
                                : kind == 1 ? "NeedleInHaystack"
                                            : "\x8D\x11\xC3\x5E\xF0\x27\x61\x9A"
                                              "\x04\xEE\x73\xB2\x1F\xC8\x55\x3A";
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(pattern.data()), pattern.size());
    qhe::TQSearch engine;
    bool cancel = false;
    for (auto _ : state) {
        if (kind == 3) {
            int64_t last = 0;
            benchmark::DoNotOptimize(
                engine.CountForward(bytes, data, 1, size, true, false, '.', {}, cancel, last));
        } else {
            const int64_t hit =
                engine.SearchForward(bytes, data, 1, size, kind != 1, kind == 2, '.', {}, cancel);
            if (hit > 0) state.SkipWithError("pattern present");
        }
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_FindAbsent16)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->ArgNames({"kind", "mapped"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_Crc32(benchmark::State& state) {
    const uint8_t* data = Source(static_cast<int>(state.range(0)));
    const int64_t size = MappedDocument().Size();
    for (auto _ : state)
        benchmark::DoNotOptimize(qhe::ComputeChecksums(data, size, nullptr));
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_Crc32)->ArgNames({"mapped"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Ten bytes spread over the file overwritten, then saved in place: the pages written.
void BM_OverwriteTenAndSave(benchmark::State& state) {
    qhe::Document doc;
    qhe::platform::FileMapping mapping;
    if (mapping.Open(DataFile(), false) != 0) std::abort();
    doc.AdoptMapping(std::move(mapping));
    qhe::NoProgress progress;
    qhe::PageWriteOutcome outcome;
    for (auto _ : state) {
        for (int i = 0; i < 10; ++i) {
            const int64_t pos = 1 + doc.Size() / 10 * i + 12345;
            doc.SetByte(pos, static_cast<uint8_t>(doc.GetByte(pos) ^ 0xFF));
        }
        outcome = qhe::WriteChangedPages(DataFile(), doc.Buffer(), doc.Size(), doc.Changed(), progress);
        doc.ForgetChanges();
    }
    state.counters["bytes_written"] = static_cast<double>(outcome.written);
}
BENCHMARK(BM_OverwriteTenAndSave)->Unit(benchmark::kMillisecond)->UseRealTime();

// Goto the last byte of a 1 TiB file and fill the view, then back to the first.
void BM_GotoEndOf1TiB(benchmark::State& state) {
    const std::string path = BenchDir() + "/qhe32-bench-sparse-1t.bin";
    const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0644);
    if (ftruncate(fd, 1024 * kGiB) != 0) std::abort();
    close(fd);
    std::ostringstream quiet;
    qhe::HeadlessUi ui(quiet);
    qhe::EditorState s(ui);
    qhe::FileCommands files(s);
    files.AllocateDocument();
    if (!files.OpenDocument(path, qhe::OpenSender::CommandLine, false)) std::abort();
    qhe::ViewCommands view(s);
    for (auto _ : state) {
        view.ShowAddress(s.doc.Size(), true, false);
        view.ShowAddress(1, true, false);
    }
    state.SetItemsProcessed(state.iterations() * 2);
    unlink(path.c_str());
}
BENCHMARK(BM_GotoEndOf1TiB)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// One byte inserted at position 2 of the mapped file, and taken back by undo.
void BM_InsertAtStartAndUndo(benchmark::State& state) {
    std::ostringstream quiet;
    qhe::HeadlessUi ui(quiet);
    qhe::EditorState s(ui);
    qhe::FileCommands files(s);
    files.AllocateDocument();
    s.options.mapFromMB = 1;
    if (!files.OpenDocument(DataFile(), qhe::OpenSender::CommandLine, true)) std::abort();
    const uint8_t byte = 0x42;
    for (auto _ : state) {
        s.editor.BeginStep("insert");
        s.editor.Insert(2, &byte, 1, qhe::ReplaceUndoRule::Keep);
        s.editor.EndStep();
        qhe::EditPlace place;
        s.journal.Undo(s.doc, place);
    }
    state.counters["pieces"] = static_cast<double>(s.doc.PieceCount());
}
BENCHMARK(BM_InsertAtStartAndUndo)->Unit(benchmark::kMicrosecond);

// Empties the page cache (as root), so that the next read of the data file comes from the
// disk; otherwise drops the data file's own pages, which is the same for the runs here.
void DropCaches() {
    sync();
    if (const int fd = open("/proc/sys/vm/drop_caches", O_WRONLY); fd >= 0) {
        const bool dropped = write(fd, "3", 1) == 1;
        close(fd);
        if (dropped) return;
    }
    const int fd = open(DataFile().c_str(), O_RDONLY);
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    close(fd);
}

// The file with one byte inserted at its start saved as a new file (through a temporary file,
// flushed), against cp of the file followed by sync of the copy; cold: 1 reads the file from
// the disk, with the page cache emptied before each run.
void BM_SaveGrown(benchmark::State& state) {
    const std::string target = BenchDir() + "/qhe32-bench-saved.bin";
    std::ostringstream quiet;
    qhe::HeadlessUi ui(quiet);
    qhe::EditorState s(ui);
    qhe::FileCommands files(s);
    files.AllocateDocument();
    if (!files.OpenDocument(DataFile(), qhe::OpenSender::CommandLine, true)) std::abort();
    const uint8_t byte = 0x42;
    s.editor.Insert(1, &byte, 1, qhe::ReplaceUndoRule::Keep);
    for (auto _ : state) {
        if (state.range(0)) {
            state.PauseTiming();
            DropCaches();
            state.ResumeTiming();
        }
        const auto outcome = qhe::WriteDocumentToFile(target, s.doc, 1, s.doc.Size(), [] {
            return std::unique_ptr<qhe::Progress>(new qhe::NoProgress);
        });
        if (outcome.code != 0) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * s.doc.Size());
    unlink(target.c_str());
}
BENCHMARK(BM_SaveGrown)
    ->ArgName("cold")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

void BM_CpAndSyncBaseline(benchmark::State& state) {
    const std::string target = BenchDir() + "/qhe32-bench-copied.bin";
    const std::string command = "cp " + DataFile() + " " + target + " && sync " + target;
    for (auto _ : state) {
        if (state.range(0)) {
            state.PauseTiming();
            DropCaches();
            state.ResumeTiming();
        }
        if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
    }
    state.SetBytesProcessed(state.iterations() * DataSize());
    unlink(target.c_str());
}
BENCHMARK(BM_CpAndSyncBaseline)
    ->ArgName("cold")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace
