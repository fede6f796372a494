#include "core/compare/Resync.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

namespace qhe {
namespace {

constexpr uint64_t kBase = 0x9E3779B97F4A7C15ull; // odd, so every byte of a run counts

// A hash of the first prefix (up to 8) bytes at p, bits wide.
uint32_t PrefixHash(const uint8_t* p, int prefix, int bits) {
    uint64_t v = 0;
    std::memcpy(&v, p, static_cast<size_t>(prefix));
    return static_cast<uint32_t>((v * kBase) >> (64 - bits));
}

constexpr uint64_t SplitMix(uint64_t x) {
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// A 64-bit value per byte, so that bytes that differ in one bit differ in many.
constexpr std::array<uint64_t, 256> kByteValues = [] {
    std::array<uint64_t, 256> values{};
    for (uint64_t i = 0; i < 256; ++i)
        values[i] = SplitMix(i + 0x632BE59BD9B4E019ull);
    return values;
}();

// Rolling fingerprints of the runs of run bytes starting at each position of data: the
// polynomial of the byte values, mixed so that every bit depends on every byte.
class RunHash {
  public:
    RunHash(const uint8_t* data, int run) : data_(data), run_(run) {
        uint64_t outFactor = 1;
        for (int i = 0; i + 1 < run; ++i)
            outFactor *= kBase;
        for (int i = 0; i < 256; ++i)
            leaving_[static_cast<size_t>(i)] = kByteValues[static_cast<size_t>(i)] * outFactor;
        for (int i = 0; i < run; ++i)
            sum_ = sum_ * kBase + kByteValues[data[i]];
    }
    // The fingerprint of the current position, then on to the next (which must exist).
    uint64_t Take() { return SplitMix(sum_); }
    void Next() {
        sum_ = (sum_ - leaving_[data_[at_]]) * kBase + kByteValues[data_[at_ + run_]];
        ++at_;
    }

  private:
    const uint8_t* data_;
    int run_;
    std::array<uint64_t, 256> leaving_{}; // a byte's share in the sum as it leaves the run
    uint64_t sum_ = 0;
    int64_t at_ = 0;
};

// A filter of fingerprints: two bits in one 64-bit word per fingerprint.
struct Bits {
    static uint64_t Mask(uint64_t h) { return (uint64_t{1} << (h & 63)) | (uint64_t{1} << ((h >> 6) & 63)); }
    static void Size(std::vector<uint64_t>& filter, int& bits, int64_t entries) {
        bits = 6;
        while ((int64_t{1} << bits) < entries / 8)
            ++bits;
        filter.assign(size_t{1} << bits, 0);
    }
    static size_t Word(uint64_t h, int bits) { return static_cast<size_t>(h >> (64 - bits)); }
};

} // namespace

ResyncIndex::Slot* ResyncIndex::Probe(uint64_t h) {
    const size_t mask = slots_.size() - 1;
    const auto tag = static_cast<uint32_t>(h);
    for (size_t i = h >> (64 - slotBits_), k = 0; k < kMaxProbe; ++k, i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.at < 0 || slot.tag == tag) return &slot;
    }
    return nullptr;
}

bool ResyncIndex::Find(const uint8_t* a, int64_t na, const uint8_t* b, int64_t nb, int64_t limit, int run,
                       int64_t& da, int64_t& db) {
    if (run <= 0) return false;
    bool complete = true;
    const bool found = FindByPrefix(a, na, b, nb, limit, run, da, db, complete);
    return complete ? found : FindByRuns(a, na, b, nb, limit, run, da, db);
}

bool ResyncIndex::FindByPrefix(const uint8_t* a, int64_t na, const uint8_t* b, int64_t nb, int64_t limit,
                               int run, int64_t& da, int64_t& db, bool& complete) {
    const int64_t positionsA = std::min(limit, na - run + 1), positionsB = std::min(limit, nb - run + 1);
    if (positionsA <= 0 || positionsB <= 0) return false;
    if (positionsB > INT32_MAX) return complete = false;
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
        int32_t q = heads_[PrefixHash(a + at, prefix, bits)];
        for (; q >= 0 && steps < kMaxChain; q = next_[static_cast<size_t>(q)], ++steps) {
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
        // Candidates left in a chain cut short might still cost less.
        if (q >= 0 && at + q - 2 * (step - 1) < best) complete = false;
    }
    return best != INT64_MAX;
}

bool ResyncIndex::FindByRuns(const uint8_t* a, int64_t na, const uint8_t* b, int64_t nb, int64_t limit,
                             int run, int64_t& da, int64_t& db) {
    const int64_t positionsA = std::min({limit, na - run + 1, int64_t{INT32_MAX}});
    const int64_t positionsB = std::min({limit, nb - run + 1, int64_t{INT32_MAX}});
    if (positionsA <= 0 || positionsB <= 0) return false;

    // The fingerprints of b, and its filter.
    int filterBits = 0;
    Bits::Size(filter_, filterBits, positionsB);
    hashes_.resize(static_cast<size_t>(positionsB));
    RunHash hashB(b, run);
    for (int64_t q = 0;; hashB.Next()) {
        const uint64_t h = hashB.Take();
        hashes_[static_cast<size_t>(q)] = h;
        filter_[Bits::Word(h, filterBits)] |= Bits::Mask(h);
        if (++q == positionsB) break;
    }
    // The candidates: positions of a whose fingerprint b may have.
    candidates_.clear();
    candidateHashes_.clear();
    RunHash hashA(a, run);
    for (int64_t p = 0;; hashA.Next()) {
        const uint64_t h = hashA.Take();
        const uint64_t mask = Bits::Mask(h);
        if ((filter_[Bits::Word(h, filterBits)] & mask) == mask) {
            candidates_.push_back(static_cast<int32_t>(p));
            candidateHashes_.push_back(h);
        }
        if (++p == positionsA) break;
    }
    if (candidates_.empty()) return false;
    // Their fingerprints in a table (and a filter of them), then the first position of b with each.
    const auto count = static_cast<int64_t>(candidates_.size());
    int wantedBits = 0;
    Bits::Size(wanted_, wantedBits, count);
    slotBits_ = 6;
    while ((int64_t{1} << slotBits_) < 2 * count)
        ++slotBits_;
    slots_.assign(size_t{1} << slotBits_, Slot{0, -1});
    for (const uint64_t h : candidateHashes_) {
        wanted_[Bits::Word(h, wantedBits)] |= Bits::Mask(h);
        if (Slot* slot = Probe(h); slot && slot->at < 0) *slot = Slot{static_cast<uint32_t>(h), INT32_MAX};
    }
    for (int64_t q = 0; q < positionsB; ++q) {
        const uint64_t h = hashes_[static_cast<size_t>(q)];
        const uint64_t mask = Bits::Mask(h);
        if ((wanted_[Bits::Word(h, wantedBits)] & mask) != mask) continue;
        if (Slot* slot = Probe(h); slot && slot->at == INT32_MAX) slot->at = static_cast<int32_t>(q);
    }
    // The least cost among the candidates, each checked byte by byte.
    const int64_t checkBudget = 4 * (positionsA + positionsB) + 2 * int64_t{run};
    int64_t best = INT64_MAX, checked = 0;
    for (int64_t i = 0; i < count && candidates_[static_cast<size_t>(i)] < best; ++i) {
        const uint64_t h = candidateHashes_[static_cast<size_t>(i)];
        const Slot* slot = Probe(h);
        if (!slot || slot->at < 0 || slot->at == INT32_MAX || slot->tag != static_cast<uint32_t>(h)) continue;
        const int64_t p = candidates_[static_cast<size_t>(i)], q = slot->at;
        if (p + q >= best) continue;
        if ((checked += run) > checkBudget) break;
        if (std::memcmp(a + p, b + q, static_cast<size_t>(run)) != 0) continue;
        best = p + q;
        da = p;
        db = q;
    }
    return best != INT64_MAX;
}

} // namespace qhe
