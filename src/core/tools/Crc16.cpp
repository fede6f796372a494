#include "core/tools/Crc16.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#define QHE_CRC_X86 1
#endif

namespace qhe {

namespace {

constexpr uint16_t kPolynomial = 0xA001; // 0x8005 reflected

struct SliceTables {
    std::array<std::array<uint16_t, 256>, 8> t{};
    constexpr SliceTables() {
        for (int b = 0; b < 256; ++b) {
            uint16_t crc = static_cast<uint16_t>(b);
            for (int k = 0; k < 8; ++k)
                crc = (crc & 1) ? (crc >> 1) ^ kPolynomial : crc >> 1;
            t[0][b] = crc;
        }
        for (int s = 1; s < 8; ++s)
            for (int b = 0; b < 256; ++b)
                t[s][b] = (t[s - 1][b] >> 8) ^ t[0][t[s - 1][b] & 0xFF];
    }
};

constexpr SliceTables kTables;

uint16_t Bytewise(uint16_t crc, const uint8_t* data, size_t size) {
    for (size_t k = 0; k < size; ++k)
        crc = kTables.t[0][(crc ^ data[k]) & 0xFF] ^ (crc >> 8);
    return crc;
}

#ifdef QHE_CRC_X86

// Folding works on the 32-bit reflected CRC with polynomial P(x)*x^16, whose register holds the
// CRC-16 in its low half: the message's residue modulo that polynomial determines both. A 16-byte
// block X (first byte = highest degree) moved D bits further is X*x^D = Q0*x^(64+D) + Q1*x^D,
// where Q0 and Q1 are its first and second 8 bytes; each half is replaced by its carry-less
// product with the residue of that power. The reflected product comes out one bit short, which
// the constants absorb by using x^(D-1) instead of x^D.
constexpr uint64_t kWidePolynomial = 0x180050000ull; // P(x) * x^16, normal form

constexpr uint64_t ReflectedResidue(int power) {
    uint64_t r = 1;
    for (int k = 0; k < power; ++k) {
        r <<= 1;
        if (r & (uint64_t{1} << 32)) r ^= kWidePolynomial;
    }
    uint64_t reflected = 0; // bit k stands for x^(63-k)
    for (int j = 0; j < 32; ++j)
        if ((r >> j) & 1) reflected |= uint64_t{1} << (63 - j);
    return reflected;
}

struct FoldConstants {
    uint64_t first, second; // for Q0 and Q1
};

constexpr FoldConstants Fold(int distance) {
    return {ReflectedResidue(63 + distance), ReflectedResidue(distance - 1)};
}

constexpr FoldConstants kFold128 = Fold(128), kFold256 = Fold(256), kFold384 = Fold(384),
                        kFold512 = Fold(512);
constexpr FoldConstants kFold1024 = Fold(1024), kFold1536 = Fold(1536), kFold2048 = Fold(2048);

__attribute__((target("pclmul,sse4.1"))) inline __m128i FoldBlock(__m128i x, __m128i k) {
    return _mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11));
}

__attribute__((target("pclmul,sse4.1"))) inline __m128i Constants(FoldConstants c) {
    return _mm_set_epi64x(static_cast<long long>(c.second), static_cast<long long>(c.first));
}

__attribute__((target("pclmul,sse4.1"))) uint16_t FoldedPclmul(uint16_t crc, const uint8_t* data,
                                                               size_t size) {
    auto load = [](const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
    // The running CRC enters as the first two message bytes, exclusive-or'ed in.
    __m128i x0 = _mm_xor_si128(load(data), _mm_cvtsi32_si128(crc));
    __m128i x1 = load(data + 16), x2 = load(data + 32), x3 = load(data + 48);
    size_t k = 64;
    const __m128i k512 = Constants(kFold512);
    for (; k + 64 <= size; k += 64) {
        x0 = _mm_xor_si128(FoldBlock(x0, k512), load(data + k));
        x1 = _mm_xor_si128(FoldBlock(x1, k512), load(data + k + 16));
        x2 = _mm_xor_si128(FoldBlock(x2, k512), load(data + k + 32));
        x3 = _mm_xor_si128(FoldBlock(x3, k512), load(data + k + 48));
    }
    __m128i x =
        _mm_xor_si128(_mm_xor_si128(FoldBlock(x0, Constants(kFold384)), FoldBlock(x1, Constants(kFold256))),
                      _mm_xor_si128(FoldBlock(x2, Constants(kFold128)), x3));
    const __m128i k128 = Constants(kFold128);
    for (; k + 16 <= size; k += 16)
        x = _mm_xor_si128(FoldBlock(x, k128), load(data + k));
    // The folded block has the same residue as everything read so far: finish bytewise from 0.
    uint8_t block[16];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(block), x);
    return Bytewise(Bytewise(0, block, 16), data + k, size - k);
}

