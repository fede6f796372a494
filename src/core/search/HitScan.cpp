#include "core/search/HitScan.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/search/PairMasks.h"
#include "core/text/Ansi.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QHE_HITSCAN_X86 1
#endif

namespace qhe {
namespace {

// The comparisons of a candidate window with the pattern, inlined into the scan loop.

// Every window the filter passes is a hit (a one-byte pattern: the filter tests that byte).
struct AnyWindow {
    bool operator()(const uint8_t*) const { return true; }
};

// Exact patterns of 2..16 bytes: the first and the last word, which together cover the pattern.
template <typename Word> struct EndsEqual {
    Word head, tail;
    size_t tailAt;
    EndsEqual(const std::vector<uint8_t>& pattern) : tailAt(pattern.size() - sizeof(Word)) {
        std::memcpy(&head, pattern.data(), sizeof(Word));
        std::memcpy(&tail, pattern.data() + tailAt, sizeof(Word));
    }
    bool operator()(const uint8_t* window) const {
        Word h, t;
        std::memcpy(&h, window, sizeof(Word));
        std::memcpy(&t, window + tailAt, sizeof(Word));
        return h == head && t == tail;
    }
};

struct BytesEqual {
    const uint8_t* pattern;
    size_t n;
    bool operator()(const uint8_t* window) const { return std::memcmp(window, pattern, n) == 0; }
};

// Case-insensitive or with jokers: byte by byte through the case map, skipping joker bytes.
struct MaskedEqual {
    const uint8_t* expected;
    const uint8_t* wildcard;
    const uint8_t* map;
    size_t n;
    bool operator()(const uint8_t* window) const {
        for (size_t k = 0; k < n; ++k)
            if (!wildcard[k] && map[window[k]] != expected[k]) return false;
        return true;
    }
};

const std::array<uint8_t, 256>& IdentityMap() {
    static const std::array<uint8_t, 256> map = [] {
        std::array<uint8_t, 256> m{};
        for (int b = 0; b < 256; ++b)
            m[b] = static_cast<uint8_t>(b);
        return m;
    }();
    return map;
}

// Bytes that match pattern byte b: b itself, or every byte of the same upper case.
int MatchingBytes(uint8_t b, bool caseSensitive, uint8_t found[2]) {
    if (caseSensitive) {
        found[0] = found[1] = b;
        return 1;
    }
    const auto& upper = AnsiUpperMap();
    int count = 0;
    for (int t = 0; t < 256; ++t)
        if (upper[t] == upper[b]) {
            if (count < 2) found[count] = static_cast<uint8_t>(t);
            ++count;
        }
    if (count == 1) found[1] = found[0];
    return count;
}

inline bool Accepts(const search_detail::PairFilter& f, const uint8_t* window) {
    const uint8_t a = window[f.offsetA], b = window[f.offsetB];
    return (a == f.a1 || a == f.a2) && (b == f.b1 || b == f.b2);
}

// Spends one failed verification; true when the filter passes more than about one window in
// 32 that then fails, the point where the engine's search is the better method.
inline bool BudgetSpent(int64_t& failures, int64_t origin, int64_t start) {
    return ++failures > 64 + (start - origin) / 32;
}

// The filtered scan: 64 window starts per step, each candidate verified in line; a hit masks
// the candidates it covers. Answers the next start to look at; gaveUp is set (and the answer
// is the first start not yet looked at) when the budget is spent.
template <typename Verify>
int64_t ScanScalar(const uint8_t* buffer, int64_t s, int64_t last, int64_t n,
                   const search_detail::PairFilter& f, const Verify& verify, std::vector<int64_t>& hits,
                   int64_t origin, int64_t& failures, bool& gaveUp) {
    while (s <= last) {
        if (!Accepts(f, buffer + s)) {
            ++s;
        } else if (verify(buffer + s)) {
            hits.push_back(s);
            s += n;
        } else if (BudgetSpent(failures, origin, s)) {
            gaveUp = true;
            return s + 1;
        } else {
            ++s;
        }
    }
    return s;
}

#ifdef QHE_HITSCAN_X86

template <typename Verify>
__attribute__((target("avx2"))) int64_t
ScanAvx2(const uint8_t* buffer, int64_t s, int64_t last, int64_t n, const search_detail::PairFilter& f,
         const Verify& verify, std::vector<int64_t>& hits, int64_t origin, int64_t& failures, bool& gaveUp) {
    const search_detail::Avx2PairMask candidates(buffer, f);
    int64_t next = s; // starts below next lie inside the last hit
    for (; s + 63 <= last; s += 64) {
        if (next - s >= 64) continue;
        _mm_prefetch(reinterpret_cast<const char*>(candidates.pb + s + search_detail::kPrefetchAhead),
                     _MM_HINT_T0);
        uint64_t mask = candidates.At(s);
        if (next > s) mask &= ~uint64_t{0} << (next - s);
        while (mask != 0) {
            const int64_t start = s + __builtin_ctzll(mask);
            if (verify(buffer + start)) {
                hits.push_back(start);
                next = start + n;
                if (next - s >= 64) break;
                mask &= ~uint64_t{0} << (next - s);
            } else {
                if (BudgetSpent(failures, origin, start)) {
                    gaveUp = true;
                    return start + 1;
                }
                mask &= mask - 1;
            }
        }
    }
    return ScanScalar(buffer, std::max(s, next), last, n, f, verify, hits, origin, failures, gaveUp);
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");

#endif

} // namespace

HitScan::HitScan(TQSearch& engine, std::span<const uint8_t> pattern, bool caseSensitive, bool jokerOn,
                 uint8_t joker)
    : engine_(engine), pattern_(pattern.begin(), pattern.end()), caseSensitive_(caseSensitive),
      jokerOn_(jokerOn), joker_(joker) {
    const size_t n = pattern_.size();
    if (n == 0) return;
    engine_.Prepare(pattern, caseSensitive, joker, jokerOn);
    const auto& map = caseSensitive ? IdentityMap() : AnsiUpperMap();
    bool anyWildcard = false, filterable = false;
    uint8_t accepted[2] = {0, 0};
    for (size_t k = 0; k < n; ++k) {
        const bool wild = jokerOn && pattern_[k] == joker;
        wildcard_.push_back(wild);
        expected_.push_back(map[pattern_[k]]);
        anyWildcard = anyWildcard || wild;
        // The engine's filter watches offsets whose byte has at most two matching values.
        if (!wild && MatchingBytes(pattern_[k], caseSensitive, accepted) <= 2) filterable = true;
    }
    if (std::all_of(wildcard_.begin(), wildcard_.end(), [](uint8_t w) { return w != 0; })) {
        method_ = Method::AllWildcards;
        return;
    }
    bool vectorScan = false;
#ifdef QHE_HITSCAN_X86
    vectorScan = kHasAvx2;
#endif
    if (!filterable || !vectorScan) return; // the engine searches
    method_ = Method::Filter;
    const bool exact = caseSensitive && !anyWildcard;
    if (n == 1) {
        // The filter alone decides: both its offsets test the one byte.
        MatchingBytes(pattern_[0], caseSensitive, accepted);
        filter_ = {0, 0, accepted[0], accepted[1], accepted[0], accepted[1]};
        compare_ = Compare::Any;
        return;
    }
    filter_ = engine_.Filter();
    if (filter_.offsetA >= static_cast<int64_t>(n) || filter_.offsetB >= static_cast<int64_t>(n)) {
        method_ = Method::Engine;
        return;
    }
    if (!exact)
        compare_ = Compare::Masked;
    else if (n <= 4)
        compare_ = Compare::Ends16;
    else if (n <= 8)
        compare_ = Compare::Ends32;
    else if (n <= 16)
        compare_ = Compare::Ends64;
    else
        compare_ = Compare::Bytes;
}

template <typename Verify>
int64_t HitScan::CollectFiltered(const uint8_t* buffer, int64_t from, int64_t last,
                                 std::vector<int64_t>& hits, const Verify& verify) {
    int64_t failures = 0;
    bool gaveUp = false;
    int64_t next = from;
#ifdef QHE_HITSCAN_X86
    next = ScanAvx2(buffer, from, last, Length(), filter_, verify, hits, from, failures, gaveUp);
#else
    next = ScanScalar(buffer, from, last, Length(), filter_, verify, hits, from, failures, gaveUp);
#endif
    return gaveUp ? CollectWithEngine(buffer, next, last, hits) : std::max(next, last + 1);
}

int64_t HitScan::CollectWithEngine(const uint8_t* buffer, int64_t from, int64_t last,
                                   std::vector<int64_t>& hits) {
    const int64_t n = Length();
    bool cancel = false;
    int64_t s = from;
    while (s <= last) {
        const int64_t hit =
            engine_.SearchForward(pattern_, buffer, s + 1, last + n, caseSensitive_, jokerOn_, joker_, {}, cancel);
        if (hit < 1) return last + 1;
        hits.push_back(hit - 1);
        s = hit - 1 + n;
    }
    return s;
}

int64_t HitScan::Collect(const uint8_t* buffer, int64_t from, int64_t last, std::vector<int64_t>& hits) {
    const int64_t n = Length();
    if (n == 0 || from > last) return from;
    switch (method_) {
    case Method::AllWildcards: {
        int64_t s = from;
        for (; s <= last; s += n)
            hits.push_back(s);
        return s;
    }
    case Method::Engine:
        return CollectWithEngine(buffer, from, last, hits);
    case Method::Filter:
        break;
    }
    switch (compare_) {
    case Compare::Any:
        return CollectFiltered(buffer, from, last, hits, AnyWindow{});
    case Compare::Ends16:
        return CollectFiltered(buffer, from, last, hits, EndsEqual<uint16_t>(pattern_));
    case Compare::Ends32:
        return CollectFiltered(buffer, from, last, hits, EndsEqual<uint32_t>(pattern_));
    case Compare::Ends64:
        return CollectFiltered(buffer, from, last, hits, EndsEqual<uint64_t>(pattern_));
    case Compare::Bytes:
        return CollectFiltered(buffer, from, last, hits, BytesEqual{pattern_.data(), pattern_.size()});
    case Compare::Masked:
        break;
    }
    const auto& map = caseSensitive_ ? IdentityMap() : AnsiUpperMap();
    return CollectFiltered(buffer, from, last, hits,
                           MaskedEqual{expected_.data(), wildcard_.data(), map.data(), pattern_.size()});
}

} // namespace qhe
