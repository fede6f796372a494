#include "core/compare/Resync.h"

#include <algorithm>
#include <cstring>

namespace qhe {
namespace {

// A hash of the first min(run, 8) bytes at p.
uint32_t PrefixHash(const uint8_t* p, int prefix, int bits) {
    uint64_t v = 0;
    std::memcpy(&v, p, static_cast<size_t>(prefix));
    return static_cast<uint32_t>((v * 0x9E3779B97F4A7C15ull) >> (64 - bits));
}

} // namespace

bool ResyncIndex::Find(const uint8_t* a, int64_t na, const uint8_t* b, int64_t nb, int64_t limit, int run,
                       int64_t& da, int64_t& db) {
    const int64_t positionsA = std::min(limit, na - run + 1), positionsB = std::min(limit, nb - run + 1);
    if (run <= 0 || positionsA <= 0 || positionsB <= 0) return false;
    const int prefix = std::min(run, 8);
    int bits = 8;
    while ((int64_t{1} << bits) < 2 * positionsB)
        ++bits;
    heads_.assign(size_t{1} << bits, -1);
    next_.resize(static_cast<size_t>(positionsB));
    // From the highest position down, so that each chain ends up in ascending order.
    for (int64_t q = positionsB - 1; q >= 0; --q) {
        const uint32_t h = PrefixHash(b + q, prefix, bits);
        next_[static_cast<size_t>(q)] = heads_[h];
        heads_[h] = static_cast<int32_t>(q);
    }
    int64_t best = INT64_MAX;
    for (int64_t p = 0; p < positionsA && p < best; ++p) {
        int steps = 0;
        for (int32_t q = heads_[PrefixHash(a + p, prefix, bits)]; q >= 0 && steps < kMaxChain;
             q = next_[static_cast<size_t>(q)], ++steps) {
            if (p + q >= best) break;
            if (std::memcmp(a + p, b + q, static_cast<size_t>(run)) == 0) {
                best = p + q;
                da = p;
                db = q;
                break;
            }
        }
    }
    return best != INT64_MAX;
}

} // namespace qhe
