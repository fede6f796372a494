#include "editor/view/ScrollBarModel.h"

#include <algorithm>

namespace qhe {

int64_t TQZScrollBar::Clamp(int64_t position) const {
    const int64_t highest = PageSize > 1 ? Max - PageSize + 1 : Max;
    return std::max(Min, std::min(position, highest));
}

bool TQZScrollBar::SetParams(int64_t position, int64_t min, int64_t max, int64_t page) {
    Min = min;
    Max = max;
    PageSize = std::clamp<int64_t>(page, 0, std::max<int64_t>(max - min + 1, 0));
    const int64_t clamped = Clamp(position);
    const bool changed = clamped != Position;
    Position = clamped;
    return changed;
}

int64_t TQZScrollBar::Target(ScrollCode code, int64_t trackPosition) const {
    int64_t target = Position;
    switch (code) {
    case ScrollCode::LineUp:
        target -= SmallChange;
        break;
    case ScrollCode::LineDown:
        target += SmallChange;
        break;
    case ScrollCode::PageUp:
        target -= LargeChange;
        break;
    case ScrollCode::PageDown:
        target += LargeChange;
        break;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
        target = trackPosition;
        break;
    case ScrollCode::Top:
        target = Min;
        break;
    case ScrollCode::Bottom:
        target = Max;
        break;
    case ScrollCode::EndScroll:
        break;
    }
    return Clamp(target);
}

} // namespace qhe
