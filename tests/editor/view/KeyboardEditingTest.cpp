#include "editor/view/ViewTestFixture.h"

namespace qhe::test {
namespace {

using Bytes_ = std::vector<uint8_t>;

class KeyboardEditingTest : public ViewTest {
  protected:
    // Opens a Document holding exactly bytes.
    void OpenBytes(const Bytes_& bytes) {
        Open(static_cast<int64_t>(bytes.size()));
        for (size_t i = 0; i < bytes.size(); ++i)
            state.doc.SetByte(static_cast<int64_t>(i) + 1, bytes[i]);
        view.ShowAddress(1, true, false);
    }
    const std::string& CursorHexCell() { return v().HexCell(v().CursorCol, v().CursorRow); }
};

TEST_F(KeyboardEditingTest, HexDigitsTypeOneBytePerPair) {
    OpenBytes({0x10, 0x20, 0x30});
    Press("Tab");
    Type("4");
    EXPECT_EQ(Bytes(), (Bytes_{0x10, 0x20, 0x30}));
    EXPECT_EQ(CursorHexCell(), "4");
    EXPECT_FALSE(state.doc.Modified);
    Type("1");
    EXPECT_EQ(Bytes(), (Bytes_{0x41, 0x20, 0x30}));
    EXPECT_EQ(v().CursorPosition(), 2);
    EXPECT_EQ(v().HexCell(0, 0), "41");
    EXPECT_EQ(v().TextCell(0, 0), "A");
    EXPECT_TRUE(state.doc.Modified);
    Type("af");
    EXPECT_EQ(Bytes(), (Bytes_{0x41, 0xAF, 0x30}));
    Type("xz!");
    EXPECT_EQ(Bytes(), (Bytes_{0x41, 0xAF, 0x30}));
    EXPECT_EQ(CursorHexCell(), "30");
}

TEST_F(KeyboardEditingTest, PendingDigitIsDroppedByEscapeMovesAndPaneSwitch) {
    OpenBytes({0x10, 0x20, 0x30});
    Press("Tab");
    Type("4");
    Press("Esc");
    EXPECT_EQ(CursorHexCell(), "10");
    Type("4");
    Press("Right");
    EXPECT_EQ(v().HexCell(0, 0), "10");
    EXPECT_EQ(v().CursorPosition(), 2);
    Type("5");
    keys.KeyDown(Key::Tab, kModNone); // to the text pane
    EXPECT_EQ(v().HexCell(1, 0), "20");
    view.FormMouseDown(Pane::Hex, 2, 0); // back by a click on the inactive pane
    EXPECT_FALSE(v().TextMode);
    EXPECT_EQ(v().CursorPosition(), 3);
    Type("7");
    view.FormMouseDown(Pane::Hex, 0, 0); // a click in the active pane leaves the cell
    EXPECT_EQ(v().HexCell(2, 0), "30");
    EXPECT_EQ(Bytes(), (Bytes_{0x10, 0x20, 0x30}));
    EXPECT_FALSE(state.doc.Modified);
}

TEST_F(KeyboardEditingTest, TextPaneTypesCharactersAndIgnoresControls) {
    OpenBytes({0, 0, 0});
    Type("A\tz");
    EXPECT_EQ(Bytes(), (Bytes_{'A', 'z', 0}));
    keys.KeyPress(U'€');
    keys.DrainPostedKeys(kModNone);
    EXPECT_EQ(Bytes(), (Bytes_{'A', 'z', 0x80}));
    EXPECT_EQ(v().TextCell(2, 0), "€");
    EXPECT_EQ(v().CursorPosition(), 3);
}

TEST_F(KeyboardEditingTest, OverwriteAtTheLastByteKeepsTheCursorThere) {
    OpenBytes({1, 2, 3});
    Place(1, 3);
    Type("X");
    EXPECT_EQ(Bytes(), (Bytes_{1, 2, 'X'}));
    EXPECT_EQ(v().CursorPosition(), 3);
}

TEST_F(KeyboardEditingTest, InsertAtTheLastByteGoesBeforeIt) {
    OpenBytes({1, 2, 3});
    Press("Ins");
    Place(1, 3);
    Type("X");
    EXPECT_EQ(Bytes(), (Bytes_{1, 2, 'X', 3}));
    EXPECT_EQ(v().CursorPosition(), 4);
    EXPECT_EQ(v().LastVisible, 4);
    EXPECT_EQ(v().HexCell(3, 0), "03");
    EXPECT_EQ(ui.busyTexts.back(), Msg(2030));
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_TRUE(state.doc.Modified);
}

TEST_F(KeyboardEditingTest, InsertIntoAFullDocumentIsRefusedWith2004) {
    // 2^31 - 1 bytes in the largest buffer: only the pages the view shows are touched.
    Open(0);
    ASSERT_TRUE(state.doc.Reallocate(int64_t{1} << 31));
    state.doc.SetSize(static_cast<int32_t>(kMaxDocumentSize));
    files.AfterOpen();
    Press("Ins");
    Press("C-End");
    Type("X");
    EXPECT_EQ(state.doc.Size(), kMaxDocumentSize);
    EXPECT_EQ(ui.Count(Msg(2004)), 1);
    EXPECT_FALSE(state.doc.Modified);
}

TEST_F(KeyboardEditingTest, InsertAtTheBottomRightCellScrollsAfterTheByte) {
    Open(100);
    Press("Ins");
    Place(1, 64);
    Type("X");
    EXPECT_EQ(state.doc.GetByte(64), 'X');
    EXPECT_EQ(v().CursorPosition(), 65);
    EXPECT_EQ(v().TopAddress, 9);
    EXPECT_EQ(state.doc.GetByte(65), ByteAt(64));
}

TEST_F(KeyboardEditingTest, FirstByteOfAnEmptyDocumentInEitherMode) {
    for (bool overwrite : {true, false}) {
        Open(0);
        v().Overwrite = overwrite;
        Press("Tab");
        Type("7");
        EXPECT_EQ(state.doc.Size(), 0);
        Type("F");
        EXPECT_EQ(Bytes(), (Bytes_{0x7F})) << overwrite;
        EXPECT_EQ(v().CursorPosition(), 1);
        EXPECT_EQ(v().addressCells[0], "       0");
        EXPECT_EQ(v().LastVisible, 1);
        EXPECT_TRUE(state.doc.Modified);
        Press("Tab");
    }
}

TEST_F(KeyboardEditingTest, EscapeInAnEmptyDocumentBlanksThePendingCell) {
    Open(0);
    Press("Tab");
    Type("7");
    Press("Esc");
    EXPECT_EQ(CursorHexCell(), " ");
    Type("41");
    EXPECT_EQ(Bytes(), (Bytes_{0x41}));
}

TEST_F(KeyboardEditingTest, DeleteOfTheOnlyByteEmptiesTheDocument) {
    OpenBytes({9});
    Press("Del");
    EXPECT_EQ(state.doc.Size(), 0);
    EXPECT_TRUE(state.doc.Modified);
    EXPECT_EQ(v().HexCell(0, 0), "");
    EXPECT_EQ(state.status[0], "");
    Press("Del BkSp");
    EXPECT_EQ(state.doc.Size(), 0);
}

TEST_F(KeyboardEditingTest, DeleteKeepsCapacityAndRefillsFromTheCursor) {
    Open(600 * 1024);
    const uint32_t capacity = state.doc.Capacity();
    Place(1, 2);
    Press("Del");
    EXPECT_EQ(state.doc.Size(), 600 * 1024 - 1);
    EXPECT_EQ(state.doc.Capacity(), capacity);
    EXPECT_EQ(state.doc.GetByte(2), ByteAt(3));
    EXPECT_EQ(v().HexCell(1, 0), ViewCommands::HexText(ByteAt(3)));
    EXPECT_EQ(ui.busyTexts.back(), Msg(2031));
}

TEST_F(KeyboardEditingTest, DeleteOfTheLastByteMovesTheCursorBack) {
    OpenBytes({1, 2, 3});
    Place(1, 3);
    Press("Del");
    EXPECT_EQ(Bytes(), (Bytes_{1, 2}));
    EXPECT_EQ(v().CursorPosition(), 2);
    EXPECT_EQ(v().HexCell(2, 0), "");
}

TEST_F(KeyboardEditingTest, BackspaceAtPositionsOneAndTwo) {
    OpenBytes({1, 2, 3});
    Press("BkSp");
    EXPECT_EQ(Bytes(), (Bytes_{1, 2, 3}));
    EXPECT_FALSE(state.doc.Modified);
    Press("Right BkSp");
    EXPECT_EQ(Bytes(), (Bytes_{2, 3}));
    EXPECT_EQ(v().CursorPosition(), 1);
    EXPECT_TRUE(state.doc.Modified);
}

TEST_F(KeyboardEditingTest, BackspaceAtTheTopLeftCellScrollsBack) {
    Open(100);
    Place(9, 9);
    Press("BkSp");
    EXPECT_EQ(v().TopAddress, 1);
    EXPECT_EQ(v().CursorPosition(), 8);
    EXPECT_EQ(state.doc.GetByte(8), ByteAt(9));
}

TEST_F(KeyboardEditingTest, DeleteDisablesReplaceUndoWhenTheReplacementReachesTheCursor) {
    Open(100);
    state.actions.SetEnabled("Replaceundo1", true);
    state.lastReplaceAddress = 20;
    state.lastReplaceLength = 4;
    Place(1, 24);
    Press("Del");
    EXPECT_TRUE(state.actions.Enabled("Replaceundo1"));
    Place(1, 23);
    Press("Del");
    EXPECT_FALSE(state.actions.Enabled("Replaceundo1"));
}

// Shift-marking: from the cursor position start, the keys give the block.
struct MarkCase {
    int64_t start;
    const char* keys;
    const char* block;
};

class ShiftMarkingTest : public ViewTest, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(ShiftMarkingTest, MarksBlock) {
    const MarkCase& c = GetParam();
    Open(100);
    Place(1, c.start);
    Press(c.keys);
    EXPECT_EQ(BlockText(), c.block) << c.keys;
}

const MarkCase kMarkCases[] = {
    {5, "S-Right", "5..6"},
    {5, "S-Right S-Right", "5..7"},
    {5, "S-Right S-Right S-Left", "5..6"},
    {5, "S-Right S-Right S-Left S-Left", "5..5"},
    {5, "S-Right S-Right S-Left S-Left S-Left", "4..5"},
    {5, "S-Left", "4..5"},
    {20, "S-Down", "20..28"},
    {20, "S-Down S-Up S-Up", "12..20"},
    {20, "S-End", "20..24"},
    {20, "S-Home", "17..20"},
    {5, "S-Right Right", "5..6"},    // moving without Shift keeps the block
    {5, "S-Right Right Shift", "-"}, // the Shift key alone drops a complete block
    {5, "S-Right Right Shift S-Right", "7..8"},
};

INSTANTIATE_TEST_SUITE_P(Marking, ShiftMarkingTest, ::testing::ValuesIn(kMarkCases));

TEST_F(KeyboardEditingTest, MarkingEnablesTheBlockCommandsThatExist) {
    Open(100);
    // An item of a later build: Tag 2 keeps it disabled whatever EnableItems is asked.
    state.actions.EnableItems({"Print1"}, true);
    Place(1, 5);
    Press("S-Right");
    EXPECT_TRUE(state.actions.Enabled("Blockunmark1"));
    EXPECT_TRUE(state.actions.Enabled("Blockdelete1"));
    EXPECT_TRUE(state.actions.Enabled("Copy1"));
    EXPECT_FALSE(state.actions.Enabled("Print1")); // not in this build: stays disabled
    Press("Shift");
    EXPECT_FALSE(state.actions.Enabled("Blockunmark1"));
    EXPECT_FALSE(state.actions.Enabled("Blockdelete1"));
    EXPECT_TRUE(state.actions.Enabled("Cut1")); // the clipboard items keep their state
}

TEST_F(KeyboardEditingTest, CursorAdvanceAfterTypingNeverExtendsTheBlock) {
    Open(100);
    Place(1, 5);
    Press("S-Right"); // 5..6
    Place(1, 20);
    // An upper-case letter is typed with Shift held; its posted Right must not mark.
    keys.KeyPress(U'Q');
    keys.DrainPostedKeys(kModShift);
    EXPECT_EQ(BlockText(), "5..6");
    EXPECT_EQ(v().CursorPosition(), 21);
}

TEST_F(KeyboardEditingTest, BackspaceWithShiftDoesNotMark) {
    Open(100);
    Place(1, 10);
    keys.KeyDown(Key::Backspace, kModShift);
    EXPECT_EQ(BlockText(), "-");
    EXPECT_EQ(v().CursorPosition(), 9);
}

TEST_F(KeyboardEditingTest, TypedInsertAtOrBeforeTheBlockEndDropsIt) {
    Open(100);
    Place(1, 10);
    Press("S-Right S-Right"); // 10..12
    Press("Ins");
    Place(1, 30);
    Type("a");
    EXPECT_EQ(BlockText(), "10..12");
    EXPECT_EQ(ui.Count(Msg(2021)), 0);
    Place(1, 12);
    Type("b");
    EXPECT_EQ(BlockText(), "-");
    EXPECT_EQ(ui.Count(Msg(2021)), 1);
}

TEST_F(KeyboardEditingTest, OverwriteKeepsTheBlockAndDeleteDropsIt) {
    Open(100);
    Place(1, 10);
    Press("S-Right"); // 10..11
    Place(1, 11);
    Type("z");
    EXPECT_EQ(BlockText(), "10..11");
    Place(1, 11);
    Press("Del");
    EXPECT_EQ(BlockText(), "-");
    EXPECT_EQ(ui.Count(Msg(2021)), 1);
}

} // namespace
} // namespace qhe::test
