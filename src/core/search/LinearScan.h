#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qhe::search_detail {

// Searches whose cost is linear in the searched length whatever the data and the pattern: the
// last resort when no candidate filter pays (periodic patterns in periodic data).

// Two-way string matching in both directions. Text bytes go through `map` before they are
// compared (the upper-case map for a case-insensitive search, nullptr for plain bytes); the
// pattern is given already mapped.
class TwoWay {
  public:
    void Prepare(const std::vector<uint8_t>& pattern, const std::array<uint8_t, 256>* map);
    // The lowest (forward) or highest (backward) window start s in [first, last] whose window
    // buffer[s .. s+n-1] matches, or -1.
    int64_t FindForward(const uint8_t* buffer, int64_t first, int64_t last) const;
    int64_t FindBackward(const uint8_t* buffer, int64_t first, int64_t last) const;

    // The critical factorisation of a pattern: x[0..ell] and x[ell+1..], with the period used
    // for shifts; periodic when the left part recurs one period on.
    struct Plan {
        std::vector<uint8_t> x;
        int64_t ell = -1;
        int64_t period = 1;
        bool periodic = false;
    };

  private:
    Plan forward_, backward_; // backward_ holds the reversed pattern
    const std::array<uint8_t, 256>* map_ = nullptr;
};

// Bit-parallel matching (shift-and) for patterns with wildcard positions or classes of accepted
// bytes: a cost of one step per text byte and per 64 pattern bytes.
class ShiftAnd {
  public:
    // accepts(i, c): whether pattern position i accepts text byte c.
    template <typename Accepts> void Prepare(int64_t n, Accepts accepts) {
        n_ = n;
        words_ = (n + 63) / 64;
        forward_.assign(static_cast<size_t>(256 * words_), 0);
        backward_.assign(static_cast<size_t>(256 * words_), 0);
        for (int c = 0; c < 256; ++c)
            for (int64_t i = 0; i < n; ++i)
                if (accepts(i, static_cast<uint8_t>(c))) {
                    Set(forward_, c, i);
                    Set(backward_, c, n - 1 - i);
                }
    }
    int64_t FindForward(const uint8_t* buffer, int64_t first, int64_t last) const;
    int64_t FindBackward(const uint8_t* buffer, int64_t first, int64_t last) const;

  private:
    void Set(std::vector<uint64_t>& masks, int c, int64_t i) {
        masks[static_cast<size_t>(c * words_ + i / 64)] |= uint64_t{1} << (i % 64);
    }
    // Steps over text bytes from `from` by `step` (+1 or -1) for `count` bytes; answers the
    // number of bytes consumed when the whole pattern has matched, or -1.
    int64_t Run(const uint8_t* from, int64_t step, int64_t count, const std::vector<uint64_t>& masks) const;

    int64_t n_ = 0, words_ = 0;
    std::vector<uint64_t> forward_, backward_; // per byte value: accepting pattern positions
};

} // namespace qhe::search_detail
