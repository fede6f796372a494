// Replace all over a large Document against a plain std::string rebuild of the same data, in
// the same run. QHE32_BENCH_MB sets the size (default 64; 1024 for the 1 GiB run). Two hit
// densities: a hit every 16 bytes (the dense case) and one every 4 KiB (the typical one).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>

#include "editor/EditorState.h"
#include "editor/HeadlessUi.h"
#include "editor/file/FileCommands.h"
#include "editor/search/ReplaceCommands.h"

namespace {

int64_t ReplaceBenchBytes() {
    const char* mb = std::getenv("QHE32_BENCH_MB");
    return (mb ? std::atoll(mb) : 64) << 20;
}

const std::string kFind = "QHE32REPLACE";

// Letters with the find string every hitDistance bytes.
const std::string& Data(int64_t hitDistance) {
    static std::map<int64_t, std::string> cache;
    std::string& data = cache[hitDistance];
    if (data.empty()) {
        data.assign(static_cast<size_t>(ReplaceBenchBytes()), '\0');
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<char>('a' + (i * 7 + i / 13) % 26);
        for (size_t at = hitDistance > 1024 ? 100 : 0; at + kFind.size() < data.size();
             at += static_cast<size_t>(hitDistance))
            data.replace(at, kFind.size(), kFind);
    }
    return data;
}

// The baseline: scan with std::string::find and append into a fresh string.
void BM_StringRebuild(benchmark::State& state, const std::string& replacement) {
    const int64_t hitDistance = state.range(0);
    const std::string& data = Data(hitDistance);
    for (auto _ : state) {
        std::string out;
        out.reserve(data.size() + data.size() / static_cast<size_t>(hitDistance) * replacement.size());
        size_t p = 0;
        for (size_t hit; (hit = data.find(kFind, p)) != std::string::npos; p = hit + kFind.size()) {
            out.append(data, p, hit - p);
            out += replacement;
        }
        out.append(data, p, std::string::npos);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
}

void BM_ReplaceAll(benchmark::State& state, const std::string& replacement) {
    const std::string& data = Data(state.range(0));
    std::ostringstream quiet;
    qhe::HeadlessUi ui(quiet);
    qhe::EditorState editor(ui);
    editor.doc.SetBusyFeedback(nullptr);
    qhe::ReplaceCommands replace(editor);
    replace.freeMemory = [] { return uint64_t{1} << 40; };
    editor.search.findString = kFind;
    editor.search.replaceString = replacement;
    for (auto _ : state) {
        state.PauseTiming();
        // Release forgets the size the last pass left; with it the buffer could not grow
        // to the data below (a 1 GiB run wrote past the buffer).
        editor.doc.Release();
        editor.doc.Allocate();
        if (!editor.doc.EnsureRoom(static_cast<int64_t>(data.size()))) {
            state.SkipWithError("no memory");
            break;
        }
        std::memcpy(editor.doc.Buffer(), data.data(), data.size());
        editor.doc.SetSize(static_cast<int32_t>(data.size()));
        state.ResumeTiming();
        int64_t first = 0, count = 0;
        bool cancelled = false;
        qhe::NoProgress progress;
        replace.ReplaceAll(1, first, count, cancelled, progress);
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
}

const std::string kLonger = "QHE32-REPLACED-LONGER";
const std::string kShorter = "QHE";
const std::string kEqual = "qhe32replace";

#define QHE_REPLACE_BENCH(name, replacement)                                                                 \
    BENCHMARK_CAPTURE(BM_StringRebuild, name, replacement)                                                   \
        ->Arg(16)                                                                                            \
        ->Arg(4096)                                                                                          \
        ->Unit(benchmark::kMillisecond)                                                                      \
        ->UseRealTime();                                                                                     \
    BENCHMARK_CAPTURE(BM_ReplaceAll, name, replacement)                                                      \
        ->Arg(16)                                                                                            \
        ->Arg(4096)                                                                                          \
        ->Unit(benchmark::kMillisecond)                                                                      \
        ->UseRealTime()

QHE_REPLACE_BENCH(longer, kLonger);
QHE_REPLACE_BENCH(shorter, kShorter);
QHE_REPLACE_BENCH(equal, kEqual);

} // namespace

// REPLACEALL 00 BY 01 02 over QHE32_BENCH_MB of zeros (a hit at every byte), as a menu command
// runs it (one undo step), on the file loaded into a buffer and on the same file mapped
// (MapFromMB=1), which replace all turns into pieces. The two times are to stay close.
namespace {

const std::string& ZerosFile() {
    static const std::string name = [] {
        std::string path = "/var/tmp/qhe32_replace_bench_zeros.bin";
        FILE* f = std::fopen(path.c_str(), "wb");
        const std::string block(1 << 20, '\0');
        for (int64_t i = 0; i < (ReplaceBenchBytes() >> 20); ++i)
            std::fwrite(block.data(), 1, block.size(), f);
        std::fclose(f);
        return path;
    }();
    return name;
}

void BM_DenseReplaceAllOpened(benchmark::State& state, bool mapped) {
    const std::string& name = ZerosFile();
    std::ostringstream quiet;
    qhe::HeadlessUi ui(quiet);
    qhe::EditorState editor(ui);
    qhe::FileCommands files(editor);
    files.AllocateDocument();
    editor.options.mapFromMB = mapped ? 1 : 2048;
    qhe::ReplaceCommands replace(editor);
    replace.freeMemory = [] { return uint64_t{1} << 40; };
    for (auto _ : state) {
        state.PauseTiming();
        if (!files.OpenDocument(name, qhe::OpenSender::CommandLine, false) ||
            editor.doc.IsMapped() != mapped) {
            state.SkipWithError("cannot open");
            break;
        }
        editor.doc.SetBusyFeedback(nullptr);
        editor.search.findString = std::string(1, '\0');
        editor.search.replaceString = "\x01\x02";
        state.ResumeTiming();
        editor.editor.BeginStep("replace all");
        replace.ReplaceAllCommand();
        editor.editor.EndStep();
        benchmark::DoNotOptimize(editor.doc.Size());
        state.PauseTiming();
        editor.doc.Modified = false; // the next open asks nothing
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * ReplaceBenchBytes());
}

BENCHMARK_CAPTURE(BM_DenseReplaceAllOpened, loaded, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_DenseReplaceAllOpened, mapped, true)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
