#include "core/search/CandidateScan.h"

#include <algorithm>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define QHE_SCAN_X86 1
#endif

#include "core/search/PairMasks.h"

namespace qhe::search_detail {

namespace {

int64_t GiveUp(ScanBudget* budget, int64_t resume) {
    budget->resume = resume;
    return kGaveUp;
}

inline bool Accepts(const PairFilter& f, const uint8_t* window) {
    const uint8_t a = window[f.offsetA], b = window[f.offsetB];
    return (a == f.a1 || a == f.a2) && (b == f.b1 || b == f.b2);
}

int64_t ScalarForward(const uint8_t* buffer, int64_t s, int64_t last, const PairFilter& f, Verifier verify,
                      const void* context, ScanBudget* budget) {
    for (; s <= last; ++s)
        if (Accepts(f, buffer + s)) {
            if (verify(context, buffer + s)) return s;
            if (budget && budget->Spend(s)) return GiveUp(budget, s + 1);
        }
    return -1;
}

int64_t ScalarBackward(const uint8_t* buffer, int64_t first, int64_t s, const PairFilter& f, Verifier verify,
                       const void* context, ScanBudget* budget) {
    for (; s >= first; --s)
        if (Accepts(f, buffer + s)) {
            if (verify(context, buffer + s)) return s;
            if (budget && budget->Spend(s)) return GiveUp(budget, s - 1);
        }
    return -1;
}

// Counting state shared by the count kernels in both directions; step is +n (forward: next is
// the lowest start the count may still take) or -n (backward: next is the highest).
struct CountState {
    const uint8_t* buffer;
    int64_t step;
    Verifier verify;
    const void* context;
    ScanBudget* budget;
    int64_t& lastHit;
    int64_t& next;
    const ExactWords* words;
    int64_t count = 0;

