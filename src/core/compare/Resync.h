#pragma once
#include <cstdint>
#include <vector>

namespace qhe {

// Finds where two byte strings agree again after a difference: the offsets da in a and db in b
// with a[da .. da + run) == b[db .. db + run) and the least da + db (the fewest bytes deleted
// from a plus inserted from b), both below limit.
//
// The b side is indexed once, by a hash of each position's first bytes, in chains that list the
// positions in ascending order; then a is scanned from its start, and the first verified
// candidate of each chain is the best for that position of a. The scan ends once da alone
// reaches the best cost found. Time O(limit) for building plus O(limit * kMaxChain) for the
// scan at worst (a chain walk stops after kMaxChain candidates, so crafted data with many
// colliding prefixes can hide an agreement but cannot make the search quadratic).
class ResyncIndex {
  public:
    static constexpr int kMaxChain = 64;

    bool Find(const uint8_t* a, int64_t na, const uint8_t* b, int64_t nb, int64_t limit, int run, int64_t& da,
              int64_t& db);

  private:
    std::vector<int32_t> heads_; // per hash: the lowest position of b with it, or -1
    std::vector<int32_t> next_;  // per position of b: the next higher one with the same hash
};

} // namespace qhe
