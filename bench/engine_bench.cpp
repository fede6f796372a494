// Engine throughput against baselines measured in the same run: memcpy, glibc memmem, a plain
// quick-search (Sunday) loop, zlib crc32. The buffer is QHE32_BENCH_MB MiB of random bytes
// (default 1024).
// The plain Sunday and std::boyer_moore_horspool_searcher baselines are quadratic on the
// periodic rows (seconds to minutes per run); a quick run leaves them out with
//   --benchmark_filter='BM_Cliff|BM_Typical' then '-baseline:[12]' as a second filter run, or
//   --benchmark_filter='BM_CliffFindBaseline/row:[0-9]/baseline:0'.
#include "core/search/TQSearch.h"
#include "core/text/Ansi.h"
#include "core/tools/CharTable.h"
#include "core/tools/Checksum.h"
#include "core/tools/Crc16.h"
#include "core/tools/TranslateKernels.h"
#include "core/util/Progress.h"

#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using qhe::TQSearch;

int64_t BufferSize() {
    const char* mb = std::getenv("QHE32_BENCH_MB");
    const int64_t size = (mb ? std::atoll(mb) : 1024) << 20;
    return std::clamp<int64_t>(size, int64_t{1} << 20, (int64_t{1} << 31) - (int64_t{1} << 20));
}

void FillRandom(std::vector<uint8_t>& bytes, uint64_t seed) {
    uint64_t x = seed;
    size_t k = 0;
    for (; k + 8 <= bytes.size(); k += 8) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        std::memcpy(bytes.data() + k, &x, 8);
    }
    for (; k < bytes.size(); ++k)
        bytes[k] = static_cast<uint8_t>(x >> (k % 8));
}

// Patterns planted once every MiB, so that counting finds a rare hit now and then.
const std::string kRare6 = "QHE32!";
const std::string kRare16 = "QHE32-rare-16byt";

// Absent patterns (checked absent at start-up), one per kind of search.
struct Patterns {
    std::string exact6, exact16, letters6, letters16, joker6, joker16;
};

const std::vector<uint8_t>& Haystack() {
    static const std::vector<uint8_t> bytes = [] {
        std::vector<uint8_t> b(static_cast<size_t>(BufferSize()));
        FillRandom(b, 0x9E3779B97F4A7C15ull);
        for (size_t at = 1000; at + 16 < b.size(); at += (1 << 20)) {
            std::memcpy(b.data() + at, kRare6.data(), 6);
            std::memcpy(b.data() + at + 100, kRare16.data(), 16);
        }
        return b;
    }();
    return bytes;
}

const Patterns& AbsentPatterns() {
    static const Patterns patterns{"\x8D\x11\xC3\x5E\xF0\x27",
                                   "\x8D\x11\xC3\x5E\xF0\x27\x61\x9A\x04\xEE\x73\xB2\x1F\xC8\x55\x3A",
                                   "Needle",
                                   "NeedleInHaystack",
                                   "Ne.dle",
                                   "NeedleIn.aystack"};
    return patterns;
}

std::vector<uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

const std::string& PatternFor(int kind, int length) {
    const Patterns& p = AbsentPatterns();
    switch (kind) {
    case 0:
        return length == 6 ? p.exact6 : p.exact16;
    case 1:
        return length == 6 ? p.letters6 : p.letters16;
    case 2:
        return length == 6 ? p.joker6 : p.joker16;
    default:
        return length == 6 ? kRare6 : kRare16;
    }
}

// The progress callback a caller passes: gauge arithmetic per call, as the progress box does.
struct GaugeCallback {
    qhe::ProgressGauge gauge;
    int64_t total;
    qhe::SearchProgress Callback() {
        return [this](int64_t e, bool& cancel) {
            gauge.Update(e, total, 5);
            cancel = false;
        };
    }
};

// ---------------------------------------------------------------------------------------------
// Baselines

