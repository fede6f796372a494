#include "core/search/LinearScan.h"

#include <algorithm>

namespace qhe::search_detail {

namespace {

// Start of the maximal suffix of x under the byte order (or its reverse), and its period.
int64_t MaxSuffix(const std::vector<uint8_t>& x, bool reverse, int64_t& period) {
    const auto m = static_cast<int64_t>(x.size());
    int64_t ms = -1, j = 0, k = 1, p = 1;
    while (j + k < m) {
        const uint8_t a = x[j + k], b = x[ms + k];
        if (reverse ? a > b : a < b) {
            j += k, k = 1, p = j - ms;
        } else if (a == b) {
            if (k != p) {
                ++k;
            } else {
                j += p, k = 1;
            }
        } else {
            ms = j, j = ms + 1, k = p = 1;
        }
    }
    period = p;
    return ms;
}

TwoWay::Plan MakePlan(std::vector<uint8_t> x) {
    TwoWay::Plan plan;
    int64_t p1 = 1, p2 = 1;
    const int64_t ms1 = MaxSuffix(x, false, p1), ms2 = MaxSuffix(x, true, p2);
    plan.ell = ms1 > ms2 ? ms1 : ms2;
    plan.period = ms1 > ms2 ? p1 : p2;
    const auto m = static_cast<int64_t>(x.size());
    plan.periodic = plan.period + plan.ell + 1 <= m &&
                    std::equal(x.begin(), x.begin() + plan.ell + 1, x.begin() + plan.period);
    if (!plan.periodic) plan.period = std::max(plan.ell + 1, m - plan.ell - 1) + 1;
    plan.x = std::move(x);
    return plan;
}

// Two-way search of plan.x in the `size` bytes text(0) .. text(size-1); the first match's index.
template <typename Text> int64_t RunTwoWay(const TwoWay::Plan& plan, int64_t size, Text text) {
    const uint8_t* x = plan.x.data();
    const auto m = static_cast<int64_t>(plan.x.size());
    const int64_t ell = plan.ell, per = plan.period;
    if (plan.periodic) {
        int64_t memory = -1;
        for (int64_t j = 0; j <= size - m;) {
            int64_t i = std::max(ell, memory) + 1;
            while (i < m && x[i] == text(i + j))
                ++i;
            if (i >= m) {
                i = ell;
                while (i > memory && x[i] == text(i + j))
                    --i;
                if (i <= memory) return j;
                j += per;
                memory = m - per - 1;
            } else {
                j += i - ell;
                memory = -1;
            }
        }
    } else {
        for (int64_t j = 0; j <= size - m;) {
            int64_t i = ell + 1;
            while (i < m && x[i] == text(i + j))
                ++i;
            if (i >= m) {
                i = ell;
                while (i >= 0 && x[i] == text(i + j))
                    --i;
                if (i < 0) return j;
                j += per;
            } else {
                j += i - ell;
            }
        }
    }
    return -1;
}

} // namespace

void TwoWay::Prepare(const std::vector<uint8_t>& pattern, const std::array<uint8_t, 256>* map) {
    map_ = map;
    forward_ = MakePlan(pattern);
    backward_ = MakePlan({pattern.rbegin(), pattern.rend()});
}

int64_t TwoWay::FindForward(const uint8_t* buffer, int64_t first, int64_t last) const {
    if (first > last) return -1;
    const auto n = static_cast<int64_t>(forward_.x.size());
    const uint8_t* t = buffer + first;
    const int64_t size = last - first + n;
    const int64_t j =
        map_ ? RunTwoWay(forward_, size, [&, map = map_->data()](int64_t i) { return map[t[i]]; })
             : RunTwoWay(forward_, size, [&](int64_t i) { return t[i]; });
    return j < 0 ? -1 : first + j;
}

int64_t TwoWay::FindBackward(const uint8_t* buffer, int64_t first, int64_t last) const {
    if (first > last) return -1;
    const auto n = static_cast<int64_t>(backward_.x.size());
    const uint8_t* t = buffer + last + n - 1; // text read from the range's end down
    const int64_t size = last - first + n;
    const int64_t j =
        map_ ? RunTwoWay(backward_, size, [&, map = map_->data()](int64_t i) { return map[t[-i]]; })
             : RunTwoWay(backward_, size, [&](int64_t i) { return t[-i]; });
    return j < 0 ? -1 : last - j;
}

int64_t ShiftAnd::Run(const uint8_t* from, int64_t step, int64_t count,
                      const std::vector<uint64_t>& masks) const {
    const uint64_t top = uint64_t{1} << ((n_ - 1) % 64);
    if (words_ == 1) {
        uint64_t d = 0;
        for (int64_t k = 0; k < count; ++k) {
            d = ((d << 1) | 1) & masks[from[k * step]];
            if (d & top) return k + 1;
        }
        return -1;
    }
    std::vector<uint64_t> d(static_cast<size_t>(words_), 0);
    for (int64_t k = 0; k < count; ++k) {
        const uint64_t* mask = masks.data() + from[k * step] * words_;
        for (int64_t w = words_ - 1; w > 0; --w)
            d[w] = ((d[w] << 1) | (d[w - 1] >> 63)) & mask[w];
        d[0] = ((d[0] << 1) | 1) & mask[0];
        if (d[words_ - 1] & top) return k + 1;
    }
    return -1;
}

int64_t ShiftAnd::FindForward(const uint8_t* buffer, int64_t first, int64_t last) const {
    if (first > last) return -1;
    const int64_t used = Run(buffer + first, 1, last - first + n_, forward_);
    return used < 0 ? -1 : first + used - n_;
}

int64_t ShiftAnd::FindBackward(const uint8_t* buffer, int64_t first, int64_t last) const {
    if (first > last) return -1;
    const int64_t used = Run(buffer + last + n_ - 1, -1, last - first + n_, backward_);
    return used < 0 ? -1 : last + n_ - used;
}

} // namespace qhe::search_detail
