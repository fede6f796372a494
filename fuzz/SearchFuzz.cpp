// The search engine against a brute-force search: every scan method, both directions, the case
// and joker options and arbitrary ranges must give the same hit as trying every window start,
// and the same count as searching again after every hit.
#include "FuzzCheck.h"
#include "core/search/TQSearch.h"
#include "core/text/Ansi.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

using qhe::TQSearch;

bool MatchesAt(const std::vector<uint8_t>& buffer, int64_t start, const std::vector<uint8_t>& pattern,
               bool caseSensitive, bool jokerOn, uint8_t joker) {
    for (size_t k = 0; k < pattern.size(); ++k) {
        const uint8_t p = pattern[k], b = buffer[static_cast<size_t>(start) + k];
        if (jokerOn && p == joker) continue;
        if (caseSensitive ? b != p : qhe::AnsiUpper(b) != qhe::AnsiUpper(p)) return false;
    }
    return true;
}

// The expected answer: 1-based position of the leftmost (or rightmost) window inside [low, high].
int64_t BruteForce(const std::vector<uint8_t>& buffer, const std::vector<uint8_t>& pattern, int64_t low,
                   int64_t high, bool caseSensitive, bool jokerOn, uint8_t joker, bool forward) {
    if (pattern.empty()) return -2;
    const int64_t first = std::max<int64_t>(low, 1) - 1;
    const int64_t last = static_cast<int64_t>(high) - static_cast<int64_t>(pattern.size());
    if (forward) {
        for (int64_t s = first; s <= last; ++s)
            if (MatchesAt(buffer, s, pattern, caseSensitive, jokerOn, joker))
                return static_cast<int64_t>(s + 1);
    } else {
        for (int64_t s = last; s >= first; --s)
            if (MatchesAt(buffer, s, pattern, caseSensitive, jokerOn, joker))
                return static_cast<int64_t>(s + 1);
    }
    return -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One engine per method lives across inputs, so the reuse of prepared tables is checked too.
    static std::array<TQSearch, 4> engines = [] {
        std::array<TQSearch, 4> e;
        e[0].SetMethod(TQSearch::Method::CandidateFilter);
        e[1].SetMethod(TQSearch::Method::Sse2CandidateFilter);
        e[2].SetMethod(TQSearch::Method::ScalarCandidateFilter);
        e[3].SetMethod(TQSearch::Method::QuickSearch);
        return e;
    }();

    FuzzedDataProvider in(data, size);
    const uint8_t flags = in.ConsumeIntegral<uint8_t>();
    const bool caseSensitive = flags & 1, jokerOn = flags & 2, patternFromBuffer = flags & 4;
    const bool jokerInPattern = flags & 8, large = (flags & 0xF0) == 0xF0;
    const uint8_t joker = in.ConsumeIntegral<uint8_t>();
    const size_t patternLength = in.ConsumeIntegralInRange<size_t>(0, large ? 16 : 70);
    const uint16_t lowSeed = in.ConsumeIntegral<uint16_t>(), highSeed = in.ConsumeIntegral<uint16_t>();
    const uint16_t patternOffset = in.ConsumeIntegral<uint16_t>();
    const uint8_t jokerIndex = in.ConsumeIntegral<uint8_t>();
    std::vector<uint8_t> pattern;
    if (!patternFromBuffer) pattern = in.ConsumeBytes<uint8_t>(patternLength);
    std::vector<uint8_t> buffer = in.ConsumeRemainingBytes<uint8_t>();
    // Large inputs cross the engine's progress stride, where the scan is split into chunks.
    if (large && !buffer.empty()) {
        const size_t target = TQSearch::kProgressStride + 3000;
        buffer.reserve(target);
        while (buffer.size() < target)
            buffer.push_back(buffer[buffer.size() % 97 % buffer.size()]);
    }
    if (patternFromBuffer && !buffer.empty()) {
        const size_t start = patternOffset % buffer.size();
        const size_t n = std::min(patternLength, buffer.size() - start);
        pattern.assign(buffer.begin() + static_cast<ptrdiff_t>(start),
                       buffer.begin() + static_cast<ptrdiff_t>(start + n));
    }
    if (jokerInPattern && !pattern.empty()) pattern[jokerIndex % pattern.size()] = joker;

    const auto span = static_cast<int64_t>(buffer.size());
    int64_t low = lowSeed % (span + 2);
    int64_t high = highSeed % (span + 1);
    if (large) { // a range that reaches past the first chunk
        low = lowSeed % 4096;
        high = span - highSeed % 4096;
    }

    for (const bool forward : {true, false}) {
        const int64_t expected =
            BruteForce(buffer, pattern, low, high, caseSensitive, jokerOn, joker, forward);
        for (auto& engine : engines) {
            bool cancel = false;
            const int64_t got = forward ? engine.SearchForward(pattern, buffer.data(), low, high,
                                                               caseSensitive, jokerOn, joker, {}, cancel)
                                        : engine.SearchBackward(pattern, buffer.data(), low, high,
                                                                caseSensitive, jokerOn, joker, {}, cancel);
            if (got != expected)
                std::fprintf(stderr, "forward=%d low=%lld high=%lld n=%zu size=%zu: got %lld, brute force %lld\n",
                             forward, static_cast<long long>(low), static_cast<long long>(high), pattern.size(),
                             buffer.size(), static_cast<long long>(got), static_cast<long long>(expected));
            FUZZ_CHECK(got == expected);
        }
        // Counting: the same as searching again after each hit, forward or backward.
        int64_t expectedCount = 0;
        int64_t expectedLast = 0;
        for (int64_t lo = low, hi = high;;) {
            const int64_t hit = BruteForce(buffer, pattern, lo, hi, caseSensitive, jokerOn, joker, forward);
            if (hit < 0) break;
            ++expectedCount, expectedLast = hit;
            if (forward)
                lo = hit + static_cast<int64_t>(pattern.size());
            else
                hi = hit - 1;
        }
        for (auto& engine : engines) {
            bool cancel = false;
            int64_t last = 0;
            const int64_t count = forward
                                      ? engine.CountForward(pattern, buffer.data(), low, high, caseSensitive,
                                                            jokerOn, joker, {}, cancel, last)
                                      : engine.CountBackward(pattern, buffer.data(), low, high, caseSensitive,
                                                             jokerOn, joker, {}, cancel, last);
            FUZZ_CHECK(count == expectedCount && last == expectedLast);
        }
    }
    return 0;
}