    bool Verify(int64_t start) const {
        return words ? words->Matches(buffer + start) : verify(context, buffer + start);
    }
    void Take(int64_t start) {
        ++count;
        lastHit = start;
        next = start + step;
    }
    // False when the budget is spent (next is then where the scan stopped).
    bool TryStart(int64_t start) {
        if (Verify(start)) {
            Take(start);
        } else if (budget && budget->Spend(start)) {
            next = budget->resume = start + (step > 0 ? 1 : -1);
            return false;
        }
        return true;
    }
    // Hits side by side (runs, periodic data) are taken without going back to the mask, while
    // inside covers the next start.
    template <typename Inside> void TakeRun(const Inside& inside) {
        while (next == lastHit + step && inside(next) && Verify(next))
            Take(next);
    }
};

// Forward: tries the candidates of one block of window starts in order, skipping those inside
// the last hit counted.
struct Counter : CountState {
    // Bit k of mask stands for window start s + k, k < width.
    bool Block(int64_t s, uint64_t mask, int64_t width) {
        if (next - s >= width) return true; // inside the last hit
        if (next > s) mask &= ~uint64_t{0} << (next - s);
        while (mask != 0) {
            if (!TryStart(s + __builtin_ctzll(mask))) return false;
            TakeRun([&](int64_t start) { return start - s < width; });
            mask &= mask - 1;
            if (next - s >= width) break;
            if (next > s) mask &= ~uint64_t{0} << (next - s);
        }
        return true;
    }
    // The window starts s..last one by one.
    int64_t Tail(int64_t s, int64_t last, const PairFilter& f) {
        for (s = std::max(s, next); s <= last; ++s)
            if (Accepts(f, buffer + s)) {
                if (!TryStart(s)) return count;
                s = std::max(s, next - 1);
            }
        next = std::max(next, last + 1);
        return count;
    }
};

// Backward: the same from the highest window start down.
struct BackCounter : CountState {
    // The bits of mask for starts up to next (bit k stands for window start base + k).
    uint64_t Allowed(int64_t base, uint64_t mask) const {
        const int64_t top = next - base;
        return top >= 63 ? mask : mask & ((uint64_t{2} << top) - 1);
    }
    bool Block(int64_t base, uint64_t mask) {
        if (next < base) return true; // inside the last hit
        for (mask = Allowed(base, mask); mask != 0; mask = Allowed(base, mask)) {
            const int bit = 63 - __builtin_clzll(mask);
            if (!TryStart(base + bit)) return false;
            TakeRun([&](int64_t start) { return start >= base; });
            mask &= ~(uint64_t{1} << bit);
            if (next < base) break;
        }
        return true;
    }
    // The window starts s down to first one by one.
    int64_t Tail(int64_t first, int64_t s, const PairFilter& f) {
        for (s = std::min(s, next); s >= first; --s)
            if (Accepts(f, buffer + s)) {
                if (!TryStart(s)) return count;
                s = std::min(s, next + 1);
            }
        next = std::min(next, first - 1);
        return count;
    }
};

#ifdef QHE_SCAN_X86

// AVX2: 64 window starts per step.
__attribute__((target("avx2,bmi,lzcnt"))) int64_t Avx2Forward(const uint8_t* buffer, int64_t s, int64_t last,
                                                              const PairFilter& f, Verifier verify,
                                                              const void* context, ScanBudget* budget) {
    const Avx2PairMask candidates(buffer, f);
    for (; s + 63 <= last; s += 64) {
        _mm_prefetch(reinterpret_cast<const char*>(candidates.pb + s + kPrefetchAhead), _MM_HINT_T0);
        for (uint64_t mask = candidates.At(s); mask != 0; mask &= mask - 1) {
            const int64_t start = s + __builtin_ctzll(mask);
            if (verify(context, buffer + start)) return start;
            if (budget && budget->Spend(start)) return GiveUp(budget, start + 1);
        }
    }
    return ScalarForward(buffer, s, last, f, verify, context, budget);
}

__attribute__((target("avx2,bmi,lzcnt"))) int64_t Avx2Backward(const uint8_t* buffer, int64_t first,
                                                               int64_t s, const PairFilter& f,
                                                               Verifier verify, const void* context,
                                                               ScanBudget* budget) {
    const Avx2PairMask candidates(buffer, f);
    for (; s - 63 >= first; s -= 64) {
        const int64_t base = s - 63;
        _mm_prefetch(reinterpret_cast<const char*>(candidates.pa + base - kPrefetchAhead), _MM_HINT_T0);
        for (uint64_t mask = candidates.At(base); mask != 0;) {
            const int bit = 63 - __builtin_clzll(mask);
            if (verify(context, buffer + base + bit)) return base + bit;
            if (budget && budget->Spend(base + bit)) return GiveUp(budget, base + bit - 1);
            mask &= ~(uint64_t{1} << bit);
        }
    }
    return ScalarBackward(buffer, first, s, f, verify, context, budget);
}

// SSE2 (every x86-64): 16 window starts per step.
int64_t Sse2Forward(const uint8_t* buffer, int64_t s, int64_t last, const PairFilter& f, Verifier verify,
                    const void* context, ScanBudget* budget) {
    const Sse2PairMask candidates(buffer, f);
    for (; s + 15 <= last; s += 16) {
        for (uint32_t mask = candidates.At(s); mask != 0; mask &= mask - 1) {
            const int64_t start = s + __builtin_ctz(mask);
            if (verify(context, buffer + start)) return start;
            if (budget && budget->Spend(start)) return GiveUp(budget, start + 1);
        }
    }
    return ScalarForward(buffer, s, last, f, verify, context, budget);
}

int64_t Sse2Backward(const uint8_t* buffer, int64_t first, int64_t s, const PairFilter& f, Verifier verify,
                     const void* context, ScanBudget* budget) {
    const Sse2PairMask candidates(buffer, f);
    for (; s - 15 >= first; s -= 16) {
        const int64_t base = s - 15;
        for (uint32_t mask = candidates.At(base); mask != 0;) {
            const int bit = 31 - __builtin_clz(mask);
            if (verify(context, buffer + base + bit)) return base + bit;
            if (budget && budget->Spend(base + bit)) return GiveUp(budget, base + bit - 1);
            mask &= ~(1u << bit);
        }
    }
    return ScalarBackward(buffer, first, s, f, verify, context, budget);
}

__attribute__((target("avx2,bmi,lzcnt"))) int64_t Avx2Count(const uint8_t* buffer, int64_t s, int64_t last,
                                                            const PairFilter& f, Counter& counter) {
    const Avx2PairMask candidates(buffer, f);
    for (; s + 63 <= last; s += 64) {
        if (counter.next - s >= 64) continue; // inside the last hit
        if (!counter.Block(s, candidates.At(s), 64)) return counter.count;
    }
    return counter.Tail(s, last, f);
}

int64_t Sse2Count(const uint8_t* buffer, int64_t s, int64_t last, const PairFilter& f, Counter& counter) {
    const Sse2PairMask candidates(buffer, f);
    for (; s + 15 <= last; s += 16) {
        if (counter.next - s >= 16) continue;
        if (!counter.Block(s, candidates.At(s), 16)) return counter.count;
    }
    return counter.Tail(s, last, f);
}

__attribute__((target("avx2,bmi,lzcnt"))) int64_t Avx2CountBackward(const uint8_t* buffer, int64_t first,
                                                                    int64_t s, const PairFilter& f,
                                                                    BackCounter& counter) {
    const Avx2PairMask candidates(buffer, f);
    for (; s - 63 >= first; s -= 64) {
        const int64_t base = s - 63;
        if (counter.next < base) continue;
        if (!counter.Block(base, candidates.At(base))) return counter.count;
    }
    return counter.Tail(first, s, f);
}

int64_t Sse2CountBackward(const uint8_t* buffer, int64_t first, int64_t s, const PairFilter& f,
                          BackCounter& counter) {
    const Sse2PairMask candidates(buffer, f);
    for (; s - 15 >= first; s -= 16) {
        const int64_t base = s - 15;
        if (counter.next < base) continue;
        if (!counter.Block(base, candidates.At(base))) return counter.count;
    }
    return counter.Tail(first, s, f);
}

__attribute__((target("avx2,popcnt"))) int64_t Avx2CountBytes(const uint8_t* buffer, int64_t k, int64_t last,
                                                              uint8_t v1, uint8_t v2) {
    const __m256i a = _mm256_set1_epi8(static_cast<char>(v1)), b = _mm256_set1_epi8(static_cast<char>(v2));
    int64_t count = 0;
    for (; k + 63 <= last; k += 64) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(buffer + k));
        const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(buffer + k + 32));
        const auto mx = static_cast<uint32_t>(
            _mm256_movemask_epi8(_mm256_or_si256(_mm256_cmpeq_epi8(x, a), _mm256_cmpeq_epi8(x, b))));
        const auto my = static_cast<uint32_t>(
            _mm256_movemask_epi8(_mm256_or_si256(_mm256_cmpeq_epi8(y, a), _mm256_cmpeq_epi8(y, b))));
        count += _mm_popcnt_u64(uint64_t{mx} | uint64_t{my} << 32);
    }
    for (; k <= last; ++k)
        count += (buffer[k] == v1) | (buffer[k] == v2);
    return count;
}

