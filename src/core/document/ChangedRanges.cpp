#include "core/document/ChangedRanges.h"

#include <algorithm>
#include <iterator>

namespace qhe {

void ChangedRanges::Add(int64_t offset, int64_t n) {
    if (n <= 0) return;
    int64_t begin = offset / page_ * page_;
    int64_t end = (offset + n + page_ - 1) / page_ * page_;
    // Swallow every run that touches [begin, end).
    auto it = runs_.upper_bound(begin);
    if (it != runs_.begin() && std::prev(it)->second >= begin) --it;
    while (it != runs_.end() && it->first <= end) {
        begin = std::min(begin, it->first);
        end = std::max(end, it->second);
        it = runs_.erase(it);
    }
    runs_.emplace(begin, end);
}

bool ChangedRanges::Intersects(int64_t begin, int64_t end) const {
    auto it = runs_.upper_bound(begin);
    if (it != runs_.begin() && std::prev(it)->second > begin) return true;
    return it != runs_.end() && it->first < end;
}

int64_t ChangedRanges::Bytes() const {
    int64_t total = 0;
    for (const auto& [begin, end] : runs_)
        total += end - begin;
    return total;
}

} // namespace qhe