void BM_Memcpy(benchmark::State& state) {
    const auto& hay = Haystack();
    static std::vector<uint8_t> dst(hay.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), hay.data(), hay.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

void BM_MemmemAbsent(benchmark::State& state) {
    const auto& hay = Haystack();
    const std::string& pattern = PatternFor(0, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const void* hit = memmem(hay.data(), hay.size(), pattern.data(), pattern.size());
        benchmark::DoNotOptimize(hit);
        if (hit) state.SkipWithError("pattern present");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_MemmemAbsent)->Arg(6)->Arg(16)->Unit(benchmark::kMillisecond);

void BM_MemmemCountRare(benchmark::State& state) {
    const auto& hay = Haystack();
    const std::string& pattern = PatternFor(3, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        int64_t count = 0;
        const uint8_t* p = hay.data();
        const uint8_t* end = hay.data() + hay.size();
        while (const void* hit = memmem(p, static_cast<size_t>(end - p), pattern.data(), pattern.size())) {
            ++count;
            p = static_cast<const uint8_t*>(hit) + pattern.size();
        }
        benchmark::DoNotOptimize(count);
        state.counters["hits"] = static_cast<double>(count);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_MemmemCountRare)->Arg(6)->Arg(16)->Unit(benchmark::kMillisecond);

// A plain quick-search loop: compare right to left, shift by the byte after the window. Selector
// as in the engine: 10 exact, 0 case-insensitive, 11 exact with joker '.'.
template <int Selector> int64_t PlainSunday(const uint8_t* text, int64_t size, const std::string& pat) {
    const auto* p = reinterpret_cast<const uint8_t*>(pat.data());
    const int64_t n = static_cast<int64_t>(pat.size());
    const auto& upper = qhe::AnsiUpperMap();
    const auto& lower = qhe::AnsiLowerMap();
    int64_t cap = n + 1;
    if (Selector == 11)
        for (int64_t i = 0; i < n; ++i)
            if (p[i] == '.') cap = n - i;
    int64_t shift[256];
    std::fill(shift, shift + 256, cap);
    for (int64_t i = 0; i < n; ++i) {
        if (n - i >= cap) continue;
        if (Selector == 0) {
            shift[upper[p[i]]] = shift[lower[p[i]]] = n - i;
        } else {
            shift[p[i]] = n - i;
        }
    }
    for (int64_t s = 0; s + n <= size;) {
        int64_t k = n - 1;
        for (; k >= 0; --k) {
            const uint8_t t = text[s + k];
            if (Selector == 10 && t != p[k]) break;
            if (Selector == 0 && upper[t] != upper[p[k]]) break;
            if (Selector == 11 && p[k] != '.' && t != p[k]) break;
        }
        if (k < 0) return s;
        if (s + n == size) break;
        s += shift[text[s + n]];
    }
    return -1;
}

void BM_PlainSunday(benchmark::State& state) {
    const auto& hay = Haystack();
    const int kind = static_cast<int>(state.range(0));
    const std::string& pattern = PatternFor(kind, static_cast<int>(state.range(1)));
    for (auto _ : state) {
        const auto size = static_cast<int64_t>(hay.size());
        const int64_t hit = kind == 0   ? PlainSunday<10>(hay.data(), size, pattern)
                            : kind == 1 ? PlainSunday<0>(hay.data(), size, pattern)
                                        : PlainSunday<11>(hay.data(), size, pattern);
        benchmark::DoNotOptimize(hit);
        if (hit >= 0) state.SkipWithError("pattern present");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
// Args: kind (0 exact, 1 case-insensitive, 2 joker), pattern length.
BENCHMARK(BM_PlainSunday)->ArgsProduct({{0, 1, 2}, {6, 16}})->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------------------------
// The engine

void BM_TQSearch(benchmark::State& state) {
    const auto& hay = Haystack();
    const int kind = static_cast<int>(state.range(0));
    const bool backward = state.range(2) != 0;
    const auto pattern = Bytes(PatternFor(kind, static_cast<int>(state.range(1))));
    TQSearch engine;
    GaugeCallback gauge{{}, static_cast<int64_t>(hay.size())};
    const auto progress = gauge.Callback();
    const auto high = static_cast<int64_t>(hay.size());
    for (auto _ : state) {
        bool cancel = false;
        const bool caseSensitive = kind != 1, jokerOn = kind == 2;
        const int64_t hit = backward ? engine.SearchBackward(pattern, hay.data(), 1, high, caseSensitive,
                                                             jokerOn, '.', progress, cancel)
                                     : engine.SearchForward(pattern, hay.data(), 1, high, caseSensitive,
                                                            jokerOn, '.', progress, cancel);
        benchmark::DoNotOptimize(hit);
        if (hit >= 0) state.SkipWithError("pattern present");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
// Args: kind (0 exact, 1 case-insensitive, 2 joker), pattern length, backward.
BENCHMARK(BM_TQSearch)->ArgsProduct({{0, 1, 2}, {6, 16}, {0, 1}})->Unit(benchmark::kMillisecond);

// The narrower scan methods (for processors without AVX2, and the quick-search loop), exact
// 16-byte absent pattern forward. Arg: TQSearch::Method.
void BM_TQSearchMethod(benchmark::State& state) {
    const auto& hay = Haystack();
    const auto pattern = Bytes(PatternFor(0, 16));
    TQSearch engine;
    engine.SetMethod(static_cast<TQSearch::Method>(state.range(0)));
    const auto high = static_cast<int64_t>(hay.size());
    for (auto _ : state) {
        bool cancel = false;
        const int64_t hit =
            engine.SearchForward(pattern, hay.data(), 1, high, true, false, '.', nullptr, cancel);
        benchmark::DoNotOptimize(hit);
        if (hit >= 0) state.SkipWithError("pattern present");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_TQSearchMethod)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Counting as the count command does: repeated forward searches, each after the previous hit.
void BM_TQSearchCountRare(benchmark::State& state) {
    const auto& hay = Haystack();
    const auto pattern = Bytes(PatternFor(3, static_cast<int>(state.range(0))));
    TQSearch engine;
    GaugeCallback gauge{{}, static_cast<int64_t>(hay.size())};
    const auto progress = gauge.Callback();
    const auto high = static_cast<int64_t>(hay.size());
    for (auto _ : state) {
        int64_t count = 0;
        bool cancel = false;
        for (int64_t pos = 1;;) {
            const int64_t hit =
                engine.SearchForward(pattern, hay.data(), pos, high, true, false, '.', progress, cancel);
            if (hit < 0) break;
            ++count;
            pos = hit + static_cast<int64_t>(pattern.size());
        }
        benchmark::DoNotOptimize(count);
        state.counters["hits"] = static_cast<double>(count);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_TQSearchCountRare)->Arg(6)->Arg(16)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------------------------
// Inputs where a candidate filter can stop paying (one buffer per kind, built on first use), with
// the baselines of each row measured beside the engine.

// C headers of this system, repeated to the buffer size: real text with real byte frequencies.
const std::vector<uint8_t>& HeaderText() {
    static const std::vector<uint8_t> bytes = [] {
        std::vector<uint8_t> b;
        const auto size = static_cast<size_t>(BufferSize());
        for (const auto& entry : std::filesystem::recursive_directory_iterator(
                 "/usr/include", std::filesystem::directory_options::skip_permission_denied)) {
            if (b.size() >= size) break;
            if (!entry.is_regular_file() || entry.path().extension() != ".h") continue;
            std::ifstream in(entry.path(), std::ios::binary);
            b.insert(b.end(), std::istreambuf_iterator<char>(in), {});
        }
        if (b.empty()) b.assign(size, 'e');
        for (size_t k = 0; b.size() < size; ++k)
            b.push_back(b[k]);
        b.resize(size);
        // The "the then" rows search the whole buffer: break every occurrence, any case.
        const std::string absent = "the then";
        auto sameLetter = [](uint8_t x, char y) { return std::tolower(x) == y; };
        for (auto it = b.begin();
             (it = std::search(it, b.end(), absent.begin(), absent.end(), sameLetter)) != b.end();)
            it[3] = '_';
        return b;
    }();
    return bytes;
}

const std::string& Absent16() {
    return AbsentPatterns().exact16;
}

// The two bytes the engine's own filter watches for the absent 16-byte pattern, alternating.
const std::vector<uint8_t>& FilterPairData() {
    static const std::vector<uint8_t> bytes = [] {
        TQSearch engine;
        engine.Prepare(Bytes(Absent16()), true, '.', false);
        const auto& f = engine.Filter();
        std::vector<uint8_t> b(static_cast<size_t>(BufferSize()));
        for (size_t k = 0; k < b.size(); ++k)
            b[k] = (k + f.offsetA) % 2 ? f.b1 : f.a1;
        return b;
    }();
    return bytes;
}

const std::vector<uint8_t>& Zeros() {
    static const std::vector<uint8_t> bytes(static_cast<size_t>(BufferSize()), 0);
    return bytes;
}

const std::vector<uint8_t>& Alternating() {
    static const std::vector<uint8_t> bytes = [] {
        std::vector<uint8_t> b(static_cast<size_t>(BufferSize()));
        for (size_t k = 0; k < b.size(); ++k)
            b[k] = k % 2 ? 'B' : 'A';
        return b;
    }();
    return bytes;
}

// ABAB... of length n with one byte in the middle turned into the other letter.
std::string PeriodicNearMiss(size_t n, bool lower) {
    std::string p(n, 'A');
    for (size_t k = 0; k < n; ++k)
        p[k] = static_cast<char>((k % 2 ? 'B' : 'A') + (lower ? 32 : 0));
    p[n / 2] = p[n / 2 + 1];
    return p;
}

// Copies of a 64-byte letter pattern, each with one byte changed at a random place: every pair of
// pattern bytes is common, so no candidate filter pays and the linear-time methods run.
const std::string& NearCopiesPattern() {
    static const std::string p = "Linear-time search: copies of this pattern, one byte off in each.";
    return p;
}

const std::vector<uint8_t>& NearCopies() {
    static const std::vector<uint8_t> bytes = [] {
        const std::string& p = NearCopiesPattern();
        std::vector<uint8_t> b(static_cast<size_t>(BufferSize()));
        uint64_t x = 12345;
        for (size_t at = 0; at < b.size(); at += p.size()) {
            const size_t n = std::min(p.size(), b.size() - at);
            std::memcpy(b.data() + at, p.data(), n);
            x ^= x << 13, x ^= x >> 7, x ^= x << 17;
            b[at + x % n] = '#';
        }
        return b;
    }();
    return bytes;
}

struct Row {
    const std::vector<uint8_t>& (*data)();
    std::string pattern;
    bool caseSensitive;
    bool jokerOn = false;
};

std::string WithJoker(std::string p) {
    p[1] = '.';
    return p;
}

// Arg of the rows: 0 filter pair, 1..2 periodic 256/1024 B, 3 periodic 64 B case-insensitive,
// 4 "the then" case-insensitive in headers, 5 the same on random data, 6 periodic 64 B with a
// joker (only the engine and plain Sunday search with jokers), 7 near copies (exact), 8 near
// copies case-insensitive.
Row FindRow(int64_t row) {
    switch (row) {
    case 0:
        return {&FilterPairData, Absent16(), true};
    case 1:
        return {&Alternating, PeriodicNearMiss(256, false), true};
    case 2:
        return {&Alternating, PeriodicNearMiss(1024, false), true};
    case 3:
        return {&Alternating, PeriodicNearMiss(64, true), false};
    case 4:
        return {&HeaderText, "the then", false};
    case 5:
        return {&Haystack, "the then", false};
    case 7:
        return {&NearCopies, NearCopiesPattern(), true};
    case 8:
        return {&NearCopies, NearCopiesPattern(), false};
    default:
        return {&Alternating, WithJoker(PeriodicNearMiss(64, false)), true, true};
    }
}

void BM_CliffFind(benchmark::State& state) {
    const Row row = FindRow(state.range(0));
    const bool backward = state.range(1) != 0;
    const auto& hay = row.data();
    const auto pattern = Bytes(row.pattern);
    const auto high = static_cast<int64_t>(hay.size());
    TQSearch engine;
    GaugeCallback gauge{{}, static_cast<int64_t>(hay.size())};
    const auto progress = gauge.Callback();
    for (auto _ : state) {
        bool cancel = false;
        const int64_t hit = backward ? engine.SearchBackward(pattern, hay.data(), 1, high, row.caseSensitive,
                                                             row.jokerOn, '.', progress, cancel)
                                     : engine.SearchForward(pattern, hay.data(), 1, high, row.caseSensitive,
                                                            row.jokerOn, '.', progress, cancel);
        benchmark::DoNotOptimize(hit);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_CliffFind)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 1}})
    ->ArgNames({"row", "back"})
    ->Unit(benchmark::kMillisecond);

// Baselines of the find rows: 0 memmem, 1 std::boyer_moore_horspool_searcher, 2 plain Sunday.
void BM_CliffFindBaseline(benchmark::State& state) {
    const Row row = FindRow(state.range(0));
    const auto& hay = row.data();
    const auto size = static_cast<int64_t>(hay.size());
    for (auto _ : state) {
        int64_t hit = -1;
        if (row.jokerOn) {
            if (state.range(1) != 2) {
                state.SkipWithError("no joker search");
                break;
            }
            hit = PlainSunday<11>(hay.data(), size, row.pattern);
        } else if (state.range(1) == 0) {
            const void* p = memmem(hay.data(), hay.size(), row.pattern.data(), row.pattern.size());
            hit = p ? static_cast<const uint8_t*>(p) - hay.data() : -1;
        } else if (state.range(1) == 1) {
            const auto it =
                std::search(hay.begin(), hay.end(),
                            std::boyer_moore_horspool_searcher(row.pattern.begin(), row.pattern.end()));
            hit = it - hay.begin();
        } else {
            hit = row.caseSensitive ? PlainSunday<10>(hay.data(), size, row.pattern)
                                    : PlainSunday<0>(hay.data(), size, row.pattern);
        }
        benchmark::DoNotOptimize(hit);
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_CliffFindBaseline)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 1, 2}})
    ->ArgNames({"row", "baseline"})
    ->Unit(benchmark::kMillisecond);

// Arg of the count rows: 0 four zero bytes in zeros, 1 sixteen zero bytes in zeros, 2 'e' in
// headers, 3 line feeds in headers, 4 'A' in random data.
Row CountRow(int64_t row) {
    switch (row) {
    case 0:
        return {&Zeros, std::string(4, '\0'), true};
    case 1:
        return {&Zeros, std::string(16, '\0'), true};
    case 2:
        return {&HeaderText, "e", true};
    case 3:
        return {&HeaderText, "\n", true};
    default:
        return {&Haystack, "A", true};
    }
}

// Second arg: 0 the engine's count, 1 repeated searches with a gauge update per hit (how the
// count command counted before the engine could count), 2 the engine's backward count.
void BM_CliffCount(benchmark::State& state) {
    const Row row = CountRow(state.range(0));
    const auto& hay = row.data();
    const auto pattern = Bytes(row.pattern);
    const auto high = static_cast<int64_t>(hay.size());
    TQSearch engine;
    GaugeCallback gauge{{}, static_cast<int64_t>(hay.size())};
    const auto progress = gauge.Callback();
    for (auto _ : state) {
        int64_t count = 0;
        bool cancel = false;
        if (state.range(1) == 0) {
            int64_t last = 0;
            count =
                engine.CountForward(pattern, hay.data(), 1, high, true, false, '.', progress, cancel, last);
        } else if (state.range(1) == 2) {
            int64_t last = 0;
            count =
                engine.CountBackward(pattern, hay.data(), 1, high, true, false, '.', progress, cancel, last);
        } else {
            for (int64_t pos = 1;;) {
                const int64_t hit =
                    engine.SearchForward(pattern, hay.data(), pos, high, true, false, '.', progress, cancel);
                if (hit < 0) break;
                ++count;
                pos = hit + static_cast<int64_t>(pattern.size());
                gauge.gauge.Update(pos, high, 5);
            }
        }
        benchmark::DoNotOptimize(count);
        state.counters["hits"] = static_cast<double>(count);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_CliffCount)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1, 2}})
    ->ArgNames({"row", "method"})
    ->Unit(benchmark::kMillisecond);

// Baselines of the count rows: a memchr loop for one byte, a Horspool counting loop otherwise.
void BM_CliffCountBaseline(benchmark::State& state) {
    const Row row = CountRow(state.range(0));
    const auto& hay = row.data();
    const auto* text = hay.data();
    const auto size = static_cast<int64_t>(hay.size());
    const auto* p = reinterpret_cast<const uint8_t*>(row.pattern.data());
    const auto n = static_cast<int64_t>(row.pattern.size());
    int64_t shift[256];
    std::fill(shift, shift + 256, n);
    for (int64_t i = 0; i + 1 < n; ++i)
        shift[p[i]] = n - 1 - i;
    for (auto _ : state) {
        int64_t count = 0;
        if (n == 1) {
            for (const uint8_t* q = text; (q = static_cast<const uint8_t*>(
                                               std::memchr(q, p[0], static_cast<size_t>(text + size - q))));
                 ++q)
                ++count;
        } else {
            for (int64_t s = 0; s + n <= size;) {
                if (text[s + n - 1] == p[n - 1] &&
                    std::memcmp(text + s, p, static_cast<size_t>(n - 1)) == 0) {
                    ++count;
                    s += n;
                } else {
                    s += shift[text[s + n - 1]];
                }
            }
        }
        benchmark::DoNotOptimize(count);
        state.counters["hits"] = static_cast<double>(count);
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_CliffCountBaseline)->DenseRange(0, 4)->ArgName("row")->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------------------------
// Typical searches, to compare builds: random, zero and text data; absent 6 and 16 B patterns
// found, and planted ones (a hit every 4 KiB) counted; exact and case-insensitive.

const std::vector<uint8_t>& TypicalData(int64_t kind) {
    return kind == 0 ? Haystack() : kind == 1 ? Zeros() : HeaderText();
}

// A copy of the data with the 6 and 16 B rare patterns planted every 4 KiB (built on first use).
const std::vector<uint8_t>& Planted(int64_t kind) {
    static std::vector<uint8_t> copies[3];
    auto& b = copies[kind];
    if (b.empty()) {
        b = TypicalData(kind);
        for (size_t at = 1000; at + 2048 < b.size(); at += 4096) {
            std::memcpy(b.data() + at, kRare6.data(), 6);
            std::memcpy(b.data() + at + 2048, kRare16.data(), 16);
        }
    }
    return b;
}

// Args: data (0 random, 1 zeros, 2 headers), pattern length, case-insensitive, count.
void BM_Typical(benchmark::State& state) {
    const bool count = state.range(3) != 0, caseSensitive = state.range(2) == 0;
    const auto& hay = count ? Planted(state.range(0)) : TypicalData(state.range(0));
    const int length = static_cast<int>(state.range(1));
    const auto pattern = Bytes(count ? PatternFor(3, length) : PatternFor(0, length));
    const auto high = static_cast<int64_t>(hay.size());
    TQSearch engine;
    GaugeCallback gauge{{}, static_cast<int64_t>(hay.size())};
    const auto progress = gauge.Callback();
    for (auto _ : state) {
        bool cancel = false;
        int64_t last = 0;
        const int64_t result = count ? engine.CountForward(pattern, hay.data(), 1, high, caseSensitive, false,
                                                           '.', progress, cancel, last)
                                     : engine.SearchForward(pattern, hay.data(), 1, high, caseSensitive,
                                                            false, '.', progress, cancel);
        benchmark::DoNotOptimize(result);
        state.counters["result"] = static_cast<double>(result);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_Typical)
    ->ArgsProduct({{0, 1, 2}, {6, 16}, {0, 1}, {0, 1}})
    ->ArgNames({"data", "n", "ci", "count"})
    ->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------------------------
// Checksums

void BM_ZlibCrc32(benchmark::State& state) {
    const auto& hay = Haystack();
    for (auto _ : state) {
        uLong crc = crc32(0L, Z_NULL, 0);
        for (size_t k = 0; k < hay.size(); k += (1u << 30))
            crc = crc32(crc, hay.data() + k, static_cast<uInt>(std::min<size_t>(1u << 30, hay.size() - k)));
        benchmark::DoNotOptimize(crc);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_ZlibCrc32)->Unit(benchmark::kMillisecond);

void BM_LibdeflateCrc32(benchmark::State& state) {
    const auto& hay = Haystack();
    for (auto _ : state)
        benchmark::DoNotOptimize(libdeflate_crc32(0, hay.data(), hay.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_LibdeflateCrc32)->Unit(benchmark::kMillisecond);

void BM_Crc16(benchmark::State& state) {
    const auto& hay = Haystack();
    const auto variant = state.range(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(variant == 2   ? qhe::Crc16ArcFoldedWide(0, hay.data(), hay.size())
                                 : variant == 1 ? qhe::Crc16ArcFolded(0, hay.data(), hay.size())
                                                : qhe::Crc16ArcSliced(0, hay.data(), hay.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
// Arg: 0 slicing-by-8, 1 folded 16 bytes per multiplication, 2 folded 64 bytes.
BENCHMARK(BM_Crc16)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ComputeChecksums(benchmark::State& state) {
    const auto& hay = Haystack();
    qhe::NoProgress progress;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            qhe::ComputeChecksums(hay.data(), static_cast<int64_t>(hay.size()), &progress));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_ComputeChecksums)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------------------------
// Character conversion

void BM_ConvertWithCharTable(benchmark::State& state) {
    const auto& hay = Haystack();
    static std::vector<uint8_t> work;
    work.assign(hay.begin(), hay.end());
    qhe::CharTable table;
    qhe::ResetCharTable(table);
    if (state.range(0) == 0) {
        // A code page conversion: every byte from 0x80 changes (a rotation within the high half).
        for (int b = 0x80; b < 0x100; ++b)
            table[b] = static_cast<uint8_t>(0x80 + ((b - 0x80 + 37) % 128));
    } else {
        // A handful of replacements.
        table[0xC4] = 'A', table[0xD6] = 'O', table[0xDC] = 'U', table[0xDF] = 's';
    }
    qhe::NoProgress progress;
    for (auto _ : state) {
        const auto r =
            qhe::ConvertWithCharTable(table, work.data(), static_cast<int64_t>(work.size()), 1, &progress);
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(work.size()));
}
// Arg: 0 every high byte changes, 1 four bytes change.
BENCHMARK(BM_ConvertWithCharTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Arg: 0 portable, 1 AVX2, 2 AVX-512 VBMI.
void BM_TranslateBytes(benchmark::State& state) {
    const auto& hay = Haystack();
    static std::vector<uint8_t> work;
    work.assign(hay.begin(), hay.end());
    qhe::CharTable table;
    qhe::ResetCharTable(table);
    for (int b = 0x80; b < 0x100; ++b)
        table[b] = static_cast<uint8_t>(0x80 + ((b - 0x80 + 37) % 128));
    auto* variant = state.range(0) == 0   ? &qhe::TranslateBytesPortable
                    : state.range(0) == 1 ? &qhe::translate_detail::TranslateAvx2
                                          : &qhe::translate_detail::TranslateAvx512Vbmi;
    for (auto _ : state) {
        const int64_t changed = variant(table, work.data(), work.size());
        if (changed < 0) state.SkipWithError("not available on this processor");
        benchmark::DoNotOptimize(changed);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(work.size()));
}
BENCHMARK(BM_TranslateBytes)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
