#pragma once
#include <cstdint>

namespace qhe {

// The scroll actions a vertical scroll bar reports.
enum class ScrollCode {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbPosition,
    ThumbTrack,
    Top,
    Bottom,
    EndScroll
};

// The 32-bit scroll bar (TQZScrollBar) as data: range, page and position with the clamping
// rules, so the widget only mirrors these values.
struct TQZScrollBar {
    int64_t Min = 0;
    int64_t Max = 100;
    int64_t PageSize = 0;
    int64_t Position = 0;
    int64_t SmallChange = 1;
    int64_t LargeChange = 1;
    bool Enabled = false;

    // Sets range, page and position in one step, clamped; true when the position changed.
    bool SetParams(int64_t position, int64_t min, int64_t max, int64_t page);
    // The position clamped to the range: at least Min; at most Max - page + 1 with a page
    // above 1, otherwise at most Max.
    int64_t Clamp(int64_t position) const;
    // The clamped position a scroll action leads to; trackPosition is the thumb's position
    // while it is dragged. The caller stores it after handling the action.
    int64_t Target(ScrollCode code, int64_t trackPosition) const;
};

} // namespace qhe
