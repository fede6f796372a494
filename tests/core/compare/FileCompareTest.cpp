#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/compare/ByteCompare.h"
#include "core/compare/FileCompare.h"

namespace qhe {
namespace {

using Bytes = std::vector<uint8_t>;

// The bytes in runs of at most piece bytes, so that the compare crosses run borders.
CompareInput InputOf(const Bytes& bytes, int64_t piece) {
    return {
        [&bytes, piece](int64_t offset) {
            const int64_t size = static_cast<int64_t>(bytes.size());
            return PieceTable::Span{bytes.data() + offset, std::min(size - offset, piece - offset % piece)};
        },
        static_cast<int64_t>(bytes.size())};
}

std::vector<DiffRange> Compare(const Bytes& a, const Bytes& b, CompareOptions options, int64_t budget,
                               int64_t piece = 1000) {
    FileComparer comparer(InputOf(a, piece), InputOf(b, piece + 7), options);
    std::vector<DiffRange> ranges;
    DiffRange r;
    for (FileComparer::Status s; (s = comparer.Step(r, budget)) != FileComparer::Status::Done;)
        if (s == FileComparer::Status::Range) ranges.push_back(r);
    return ranges;
}

Bytes Random(size_t n, std::mt19937& rng) {
    Bytes bytes(n);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(rng());
    return bytes;
}

// One differing byte anywhere in 7 MiB: the word scan, the 64 KiB and 4 KiB narrowing and
// both halves of the blocks shared with the second core each find it.
TEST(FileCompare, FirstDifferenceFindsOneByteWhereverItIs) {
    const Bytes a(7 << 20, 0x5A);
    Bytes b = a;
    for (int64_t at : {int64_t{0}, int64_t{63}, int64_t{64}, int64_t{4095}, int64_t{65543}, int64_t{1} << 20,
                       (int64_t{1} << 20) + 1500000, int64_t{3} << 20, (int64_t{7} << 20) - 1}) {
        b[static_cast<size_t>(at)] ^= 0x80;
        const auto n = static_cast<int64_t>(a.size());
        EXPECT_EQ(FirstDifference(a.data(), b.data(), n), at);
        EXPECT_EQ(FirstDifferenceWide(a.data(), b.data(), n), at);
        b[static_cast<size_t>(at)] ^= 0x80;
    }
    EXPECT_EQ(FirstDifferenceWide(a.data(), b.data(), static_cast<int64_t>(a.size())),
              static_cast<int64_t>(a.size()));
}

TEST(FileCompare, ByteByByteGivesEveryMaximalRunOfDifferencesAndTheTail) {
    std::mt19937 rng(3);
    for (int round = 0; round < 40; ++round) {
        Bytes a = Random(5000 + rng() % 3000, rng), b = a;
        b.resize(b.size() + rng() % 40 - 20 + (round % 2) * 20);
        for (int e = 0; e < 30; ++e) {
            const size_t at = rng() % b.size(), n = std::min<size_t>(1 + rng() % 12, b.size() - at);
            for (size_t k = at; k < at + n; ++k)
                b[k] = static_cast<uint8_t>(round % 3 == 0 ? rng() % 2 : rng()); // runs that touch too
        }
        std::vector<DiffRange> model;
        const size_t common = std::min(a.size(), b.size());
        for (size_t i = 0; i < common;) {
            if (a[i] == b[i]) {
                ++i;
                continue;
            }
            size_t end = i;
            while (end < common && a[end] != b[end])
                ++end;
            model.push_back({int64_t(i), int64_t(i), int64_t(end - i), int64_t(end - i), false});
            i = end;
        }
        if (a.size() != b.size())
            model.push_back({int64_t(common), int64_t(common), int64_t(a.size() - common),
                             int64_t(b.size() - common), false});
        EXPECT_EQ(Compare(a, b, {}, INT64_MAX), model) << round;
        EXPECT_EQ(Compare(a, b, {}, 1 + round % 5, 1 + round % 9), model) << round;
    }
    EXPECT_TRUE(Compare({}, {}, {}, INT64_MAX).empty());
    EXPECT_EQ(Compare({}, {1, 2}, {}, INT64_MAX), (std::vector<DiffRange>{{0, 0, 0, 2, false}}));
}

TEST(FileCompare, ResyncFindsEachPlantedInsertionDeletionAndChange) {
    std::mt19937 rng(8);
    for (int round = 0; round < 6; ++round) {
        const Bytes a = Random(1 << 18, rng);
        Bytes b;
        std::vector<DiffRange> planted;
        size_t i = 0;
        while (i < a.size()) {
            const size_t gap = 64 + rng() % 3000;
            const size_t copy = std::min(gap, a.size() - i);
            b.insert(b.end(), a.begin() + i, a.begin() + i + copy);
            i += copy;
            if (i + 2000 >= a.size()) continue;
            // Edits of up to 1500 bytes: beyond the first windows, so the doubling is used too.
            const int64_t n = 1 + rng() % (round < 3 ? 40 : 1500);
            const auto oa = int64_t(i), ob = int64_t(b.size());
            switch (rng() % 3) {
            case 0: { // inserted into B; its first byte must differ from A's next for an exact place
                Bytes extra = Random(n, rng);
                extra[0] = a[i] ^ 1;
                b.insert(b.end(), extra.begin(), extra.end());
                planted.push_back({oa, ob, 0, n, false});
                break;
            }
            case 1: // deleted from A
                if (a[i] == a[i + n]) continue;
                planted.push_back({oa, ob, n, 0, false});
                i += n;
                break;
            default: // changed, every byte
                for (int64_t k = 0; k < n; ++k)
                    b.push_back(a[i + k] ^ static_cast<uint8_t>(1 + rng() % 255));
                planted.push_back({oa, ob, n, n, false});
                i += n;
            }
        }
        CompareOptions resync;
        resync.resync = true;
        EXPECT_EQ(Compare(a, b, resync, INT64_MAX), planted) << round;
        EXPECT_EQ(Compare(a, b, resync, 100, 333), planted) << round;
    }
}

// Two byte values at random: 8-byte prefixes repeat every few hundred positions, yet an
// insertion of tens of thousands of bytes is still one range of exactly those bytes.
TEST(FileCompare, ResyncFindsLongInsertionsInTwoValuedData) {
    std::mt19937 rng(6);
    Bytes a(2 << 20);
    for (auto& x : a)
        x = static_cast<uint8_t>(rng() & 1);
    CompareOptions resync;
    resync.resync = true;
    resync.run = 32;
    for (const int64_t n : {20000, 50000}) {
        Bytes b = a;
        Bytes extra(static_cast<size_t>(n));
        for (auto& x : extra)
            x = static_cast<uint8_t>(rng() & 1);
        extra[0] = a[0x100000] ^ 1;
        b.insert(b.begin() + 0x100000, extra.begin(), extra.end());
        EXPECT_EQ(Compare(a, b, resync, INT64_MAX, 1 << 30),
                  (std::vector<DiffRange>{{0x100000, 0x100000, 0, n, false}}));
    }
}

// Holes told by the HoleSource are not read: their bytes here are 0xEE, which reading would
// show. Level holes are equal; a hole against data compares as zeros.
TEST(FileCompare, HolesAreZerosThatLevelHolesSkipUnread) {
    Bytes a(1 << 20, 0xEE), b(1 << 20, 0xEE);
    // A: data 0..4096 and 600000..700000; B: data 0..4096 and 650000..660000.
    const auto holesOf = [](std::vector<std::pair<int64_t, int64_t>> data) {
        return [data](int64_t offset, int64_t& end) {
            end = 1 << 20;
            for (const auto& [from, to] : data) {
                if (offset < from) return end = from, true;
                if (offset < to) return end = to, false;
            }
            return true;
        };
    };
    std::fill(a.begin(), a.begin() + 4096, 1);
    std::fill(b.begin(), b.begin() + 4096, 1);
    std::fill(a.begin() + 600000, a.begin() + 700000, 0);
    std::fill(b.begin() + 650000, b.begin() + 660000, 0);
    a[650001] = b[650002] = 9;
    FileComparer comparer(InputOf(a, 1 << 30), InputOf(b, 1 << 30), {});
    comparer.SetHoles(holesOf({{0, 4096}, {600000, 700000}}), holesOf({{0, 4096}, {650000, 660000}}));
    std::vector<DiffRange> ranges;
    DiffRange r;
    for (FileComparer::Status s; (s = comparer.Step(r, 1000)) != FileComparer::Status::Done;)
        if (s == FileComparer::Status::Range) ranges.push_back(r);
    EXPECT_EQ(ranges, (std::vector<DiffRange>{{650001, 650001, 2, 2, false}}));
}

TEST(FileCompare, ResyncGivesUpOnUnrelatedDataWindowByWindowAsOneRange) {
    std::mt19937 rng(1);
    Bytes a = Random(300000, rng), b = Random(200000, rng);
    CompareOptions resync;
    resync.resync = true;
    resync.window = 4096;
    EXPECT_EQ(Compare(a, b, resync, 5000), (std::vector<DiffRange>{{0, 0, 300000, 200000, true}}));
    // Agreement again after unrelated parts of one length ends the range there; the tail only in
    // A follows.
    b.resize(300000);
    const Bytes tail = Random(5000, rng);
    a.insert(a.end(), tail.begin(), tail.end());
    a.insert(a.end(), tail.begin(), tail.begin() + 100);
    b.insert(b.end(), tail.begin(), tail.end());
    EXPECT_EQ(Compare(a, b, resync, INT64_MAX),
              (std::vector<DiffRange>{{0, 0, 300000, 300000, true}, {305000, 305000, 100, 0, false}}));
}

} // namespace
} // namespace qhe
