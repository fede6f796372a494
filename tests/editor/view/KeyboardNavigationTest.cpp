#include "editor/view/ViewTestFixture.h"

namespace qhe::test {
namespace {

// One navigation case in a Document of 203 bytes shown 8 x 8 (64 cells): the window starts
// at top with the cursor on cursor; after the keys the view starts at wantTop with the cursor
// on wantCursor. The end-aligned window starts at 145 (its last row holds 201..203).
struct NavCase {
    const char* what;
    int64_t top;
    int64_t cursor;
    const char* keys;
    int64_t wantTop;
    int64_t wantCursor;
};

class KeyboardNavigationTest : public ViewTest, public ::testing::WithParamInterface<NavCase> {};

TEST_P(KeyboardNavigationTest, MovesViewAndCursor) {
    const NavCase& c = GetParam();
    Open(203);
    Place(c.top, c.cursor);
    Press(c.keys);
    EXPECT_EQ(v().TopAddress, c.wantTop) << c.what;
    EXPECT_EQ(v().CursorPosition(), c.wantCursor) << c.what;
    EXPECT_LE(v().CursorPosition(), state.doc.Size()) << c.what;
    EXPECT_EQ(BlockText(), "-") << c.what;
}

const NavCase kNavCases[] = {
    // row 3: Down on the last row scrolls one row; near the end the cursor lands on the last byte
    {"down on last row scrolls", 1, 57, "Down", 9, 65},
    {"down on last row into the end", 137, 198, "Down", 145, 203},
    // row 4: Down with the end shown
    {"down onto the short last row goes to the last byte", 145, 198, "Down", 145, 203},
    {"down onto the short last row within it", 145, 194, "Down", 145, 202},
    {"down on the last byte stays", 145, 203, "Down", 145, 203},
    {"down in the middle", 1, 5, "Down", 1, 13},
    // row 5: Up on the top row
    {"up on the top row scrolls back", 9, 12, "Up", 1, 4},
    {"up at the start does nothing", 1, 4, "Up", 1, 4},
    {"up in the middle", 1, 13, "Up", 1, 5},
    // row 6 and wrapping: Right
    {"right in the bottom-right cell scrolls", 1, 64, "Right", 9, 65},
    {"right at the row end wraps", 1, 8, "Right", 1, 9},
    {"right moves one byte", 1, 3, "Right", 1, 4},
    // row 7: Right on the last byte
    {"right on the last byte stays", 145, 203, "Right", 145, 203},
    {"right twice from the byte before the last", 145, 202, "Right Right", 145, 203},
    // row 8 and wrapping: Left
    {"left in the top-left cell scrolls back", 9, 9, "Left", 1, 8},
    {"left at the start does nothing", 1, 1, "Left", 1, 1},
    {"left at the row start wraps", 1, 9, "Left", 1, 8},
    // rows 9 and 10: Ctrl+Page Down and Ctrl+Page Up
    {"ctrl page down shows the end", 1, 5, "C-PgDn", 145, 203},
    {"ctrl page up shows the start", 145, 180, "C-PgUp", 1, 1},
    // row 11: Page Down scrolls by Rows - 1 rows, keeping the cursor's cell
    {"page down", 1, 5, "PgDn", 57, 61},
    {"page down into the end puts the cursor on the last byte", 129, 191, "PgDn", 145, 203},
    {"page down with the end shown moves within the window", 145, 146, "PgDn", 145, 202},
    {"page down with the end shown refuses empty cells", 145, 150, "PgDn", 145, 150},
    // row 12: Page Up makes the top row the bottom row
    {"page up", 57, 61, "PgUp", 1, 5},
    {"page up near the start shows position 1", 9, 20, "PgUp", 1, 12},
    {"page up at the start moves to the top row", 1, 30, "PgUp", 1, 6},
    // row 13 and the pane's own End and Home
    {"end on the last row goes to the last byte", 145, 201, "End", 145, 203},
    {"ctrl end with the end shown goes to the last byte", 145, 150, "C-End", 145, 203},
    {"end on a full row with the end shown", 145, 193, "End", 145, 200},
    {"end without the end shown", 1, 3, "End", 1, 8},
    {"ctrl end without the end shown", 1, 3, "C-End", 1, 64},
    {"home", 1, 13, "Home", 1, 9},
    {"ctrl home", 9, 30, "C-Home", 9, 9},
    // keys that do not move
    {"tab keeps the cell", 1, 13, "Tab", 1, 13},
    {"insert keeps the cell", 1, 13, "Ins", 1, 13},
    {"escape keeps the cell", 1, 13, "Esc", 1, 13},
};

INSTANTIATE_TEST_SUITE_P(KeyDownTable, KeyboardNavigationTest, ::testing::ValuesIn(kNavCases));

// Walking the whole Document byte by byte with Right reaches every position once.
TEST_F(ViewTest, RightWalksEveryByte) {
    Open(203);
    for (int64_t pos = 1; pos < 203; ++pos) {
        ASSERT_EQ(v().CursorPosition(), pos);
        Press("Right");
    }
    EXPECT_EQ(v().CursorPosition(), 203);
    for (int64_t pos = 203; pos > 1; --pos) {
        ASSERT_EQ(v().CursorPosition(), pos);
        Press("Left");
    }
    EXPECT_EQ(v().CursorPosition(), 1);
    EXPECT_EQ(v().TopAddress, 1);
}

TEST_F(ViewTest, KeysInAnEmptyDocument) {
    Open(0);
    Press("Right Down PgDn C-PgDn End Del BkSp");
    EXPECT_EQ(v().CursorPosition(), 1);
    EXPECT_EQ(state.doc.Size(), 0);
    EXPECT_FALSE(state.doc.Modified);
    Press("Tab Ins");
    EXPECT_FALSE(v().TextMode);
    EXPECT_FALSE(v().Overwrite);
}

TEST_F(ViewTest, InsertTogglesOverwriteWithCheckMarkAndPanel) {
    Open(20);
    EXPECT_TRUE(v().Overwrite);
    EXPECT_EQ(state.status[2], Msg(2016));
    Press("Ins");
    EXPECT_FALSE(v().Overwrite);
    EXPECT_FALSE(state.actions.Checked("ModusOverwrite1"));
    EXPECT_EQ(state.status[2], Msg(2015));
    Press("Ins");
    EXPECT_TRUE(state.actions.Checked("ModusOverwrite1"));
    EXPECT_EQ(state.status[2], Msg(2016));
}

TEST_F(ViewTest, TabSwitchesPanesAndThePanelBase) {
    Open(300, 17, 19);
    Place(1, 256);
    v().BaseAddress = 0;
    view.UpdateStatus();
    EXPECT_EQ(state.status[0], "  地址 十进制: 255");
    Press("Tab");
    EXPECT_FALSE(v().TextMode);
    EXPECT_FALSE(state.actions.Checked("ModusText1"));
    EXPECT_EQ(state.status[0], "  地址 十六进制: FF");
    Press("Tab");
    EXPECT_TRUE(state.actions.Checked("ModusText1"));
}

} // namespace
} // namespace qhe::test
