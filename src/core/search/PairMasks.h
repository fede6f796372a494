#pragma once
// Candidate masks of a PairFilter computed 64 (AVX2) or 16 (SSE2) window starts at a time, for
// the scan and count kernels. Bit k of a mask stands for window start base + k.
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include "core/search/CandidateScan.h"

namespace qhe::search_detail {

// Distance of the software prefetch ahead of a scan; hides memory latency on large buffers.
inline constexpr int64_t kPrefetchAhead = 4096;

struct Avx2PairMask {
    __m256i a1, a2, b1, b2;
    const uint8_t* pa; // the bytes at the filter's offsets of window start 0
    const uint8_t* pb;

    __attribute__((target("avx2"))) Avx2PairMask(const uint8_t* buffer, const PairFilter& f)
        : a1(_mm256_set1_epi8(static_cast<char>(f.a1))), a2(_mm256_set1_epi8(static_cast<char>(f.a2))),
          b1(_mm256_set1_epi8(static_cast<char>(f.b1))), b2(_mm256_set1_epi8(static_cast<char>(f.b2))),
          pa(buffer + f.offsetA), pb(buffer + f.offsetB) {}
    __attribute__((target("avx2"))) uint64_t At(int64_t base) const {
        return Half(base) | uint64_t{Half(base + 32)} << 32;
    }

  private:
    __attribute__((target("avx2"))) uint32_t Half(int64_t base) const {
        const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pa + base));
        const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pb + base));
        const __m256i ma = _mm256_or_si256(_mm256_cmpeq_epi8(va, a1), _mm256_cmpeq_epi8(va, a2));
        const __m256i mb = _mm256_or_si256(_mm256_cmpeq_epi8(vb, b1), _mm256_cmpeq_epi8(vb, b2));
        return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_and_si256(ma, mb)));
    }
};

// SSE2 is in every x86-64 processor.
struct Sse2PairMask {
    __m128i a1, a2, b1, b2;
    const uint8_t* pa;
    const uint8_t* pb;

    Sse2PairMask(const uint8_t* buffer, const PairFilter& f)
        : a1(_mm_set1_epi8(static_cast<char>(f.a1))), a2(_mm_set1_epi8(static_cast<char>(f.a2))),
          b1(_mm_set1_epi8(static_cast<char>(f.b1))), b2(_mm_set1_epi8(static_cast<char>(f.b2))),
          pa(buffer + f.offsetA), pb(buffer + f.offsetB) {}
    uint32_t At(int64_t base) const {
        const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pa + base));
        const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pb + base));
        const __m128i ma = _mm_or_si128(_mm_cmpeq_epi8(va, a1), _mm_cmpeq_epi8(va, a2));
        const __m128i mb = _mm_or_si128(_mm_cmpeq_epi8(vb, b1), _mm_cmpeq_epi8(vb, b2));
        return static_cast<uint32_t>(_mm_movemask_epi8(_mm_and_si128(ma, mb)));
    }
};

} // namespace qhe::search_detail
#endif
