#pragma once
#include <cstdint>

#include "editor/EditorState.h"
#include "editor/view/ViewCommands.h"

namespace qhe {

// Marking a block with the mouse in either data pane: press and drag marks from the pressed
// byte to the one under the mouse (the view scrolls a row when the mouse leaves the grid above
// or below), Shift+press extends the block (or marks from the cursor) to the pressed byte, and a
// double click marks the one byte.
class MouseMarking {
  public:
    MouseMarking(EditorState& state, ViewCommands& view) : s_(state), view_(view) {}

    void Press(Pane pane, int col, int row, bool shift);
    // The mouse moved with the button down to (col, row); row < 0 or row >= Rows when it left
    // the grid above or below.
    void Drag(int col, int row);
    void Release() { anchor_ = 0; }
    void DoubleClick(int col, int row);

  private:
    // The position of a cell, or of the last byte when the cell lies past the end.
    int64_t PositionAt(int col, int row) const;
    // Marks anchor .. pos and puts the cursor on pos.
    void MarkTo(int64_t anchor, int64_t pos);

    EditorState& s_;
    ViewCommands& view_;
    int64_t anchor_ = 0; // the pressed byte while the button is down
};

} // namespace qhe