// The wide variant: four 512-bit accumulators, each four independent 16-byte lanes, 256 bytes
// per step; at the end the lanes are folded into one 16-byte block as above.
__attribute__((target("avx512f,avx512bw,vpclmulqdq,pclmul,sse4.1"))) inline __m512i FoldWide(__m512i x,
                                                                                             __m512i k) {
    return _mm512_xor_si512(_mm512_clmulepi64_epi128(x, k, 0x00), _mm512_clmulepi64_epi128(x, k, 0x11));
}

__attribute__((target("avx512f,avx512bw,vpclmulqdq,pclmul,sse4.1"))) inline __m512i
WideConstants(FoldConstants c) {
    const auto first = static_cast<long long>(c.first), second = static_cast<long long>(c.second);
    return _mm512_set_epi64(second, first, second, first, second, first, second, first);
}

__attribute__((target("avx512f,avx512bw,vpclmulqdq,pclmul,sse4.1"))) uint16_t
FoldedVpclmul(uint16_t crc, const uint8_t* data, size_t size) {
    __m512i z0 = _mm512_xor_si512(_mm512_loadu_si512(data),
                                  _mm512_set_epi32(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, crc));
    __m512i z1 = _mm512_loadu_si512(data + 64), z2 = _mm512_loadu_si512(data + 128);
    __m512i z3 = _mm512_loadu_si512(data + 192);
    size_t k = 256;
    const __m512i k2048 = WideConstants(kFold2048);
    for (; k + 256 <= size; k += 256) {
        z0 = _mm512_xor_si512(FoldWide(z0, k2048), _mm512_loadu_si512(data + k));
        z1 = _mm512_xor_si512(FoldWide(z1, k2048), _mm512_loadu_si512(data + k + 64));
        z2 = _mm512_xor_si512(FoldWide(z2, k2048), _mm512_loadu_si512(data + k + 128));
        z3 = _mm512_xor_si512(FoldWide(z3, k2048), _mm512_loadu_si512(data + k + 192));
    }
    const __m512i z = _mm512_xor_si512(
        _mm512_xor_si512(FoldWide(z0, WideConstants(kFold1536)), FoldWide(z1, WideConstants(kFold1024))),
        _mm512_xor_si512(FoldWide(z2, WideConstants(kFold512)), z3));
    // Fold the four lanes into one block (through memory: the lane-extract intrinsics trip
    // GCC 12's uninitialised-value warning).
    alignas(64) uint8_t lanes[64];
    _mm512_store_si512(lanes, z);
    auto lane = [&lanes](int n) { return _mm_load_si128(reinterpret_cast<const __m128i*>(lanes + 16 * n)); };
    __m128i x = _mm_xor_si128(
        _mm_xor_si128(FoldBlock(lane(0), Constants(kFold384)), FoldBlock(lane(1), Constants(kFold256))),
        _mm_xor_si128(FoldBlock(lane(2), Constants(kFold128)), lane(3)));
    const __m128i k128 = Constants(kFold128);
    for (; k + 16 <= size; k += 16)
        x = _mm_xor_si128(FoldBlock(x, k128), _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + k)));
    uint8_t block[16];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(block), x);
    return Bytewise(Bytewise(0, block, 16), data + k, size - k);
}

const bool kHasPclmul = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
const bool kHasVpclmul = kHasPclmul && __builtin_cpu_supports("vpclmulqdq") &&
                         __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");

#endif

} // namespace

uint16_t Crc16ArcSliced(uint16_t crc, const uint8_t* data, size_t size) {
    const auto& t = kTables.t;
    size_t k = 0;
    for (; k + 8 <= size; k += 8) {
        uint64_t word;
        std::memcpy(&word, data + k, 8);
        if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
        word ^= crc;
        crc = t[7][word & 0xFF] ^ t[6][(word >> 8) & 0xFF] ^ t[5][(word >> 16) & 0xFF] ^
              t[4][(word >> 24) & 0xFF] ^ t[3][(word >> 32) & 0xFF] ^ t[2][(word >> 40) & 0xFF] ^
              t[1][(word >> 48) & 0xFF] ^ t[0][(word >> 56) & 0xFF];
    }
    return Bytewise(crc, data + k, size - k);
}

uint16_t Crc16ArcFolded(uint16_t crc, const uint8_t* data, size_t size) {
#ifdef QHE_CRC_X86
    if (kHasPclmul && size >= 64) return FoldedPclmul(crc, data, size);
#endif
    return Crc16ArcSliced(crc, data, size);
}

uint16_t Crc16ArcFoldedWide(uint16_t crc, const uint8_t* data, size_t size) {
#ifdef QHE_CRC_X86
    if (kHasVpclmul && size >= 256) return FoldedVpclmul(crc, data, size);
#endif
    return Crc16ArcFolded(crc, data, size);
}

uint16_t Crc16Arc(uint16_t crc, const uint8_t* data, size_t size) {
    return Crc16ArcFoldedWide(crc, data, size);
}

} // namespace qhe
