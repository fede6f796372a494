#include "core/tools/TranslateKernels.h"

#if defined(__x86_64__)
#include <immintrin.h>
#define QHE_TRANSLATE_X86 1
#endif

namespace qhe::translate_detail {

#ifdef QHE_TRANSLATE_X86

namespace {

const bool kHasVbmi = __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512bw");
const bool kHasAvx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");

// 64 bytes per step: two 128-entry byte permutations, chosen by each byte's top bit. Blocks that
// the table leaves unchanged are not written back, so their cache lines stay clean.
__attribute__((target("avx512f,avx512bw,avx512vbmi,popcnt"))) int64_t Vbmi(const CharTable& table,
                                                                           uint8_t* bytes, size_t count) {
    const __m512i t0 = _mm512_loadu_si512(table.data());
    const __m512i t1 = _mm512_loadu_si512(table.data() + 64);
    const __m512i t2 = _mm512_loadu_si512(table.data() + 128);
    const __m512i t3 = _mm512_loadu_si512(table.data() + 192);
    int64_t changed = 0;
    size_t k = 0;
    for (; k + 64 <= count; k += 64) {
        const __m512i v = _mm512_loadu_si512(bytes + k);
        const __m512i low = _mm512_permutex2var_epi8(t0, v, t1);
        const __m512i high = _mm512_permutex2var_epi8(t2, v, t3);
        const __m512i r = _mm512_mask_blend_epi8(_mm512_movepi8_mask(v), low, high);
        const __mmask64 diff = _mm512_cmpneq_epi8_mask(r, v);
        if (diff) {
            _mm512_storeu_si512(bytes + k, r);
            changed += _mm_popcnt_u64(diff);
        }
    }
    return changed + TranslateBytesPortable(table, bytes + k, count - k);
}

// 32 bytes per step: one nibble lookup per high nibble, then a tree of blends that picks by the
// high nibble's bits, each moved to the byte's sign bit by a shift. Tables that keep bytes below
// 0x80 (most code page tables) need only the upper 8 lookups, and blocks of such bytes are skipped.
template <bool HighHalfOnly>
__attribute__((target("avx2,popcnt"))) int64_t Avx2(const CharTable& table, uint8_t* bytes, size_t count) {
    constexpr int kRows = HighHalfOnly ? 8 : 16;
    constexpr int kFirstRow = 16 - kRows;
    __m256i rows[kRows];
    for (int h = 0; h < kRows; ++h)
        rows[h] = _mm256_broadcastsi128_si256(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(table.data() + 16 * (kFirstRow + h))));
    const __m256i lowNibble = _mm256_set1_epi8(0x0F);
    int64_t changed = 0;
    size_t k = 0;
    for (; k + 32 <= count; k += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + k));
        if (HighHalfOnly && _mm256_movemask_epi8(v) == 0) continue;
        const __m256i index = _mm256_and_si256(v, lowNibble);
        __m256i level[kRows];
        for (int h = 0; h < kRows; ++h)
            level[h] = _mm256_shuffle_epi8(rows[h], index);
        for (int bit = 0, width = kRows; width > 1; ++bit, width /= 2) {
            const __m256i select = bit == 3 ? v : _mm256_slli_epi16(v, 3 - bit);
            for (int i = 0; i < width / 2; ++i)
                level[i] = _mm256_blendv_epi8(level[2 * i], level[2 * i + 1], select);
        }
        const __m256i r = HighHalfOnly ? _mm256_blendv_epi8(v, level[0], v) : level[0];
        const auto diff = ~static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(r, v)));
        if (diff) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(bytes + k), r);
            changed += _mm_popcnt_u32(diff);
        }
    }
    return changed + TranslateBytesPortable(table, bytes + k, count - k);
}

bool KeepsLowHalf(const CharTable& table) {
    for (int b = 0; b < 128; ++b)
        if (table[b] != b) return false;
    return true;
}

} // namespace

int64_t TranslateAvx512Vbmi(const CharTable& table, uint8_t* bytes, size_t count) {
    return kHasVbmi ? Vbmi(table, bytes, count) : -1;
}

int64_t TranslateAvx2(const CharTable& table, uint8_t* bytes, size_t count) {
    if (!kHasAvx2) return -1;
    return KeepsLowHalf(table) ? Avx2<true>(table, bytes, count) : Avx2<false>(table, bytes, count);
}

#else

int64_t TranslateAvx512Vbmi(const CharTable&, uint8_t*, size_t) {
    return -1;
}
int64_t TranslateAvx2(const CharTable&, uint8_t*, size_t) {
    return -1;
}

#endif

} // namespace qhe::translate_detail
