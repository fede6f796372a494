#include "core/compare/ByteCompare.h"

#include <cstring>
#include <algorithm>
#include <atomic>
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
    // Dense differences are found by the first words; long equal runs by memcmp over 64 KiB
    // blocks (4 KiB calls ran at half the speed); a block that differs is narrowed to its
    // 4 KiB piece, and that piece searched word by word.
    constexpr int64_t kNear = 64, kBlock = 64 << 10, kPiece = 4 << 10;
    const int64_t near = FirstDifferenceNear(a, b, n < kNear ? n : kNear);
    if (near < kNear || n <= kNear) return near;
    for (int64_t i = kNear; i < n;) {
        const int64_t block = std::min(kBlock, n - i);
        if (std::memcmp(a + i, b + i, static_cast<size_t>(block)) != 0) {
            for (int64_t j = i;; j += kPiece) {
                const int64_t piece = std::min(kPiece, i + block - j);
                if (std::memcmp(a + j, b + j, static_cast<size_t>(piece)) != 0)
                    return j + FirstDifferenceNear(a + j, b + j, piece);
            }
        }
        i += block;
    }
    return n;
}

int64_t FirstDifferenceWide(const uint8_t* a, const uint8_t* b, int64_t n) {
    // Short stretches and early differences (dense ones) are not worth a thread.
    constexpr int64_t kAlone = int64_t{1} << 20, kLargest = int64_t{64} << 20, kCheck = int64_t{256} << 10;
    const int64_t head = FirstDifference(a, b, n < kAlone ? n : kAlone);
    if (head < kAlone || n <= kAlone) return head;
    // Then blocks that double in size, each split between this thread and a helper; the helper
    // gives up once this thread has found a difference, so a difference costs at most about
    // as much again as the bytes before it.
    int64_t at = kAlone;
    for (int64_t block = 2 * kAlone; at < n; block = std::min(2 * block, kLargest)) {
        const int64_t size = std::min(block, n - at), half = size / 2;
        std::atomic<bool> found{false};
        const auto second = [&, from = at + half, to = at + size]() -> int64_t {
            for (int64_t i = from; i < to; i += kCheck) {
                if (found.load(std::memory_order_relaxed)) return to;
                const int64_t part = std::min(kCheck, to - i);
                if (const int64_t d = FirstDifference(a + i, b + i, part); d < part) return i + d;
            }
            return to;
        };
        std::future<int64_t> helper;
        try {
            helper = std::async(std::launch::async, second);
        } catch (const std::system_error&) {
            const int64_t d = FirstDifference(a + at, b + at, n - at);
            return at + d;
        }
        const int64_t first = FirstDifference(a + at, b + at, half);
        if (first < half) found = true;
        const int64_t other = helper.get();
        if (first < half) return at + first;
        if (other < at + size) return other;
        at += size;
    }
    return n;
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
