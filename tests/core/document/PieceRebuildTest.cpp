#include "core/document/PieceRebuild.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace qhe {
namespace {

std::vector<uint8_t> ReadAll(const PieceTable& table) {
    std::vector<uint8_t> all(static_cast<size_t>(table.Size()));
    table.Read(0, table.Size(), all.data());
    return all;
}

// Rebuilds of random ranges with kept (short and long), dropped and new stretches against a
// byte vector, each followed by a write over every byte: a byte held by two pieces would show
// up as a second change.
TEST(PieceRebuild, MatchesAByteVectorAndLeavesEveryByteOnePiece) {
    std::mt19937 rng(11);
    std::vector<uint8_t> file(100000);
    for (auto& b : file)
        b = static_cast<uint8_t>(rng());
    std::vector<uint8_t> model = file;
    PieceTable table;
    table.Reset(file.data(), static_cast<int64_t>(file.size()));
    auto pick = [&](int64_t lo, int64_t hi) { return std::uniform_int_distribution<int64_t>(lo, hi)(rng); };
    for (int round = 0; round < 20; ++round) {
        // A few scattered inserts, so that the rebuilt range crosses pieces of both kinds.
        for (int i = 0; i < 20; ++i) {
            const int64_t at = pick(0, table.Size()), n = pick(1, 3000);
            uint8_t* gap = table.InsertGap(at, n);
            ASSERT_NE(gap, nullptr);
            for (int64_t k = 0; k < n; ++k)
                gap[k] = static_cast<uint8_t>(rng());
            model.insert(model.begin() + at, gap, gap + n);
        }
        const int64_t from = pick(0, table.Size());
        std::vector<uint8_t> expected(model.begin(), model.begin() + from);
        int64_t at = from;
        {
            PieceRebuild rebuild(table, from);
            while (at < table.Size() && pick(0, 50) != 0) {
                const int64_t keep = std::min(table.Size() - at, pick(0, 1) ? pick(0, 20) : pick(500, 5000));
                ASSERT_TRUE(rebuild.Keep(keep));
                expected.insert(expected.end(), model.begin() + at, model.begin() + at + keep);
                at += keep;
                const int64_t skip = std::min(table.Size() - at, pick(0, 4));
                rebuild.Skip(skip);
                at += skip;
                std::vector<uint8_t> fresh(static_cast<size_t>(pick(0, pick(0, 1) ? 6 : 20000)));
                for (auto& b : fresh)
                    b = static_cast<uint8_t>(rng());
                ASSERT_TRUE(rebuild.Append(fresh.data(), static_cast<int64_t>(fresh.size())));
                expected.insert(expected.end(), fresh.begin(), fresh.end());
            }
            ASSERT_EQ(rebuild.Walked(), at - from);
            rebuild.Commit();
        }
        expected.insert(expected.end(), model.begin() + at, model.end());
        model = expected;
        ASSERT_EQ(ReadAll(table), model) << round;
        for (int64_t p = 0; p < table.Size();) {
            const int64_t n = std::min<int64_t>(table.SpanAt(p).size, 997);
            uint8_t* run = table.Writable(p, n);
            for (int64_t k = 0; k < n; ++k)
                model[static_cast<size_t>(p + k)] = ++run[k];
            p += n;
        }
        ASSERT_EQ(ReadAll(table), model) << round;
    }
}

// A change every 16 bytes over 4 MiB makes a handful of long runs, not a piece per change,
// and a long stretch kept stays in the file where it was.
TEST(PieceRebuild, DenseChangesMakeFewPiecesAndLongStretchesStayInPlace) {
    std::vector<uint8_t> file(8 << 20, 0x11);
    PieceTable table;
    table.Reset(file.data(), static_cast<int64_t>(file.size()));
    const uint8_t two[2] = {0xAA, 0xBB};
    PieceRebuild rebuild(table, 0);
    for (int64_t at = 0; at < (4 << 20); at += 16) {
        ASSERT_TRUE(rebuild.Keep(15));
        rebuild.Skip(1);
        ASSERT_TRUE(rebuild.Append(two, 2));
    }
    ASSERT_TRUE(rebuild.Keep(4 << 20));
    rebuild.Commit();
    EXPECT_EQ(table.Size(), (8 << 20) + (4 << 20) / 16);
    EXPECT_LE(table.PieceCount(), 6);
    EXPECT_EQ(table.SpanAt(table.Size() - 1).data, file.data() + file.size() - 1);
    EXPECT_EQ(table.ByteAt(15), 0xAA);
    EXPECT_EQ(table.ByteAt(17), 0x11);
}

TEST(PieceRebuild, DroppedUncommittedChangesNothing) {
    std::vector<uint8_t> file(5000, 7);
    PieceTable table;
    table.Reset(file.data(), 5000);
    {
        PieceRebuild rebuild(table, 100);
        rebuild.Skip(10);
        const uint8_t b = 1;
        ASSERT_TRUE(rebuild.Append(&b, 1));
    }
    EXPECT_TRUE(table.IsOriginal());
    EXPECT_EQ(table.StoredBytes(), 0);
}

} // namespace
} // namespace qhe
