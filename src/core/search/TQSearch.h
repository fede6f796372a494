#pragma once
#include "core/search/CandidateScan.h"
#include "core/search/LinearScan.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace qhe {

// Progress of a running search: called with the 1-based end position of the current window;
// setting cancel stops the search, which then reports no hit.
using SearchProgress = std::function<void(int64_t position, bool& cancel)>;

// The byte-pattern search engine: forward and backward search within an inclusive range of
// 1-based positions, with an ANSI case-insensitive option and a wildcard ("joker") byte.
// One instance keeps the prepared pattern and its tables between calls, so repeated searches
// with the same pattern and options skip the preparation.
//
// Results: -2 for an empty pattern, -1 for no hit or a cancelled search, otherwise the position
// of the first byte of the leftmost (forward) or rightmost (backward) hit lying wholly inside
// [low, high]. The caller guarantees that buffer positions low..high exist.
class TQSearch {
  public:
    // The progress callback is called once per this many window starts scanned (and never for a
    // range shorter than the pattern), which keeps cancel responsive within a millisecond or so.
    static constexpr int64_t kProgressStride = 256 * 1024;

    TQSearch();

    // Stores the pattern and options and builds the shift tables and the candidate filter.
    void Prepare(std::span<const uint8_t> pattern, bool caseSensitive, uint8_t joker, bool jokerOn);

    int64_t SearchForward(std::span<const uint8_t> pattern, const uint8_t* buffer, int64_t low, int64_t high,
                          bool caseSensitive, bool jokerOn, uint8_t joker, const SearchProgress& progress,
                          bool& cancel);
    int64_t SearchBackward(std::span<const uint8_t> pattern, const uint8_t* buffer, int64_t low, int64_t high,
                           bool caseSensitive, bool jokerOn, uint8_t joker, const SearchProgress& progress,
                           bool& cancel);

    // Counts the hits that do not overlap one another, taken from low upward (forward) or from
    // high downward (backward), inside [low, high]. lastHit gets the position of the last hit
    // counted (0 when none). Progress is called per stride as for a search; a cancel stops the
    // count with the hits counted so far. An empty pattern counts nothing.
    int64_t CountForward(std::span<const uint8_t> pattern, const uint8_t* buffer, int64_t low, int64_t high,
                         bool caseSensitive, bool jokerOn, uint8_t joker, const SearchProgress& progress,
                         bool& cancel, int64_t& lastHit);
    int64_t CountBackward(std::span<const uint8_t> pattern, const uint8_t* buffer, int64_t low, int64_t high,
                          bool caseSensitive, bool jokerOn, uint8_t joker, const SearchProgress& progress,
                          bool& cancel, int64_t& lastHit);

    // Quick-search shift distances of the prepared pattern, by the byte after (forward) or before
    // (backward) the window.
    int32_t ShiftForward(uint8_t b) const { return FShiftForward[b]; }
    int32_t ShiftBackward(uint8_t b) const { return FShiftBackward[b]; }
    // How often Prepare ran; lets callers and tests see that tables are reused.
    int PrepareCount() const { return prepareCount_; }
    // The candidate filter chosen for the prepared pattern (benchmarks build data against it).
    const search_detail::PairFilter& Filter() const { return filter_; }
    // How often a scan found its candidate filter passing too many windows and switched method.
    int FallbackCount() const { return fallbackCount_; }
    // How the range is scanned; every method gives the same results. The candidate filter is the
    // default (the quick-search loop where the build has no vector scan); the quick-search loop
    // follows the shift tables window by window.
    enum class Method { CandidateFilter, Sse2CandidateFilter, ScalarCandidateFilter, QuickSearch };
    void SetMethod(Method method) { method_ = method; }

