#include "editor/blocks/BlockState.h"

#include "core/text/Format.h"
#include "editor/OwnTexts.h"

#include <utility>

namespace qhe {

std::string BlockStatusText(const BlockState& block, int64_t base) {
    if (!block.Complete()) return {};
    return Format(kTextBlockStatus, {FormatHex(static_cast<uint64_t>(block.begin - 1 + base)),
                                     FormatHex(static_cast<uint64_t>(block.end - 1 + base)), block.Length()});
}

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
