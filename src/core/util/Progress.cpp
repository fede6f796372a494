#include "core/util/Progress.h"

namespace qhe {

int ProgressGauge::Percent(int64_t done, int64_t total) {
    if (total == 0) return 100;
    // Rounded to nearest without floating point; done and total are file-sized, so no overflow.
    return static_cast<int>((done * 200 + total) / (2 * total));
}

bool ProgressGauge::Update(int64_t done, int64_t total, int step) {
    if (step <= 0) step = 1;
    const int value = Percent(done, total);
    if (value % step != 0 || value == value_) return false;
    value_ = value;
    return true;
}

bool TextThrottle::Due(int every) {
    if (every <= 0) every = 1;
    ++counter_;
    if (counter_ % every != 0) return false;
    counter_ = 0;
    return true;
}

} // namespace qhe
