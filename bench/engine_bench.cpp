// Engine throughput against baselines measured in the same run: memcpy, glibc memmem, a plain
// quick-search (Sunday) loop, zlib crc32. The buffer is QHE32_BENCH_MB MiB of random bytes
// (default 1024).
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
#include <cstdlib>
#include <cstring>
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
        return [this](int32_t e, bool& cancel) {
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
    const auto high = static_cast<int32_t>(hay.size());
    for (auto _ : state) {
        bool cancel = false;
        const bool caseSensitive = kind != 1, jokerOn = kind == 2;
        const int32_t hit = backward ? engine.SearchBackward(pattern, hay.data(), 1, high, caseSensitive,
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
    const auto high = static_cast<int32_t>(hay.size());
    for (auto _ : state) {
        bool cancel = false;
        const int32_t hit =
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
    const auto high = static_cast<int32_t>(hay.size());
    for (auto _ : state) {
        int64_t count = 0;
        bool cancel = false;
        for (int32_t pos = 1;;) {
            const int32_t hit =
                engine.SearchForward(pattern, hay.data(), pos, high, true, false, '.', progress, cancel);
            if (hit < 0) break;
            ++count;
            pos = hit + static_cast<int32_t>(pattern.size());
        }
        benchmark::DoNotOptimize(count);
        state.counters["hits"] = static_cast<double>(count);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(hay.size()));
}
BENCHMARK(BM_TQSearchCountRare)->Arg(6)->Arg(16)->Unit(benchmark::kMillisecond);

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
            qhe::ConvertWithCharTable(table, work.data(), static_cast<int32_t>(work.size()), 1, &progress);
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
