#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "core/compare/Resync.h"

namespace qhe {
namespace {

using Bytes = std::vector<uint8_t>;

// The least da + db (then the least da) where run bytes agree, by trying every pair.
bool BruteForce(const Bytes& a, const Bytes& b, int64_t limit, int run, int64_t& da, int64_t& db) {
    const auto na = static_cast<int64_t>(a.size()), nb = static_cast<int64_t>(b.size());
    for (int64_t cost = 0; cost < 2 * limit; ++cost)
        for (int64_t p = std::max<int64_t>(0, cost - limit + 1); p <= cost && p < limit; ++p) {
            const int64_t q = cost - p;
            if (p + run > na || q + run > nb) continue;
            if (std::memcmp(a.data() + p, b.data() + q, static_cast<size_t>(run)) == 0) {
                da = p;
                db = q;
                return true;
            }
        }
    return false;
}

// Data of little variety (mostly one byte value, or two values at random) makes many
// positions share their first bytes: the least-cost agreement must still be found.
TEST(Resync, FindsTheLeastCostAgreementInLowEntropyData) {
    std::mt19937 rng(11);
    ResyncIndex index;
    for (int round = 0; round < 24; ++round) {
        const int run = 6 + round % 7;
        const auto byte = [&] {
            return static_cast<uint8_t>(round % 2 ? rng() % 2 : (rng() % 10 == 0 ? 1 + rng() % 3 : 0));
        };
        Bytes a(1500 + rng() % 1500), b(1500 + rng() % 1500);
        for (auto& x : a)
            x = byte();
        for (auto& x : b)
            x = byte();
        // Often a copy of a's tail further on in b, as after an insertion.
        if (round % 3 != 2) {
            const size_t at = rng() % 1000;
            std::copy(a.begin() + 200, a.begin() + 200 + std::min<size_t>(400, b.size() - at),
                      b.begin() + at);
        }
        const int64_t limit = 600 + rng() % 2000;
        int64_t da = -1, db = -1, wantA = -1, wantB = -1;
        const bool want = BruteForce(a, b, limit, run, wantA, wantB);
        ASSERT_EQ(index.Find(a.data(), int64_t(a.size()), b.data(), int64_t(b.size()), limit, run, da, db),
                  want)
            << round;
        if (want) {
            EXPECT_EQ(da + db, wantA + wantB) << round;
            EXPECT_EQ(da, wantA) << round;
        }
    }
}

} // namespace
} // namespace qhe
