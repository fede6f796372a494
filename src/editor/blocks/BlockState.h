#pragma once
#include <cstdint>
#include <string>

namespace qhe {

// The marked block: 1-based, inclusive, 0 = unset. Edits never shift it; they drop it.
struct BlockState {
    int64_t begin = 0;
    int64_t end = 0;
    // +1 after a backward step moved the end (begin is the fixed end), -1 after a forward
    // step moved the begin (end is the fixed end), 0 otherwise.
    int direction = 0;

    bool Complete() const { return begin != 0 && end != 0; }
    int64_t Length() const { return Complete() ? end - begin + 1 : 0; }
    bool Contains(int64_t pos) const { return Complete() && begin <= pos && pos <= end; }
    // Unmarking keeps the marking direction.
    void Unmark() { begin = end = 0; }
    // One marking step at the cursor position cur: extend for Shift with a navigation key,
    // forward for the keys that move toward the end. Answers true when a complete block was
    // restarted (the grids need repainting even though the block is no longer complete).
    bool MarkStep(int64_t cur, bool extend, bool forward);
};

// The status bar's block panel: first and last byte as the address column shows them (hex,
// from base) and the length; empty without a complete block.
std::string BlockStatusText(const BlockState& block, int64_t base);

} // namespace qhe