// LZCNT has no feature name that every compiler's __builtin_cpu_supports knows; CPUID tells.
bool HasLzcnt() {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    return __get_cpuid(0x80000001, &eax, &ebx, &ecx, &edx) != 0 && (ecx & bit_LZCNT) != 0;
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && HasLzcnt();
const bool kHasPopcnt = __builtin_cpu_supports("popcnt");

#endif

} // namespace

int64_t ScanForward(const uint8_t* buffer, int64_t first, int64_t last, const PairFilter& filter,
                    Verifier verify, const void* context, ScanKernel kernel, ScanBudget* budget) {
#ifdef QHE_SCAN_X86
    if (kernel == ScanKernel::Widest && kHasAvx2)
        return Avx2Forward(buffer, first, last, filter, verify, context, budget);
    if (kernel != ScanKernel::Scalar)
        return Sse2Forward(buffer, first, last, filter, verify, context, budget);
#endif
    return ScalarForward(buffer, first, last, filter, verify, context, budget);
}

int64_t ScanBackward(const uint8_t* buffer, int64_t first, int64_t last, const PairFilter& filter,
                     Verifier verify, const void* context, ScanKernel kernel, ScanBudget* budget) {
#ifdef QHE_SCAN_X86
    if (kernel == ScanKernel::Widest && kHasAvx2)
        return Avx2Backward(buffer, first, last, filter, verify, context, budget);
    if (kernel != ScanKernel::Scalar)
        return Sse2Backward(buffer, first, last, filter, verify, context, budget);
#endif
    return ScalarBackward(buffer, first, last, filter, verify, context, budget);
}

int64_t CountForward(const uint8_t* buffer, int64_t first, int64_t last, int64_t n, const PairFilter& filter,
                     Verifier verify, const void* context, int64_t& lastHit, int64_t& next,
                     ScanBudget* budget, ScanKernel kernel, const ExactWords* words) {
    next = first;
    Counter counter{{buffer, n, verify, context, budget, lastHit, next, words}};
#ifdef QHE_SCAN_X86
    if (kernel == ScanKernel::Widest && kHasAvx2) return Avx2Count(buffer, first, last, filter, counter);
    if (kernel != ScanKernel::Scalar) return Sse2Count(buffer, first, last, filter, counter);
#endif
    (void)kernel;
    return counter.Tail(first, last, filter);
}

int64_t CountBackward(const uint8_t* buffer, int64_t first, int64_t last, int64_t n, const PairFilter& filter,
                      Verifier verify, const void* context, int64_t& lastHit, int64_t& next,
                      ScanBudget* budget, ScanKernel kernel, const ExactWords* words) {
    next = last;
    BackCounter counter{{buffer, -n, verify, context, budget, lastHit, next, words}};
#ifdef QHE_SCAN_X86
    if (kernel == ScanKernel::Widest && kHasAvx2)
        return Avx2CountBackward(buffer, first, last, filter, counter);
    if (kernel != ScanKernel::Scalar) return Sse2CountBackward(buffer, first, last, filter, counter);
#endif
    (void)kernel;
    return counter.Tail(first, last, filter);
}

int64_t CountBytes(const uint8_t* buffer, int64_t first, int64_t last, uint8_t v1, uint8_t v2,
                   ScanKernel kernel) {
#ifdef QHE_SCAN_X86
    if (kernel == ScanKernel::Widest && kHasAvx2 && kHasPopcnt)
        return Avx2CountBytes(buffer, first, last, v1, v2);
#endif
    (void)kernel;
    int64_t count = 0;
    for (int64_t k = first; k <= last; ++k)
        count += (buffer[k] == v1) | (buffer[k] == v2);
    return count;
}

} // namespace qhe::search_detail
