// What the undo journal costs: each edit runs with undo on (a 256 MiB limit) and off in the
// same run, and undo itself is set against the work it takes back.
//  - typing a byte in the text pane of a 64 MiB Document, overwrite and insert mode;
//  - a 1-byte insert at position 1 and its undo, against one memmove of the Document;
//  - replace all with a hit every 4 KiB (equally long and longer replacement) and its undo.
// QHE32_BENCH_MB sets the Document of the insert (default 64; 1024 for the 1 GiB run); replace
// all takes the same size up to 256 MiB.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>

#include "editor/HeadlessUi.h"
#include "editor/MainCommands.h"

namespace {

constexpr int64_t kUndoOn = 256LL << 20;

int64_t BenchMegabytes() {
    const char* mb = std::getenv("QHE32_BENCH_MB");
    return mb ? std::max<long long>(std::atoll(mb), 1) : 64;
}

// An editor with an open Document of a given size, built once per size. The size stays a
// little below a capacity step, so a 1-byte insert and its undo never resize the buffer.
struct Editor {
    std::ostringstream quiet;
    qhe::HeadlessUi ui{quiet};
    qhe::MainCommands main{ui};
    qhe::EditorState& s = main.State();
    bool ready = false;

    explicit Editor(int64_t size) {
        main.Replace().freeMemory = [] { return uint64_t{1} << 40; };
        s.doc.SetBusyFeedback(nullptr);
        if (!main.Files().AllocateDocument() || !Reset(size)) return;
        uint8_t* bytes = s.doc.Buffer();
        for (int64_t i = 0; i < size; ++i)
            bytes[i] = static_cast<uint8_t>('a' + (i * 7 + i / 13) % 26);
        s.doc.FileName = "bench.bin";
        main.Files().AfterOpen();
        main.View().SetGridSize(17, 19);
        ready = true;
    }

    // Makes the Document size bytes long with the capacity a fresh one of that size has.
    bool Reset(int64_t size) {
        if (!s.doc.Reallocate(qhe::Document::CapacityFor(size))) return false;
        s.doc.SetSize(static_cast<int32_t>(size));
        return true;
    }

    // Undo on or off, the history empty either way.
    void Undo(bool on) {
        s.journal.SetLimit(0);
        s.journal.SetLimit(on ? kUndoOn : 0);
    }
};

Editor& EditorOf(int64_t size) {
    static std::map<int64_t, Editor> editors;
    auto it = editors.find(size);
    if (it == editors.end()) it = editors.try_emplace(size, size).first;
    return it->second;
}

// --- Typing --------------------------------------------------------------------------------

Editor& TypingEditor() {
    return EditorOf((64LL << 20) - 4096);
}

void BM_UndoTypeByte(benchmark::State& state, bool overwrite) {
    Editor& e = TypingEditor();
    if (!e.ready) return state.SkipWithError("no memory for the Document");
    e.Undo(state.range(0) != 0);
    e.s.view.TextMode = true;
    e.s.view.Overwrite = overwrite;
    e.main.View().ShowAddress(e.s.doc.Size() / 2, true, false);
    for (auto _ : state) {
        e.main.KeyPress(U'A');
        e.main.DrainPostedKeys(qhe::kModNone);
    }
    e.s.view.Overwrite = true;
    e.Undo(false);
}
BENCHMARK_CAPTURE(BM_UndoTypeByte, overwrite, true)->ArgName("undo")->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(BM_UndoTypeByte, insert, false)
    ->ArgName("undo")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// --- A 1-byte insert at position 1 ---------------------------------------------------------

Editor& InsertEditor() {
    return EditorOf((BenchMegabytes() << 20) - 4096);
}

void InsertAtStart(Editor& e) {
    const uint8_t b = 'Z';
    e.s.editor.BeginStep("insert");
    e.s.editor.Insert(1, &b, 1, qhe::ReplaceUndoRule::Keep);
    e.s.editor.EndStep();
}

void BM_UndoInsertAtStart(benchmark::State& state) {
    Editor& e = InsertEditor();
    if (!e.ready) return state.SkipWithError("no memory for the Document");
    const bool on = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        e.Undo(on);
        state.ResumeTiming();
        InsertAtStart(e);
        state.PauseTiming();
        e.s.doc.RemoveBytes(1, 1);
        state.ResumeTiming();
    }
    e.Undo(false);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(e.s.doc.Size()));
}
BENCHMARK(BM_UndoInsertAtStart)
    ->ArgName("undo")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(8)
    ->Unit(benchmark::kMillisecond);

