#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "core/search/CandidateScan.h"
#include "core/search/TQSearch.h"

namespace qhe {

// Lists the hits of a pattern range by range, exactly the positions that repeated forward
// searches from the range's start give (each next hit starts behind the previous one), so that
// replace all can work on a whole chunk of hits at once. Dense hits cost a few nanoseconds
// each: one pass of the engine's candidate filter with the comparison inlined, and no call,
// allocation or progress report per hit. Where the filter stops paying (many candidates that
// fail) the rest of the range goes to the engine's own search.
class HitScan {
  public:
    // Prepares engine for the pattern; engine must outlive the scan.
    HitScan(TQSearch& engine, std::span<const uint8_t> pattern, bool caseSensitive, bool jokerOn,
            uint8_t joker);

    // Appends to hits the 0-based starts of the hits that start in [from, last]. Windows read
    // bytes up to last + Length() - 1, which the caller keeps inside the buffer. Answers where
    // the next range begins: behind the last hit, or at last + 1.
    int64_t Collect(const uint8_t* buffer, int64_t from, int64_t last, std::vector<int64_t>& hits);

    int64_t Length() const { return static_cast<int64_t>(pattern_.size()); }

  private:
    enum class Method { AllWildcards, Filter, Engine };
    enum class Compare { Any, Ends16, Ends32, Ends64, Bytes, Masked };
    template <typename Verify>
    int64_t CollectFiltered(const uint8_t* buffer, int64_t from, int64_t last, std::vector<int64_t>& hits,
                            const Verify& verify);
    int64_t CollectWithEngine(const uint8_t* buffer, int64_t from, int64_t last, std::vector<int64_t>& hits);

    TQSearch& engine_;
    std::vector<uint8_t> pattern_;
    bool caseSensitive_;
    bool jokerOn_;
    uint8_t joker_;
    Method method_ = Method::Engine;
    Compare compare_ = Compare::Masked;
    search_detail::PairFilter filter_;
    std::vector<uint8_t> expected_; // the pattern, upper-cased when case is ignored
    std::vector<uint8_t> wildcard_; // 1 where the pattern byte is the active joker
};

} // namespace qhe
