// The script interpreter's cost per line: a 1,000,000-line script of ADR+, OVERWRITE (one
// byte), VERIFY and BITXOR lines, checked and executed on a 16 MiB Document without a display.
// The baseline does the same edits with plain loops over the buffer, so the ratio shows what
// reading the lines and going through the editor's commands cost.
#include <benchmark/benchmark.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "editor/EditorState.h"
#include "editor/HeadlessUi.h"
#include "editor/script/ScriptRun.h"

namespace {

constexpr int64_t kDocumentBytes = 16 << 20;
constexpr int kLines = 1'000'000;

const std::vector<std::string>& Script() {
    static const std::vector<std::string> lines = [] {
        const char* const cycle[] = {"ADR+ 13", "OVERWRITE 5A", "VERIFY 00 ?? OR 5A", "BITXOR FF"};
        std::vector<std::string> out;
        out.reserve(kLines);
        for (int i = 0; i < kLines; ++i)
            out.emplace_back(cycle[i % 4]);
        return out;
    }();
    return lines;
}

void OpenZeroDocument(qhe::EditorState& editor) {
    editor.doc.Allocate();
    editor.doc.EnsureRoom(kDocumentBytes);
    std::memset(editor.doc.Buffer(), 0, kDocumentBytes);
    editor.doc.SetSize(static_cast<int32_t>(kDocumentBytes));
    editor.doc.IsOpen = true;
    editor.doc.Modified = false;
}

void BM_ScriptCheckAndExecute(benchmark::State& state) {
    std::ostringstream quiet;
    qhe::HeadlessUi ui(quiet);
    qhe::EditorState editor(ui);
    const auto& lines = Script();
    for (auto _ : state) {
        state.PauseTiming();
        OpenZeroDocument(editor);
        state.ResumeTiming();
        const qhe::ScriptRunResult result = qhe::ExecuteScript(editor, lines);
        if (result.outcome != qhe::ScriptOutcome::Completed) state.SkipWithError(result.error.c_str());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    state.counters["ns_per_line"] =
        benchmark::Counter(static_cast<double>(state.iterations() * kLines),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The same edits without a script: a position, one byte written, compared, and xored.
void BM_PlainLoopBaseline(benchmark::State& state) {
    std::vector<uint8_t> bytes(kDocumentBytes);
    for (auto _ : state) {
        int64_t a = 0;
        bool ok = true;
        for (int i = 0; i < kLines / 4; ++i) {
            a += 13;
            bytes[a++] = 0x5A;
            ok &= bytes[a] == 0 || bytes[a] == 0x5A;
            bytes[a++] ^= 0xFF;
        }
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

BENCHMARK(BM_ScriptCheckAndExecute)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainLoopBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