// Undo1 as the menu runs it: the byte goes, the cursor and the view return.
void BM_UndoOfInsertAtStart(benchmark::State& state) {
    Editor& e = InsertEditor();
    if (!e.ready) return state.SkipWithError("no memory for the Document");
    for (auto _ : state) {
        state.PauseTiming();
        e.Undo(true);
        InsertAtStart(e);
        state.ResumeTiming();
        if (!e.main.Execute("Undo1")) {
            state.SkipWithError("nothing to undo");
            break;
        }
    }
    e.Undo(false);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(e.s.doc.Size()));
}
BENCHMARK(BM_UndoOfInsertAtStart)->Iterations(8)->Unit(benchmark::kMillisecond);

// The least an insert or its undo at position 1 can cost: one move of the whole Document.
void BM_UndoBaselineMemmove(benchmark::State& state) {
    Editor& e = InsertEditor();
    if (!e.ready) return state.SkipWithError("no memory for the Document");
    uint8_t* bytes = e.s.doc.Buffer();
    const auto size = static_cast<size_t>(e.s.doc.Size());
    for (auto _ : state) {
        std::memmove(bytes, bytes + 1, size - 1);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
}
BENCHMARK(BM_UndoBaselineMemmove)->Iterations(8)->Unit(benchmark::kMillisecond);

// --- Replace all ---------------------------------------------------------------------------

const std::string kFind = "QHE32REPLACE";
const std::string kEqual = "qhe32replace";
const std::string kLonger = "QHE32-REPLACED-LONGER";

int64_t ReplaceBytes() {
    return std::min<int64_t>(BenchMegabytes(), 256) << 20;
}

// Letters with the find string every 4 KiB.
const std::string& ReplaceData() {
    static std::string data;
    if (data.empty()) {
        data.assign(static_cast<size_t>(ReplaceBytes()), '\0');
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<char>('a' + (i * 7 + i / 13) % 26);
        for (size_t at = 100; at + kFind.size() < data.size(); at += 4096)
            data.replace(at, kFind.size(), kFind);
    }
    return data;
}

// The Document holds the data again, with a fresh Document's capacity and an empty history.
bool LoadReplaceData(Editor& e, bool on, const std::string& replacement) {
    const std::string& data = ReplaceData();
    if (!e.Reset(static_cast<int64_t>(data.size()))) return false;
    std::memcpy(e.s.doc.Buffer(), data.data(), data.size());
    e.Undo(on);
    e.s.options.scope = false;
    e.s.search.findString = kFind;
    e.s.search.replaceString = replacement;
    e.main.View().GotoStart();
    return true;
}

// Replace all as its command runs it: one step.
void ReplaceAllStep(Editor& e) {
    e.s.editor.BeginStep("replace all");
    e.main.Replace().ReplaceAllCommand();
    e.s.editor.EndStep();
}

void BM_UndoReplaceAll(benchmark::State& state, const std::string& replacement) {
    Editor& e = EditorOf(ReplaceBytes());
    if (!e.ready) return state.SkipWithError("no memory for the Document");
    for (auto _ : state) {
        state.PauseTiming();
        if (!LoadReplaceData(e, state.range(0) != 0, replacement)) {
            state.SkipWithError("no memory");
            break;
        }
        state.ResumeTiming();
        ReplaceAllStep(e);
    }
    e.Undo(false);
    state.SetBytesProcessed(state.iterations() * ReplaceBytes());
}

void BM_UndoOfReplaceAll(benchmark::State& state, const std::string& replacement) {
    Editor& e = EditorOf(ReplaceBytes());
    if (!e.ready) return state.SkipWithError("no memory for the Document");
    for (auto _ : state) {
        state.PauseTiming();
        if (!LoadReplaceData(e, true, replacement)) {
            state.SkipWithError("no memory");
            break;
        }
        ReplaceAllStep(e);
        state.ResumeTiming();
        if (!e.main.Execute("Undo1")) {
            state.SkipWithError("nothing to undo");
            break;
        }
    }
    if (e.s.doc.Size() != ReplaceBytes() || std::memcmp(e.s.doc.Buffer(), ReplaceData().data(), 4096) != 0)
        state.SkipWithError("undo did not restore the data");
    e.Undo(false);
    state.SetBytesProcessed(state.iterations() * ReplaceBytes());
}

#define QHE_UNDO_REPLACE_BENCH(name, replacement)                                                            \
    BENCHMARK_CAPTURE(BM_UndoReplaceAll, name, replacement)                                                  \
        ->ArgName("undo")                                                                                    \
        ->Arg(0)                                                                                             \
        ->Arg(1)                                                                                             \
        ->Iterations(10)                                                                                     \
        ->Unit(benchmark::kMillisecond);                                                                     \
    BENCHMARK_CAPTURE(BM_UndoOfReplaceAll, name, replacement)->Iterations(10)->Unit(benchmark::kMillisecond)

QHE_UNDO_REPLACE_BENCH(equal, kEqual);
QHE_UNDO_REPLACE_BENCH(longer, kLonger);

} // namespace
