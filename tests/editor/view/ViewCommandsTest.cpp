#include "ViewTestFixture.h"
#include "core/settings/Settings.h"
#include "editor/MainCommands.h"

namespace qhe::test {
namespace {

// ShowAddress of position pos in a Document of size bytes, 8 x 8 cells (64 per window).
struct ShowCase {
    int64_t size;
    int64_t pos;
    int64_t wantTop;
    int64_t wantLastVisible;
};

class ShowAddressTest : public ViewTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(ShowAddressTest, AlignsTheWindow) {
    const ShowCase& c = GetParam();
    Open(c.size);
    view.ShowAddress(c.pos, true, false);
    EXPECT_EQ(v().TopAddress, c.wantTop);
    EXPECT_EQ(v().LastVisible, c.wantLastVisible);
    EXPECT_EQ(v().CursorPosition(), std::min(c.pos, c.size));
}

const ShowCase kShowCases[] = {
    {30, 25, 1, 30},                            // smaller than a window: the top stays 1
    {64, 64, 1, 64},                            // exactly one window
    {64, 200, 1, 64},                           // positions past the end show the last byte
    {200, 100, 97, 160},                        // the row of pos becomes the top row
    {200, 136, 129, 192}, {200, 137, 137, 200}, // in the last screenful: end-aligned, Size a multiple of Cols
    {203, 150, 145, 203},                       // end-aligned with a partly filled bottom row
    {203, 141, 137, 200}, // in the last screenful but above the end-aligned top: its own row
    {203, 1, 1, 64},
};

INSTANTIATE_TEST_SUITE_P(Alignment, ShowAddressTest, ::testing::ValuesIn(kShowCases));

TEST_F(ViewTest, ShowAddressKeepsAVisiblePosition) {
    Open(1000);
    Place(97, 100);
    view.ShowAddress(150, true, true);
    EXPECT_EQ(v().TopAddress, 97);
    EXPECT_EQ(v().CursorPosition(), 150);
    view.ShowAddress(170, true, true);
    EXPECT_EQ(v().TopAddress, 169);
    view.ShowAddress(0, true, false);
    EXPECT_EQ(v().CursorPosition(), 1);
}

TEST_F(ViewTest, CellsAfterTheLastByteAreEmptyAndCannotBeEntered) {
    Open(20);
    EXPECT_EQ(v().HexCell(3, 2), ViewCommands::HexText(ByteAt(20)));
    EXPECT_EQ(v().HexCell(4, 2), "");
    EXPECT_EQ(v().TextCell(4, 2), "");
    EXPECT_EQ(v().addressCells[2], "      10");
    EXPECT_EQ(v().addressCells[3], "");
    EXPECT_FALSE(view.SelectCell(4, 2));
    EXPECT_TRUE(view.SelectCell(3, 2));
    EXPECT_EQ(v().CursorPosition(), 20);
    view.FormMouseDown(Pane::Text, 0, 5);
    EXPECT_EQ(v().CursorPosition(), 20);
}

TEST_F(ViewTest, CellTextsOfBytesAndAddresses) {
    Open(0x20000, 17, 19);
    for (int64_t p : {1, 2, 0x41, 0x0B, 0x81})
        state.doc.SetByte(p, static_cast<uint8_t>(p == 1 ? 0x0A : p == 2 ? 0xE9 : p == 0x81 ? 0x80 : p));
    view.ShowAddress(1, true, false);
    EXPECT_EQ(v().HexCell(0, 0), "0A");
    EXPECT_EQ(v().TextCell(0, 0), "\n");
    EXPECT_EQ(v().TextCell(1, 0), "é");
    EXPECT_EQ(v().TextCell(0x40 % 17, 0x40 / 17), "A");
    EXPECT_EQ(v().TextCell(0x80 % 17, 0x80 / 17), "€");
    v().BlankForCC = true;
    view.FillCells(0, 0);
    EXPECT_EQ(v().TextCell(0, 0), " ");
    EXPECT_EQ(v().HexCell(0, 0), "0A");
    EXPECT_EQ(v().TextCell(0x0A % 17, 0), " "); // byte 0x0B
    EXPECT_EQ(v().addressCells[1], "      11");
    view.ShowAddress(0x1FFF0, true, false);
    EXPECT_EQ(v().addressCells[0], "   1FECC"); // end-aligned rows start at 1 + a multiple of 17
    v().BaseAddress = 1;
    view.FillCells(0, 0);
    EXPECT_EQ(v().addressCells[0], "   1FECD");
}

TEST_F(ViewTest, BlockCellsFollowTheWindow) {
    Open(100);
    state.block.begin = 10;
    state.block.end = 12;
    EXPECT_FALSE(view.CellInBlock(0, 1)); // position 9
    EXPECT_TRUE(view.CellInBlock(1, 1));
    EXPECT_TRUE(view.CellInBlock(3, 1));
    EXPECT_FALSE(view.CellInBlock(4, 1));
    Place(9, 9);
    EXPECT_TRUE(view.CellInBlock(1, 0));
}

TEST_F(ViewTest, PanelTextsWithBaseAddressAndThousandsSeparators) {
    Open(2'000'000, 17, 19);
    view.ShowAddress(1'234'568, true, false);
    EXPECT_EQ(state.status[0], "  地址 十进制: 1,234,567");
    EXPECT_EQ(state.status[1], "十进制字符" + std::to_string(ByteAt(1'234'568)));
    v().BaseAddress = 1;
    view.UpdateStatus();
    EXPECT_EQ(state.status[0], "  地址 十进制: 1,234,568");
    view.ModusText1Click();
    EXPECT_EQ(state.status[0], "  地址 十六进制: 12D688");
    v().BaseAddress = 0;
    view.GotoStart();
    EXPECT_EQ(state.status[0], "  地址 十六进制: 0");
    EXPECT_EQ(v().addressCells[0], "       0");
    v().BaseAddress = 1;
    view.GotoStart();
    EXPECT_EQ(state.status[0], "  地址 十六进制: 1");
    EXPECT_EQ(v().addressCells[0], "       1");
}

TEST_F(ViewTest, EmptyDocumentShowsNothing) {
    Open(0);
    EXPECT_EQ(state.status[0], "");
    EXPECT_EQ(state.status[1], "");
    EXPECT_EQ(v().scrollBar.Max, 0);
    EXPECT_EQ(v().scrollBar.PageSize, 0);
    EXPECT_EQ(v().scrollBar.Position, 0);
    for (const auto& cell : v().hexCells)
        EXPECT_EQ(cell, "");
    EXPECT_EQ(v().addressCells[0], "");
}

TEST_F(ViewTest, CloseClearsTheCellsAndDisablesTheScrollBar) {
    Open(100);
    Place(9, 30);
    files.Close1Click();
    EXPECT_EQ(v().CursorPosition(), 1);
    EXPECT_FALSE(v().scrollBar.Enabled);
    EXPECT_EQ(v().HexCell(0, 0), "");
    EXPECT_EQ(v().addressCells[0], "");
    Open(100);
    EXPECT_TRUE(v().scrollBar.Enabled);
    EXPECT_EQ(v().TopAddress, 1);
    EXPECT_EQ(v().CursorPosition(), 1);
}

TEST_F(ViewTest, ScrollBarFollowsTheCursorWithinItsRange) {
    Open(1000);
    Place(97, 100);
    EXPECT_EQ(v().scrollBar.Min, 1);
    EXPECT_EQ(v().scrollBar.Max, 1000);
    EXPECT_EQ(v().scrollBar.PageSize, 64);
    EXPECT_EQ(v().scrollBar.Position, 100);
    EXPECT_EQ(v().scrollBar.SmallChange, 8);
    EXPECT_EQ(v().scrollBar.LargeChange, 56);
    view.GotoEnd();
    EXPECT_EQ(v().scrollBar.Position, 1000 - 64 + 1); // a page above 1 stops the bar a page early
}

// A scroll action ending at bar position p shows the row of p at the top, the start for p
// below Cols, and the end from the last screenful on.
struct ScrollCase {
    ScrollCode code;
    int64_t track;
    int64_t wantTop;
    int64_t wantCursor;
};

class ScrollBarTest : public ViewTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(ScrollBarTest, ViewFollowsAtTheEndOfTheScroll) {
    const ScrollCase& c = GetParam();
    Open(1000);
    Place(97, 100);
    view.ScrollBar1Scroll(c.code, c.track);
    EXPECT_EQ(state.status[3], kTextScrolling);
    EXPECT_EQ(v().TopAddress, 97); // the view does not follow the thumb
    view.ScrollBar1Scroll(ScrollCode::EndScroll, 0);
    EXPECT_EQ(state.status[3], "");
    EXPECT_EQ(v().TopAddress, c.wantTop);
    EXPECT_EQ(v().CursorPosition(), c.wantCursor);
}

const ScrollCase kScrollCases[] = {
    {ScrollCode::ThumbTrack, 500, 497, 497},
    {ScrollCode::ThumbTrack, 7, 1, 1},
    {ScrollCode::ThumbTrack, 8, 1, 1},
    {ScrollCode::ThumbTrack, 937, 937, 1000},
    {ScrollCode::ThumbTrack, 99999, 937, 1000},
    {ScrollCode::LineDown, 0, 105, 105},
    {ScrollCode::LineUp, 0, 89, 89},
    {ScrollCode::PageDown, 0, 153, 153},
    {ScrollCode::Top, 0, 1, 1},
    {ScrollCode::Bottom, 0, 937, 1000},
};

INSTANTIATE_TEST_SUITE_P(Actions, ScrollBarTest, ::testing::ValuesIn(kScrollCases));

TEST(ScrollBarModelTest, ClampsPageAndPosition) {
    TQZScrollBar bar;
    EXPECT_TRUE(bar.SetParams(50, 1, 100, 200));
    EXPECT_EQ(bar.PageSize, 100);
    EXPECT_EQ(bar.Position, 1);
    EXPECT_FALSE(bar.SetParams(0, 1, 100, 100));
    bar.SetParams(100, 1, 100, 1);
    EXPECT_EQ(bar.Position, 100);
    bar.SetParams(INT32_MAX, 1, INT32_MAX, 323);
    EXPECT_EQ(bar.Position, INT32_MAX - 323 + 1);
    bar.SetParams(5, 0, 0, 0);
    EXPECT_EQ(bar.Position, 0);
}

TEST_F(ViewTest, ResizeKeepsTheCursorPosition) {
    Open(1000);
    Place(97, 150);
    view.SetGridSize(16, 10);
    EXPECT_EQ(v().VisibleCells, 160);
    EXPECT_EQ(v().CursorPosition(), 150);
    EXPECT_EQ(v().TopAddress, 145);
    EXPECT_EQ(v().hexCells.size(), 160u);
    // A grid no window can show (a damaged settings file) is bounded before its cells are made.
    view.SetGridSize(100000, 100000);
    EXPECT_EQ(v().Cols, kMaxGridCells);
    EXPECT_EQ(v().VisibleCells, kMaxGridCells * kMaxGridCells);
    EXPECT_EQ(v().CursorPosition(), 150);
}

TEST(MainCommandsViewTest, ModeCommandsAndResizeSnapping) {
    FakeUi ui;
    MainCommands main(ui);
    EXPECT_TRUE(main.Execute("ModusText1"));
    EXPECT_FALSE(main.State().view.TextMode);
    EXPECT_TRUE(main.Execute("ModusOverwrite1"));
    EXPECT_FALSE(main.State().view.Overwrite);
    EXPECT_FALSE(main.State().actions.Checked("ModusOverwrite1"));

    WindowMetrics window;
    window.frameWidth = 4;
    window.frameHeight = 4;
    window.borderWidth = 2;
    window.borderHeight = 2;
    window.captionHeight = 20;
    window.menuBarHeight = 22;
    window.scrollBarWidth = 16;
    window.toolBarHeight = 30;
    window.statusBarHeight = 20;
    const CellMetrics cells{11, 18, 60, 16};
    const GridLayout layout = main.SetGridSize(window, cells, 20, 12);
    const GridLayout again = main.FormResize(window, cells, layout.windowWidth + 10, layout.windowHeight + 5);
    EXPECT_EQ(main.State().view.Cols, 20);
    EXPECT_EQ(main.State().view.Rows, 12);
    EXPECT_EQ(again.windowWidth, layout.windowWidth);
    main.FormResize(window, cells, 100, 50);
    EXPECT_EQ(main.State().view.Cols, 8);
    EXPECT_EQ(main.State().view.Rows, 8);
}

} // namespace
} // namespace qhe::test
