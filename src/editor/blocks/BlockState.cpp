#include "editor/blocks/BlockState.h"

#include <utility>

namespace qhe {

bool BlockState::MarkStep(int64_t cur, bool extend, bool forward) {
    if (begin == 0 && end == 0) {
        begin = cur;
        direction = 0;
        if (extend) end = cur;
        return false;
    }
    if (!extend && Complete()) {
        begin = cur;
        end = 0;
        direction = 0;
        return true;
    }
    if (forward) {
        if (cur < end) {
            begin = cur;
            direction = -1;
        } else if (direction == -1 && cur == end) {
            direction = 0;
            begin = cur;
        } else {
            end = cur;
        }
    } else {
        if (cur > begin) {
            end = cur;
            direction = +1;
        } else if (direction == +1 && cur == begin) {
            direction = 0;
            end = cur;
        } else {
            begin = cur;
        }
    }
    if (begin > end) std::swap(begin, end);
    return false;
}

} // namespace qhe
