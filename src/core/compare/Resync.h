#pragma once
#include <cstdint>
#include <vector>

namespace qhe {

// Finds where two byte strings agree again after a difference: the offsets da in a and db in b
// with a[da .. da + run) == b[db .. db + run) and the least da + db (the fewest bytes deleted
// from a plus inserted from b), both below limit.
//
// First the quick way: the positions of b are indexed by a hash of their first (up to 8) bytes
// in chains of ascending positions, and every few positions of a are looked up; a hit is
// extended back along its diagonal and checked. This is exact unless a chain had to be cut
// short (kMaxChain candidates, so that crafted data cannot make it quadratic) while what it
// left might cost less: that happens where many positions start alike (data of few byte
// values), and then the search is done again by whole runs.
//
// By whole runs: every position is fingerprinted by its run of bytes (a rolling hash), so
// positions that merely start alike never stand for each other. The fingerprints of b go into
// a bit filter of about a byte per position, small enough for the processor's cache; the
// positions of a that pass it are the candidates. One pass over b finds, per candidate
// fingerprint, the lowest position of b with it, the best partner of every position of a with
// that run; the least da + db among the candidates is the answer.
//
// Time O(limit) both ways: table probes stop after kMaxProbe and the byte checks of the
// candidates are capped at a few times limit, so crafted fingerprint collisions can hide an
// agreement but never make the search slower than linear.
class ResyncIndex {
  public:
    static constexpr int kMaxChain = 64, kMaxProbe = 32;

    bool Find(const uint8_t* a, int64_t na, const uint8_t* b, int64_t nb, int64_t limit, int run, int64_t& da,
              int64_t& db);

  private:
    // The quick way; complete is cleared when a chain cut short may have hidden a better answer.
    bool FindByPrefix(const uint8_t* a, int64_t na, const uint8_t* b, int64_t nb, int64_t limit, int run,
                      int64_t& da, int64_t& db, bool& complete);
    bool FindByRuns(const uint8_t* a, int64_t na, const uint8_t* b, int64_t nb, int64_t limit, int run,
                    int64_t& da, int64_t& db);

    struct Slot {
        uint32_t tag;
        int32_t at; // the lowest position of b with this fingerprint, or -1
    };
    // The slot of fingerprint h, or a free slot where it would go; null past kMaxProbe.
    Slot* Probe(uint64_t h);

    std::vector<int32_t> heads_;      // per prefix hash: the lowest position of b with it, or -1
    std::vector<int32_t> next_;       // per position of b: the next higher one with the same hash
    std::vector<uint64_t> filter_;    // fingerprints of b, two bits of one word each
    std::vector<uint64_t> wanted_;    // the same for the candidates' fingerprints
    std::vector<uint64_t> hashes_;    // the fingerprints of b
    std::vector<int32_t> candidates_; // positions of a that passed the filter, ascending
    std::vector<uint64_t> candidateHashes_;
    std::vector<Slot> slots_; // per candidate fingerprint, the partner in b
    int slotBits_ = 0;
};

} // namespace qhe
