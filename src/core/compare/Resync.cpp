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
    // Every run of run bytes in a starts within step of a scanned position, whose prefix then
    // lies inside the run: a hit there is extended back to where the agreement on its diagonal
    // begins. Scanning every step-th position of a (and indexing every position of b) finds
    // each agreement while looking up a fraction of a.
    const int64_t step = run - prefix + 1;
    int64_t best = INT64_MAX;
    for (int64_t p = 0; p < positionsA + step - 1 && p - step < best; p += step) {
        const int64_t at = std::min(p, positionsA - 1);
        int steps = 0;
        for (int32_t q = heads_[PrefixHash(a + at, prefix, bits)]; q >= 0 && steps < kMaxChain;
             q = next_[static_cast<size_t>(q)], ++steps) {
            if (std::memcmp(a + at, b + q, static_cast<size_t>(prefix)) != 0) continue;
            // Back to the start of the agreement on this diagonal; no further than step, as an
            // agreement that starts earlier held the scanned position before this one too.
            int64_t from = at, to = q;
            while (from > 0 && to > 0 && at - from < step && a[from - 1] == b[to - 1])
                --from, --to;
            if (from + to >= best || from + run > na || to + run > nb) continue;
            if (std::memcmp(a + from, b + to, static_cast<size_t>(run)) != 0) continue;
            best = from + to;
            da = from;
            db = to;
        }
    }
    return best != INT64_MAX;
}

} // namespace qhe
