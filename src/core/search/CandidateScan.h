#pragma once
#include <cstdint>
#include <cstring>

namespace qhe::search_detail {

// A cheap test that every match must pass: the window's bytes at two offsets each belong to a
// set of at most two values. Offsets and values are chosen from the rarest pattern bytes so that
// few windows pass; those that do are checked in full by a Verifier.
struct PairFilter {
    int64_t offsetA = 0;
    int64_t offsetB = 0;
    uint8_t a1 = 0, a2 = 0; // values accepted at offsetA
    uint8_t b1 = 0, b2 = 0; // values accepted at offsetB
};

// Which candidate scan runs: the widest this processor supports, or a narrower one (tests run
// every kind on any x86-64 machine).
enum class ScanKernel { Widest, Sse2, Scalar };

// Whether this build has a vector scan; without one the quick-search loop is the faster default.
#if defined(__x86_64__) || defined(__i386__)
inline constexpr bool kVectorScan = true;
#else
inline constexpr bool kVectorScan = false;
#endif

// Full comparison of the window starting at `window` with the prepared pattern.
using Verifier = bool (*)(const void* context, const uint8_t* window);

// An exact pattern of 2..16 bytes as its first and last word of 2, 4 or 8 bytes (overlapping in
// the middle): the count kernels compare it inline, which matters when hits are dense.
struct ExactWords {
    int64_t n = 0; // 0 when the pattern has no such form
    uint64_t head = 0, tail = 0;
    bool Matches(const uint8_t* window) const {
        if (n > 8) return Equal<uint64_t>(window);
        if (n > 4) return Equal<uint32_t>(window);
        return Equal<uint16_t>(window);
    }
    template <typename Word> bool Equal(const uint8_t* window) const {
        Word h, t, wantH, wantT;
        std::memcpy(&h, window, sizeof(Word));
        std::memcpy(&t, window + n - sizeof(Word), sizeof(Word));
        std::memcpy(&wantH, &head, sizeof(Word));
        std::memcpy(&wantT, &tail, sizeof(Word));
        return h == wantH && t == wantT;
    }
};

// Limits the failed verifications a scan may spend: when the filter passes more than about one
// window in `ratio` that then fails, the filter no longer pays and the scan gives up (result
// kGaveUp) so that the caller can switch to another method. Every window between the scan's
// start and `resume` has been checked without a hit.
struct ScanBudget {
    int64_t origin = 0;
    int64_t failures = 0;
    int64_t resume = 0;
    int64_t ratio = 32;
    bool Spend(int64_t start) {
        ++failures;
        const int64_t scanned = start > origin ? start - origin : origin - start;
        return failures > 64 + scanned / ratio;
    }
};
inline constexpr int64_t kGaveUp = -2;

// Returns the lowest window start s in [first, last] (0-based buffer indexes) that passes the
// filter and the verifier, or -1. Reads only bytes buffer[first + offset .. last + offset] for
// both filter offsets, which the caller keeps inside the searched range.
// With a budget the scan may also give up (kGaveUp, budget->resume set).
int64_t ScanForward(const uint8_t* buffer, int64_t first, int64_t last, const PairFilter& filter,
                    Verifier verify, const void* context, ScanKernel kernel = ScanKernel::Widest,
                    ScanBudget* budget = nullptr);

// Returns the highest such window start, or -1.
int64_t ScanBackward(const uint8_t* buffer, int64_t first, int64_t last, const PairFilter& filter,
                     Verifier verify, const void* context, ScanKernel kernel = ScanKernel::Widest,
                     ScanBudget* budget = nullptr);

// Counts the hits with starts in [first, last] that do not overlap (each next hit starts at least
// n bytes after the previous one) in one pass of the scan, so that dense hits cost little more
// than the scan. Sets lastHit to the last hit's start and next to the first start the count has
// not covered. May stop early when the budget is spent, with next = budget->resume.
int64_t CountForward(const uint8_t* buffer, int64_t first, int64_t last, int64_t n, const PairFilter& filter,
                     Verifier verify, const void* context, int64_t& lastHit, int64_t& next,
                     ScanBudget* budget, ScanKernel kernel = ScanKernel::Widest,
                     const ExactWords* words = nullptr);

// The same taken from last downward (each next hit ends before the previous one starts): lastHit
// is the lowest hit's start and next the highest start not covered (first - 1 when done).
int64_t CountBackward(const uint8_t* buffer, int64_t first, int64_t last, int64_t n, const PairFilter& filter,
                      Verifier verify, const void* context, int64_t& lastHit, int64_t& next,
                      ScanBudget* budget, ScanKernel kernel = ScanKernel::Widest,
                      const ExactWords* words = nullptr);

// Number of bytes in buffer[first..last] equal to v1 or v2.
int64_t CountBytes(const uint8_t* buffer, int64_t first, int64_t last, uint8_t v1, uint8_t v2,
                   ScanKernel kernel = ScanKernel::Widest);

} // namespace qhe::search_detail
