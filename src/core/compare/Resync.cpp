#include "core/compare/Resync.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

namespace qhe {
namespace {

constexpr uint64_t kBase = 0x9E3779B97F4A7C15ull; // odd, so every byte of a run counts

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
// polynomial of the byte values, mixed so that both the slot (high bits) and the tag (low
// bits) of the table depend on every byte.
class RunHash {
  public:
    RunHash(const uint8_t* data, int run) : data_(data), run_(run) {
        for (int i = 0; i + 1 < run; ++i)
            outFactor_ *= kBase;
        for (int i = 0; i < run; ++i)
            sum_ = sum_ * kBase + kByteValues[data[i]];
    }
    // Fingerprints of positions from on (which must be where the last call ended) into out.
    void Fill(int64_t from, uint64_t* out, int64_t count) {
        for (int64_t i = 0; i < count; ++i) {
            if (from + i > next_) Roll();
            out[i] = SplitMix(sum_);
        }
    }

  private:
    void Roll() {
        sum_ = (sum_ - kByteValues[data_[next_]] * outFactor_) * kBase + kByteValues[data_[next_ + run_]];
        ++next_;
    }
    const uint8_t* data_;
    int run_;
    uint64_t outFactor_ = 1, sum_ = 0;
    int64_t next_ = 0; // the position sum_ stands for
};

constexpr int64_t kPrefetch = 16; // positions ahead whose slot is fetched while one is looked at
constexpr int64_t kPieceA = 4096; // positions of a fingerprinted at a time

} // namespace

ResyncIndex::Slot* ResyncIndex::Probe(uint64_t h) {
    const size_t mask = slots_.size() - 1;
    const auto tag = static_cast<uint32_t>(h);
    for (size_t i = h >> (64 - bits_), k = 0; k < kMaxProbe; ++k, i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.at < 0 || slot.tag == tag) return &slot;
    }
    return nullptr;
}

bool ResyncIndex::Find(const uint8_t* a, int64_t na, const uint8_t* b, int64_t nb, int64_t limit, int run,
                       int64_t& da, int64_t& db) {
    if (run <= 0) return false;
    const int64_t positionsA = std::min({limit, na - run + 1, int64_t{INT32_MAX}});
    const int64_t positionsB = std::min({limit, nb - run + 1, int64_t{INT32_MAX}});
    if (positionsA <= 0 || positionsB <= 0) return false;
    bits_ = 8;
    while ((int64_t{1} << bits_) < 2 * positionsB)
        ++bits_;
    slots_.assign(size_t{1} << bits_, Slot{0, -1});
    const auto slotOf = [this](uint64_t h) { return &slots_[h >> (64 - bits_)]; };

    // b, from its lowest position up: the first position of each fingerprint stays.
    hashes_.resize(static_cast<size_t>(std::max(positionsB, std::min(positionsA, kPieceA))));
    RunHash(b, run).Fill(0, hashes_.data(), positionsB);
    for (int64_t q = 0; q < positionsB; ++q) {
        if (q + kPrefetch < positionsB)
            __builtin_prefetch(slotOf(hashes_[static_cast<size_t>(q + kPrefetch)]));
        const uint64_t h = hashes_[static_cast<size_t>(q)];
        if (Slot* slot = Probe(h); slot && slot->at < 0)
            *slot = Slot{static_cast<uint32_t>(h), static_cast<int32_t>(q)};
    }

    // a, from its start, while a position alone costs less than the best found.
    RunHash hashA(a, run);
    const int64_t checkBudget = 4 * (positionsA + positionsB) + 2 * int64_t{run};
    int64_t best = INT64_MAX, checked = 0;
    for (int64_t piece = 0; piece < positionsA && piece < best; piece += kPieceA) {
        const int64_t count = std::min(kPieceA, positionsA - piece);
        hashA.Fill(piece, hashes_.data(), count);
        for (int64_t i = 0; i < count && piece + i < best; ++i) {
            if (i + kPrefetch < count)
                __builtin_prefetch(slotOf(hashes_[static_cast<size_t>(i + kPrefetch)]));
            const uint64_t h = hashes_[static_cast<size_t>(i)];
            const Slot* slot = Probe(h);
            if (!slot || slot->at < 0 || slot->tag != static_cast<uint32_t>(h)) continue;
            const int64_t p = piece + i, q = slot->at;
            if (p + q >= best) continue;
            if ((checked += run) > checkBudget) return best != INT64_MAX;
            if (std::memcmp(a + p, b + q, static_cast<size_t>(run)) != 0) continue;
            best = p + q;
            da = p;
            db = q;
        }
    }
    return best != INT64_MAX;
}

} // namespace qhe
