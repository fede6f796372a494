#include "editor/blocks/MouseMarking.h"

#include <algorithm>

#include "editor/blocks/BlockMarking.h"

namespace qhe {

int64_t MouseMarking::PositionAt(int col, int row) const {
    const ViewState& v = s_.view;
    col = std::clamp(col, 0, v.Cols - 1);
    row = std::clamp(row, 0, v.Rows - 1);
    return std::clamp<int64_t>(v.TopAddress + static_cast<int64_t>(row) * v.Cols + col, 1, s_.doc.Size());
}

void MouseMarking::MarkTo(int64_t anchor, int64_t pos) {
    BlockMarking(s_).SetBlock(std::min(anchor, pos), std::max(anchor, pos));
    const CellPos cell = view_.CellOfPosition(pos);
    view_.SelectCell(cell.col, cell.row);
    view_.UpdateStatus();
}

void MouseMarking::Press(Pane pane, int col, int row, bool shift) {
    anchor_ = 0;
    const int64_t from = s_.view.CursorPosition();
    view_.FormMouseDown(pane, col, row);
    if (!s_.doc.IsOpen || s_.doc.Size() == 0) return;
    const int64_t pos = PositionAt(col, row);
    if (shift) {
        // The end of the block away from the press stays; without a block the cursor was the start.
        const BlockState& block = s_.block;
        const int64_t fixed = !block.Complete()    ? std::min(from, s_.doc.Size())
                              : pos >= block.begin ? block.begin
                                                   : block.end;
        MarkTo(fixed, pos);
        return;
    }
    anchor_ = pos;
}

void MouseMarking::Drag(int col, int row) {
    if (anchor_ == 0 || !s_.doc.IsOpen) return;
    if (row < 0) {
        if (s_.view.TopAddress > 1) view_.ScrollRowUp();
        row = 0;
    } else if (row >= s_.view.Rows) {
        if (s_.view.LastVisible < s_.doc.Size()) view_.ScrollRowDown();
        row = s_.view.Rows - 1;
    }
    const int64_t pos = PositionAt(col, row);
    if (pos == anchor_ && !s_.block.Complete()) return; // a press that has not moved yet
    MarkTo(anchor_, pos);
}

void MouseMarking::DoubleClick(int col, int row) {
    if (!s_.doc.IsOpen || s_.doc.Size() == 0) return;
    const int64_t pos = PositionAt(col, row);
    MarkTo(pos, pos);
    anchor_ = 0;
}

} // namespace qhe