  private:
    // Prepares for pattern and gives the first and last window starts (0-based) inside
    // [low, high]; answers -2 for an empty pattern, -1 when no window fits, else 0.
    int32_t BeginSearch(std::span<const uint8_t> pattern, int64_t low, int64_t high, bool caseSensitive,
                        bool jokerOn, uint8_t joker, int64_t& first, int64_t& last);
    bool NeedsPrepare(std::span<const uint8_t> pattern, bool caseSensitive, bool jokerOn,
                      uint8_t joker) const;
    void BuildShiftTables();
    void BuildFilter();
    template <int Selector> static bool Compare(const void* self, const uint8_t* window);
    template <typename Word> static bool CompareEnds(const void* self, const uint8_t* window);
    search_detail::ScanKernel Kernel() const;
    bool UsesQuickSearch() const;
    int64_t ScanChunkForward(const uint8_t* buffer, int64_t first, int64_t last, int64_t rangeLast) const;
    int64_t ScanChunkBackward(const uint8_t* buffer, int64_t first, int64_t last, int64_t rangeFirst) const;
    void ResetScan() const;
    int64_t FilterRatio() const;
    void Escalate(const uint8_t* buffer, int64_t at, int64_t step, int64_t first, int64_t last) const;
    void PrepareLinear() const;
    int64_t LinearForward(const uint8_t* buffer, int64_t first, int64_t last) const;
    int64_t LinearBackward(const uint8_t* buffer, int64_t first, int64_t last) const;
    search_detail::PairFilter FilterForSample(const uint8_t* sample, int64_t size) const;
    int64_t CountInChunkForward(const uint8_t* buffer, int64_t& s, int64_t last, int64_t rangeLast,
                                int64_t& lastHit) const;
    int64_t CountInChunkBackward(const uint8_t* buffer, int64_t first, int64_t& s, int64_t rangeFirst,
                                 int64_t& lastHit) const;
    int64_t FindInChunkForward(const uint8_t* buffer, int64_t first, int64_t last, int64_t rangeLast) const;
    int64_t FindInChunkBackward(const uint8_t* buffer, int64_t first, int64_t last, int64_t rangeFirst) const;

    std::vector<uint8_t> FPattern;
    std::vector<uint8_t> FUpperPattern;
    int32_t FLength = 0;
    bool FCaseSensitive = true;
    bool FJokerOn = false;
    uint8_t FJoker = 0;
    std::array<int32_t, 256> FShiftForward{};
    std::array<int32_t, 256> FShiftBackward{};
    std::array<uint8_t, 256> FUpperMap{};
    // The comparison chosen by Prepare (case-sensitive x 10 + joker on).
    search_detail::Verifier FCompare = nullptr;

    std::vector<uint8_t> wildcard_; // 1 where the pattern byte is the active joker
    bool allWildcards_ = false;
    // Every non-wildcard pattern offset with the (at most two) text bytes it accepts.
    struct Accepted {
        int64_t offset;
        uint8_t v1, v2;
    };
    std::vector<Accepted> accepted_;
    bool exact_ = false; // case-sensitive without wildcards: plain byte comparison
    // For exact patterns of 2..16 bytes: the first and the last word of the pattern, which
    // together cover it.
    uint64_t headWord_ = 0, tailWord_ = 0;
    search_detail::ExactWords words_;       // the same for the count kernels
    mutable std::vector<uint16_t> bigrams_; // scratch for choosing a filter from the data
    search_detail::PairFilter filter_;      // chosen from the pattern alone
    // How the running scan finds candidates: the static filter, one chosen from the data, or a
    // linear-time method up to window start linearUntil_. Each search or count starts afresh.
    enum class Stage { StaticFilter, DataFilter, Linear };
    mutable Stage stage_ = Stage::StaticFilter;
    mutable search_detail::PairFilter active_;
    mutable int64_t linearUntil_ = 0;
    // The linear-time methods, prepared when first needed.
    mutable bool linearReady_ = false;
    mutable bool usesShiftAnd_ = false; // wildcards: two-way matching does not apply
    mutable search_detail::TwoWay twoWay_;
    mutable search_detail::ShiftAnd shiftAnd_;
    bool filterReady_ = false;
    Method method_ = Method::CandidateFilter;
    int prepareCount_ = 0;
    mutable int fallbackCount_ = 0;
};

} // namespace qhe
