#include "core/document/PieceTable.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace qhe {
namespace {

// The table against a plain vector under thousands of random inserts, erases and overwrites,
// with reads that cross piece borders after every step.
TEST(PieceTable, MatchesAByteVectorUnderRandomEdits) {
    std::vector<uint8_t> original(100000);
    std::mt19937 rng(7);
    for (auto& b : original)
        b = static_cast<uint8_t>(rng());
    std::vector<uint8_t> mapped = original; // what the table reads as its file
    std::vector<uint8_t> model = original;
    PieceTable table;
    table.Reset(mapped.data(), static_cast<int64_t>(mapped.size()));
    EXPECT_TRUE(table.IsOriginal());
    auto pick = [&](int64_t lo, int64_t hi) { return std::uniform_int_distribution<int64_t>(lo, hi)(rng); };
    for (int step = 0; step < 5000; ++step) {
        const auto size = static_cast<int64_t>(model.size());
        const int kind = static_cast<int>(pick(0, 3));
        if (kind == 0 || size < 10) { // insert, often right behind the previous one
            const int64_t at = pick(0, size), n = pick(1, step % 50 == 0 ? 5000 : 8);
            uint8_t* gap = table.InsertGap(at, n);
            ASSERT_NE(gap, nullptr);
            for (int64_t i = 0; i < n; ++i)
                gap[i] = static_cast<uint8_t>(rng());
            model.insert(model.begin() + at, gap, gap + n);
        } else if (kind == 1) {
            const int64_t at = pick(0, size - 1), n = pick(1, std::min<int64_t>(size - at, step % 50 == 0 ? 3000 : 8));
            table.Erase(at, n);
            model.erase(model.begin() + at, model.begin() + at + n);
        } else {
            const int64_t at = pick(0, size - 1), n = pick(1, std::min<int64_t>(size - at, 40));
            uint8_t* run = table.Writable(at, n);
            ASSERT_NE(run, nullptr);
            ASSERT_TRUE(std::equal(run, run + n, model.begin() + at)); // holds the current bytes
            for (int64_t i = 0; i < n; ++i)
                model[static_cast<size_t>(at + i)] = run[i] = static_cast<uint8_t>(rng());
        }
        ASSERT_EQ(table.Size(), static_cast<int64_t>(model.size())) << step;
        if (model.empty()) continue;
        const int64_t at = pick(0, table.Size() - 1), n = pick(0, std::min<int64_t>(table.Size() - at, 2000));
        std::vector<uint8_t> read(static_cast<size_t>(n));
        table.Read(at, n, read.data());
        ASSERT_TRUE(std::equal(read.begin(), read.end(), model.begin() + at)) << step;
        ASSERT_EQ(table.ByteAt(at), model[static_cast<size_t>(at)]);
    }
    std::vector<uint8_t> whole(model.size());
    table.Read(0, table.Size(), whole.data());
    EXPECT_EQ(whole, model);
    EXPECT_FALSE(table.IsOriginal());
    EXPECT_GT(table.PieceCount(), 100);
}

TEST(PieceTable, TypingBehindTheLastInsertGrowsOnePiece) {
    std::vector<uint8_t> file(1 << 20, 0x11);
    PieceTable table;
    table.Reset(file.data(), static_cast<int64_t>(file.size()));
    for (int64_t i = 0; i < 1000; ++i)
        *table.InsertGap(1 + i, 1) = static_cast<uint8_t>(i);
    EXPECT_EQ(table.PieceCount(), 3); // head of the file, the typed run, the rest
    EXPECT_EQ(table.ByteAt(1 + 999), static_cast<uint8_t>(999));
    EXPECT_EQ(table.Size(), (1 << 20) + 1000);
}

} // namespace
} // namespace qhe
