#include "core/search/TQSearch.h"
#include "core/text/Ansi.h"

#include <algorithm>
#include <cstring>

namespace qhe {

namespace {

// Rough share of a byte value in typical files, per mille (text, source code, binaries mixed).
// The candidate filter watches the rarest pattern bytes so that few windows need a full
// comparison; a case-insensitive position accepts two bytes, so their shares add up.
int Commonness(uint8_t b) {
    if (b == 0x00) return 150;
    if (b == ' ') return 120;
    if (b == 'e') return 60;
    if (b == 't') return 45;
    if (b == 0xFF) return 30;
    if (b != 0 && std::strchr("aoinsr", b)) return 35;
    if (b != 0 && std::strchr("lcdhu", b)) return 22;
    if (b == '\n') return 25;
    if (b >= 'a' && b <= 'z') return 10;
    if (b == '\r' || b == '\t') return 10;
    if (b >= '0' && b <= '9') return 8;
    if (b >= 'A' && b <= 'Z') return 6;
    if (b < 0x80 && b >= 0x20) return 6;
    if (b < 0x20) return 4;
    return 2;
}

} // namespace

TQSearch::TQSearch() {
    FUpperMap = AnsiUpperMap();
    Prepare({}, true, '.', false);
    prepareCount_ = 0;
}

template <int Selector> bool TQSearch::Compare(const void* self, const uint8_t* window) {
    const auto& s = *static_cast<const TQSearch*>(self);
    const size_t n = s.FPattern.size();
    if constexpr (Selector == 10) {
        return std::memcmp(window, s.FPattern.data(), n) == 0;
    } else {
        for (size_t k = n; k-- > 0;) {
            if constexpr (Selector == 0) {
                if (s.FUpperMap[window[k]] != s.FUpperPattern[k]) return false;
            } else if constexpr (Selector == 1) {
                if (!s.wildcard_[k] && s.FUpperMap[window[k]] != s.FUpperPattern[k]) return false;
            } else {
                if (!s.wildcard_[k] && window[k] != s.FPattern[k]) return false;
            }
        }
        return true;
    }
}

template <typename Word> bool TQSearch::CompareEnds(const void* self, const uint8_t* window) {
    const auto& s = *static_cast<const TQSearch*>(self);
    Word head, tail;
    std::memcpy(&head, window, sizeof(Word));
    std::memcpy(&tail, window + s.FPattern.size() - sizeof(Word), sizeof(Word));
    return head == static_cast<Word>(s.headWord_) && tail == static_cast<Word>(s.tailWord_);
}

void TQSearch::Prepare(std::span<const uint8_t> pattern, bool caseSensitive, uint8_t joker, bool jokerOn) {
    ++prepareCount_;
    FPattern.assign(pattern.begin(), pattern.end());
    FLength = static_cast<int32_t>(FPattern.size());
    FCaseSensitive = caseSensitive;
    FJokerOn = jokerOn;
    FJoker = joker;
    FUpperPattern.clear();
    if (!caseSensitive)
        for (uint8_t b : FPattern)
            FUpperPattern.push_back(FUpperMap[b]);
    wildcard_.assign(FPattern.size(), 0);
    if (jokerOn)
        for (size_t k = 0; k < FPattern.size(); ++k)
            wildcard_[k] = FPattern[k] == joker;
    switch (caseSensitive * 10 + jokerOn) {
    case 0:
        FCompare = &Compare<0>;
        break;
    case 1:
        FCompare = &Compare<1>;
        break;
    case 10:
        FCompare = &Compare<10>;
        break;
    default:
        FCompare = &Compare<11>;
        break;
    }
    BuildShiftTables();
    BuildFilter();
    linearReady_ = false;
    // Short exact patterns are compared as two words that overlap in the middle: no library call.
    auto useEnds = [&]<typename Word>(Word) {
        Word head, tail;
        std::memcpy(&head, FPattern.data(), sizeof(Word));
        std::memcpy(&tail, FPattern.data() + FPattern.size() - sizeof(Word), sizeof(Word));
        headWord_ = head, tailWord_ = tail;
        FCompare = &CompareEnds<Word>;
        words_.n = static_cast<int64_t>(FPattern.size());
        std::memcpy(&words_.head, &head, sizeof(Word));
        std::memcpy(&words_.tail, &tail, sizeof(Word));
    };
    const size_t n = FPattern.size();
    words_ = {};
    if (exact_ && n >= 2 && n <= 4)
        useEnds(uint16_t{});
    else if (exact_ && n >= 4 && n <= 8)
        useEnds(uint32_t{});
    else if (exact_ && n >= 8 && n <= 16)
        useEnds(uint64_t{});
}

void TQSearch::BuildShiftTables() {
    const int32_t n = FLength;
    const auto& lower = AnsiLowerMap();
    auto set = [&](std::array<int32_t, 256>& table, int32_t i, int32_t value) {
        if (FCaseSensitive) {
            table[FPattern[i - 1]] = value;
        } else {
            table[FUpperPattern[i - 1]] = value;
            table[lower[FPattern[i - 1]]] = value;
        }
    };
    int32_t lastJoker = 0, firstJoker = 0;
    if (FJokerOn)
        for (int32_t i = 1; i <= n; ++i)
            if (FPattern[i - 1] == FJoker) {
                if (firstJoker == 0) firstJoker = i;
                lastJoker = i;
            }

    const int32_t forwardCap = lastJoker ? n - lastJoker + 1 : n + 1;
    FShiftForward.fill(forwardCap);
    for (int32_t i = 1; i <= n; ++i)
        if (n - i + 1 < forwardCap) set(FShiftForward, i, n - i + 1);

    const int32_t backwardCap = firstJoker ? firstJoker : n + 1;
    FShiftBackward.fill(backwardCap);
    for (int32_t i = n; i >= 1; --i)
        if (i < backwardCap) set(FShiftBackward, i, i);
}

void TQSearch::BuildFilter() {
    // Candidate positions: every byte that is not a wildcard, with the set of text bytes it accepts.
    struct Choice {
        int64_t offset;
        uint8_t v1, v2;
        int score;
    };
    std::vector<Choice> choices;
    for (size_t k = 0; k < FPattern.size(); ++k) {
        if (wildcard_[k]) continue;
        if (FCaseSensitive) {
            choices.push_back({static_cast<int64_t>(k), FPattern[k], FPattern[k], Commonness(FPattern[k])});
            continue;
        }
        // Case-insensitive: every byte that upper-cases to the pattern's upper-case byte. The
        // code page's maps give at most two such bytes (a letter and its other case).
        uint8_t found[2];
        int count = 0;
        for (int t = 0; t < 256; ++t)
            if (FUpperMap[t] == FUpperPattern[k]) {
                if (count < 2) found[count] = static_cast<uint8_t>(t);
                ++count;
            }
        if (count > 2) continue;
        const uint8_t v2 = count == 2 ? found[1] : found[0];
        const int score = Commonness(found[0]) + (count == 2 ? Commonness(v2) : 0);
        choices.push_back({static_cast<int64_t>(k), found[0], v2, score});
    }
    accepted_.clear();
    for (const Choice& c : choices)
        accepted_.push_back({c.offset, c.v1, c.v2});
    exact_ = FCaseSensitive && FLength > 0 && choices.size() == FPattern.size();
    allWildcards_ = FLength > 0 && choices.empty() &&
                    std::all_of(wildcard_.begin(), wildcard_.end(), [](uint8_t w) { return w != 0; });
    filterReady_ = !choices.empty();
    if (!filterReady_) {
        filter_ = {};
        return;
    }
    // Among equally rare bytes the last one wins: in periodic patterns such as ABABABAX it is the
    // one that tells the pattern apart from the period.
    auto byScore = [](const Choice& x, const Choice& y) { return x.score < y.score; };
    const Choice best = *std::min_element(choices.rbegin(), choices.rend(), byScore);
    // The second byte should differ from the first, so that runs of one value do not pass both.
    const Choice* second = nullptr;
    for (const Choice& c : choices) {
        if (c.offset == best.offset) continue;
        const bool differs = c.v1 != best.v1 || c.v2 != best.v2;
        const bool secondDiffers = second && (second->v1 != best.v1 || second->v2 != best.v2);
        if (!second || (differs && !secondDiffers) || (differs == secondDiffers && c.score < second->score))
            second = &c;
    }
    if (!second) second = &best;
    filter_ = {second->offset, best.offset, second->v1, second->v2, best.v1, best.v2};
}

bool TQSearch::NeedsPrepare(std::span<const uint8_t> pattern, bool caseSensitive, bool jokerOn,
                            uint8_t joker) const {
    return caseSensitive != FCaseSensitive || jokerOn != FJokerOn || joker != FJoker ||
           !std::equal(pattern.begin(), pattern.end(), FPattern.begin(), FPattern.end());
}

int64_t TQSearch::FindInChunkForward(const uint8_t* buffer, int64_t first, int64_t last,
                                     int64_t rangeLast) const {
    const int64_t n = FLength;
    for (int64_t s = first; s <= last;) {
        if (FCompare(this, buffer + s)) return s;
        if (s >= rangeLast) break; // no further window fits
        s += FShiftForward[buffer[s + n]];
    }
    return -1;
}

int64_t TQSearch::FindInChunkBackward(const uint8_t* buffer, int64_t first, int64_t last,
                                      int64_t rangeFirst) const {
    for (int64_t s = last; s >= first;) {
        if (FCompare(this, buffer + s)) return s;
        if (s <= rangeFirst) break;
        s -= FShiftBackward[buffer[s - 1]];
    }
    return -1;
}

search_detail::ScanKernel TQSearch::Kernel() const {
    switch (method_) {
    case Method::Sse2CandidateFilter:
        return search_detail::ScanKernel::Sse2;
    case Method::ScalarCandidateFilter:
        return search_detail::ScanKernel::Scalar;
    default:
        return search_detail::ScanKernel::Widest;
    }
}

// Picks the filter for the data at hand: the two pattern offsets whose accepted bytes are
// rarest in the sample, or two neighbouring offsets whose byte pair is rarer still (a periodic
// pattern in periodic data differs from the data only in such a pair).
search_detail::PairFilter TQSearch::FilterForSample(const uint8_t* sample, int64_t size) const {
    std::array<uint32_t, 256> histogram{};
    for (int64_t k = 0; k < size; ++k)
        ++histogram[sample[k]];
    auto frequency = [&](const Accepted& a) {
        return histogram[a.v1] + (a.v2 != a.v1 ? histogram[a.v2] : 0);
    };
    const Accepted* best = &accepted_.front();
    for (const Accepted& a : accepted_)
        if (frequency(a) < frequency(*best)) best = &a;
    const Accepted* second = best;
    for (const Accepted& a : accepted_)
        if (&a != best && (second == best || frequency(a) < frequency(*second))) second = &a;
    const double estimate =
        second == best ? frequency(*best) : double(frequency(*best)) * frequency(*second) / double(size);
    search_detail::PairFilter filter{best->offset, second->offset, best->v1,
                                     best->v2,     second->v1,     second->v2};
    if (estimate < 1 || accepted_.size() < 2 || size < 2) return filter;

    if (bigrams_.empty()) bigrams_.assign(65536, 0); // kept zero between uses
    for (int64_t k = 0; k + 1 < size; ++k)
        ++bigrams_[sample[k] << 8 | sample[k + 1]];
    double bestPair = estimate;
    for (size_t k = 0; k + 1 < accepted_.size(); ++k) {
        const Accepted& x = accepted_[k];
        const Accepted& y = accepted_[k + 1];
        if (y.offset != x.offset + 1) continue;
        uint32_t joint = bigrams_[x.v1 << 8 | y.v1];
        if (y.v2 != y.v1) joint += bigrams_[x.v1 << 8 | y.v2];
        if (x.v2 != x.v1)
            joint += bigrams_[x.v2 << 8 | y.v1] + (y.v2 != y.v1 ? bigrams_[x.v2 << 8 | y.v2] : 0);
        if (joint < bestPair) {
            bestPair = joint;
            filter = {x.offset, y.offset, x.v1, x.v2, y.v1, y.v2};
        }
    }
    for (int64_t k = 0; k + 1 < size; ++k)
        bigrams_[sample[k] << 8 | sample[k + 1]] = 0;
    return filter;
}

namespace {
// Bytes looked at when the filter is chosen again from the data.
constexpr int64_t kSampleSize = 4096;
// Failed verifications allowed per window scanned before the filter is replaced: the static
// filter is replaced early (a filter chosen from the data is cheap to get and rarely worse);
// a filter chosen from the data is kept while it costs less than the linear-time methods.
constexpr int64_t kStaticFilterRatio = 256;
constexpr int64_t kDataFilterRatio = 32;
// Window starts scanned by a linear-time method before a filter chosen from the data is tried
// again (the data may have changed).
constexpr int64_t kLinearSpan = 256 * 1024;
// Longest joker pattern matched bit-parallel (tables of 256 x n bits per direction); longer ones,
// rare in practice, keep the quick-search loop.
constexpr int64_t kShiftAndMaxLength = 4096;
} // namespace

void TQSearch::ResetScan() const {
    active_ = filter_;
    stage_ = Stage::StaticFilter;
}

int64_t TQSearch::FilterRatio() const {
    return stage_ == Stage::StaticFilter ? kStaticFilterRatio : kDataFilterRatio;
}

// The active filter stopped paying at window start `at` (scanning in direction `step`): the
// static filter gives way to one chosen from the data there, which in turn gives way to a
// linear-time method for the next kLinearSpan window starts.
void TQSearch::Escalate(const uint8_t* buffer, int64_t at, int64_t step, int64_t first, int64_t last) const {
    ++fallbackCount_;
    if (stage_ == Stage::StaticFilter) {
        const int64_t n = FLength;
        const int64_t from = step > 0 ? at : std::max(first, at + n - kSampleSize);
        const int64_t to = step > 0 ? std::min(last + n, at + kSampleSize) : at + n;
        active_ = FilterForSample(buffer + from, to - from);
        stage_ = Stage::DataFilter;
    } else {
        stage_ = Stage::Linear;
        linearUntil_ = at + step * kLinearSpan;
    }
}

void TQSearch::PrepareLinear() const {
    if (linearReady_) return;
    linearReady_ = true;
    usesShiftAnd_ = std::find(wildcard_.begin(), wildcard_.end(), 1) != wildcard_.end();
    if (usesShiftAnd_ && FLength > kShiftAndMaxLength) return; // the quick-search loop instead
    if (!usesShiftAnd_) {
        twoWay_.Prepare(FCaseSensitive ? FPattern : FUpperPattern, FCaseSensitive ? nullptr : &FUpperMap);
        return;
    }
    shiftAnd_.Prepare(FLength, [this](int64_t i, uint8_t c) {
        if (wildcard_[i]) return true;
        return FCaseSensitive ? c == FPattern[i] : FUpperMap[c] == FUpperPattern[i];
    });
}

int64_t TQSearch::LinearForward(const uint8_t* buffer, int64_t first, int64_t last) const {
    if (first > last) return -1;
    if (exact_) {
        const auto n = static_cast<size_t>(FLength);
        const void* found = memmem(buffer + first, static_cast<size_t>(last - first) + n, FPattern.data(), n);
        return found ? static_cast<const uint8_t*>(found) - buffer : -1;
    }
    PrepareLinear();
    return usesShiftAnd_ ? shiftAnd_.FindForward(buffer, first, last)
                         : twoWay_.FindForward(buffer, first, last);
}

int64_t TQSearch::LinearBackward(const uint8_t* buffer, int64_t first, int64_t last) const {
    PrepareLinear();
    if (usesShiftAnd_ && FLength > kShiftAndMaxLength) return FindInChunkBackward(buffer, first, last, first);
    return usesShiftAnd_ ? shiftAnd_.FindBackward(buffer, first, last)
                         : twoWay_.FindBackward(buffer, first, last);
}

int64_t TQSearch::ScanChunkForward(const uint8_t* buffer, int64_t first, int64_t last,
                                   int64_t rangeLast) const {
    if (method_ == Method::QuickSearch || !filterReady_)
        return FindInChunkForward(buffer, first, last, rangeLast);
    if (exact_ && FLength == 1) {
        const void* hit = std::memchr(buffer + first, FPattern[0], static_cast<size_t>(last - first + 1));
        return hit ? static_cast<const uint8_t*>(hit) - buffer : -1;
    }
    for (int64_t s = first; s <= last;) {
        if (stage_ == Stage::Linear) {
            // A count moves s past each hit, so it may already lie beyond the linear span; the
            // scan never goes back behind s (that would count a hit twice).
            const int64_t end = std::min(last, linearUntil_);
            if (end >= s) {
                const int64_t hit = LinearForward(buffer, s, end);
                if (hit >= 0 || end == last) return hit;
                s = end + 1;
            }
            stage_ = Stage::StaticFilter; // the next step chooses a filter from the data again
            Escalate(buffer, s, 1, s, rangeLast);
            continue;
        }
        search_detail::ScanBudget budget{s, 0, 0, FilterRatio()};
        const int64_t hit =
            search_detail::ScanForward(buffer, s, last, active_, FCompare, this, Kernel(), &budget);
        if (hit != search_detail::kGaveUp) return hit;
        s = budget.resume;
        Escalate(buffer, s, 1, s, rangeLast);
    }
    return -1;
}

int64_t TQSearch::ScanChunkBackward(const uint8_t* buffer, int64_t first, int64_t last,
                                    int64_t rangeFirst) const {
    if (method_ == Method::QuickSearch || !filterReady_)
        return FindInChunkBackward(buffer, first, last, rangeFirst);
    if (exact_ && FLength == 1) {
        const void* hit = memrchr(buffer + first, FPattern[0], static_cast<size_t>(last - first + 1));
        return hit ? static_cast<const uint8_t*>(hit) - buffer : -1;
    }
    for (int64_t s = last; s >= first;) {
        if (stage_ == Stage::Linear) {
            const int64_t end = std::max(first, linearUntil_);
            if (end <= s) {
                const int64_t hit = LinearBackward(buffer, end, s);
                if (hit >= 0 || end == first) return hit;
                s = end - 1;
            }
            stage_ = Stage::StaticFilter;
            Escalate(buffer, s, -1, rangeFirst, s);
            continue;
        }
        search_detail::ScanBudget budget{s, 0, 0, FilterRatio()};
        const int64_t hit =
            search_detail::ScanBackward(buffer, first, s, active_, FCompare, this, Kernel(), &budget);
        if (hit != search_detail::kGaveUp) return hit;
        s = budget.resume;
        Escalate(buffer, s, -1, rangeFirst, s);
    }
    return -1;
}

int32_t TQSearch::BeginSearch(std::span<const uint8_t> pattern, int64_t low, int64_t high, bool caseSensitive,
                              bool jokerOn, uint8_t joker, int64_t& first, int64_t& last) {
    if (pattern.empty()) return -2;
    if (NeedsPrepare(pattern, caseSensitive, jokerOn, joker)) Prepare(pattern, caseSensitive, joker, jokerOn);
    ResetScan();
    // Window starts as 0-based buffer indexes: the window s covers s .. s+n-1.
    first = std::max<int64_t>(low, 1) - 1;
    last = static_cast<int64_t>(high) - FLength;
    return last < first ? -1 : 0;
}

int64_t TQSearch::SearchForward(std::span<const uint8_t> pattern, const uint8_t* buffer, int64_t low,
                                int64_t high, bool caseSensitive, bool jokerOn, uint8_t joker,
                                const SearchProgress& progress, bool& cancel) {
    int64_t first = 0, last = 0;
    if (const int32_t none = BeginSearch(pattern, low, high, caseSensitive, jokerOn, joker, first, last);
        none != 0)
        return none;
    const int64_t n = FLength;
    if (allWildcards_) return first + 1;
    for (int64_t s = first;;) {
        const int64_t chunkLast = std::min(s + kProgressStride - 1, last);
        const int64_t hit = ScanChunkForward(buffer, s, chunkLast, last);
        if (hit >= 0) return hit + 1;
        if (chunkLast >= last) return -1;
        s = chunkLast + 1;
        if (progress) {
            progress(s + n, cancel);
            if (cancel) return -1;
        }
    }
}

int64_t TQSearch::SearchBackward(std::span<const uint8_t> pattern, const uint8_t* buffer, int64_t low,
                                 int64_t high, bool caseSensitive, bool jokerOn, uint8_t joker,
                                 const SearchProgress& progress, bool& cancel) {
    int64_t first = 0, last = 0;
    if (const int32_t none = BeginSearch(pattern, low, high, caseSensitive, jokerOn, joker, first, last);
        none != 0)
        return none;
    const int64_t n = FLength;
    if (allWildcards_) return last + 1;
    for (int64_t s = last;;) {
        const int64_t chunkFirst = std::max(s - kProgressStride + 1, first);
        const int64_t hit = ScanChunkBackward(buffer, chunkFirst, s, first);
        if (hit >= 0) return hit + 1;
        if (chunkFirst <= first) return -1;
        s = chunkFirst - 1;
        if (progress) {
            progress(s + n, cancel);
            if (cancel) return -1;
        }
    }
}

// Counts the hits starting in [s, last]; s moves to the first window start after the last hit
// (or after last). Hits do not overlap, so the next one starts at least n bytes further on.
int64_t TQSearch::CountInChunkForward(const uint8_t* buffer, int64_t& s, int64_t last, int64_t rangeLast,
                                      int64_t& lastHit) const {
    const int64_t n = FLength;
    int64_t count = 0;
    if (s > last) return 0;
    if (allWildcards_) {
        count = (last - s) / n + 1;
        lastHit = s + (count - 1) * n;
        s = lastHit + n;
        return count;
    }
    if (n == 1 && accepted_.size() == 1 && method_ != Method::QuickSearch) {
        const Accepted& a = accepted_.front();
        count = search_detail::CountBytes(buffer, s, last, a.v1, a.v2, Kernel());
        if (count > 0)
            for (int64_t k = last;; --k)
                if (buffer[k] == a.v1 || buffer[k] == a.v2) {
                    lastHit = k;
                    break;
                }
        s = last + 1;
        return count;
    }
    // One vector pass counts the hits while the active filter pays; where it stops paying the
    // next filter (or, per hit, the linear-time method) goes on from there.
    const bool vectorCount = method_ != Method::QuickSearch && filterReady_ && n > 1;
    while (s <= last) {
        if (vectorCount && stage_ != Stage::Linear) {
            search_detail::ScanBudget budget{s, 0, 0, FilterRatio()};
            int64_t next = s;
            count += search_detail::CountForward(buffer, s, last, n, active_, FCompare, this, lastHit, next,
                                                 &budget, Kernel(), words_.n ? &words_ : nullptr);
            s = next;
            if (s <= last) Escalate(buffer, s, 1, s, rangeLast);
            continue;
        }
        const int64_t hit = ScanChunkForward(buffer, s, last, rangeLast);
        if (hit < 0) {
            s = last + 1;
            break;
        }
        ++count;
        lastHit = hit;
        s = hit + n;
    }
    return count;
}

int64_t TQSearch::CountInChunkBackward(const uint8_t* buffer, int64_t first, int64_t& s, int64_t rangeFirst,
                                       int64_t& lastHit) const {
    const int64_t n = FLength;
    int64_t count = 0;
    if (s < first) return 0;
    if (allWildcards_) {
        count = (s - first) / n + 1;
        lastHit = s - (count - 1) * n;
        s = lastHit - n;
        return count;
    }
    if (n == 1 && accepted_.size() == 1 && method_ != Method::QuickSearch) {
        const Accepted& a = accepted_.front();
        count = search_detail::CountBytes(buffer, first, s, a.v1, a.v2, Kernel());
        if (count > 0)
            for (int64_t k = first;; ++k)
                if (buffer[k] == a.v1 || buffer[k] == a.v2) {
                    lastHit = k;
                    break;
                }
        s = first - 1;
        return count;
    }
    const bool vectorCount = method_ != Method::QuickSearch && filterReady_ && n > 1;
    while (s >= first) {
        if (vectorCount && stage_ != Stage::Linear) {
            search_detail::ScanBudget budget{s, 0, 0, FilterRatio()};
            int64_t next = s;
            count += search_detail::CountBackward(buffer, first, s, n, active_, FCompare, this, lastHit, next,
                                                  &budget, Kernel(), words_.n ? &words_ : nullptr);
            s = next;
            if (s >= first) Escalate(buffer, s, -1, rangeFirst, s);
            continue;
        }
        const int64_t hit = ScanChunkBackward(buffer, first, s, rangeFirst);
        if (hit < 0) {
            s = first - 1;
            break;
        }
        ++count;
        lastHit = hit;
        s = hit - n;
    }
    return count;
}

int64_t TQSearch::CountForward(std::span<const uint8_t> pattern, const uint8_t* buffer, int64_t low,
                               int64_t high, bool caseSensitive, bool jokerOn, uint8_t joker,
                               const SearchProgress& progress, bool& cancel, int64_t& lastHit) {
    lastHit = 0;
    int64_t first = 0, last = 0;
    if (BeginSearch(pattern, low, high, caseSensitive, jokerOn, joker, first, last) != 0) return 0;
    int64_t count = 0, hit = -1;
    for (int64_t s = first;;) {
        const int64_t chunkLast = std::min(s + kProgressStride - 1, last);
        count += CountInChunkForward(buffer, s, chunkLast, last, hit);
        if (s > last) break;
        if (progress) {
            progress(s + FLength, cancel);
            if (cancel) break;
        }
    }
    lastHit = hit + 1;
    return count;
}

int64_t TQSearch::CountBackward(std::span<const uint8_t> pattern, const uint8_t* buffer, int64_t low,
                                int64_t high, bool caseSensitive, bool jokerOn, uint8_t joker,
                                const SearchProgress& progress, bool& cancel, int64_t& lastHit) {
    lastHit = 0;
    int64_t first = 0, last = 0;
    if (BeginSearch(pattern, low, high, caseSensitive, jokerOn, joker, first, last) != 0) return 0;
    int64_t count = 0, hit = -1;
    for (int64_t s = last;;) {
        const int64_t chunkFirst = std::max(s - kProgressStride + 1, first);
        count += CountInChunkBackward(buffer, chunkFirst, s, first, hit);
        if (s < first) break;
        if (progress) {
            progress(s + FLength, cancel);
            if (cancel) break;
        }
    }
    lastHit = hit + 1;
    return count;
}

} // namespace qhe
