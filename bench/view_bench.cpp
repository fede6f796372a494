// The view's refills and keyboard editing on a large Document: each refill touches only the
// visible cells, so its cost must not depend on the Document's size. QHE32_BENCH_MB sets the
// Document size (default 1024).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "editor/file/FileCommands.h"
#include "editor/HeadlessUi.h"
#include "editor/view/KeyboardEditing.h"
#include "editor/view/ViewCommands.h"

namespace {

int64_t BenchBytes() {
    const char* mb = std::getenv("QHE32_BENCH_MB");
    return (mb ? std::atoll(mb) : 1024) << 20;
}

// One editor with an open Document of BenchBytes() bytes in a 17 x 19 window, built once.
struct BigView {
    qhe::HeadlessUi ui;
    qhe::EditorState state{ui};
    qhe::FileCommands files{state};
    qhe::ViewCommands view{state};
    qhe::KeyboardEditing keys{state};
    bool ready = false;

    BigView() {
        const int64_t size = std::min<int64_t>(BenchBytes(), qhe::kMaxDocumentSize - 1024);
        if (!files.AllocateDocument() || !state.doc.EnsureRoom(size)) return;
        state.doc.SetSize(static_cast<int32_t>(size));
        uint8_t* bytes = state.doc.Buffer();
        for (int64_t i = 0; i < size; ++i)
            bytes[i] = static_cast<uint8_t>(i * 2654435761u >> 24);
        state.doc.FileName = "bench.bin";
        files.AfterOpen();
        view.SetGridSize(17, 19);
        ready = true;
    }
};

BigView& View() {
    static BigView big;
    return big;
}

// Positions spread over the whole Document.
int64_t SpreadPosition(int64_t i, int64_t size) {
    return 1 + (i * 7919 * 4099) % size;
}

void BM_ShowAddressFillCells(benchmark::State& state) {
    BigView& big = View();
    if (!big.ready) return state.SkipWithError("no memory for the Document");
    const int64_t size = big.state.doc.Size();
    int64_t i = 0;
    for (auto _ : state) {
        big.view.ShowAddress(SpreadPosition(++i, size), true, false);
        benchmark::DoNotOptimize(big.state.view.hexCells.data());
    }
}
BENCHMARK(BM_ShowAddressFillCells);

void BM_PageDown(benchmark::State& state) {
    BigView& big = View();
    if (!big.ready) return state.SkipWithError("no memory for the Document");
    big.view.GotoStart();
    for (auto _ : state) {
        if (big.state.view.LastVisible == big.state.doc.Size()) big.view.GotoStart();
        big.keys.KeyDown(qhe::Key::PageDown, qhe::kModNone);
    }
}
BENCHMARK(BM_PageDown);

void BM_CtrlEndAndHome(benchmark::State& state) {
    BigView& big = View();
    if (!big.ready) return state.SkipWithError("no memory for the Document");
    for (auto _ : state) {
        big.keys.KeyDown(qhe::Key::PageDown, qhe::kModCtrl);
        big.keys.KeyDown(qhe::Key::PageUp, qhe::kModCtrl);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_CtrlEndAndHome);

void BM_ScrollBarJump(benchmark::State& state) {
    BigView& big = View();
    if (!big.ready) return state.SkipWithError("no memory for the Document");
    const int64_t size = big.state.doc.Size();
    int64_t i = 0;
    for (auto _ : state) {
        big.view.ScrollBar1Scroll(qhe::ScrollCode::ThumbTrack, SpreadPosition(++i, size));
        big.view.ScrollBar1Scroll(qhe::ScrollCode::EndScroll, 0);
    }
}
BENCHMARK(BM_ScrollBarJump);

void BM_TypeByteOverwrite(benchmark::State& state) {
    BigView& big = View();
    if (!big.ready) return state.SkipWithError("no memory for the Document");
    big.state.view.Overwrite = true;
    big.view.ShowAddress(big.state.doc.Size() / 2, true, false);
    for (auto _ : state) {
        big.keys.KeyPress(U'A');
        big.keys.DrainPostedKeys(qhe::kModNone);
    }
}
BENCHMARK(BM_TypeByteOverwrite);

// Typing a byte in insert mode at position 1 moves the whole Document once; the baseline is
// one memmove of the same bytes.
void BM_TypeByteInsertAtStart(benchmark::State& state) {
    BigView& big = View();
    if (!big.ready) return state.SkipWithError("no memory for the Document");
    big.state.view.Overwrite = false;
    for (auto _ : state) {
        big.view.GotoStart();
        big.keys.KeyPress(U'A');
        big.keys.DrainPostedKeys(qhe::kModNone);
    }
    big.state.view.Overwrite = true;
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(big.state.doc.Size()));
}
BENCHMARK(BM_TypeByteInsertAtStart)->Iterations(8)->Unit(benchmark::kMillisecond);

void BM_InsertBaselineMemmove(benchmark::State& state) {
    BigView& big = View();
    if (!big.ready) return state.SkipWithError("no memory for the Document");
    uint8_t* bytes = big.state.doc.Buffer();
    const size_t size = static_cast<size_t>(big.state.doc.Size());
    for (auto _ : state) {
        std::memmove(bytes + 1, bytes, size);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
}
BENCHMARK(BM_InsertBaselineMemmove)->Iterations(8)->Unit(benchmark::kMillisecond);

} // namespace
