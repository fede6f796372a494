#include "core/compare/ByteCompare.h"

#include <cstring>
#include <future>
#include <system_error>

namespace qhe {
namespace {

uint64_t Load(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Word by word within a block known (or likely) to differ soon.
int64_t FirstDifferenceNear(const uint8_t* a, const uint8_t* b, int64_t n) {
    int64_t i = 0;
    for (; i + 8 <= n; i += 8)
        if (const uint64_t x = Load(a + i) ^ Load(b + i); x != 0) return i + __builtin_ctzll(x) / 8;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

} // namespace

int64_t FirstDifference(const uint8_t* a, const uint8_t* b, int64_t n) {
    // Dense differences are found by the first words; long equal runs by memcmp.
    constexpr int64_t kNear = 64, kBlock = 4096;
    const int64_t near = FirstDifferenceNear(a, b, n < kNear ? n : kNear);
    if (near < kNear || n <= kNear) return near;
    int64_t i = kNear;
    while (i < n) {
        const int64_t block = n - i < kBlock ? n - i : kBlock;
        if (std::memcmp(a + i, b + i, static_cast<size_t>(block)) != 0)
            return i + FirstDifferenceNear(a + i, b + i, block);
        i += block;
    }
    return n;
}

int64_t FirstDifferenceWide(const uint8_t* a, const uint8_t* b, int64_t n) {
    // Short stretches and early differences (dense ones) are not worth a thread.
    constexpr int64_t kAlone = int64_t{1} << 20;
    const int64_t head = FirstDifference(a, b, n < kAlone ? n : kAlone);
    if (head < kAlone || n <= kAlone) return head;
    const int64_t half = kAlone + (n - kAlone) / 2;
    std::future<int64_t> second;
    try {
        second =
            std::async(std::launch::async, [=] { return FirstDifference(a + half, b + half, n - half); });
    } catch (const std::system_error&) {
        return kAlone + FirstDifference(a + kAlone, b + kAlone, n - kAlone);
    }
    const int64_t first = kAlone + FirstDifference(a + kAlone, b + kAlone, half - kAlone);
    const int64_t other = half + second.get();
    return first < half ? first : other;
}

int64_t FirstAgreement(const uint8_t* a, const uint8_t* b, int64_t n) {
    int64_t i = 0;
    // A byte of x is zero where the bytes agree (the classic has-zero-byte test, exact for
    // the lowest such byte).
    constexpr uint64_t kLow = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
    for (; i + 8 <= n; i += 8) {
        const uint64_t x = Load(a + i) ^ Load(b + i);
        if (const uint64_t zero = (x - kLow) & ~x & kHigh; zero != 0) return i + __builtin_ctzll(zero) / 8;
    }
    while (i < n && a[i] != b[i])
        ++i;
    return i;
}

} // namespace qhe
