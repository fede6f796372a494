#pragma once
#include <cstdint>
#include <vector>

namespace qhe {

// Finds where two byte strings agree again after a difference: the offsets da in a and db in b
// with a[da .. da + run) == b[db .. db + run) and the least da + db (the fewest bytes deleted
// from a plus inserted from b), both below limit.
//
// Every position of b is fingerprinted by its whole run of bytes (a rolling hash) and the
// table keeps, per fingerprint, the lowest position that has it. Then a is scanned from its
// start: a position's fingerprint names the lowest position of b with the same run, which is
// the best partner for it, whatever the data (runs of two byte values alike). The scan ends
// once da alone reaches the best cost found. Time O(limit): one table probe per position of
// each side, probes capped at kMaxProbe, and the byte checks of the candidates capped at a few
// times limit, so crafted fingerprint collisions can hide an agreement but never make the
// search slower than linear.
class ResyncIndex {
  public:
    static constexpr int kMaxProbe = 32;

    bool Find(const uint8_t* a, int64_t na, const uint8_t* b, int64_t nb, int64_t limit, int run, int64_t& da,
              int64_t& db);

  private:
    struct Slot {
        uint32_t tag;
        int32_t at; // the lowest position of b with this fingerprint, or -1
    };
    // The slot holding hash h, or the free slot where it would go; null past kMaxProbe.
    Slot* Probe(uint64_t h);

    std::vector<Slot> slots_;
    int bits_ = 0;
    std::vector<uint64_t> hashes_; // of the positions of b, then of a piece of a
};

} // namespace qhe
