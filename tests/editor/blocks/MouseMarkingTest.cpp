#include <gtest/gtest.h>

#include "FakeUi.h"
#include "OpenBytes.h"
#include "editor/MainCommands.h"

namespace qhe::test {
namespace {

// Press and drag marks from the pressed byte to the one under the mouse, in either direction
// and past the grid's bottom (the view scrolls); Shift+press extends; a double click marks one.
TEST(MouseMarking, DragShiftClickAndDoubleClickMarkBlocks) {
    FakeUi ui;
    MainCommands commands(ui);
    OpenBytesAs(commands, std::string(4000, 'x'), "m.bin");
    EditorState& s = commands.State();
    const int cols = s.view.Cols;
    commands.MouseDown(Pane::Hex, 2, 1);
    commands.MouseDrag(2, 1); // not moved yet: no block
    EXPECT_FALSE(s.block.Complete());
    commands.MouseDrag(5, 3);
    EXPECT_EQ(s.block.begin, cols + 3);
    EXPECT_EQ(s.block.end, 3 * cols + 6);
    EXPECT_EQ(s.view.CursorPosition(), 3 * cols + 6);
    commands.MouseDrag(0, 0); // back above the pressed byte
    EXPECT_EQ(s.block.begin, 1);
    EXPECT_EQ(s.block.end, cols + 3);
    const int64_t top = s.view.TopAddress;
    commands.MouseDrag(0, s.view.Rows); // below the grid: one row further
    EXPECT_EQ(s.view.TopAddress, top + cols);
    EXPECT_EQ(s.block.end, top + cols + static_cast<int64_t>(s.view.Rows - 1) * cols);
    commands.MouseUp();
    commands.MouseDrag(1, 1); // the button is up: nothing
    EXPECT_EQ(s.block.begin, cols + 3);

    commands.MouseDown(Pane::Text, 4, 2, true); // Shift: the block's start stays
    EXPECT_EQ(s.block.begin, cols + 3);
    EXPECT_EQ(s.block.end, s.view.TopAddress + 2 * cols + 4);
    EXPECT_TRUE(s.view.TextMode);
    commands.MouseDoubleClick(7, 0);
    EXPECT_EQ(s.block.begin, s.view.TopAddress + 7);
    EXPECT_EQ(s.block.end, s.view.TopAddress + 7);
}

} // namespace
} // namespace qhe::test
