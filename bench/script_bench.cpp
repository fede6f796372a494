// The script interpreter's cost per line: a 1,000,000-line script of ADR+, OVERWRITE (one
// byte), VERIFY and BITXOR lines, checked and executed on a 16 MiB Document without a display,
// and the same under the Qt progress box (offscreen). The baseline does the same edits with
// plain loops over the buffer, so the ratio shows what reading the lines and going through the
// editor's commands cost.
// Then REPLACEALLASC and FINDASC in a script against the menu commands (replace all, find
// again) on a large Document: QHE32_BENCH_MB sets its size (default 1024).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "editor/EditorState.h"
#include "editor/HeadlessUi.h"
#include "editor/script/ScriptRun.h"
#include "editor/search/FindCommands.h"
#include "editor/search/ReplaceCommands.h"

#ifdef QHE32_BENCH_GUI
#include <QApplication>

#include "gui/QtUi.h"
#endif

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

#ifdef QHE32_BENCH_GUI
// The same script under the Qt progress box, which lets window messages run as it updates.
void BM_ScriptCheckAndExecuteQtBox(benchmark::State& state) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qhe32_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    qhe::QtUi ui;
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
}
BENCHMARK(BM_ScriptCheckAndExecuteQtBox)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

// A large Document of letters with "QHE32REPLACE" every 4 KiB and "QHE32LAST" at its end.
const std::string kFind = "QHE32REPLACE";
const std::string kReplacement = "QHE32-REPLACED-LONGER";
const std::string kLast = "QHE32LAST";

const std::string& LargeData() {
    static const std::string data = [] {
        const char* mb = std::getenv("QHE32_BENCH_MB");
        std::string out(static_cast<size_t>((mb ? std::atoll(mb) : 1024) << 20), '\0');
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<char>('a' + (i * 7 + i / 13) % 26);
        for (size_t at = 100; at + kFind.size() < out.size() - kLast.size(); at += 4096)
            out.replace(at, kFind.size(), kFind);
        out.replace(out.size() - kLast.size(), kLast.size(), kLast);
        return out;
    }();
    return data;
}

void OpenLargeDocument(qhe::EditorState& editor) {
    const std::string& data = LargeData();
    editor.doc.Allocate();
    editor.doc.SetSize(0); // room is asked for relative to the size left by the last iteration
    if (!editor.doc.EnsureRoom(static_cast<int64_t>(data.size()))) std::abort();
    std::memcpy(editor.doc.Buffer(), data.data(), data.size());
    editor.doc.SetSize(static_cast<int32_t>(data.size()));
    editor.doc.IsOpen = true;
    editor.doc.Modified = false;
    editor.view.TopAddress = 1;
    editor.view.CursorRow = editor.view.CursorCol = 0;
}

// One large-Document operation per iteration: by a two-line script or by the menu command.
void RunLarge(benchmark::State& state, const std::function<void(qhe::EditorState&)>& operation) {
    std::ostringstream quiet;
    qhe::HeadlessUi ui(quiet);
    qhe::EditorState editor(ui);
    editor.doc.SetBusyFeedback(nullptr);
    editor.options.scope = false; // the menu commands start at the Document's start, as the script
    for (auto _ : state) {
        state.PauseTiming();
        OpenLargeDocument(editor);
        state.ResumeTiming();
        operation(editor);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(LargeData().size()));
}

void RunScript(qhe::EditorState& editor, const std::vector<std::string>& lines) {
    const qhe::ScriptRunResult result = qhe::ExecuteScript(editor, lines);
    if (result.outcome != qhe::ScriptOutcome::Completed) std::abort();
}

void BM_ScriptReplaceAll(benchmark::State& state) {
    RunLarge(state, [](qhe::EditorState& editor) {
        RunScript(editor, {"ADR 0", "REPLACEALLASC " + kFind + " BY " + kReplacement});
    });
}

void BM_MenuReplaceAll(benchmark::State& state) {
    RunLarge(state, [](qhe::EditorState& editor) {
        editor.search.findString = kFind;
        editor.search.replaceString = kReplacement;
        qhe::ReplaceCommands(editor).ReplaceAllCommand();
    });
}

void BM_ScriptFind(benchmark::State& state) {
    RunLarge(state, [](qhe::EditorState& editor) { RunScript(editor, {"ADR 0", "FINDASC " + kLast}); });
}

void BM_MenuFind(benchmark::State& state) {
    RunLarge(state, [](qhe::EditorState& editor) {
        editor.search.findString = kLast;
        qhe::FindCommands(editor).Findagaindown1Click(false);
        if (editor.view.CursorPosition() == 1) std::abort();
    });
}

BENCHMARK(BM_ScriptReplaceAll)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MenuReplaceAll)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScriptFind)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MenuFind)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

#ifdef QHE32_BENCH_GUI
#include "gui/script/TFormScript.h"

namespace {

// A script of a million lines loaded into the script window: from the command until the window
// shows it and can run it (the rest of the editor fills while the event loop runs).
void BM_ScriptWindowLoadMillionLines(benchmark::State& state) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qhe32_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    const std::string path = "/tmp/qhe32-bench-million.qsc";
    {
        std::string text;
        for (int i = 0; i < 1000000; ++i)
            text += i % 2 ? "OVERWRITE 41\r\n" : "ADR " + std::to_string(i % 1000) + "\r\n";
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    qhe::QtUi ui;
    qhe::EditorState editor(ui);
    qhe::TFormScript window(editor, [](int) {});
    size_t lines = 0;
    for (auto _ : state) {
        if (!window.LoadScript(path)) state.SkipWithError("not loaded");
        lines = window.Lines().size();
        state.PauseTiming();
        window.CompleteFill();
        state.ResumeTiming();
    }
    state.counters["lines"] = static_cast<double>(lines);
    std::remove(path.c_str());
}
BENCHMARK(BM_ScriptWindowLoadMillionLines)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

} // namespace
#endif
