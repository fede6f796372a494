#include "editor/view/GridGeometry.h"
#include "editor/view/HintText.h"

#include <gtest/gtest.h>

namespace qhe {
namespace {

WindowMetrics SampleWindow() {
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
    window.gridLineWidth = 1;
    return window;
}

TEST(GridGeometryTest, CellSizesFromTheWidestAndTallestDigit) {
    // "8" and "W"-like widths: every digit 7 wide but "0" 9; "B" is the tallest.
    auto width = [](const std::string& text) {
        int w = 0;
        for (char ch : text)
            w += ch == '0' ? 9 : 7;
        return w;
    };
    auto height = [](const std::string& text) { return text == "B" ? 15 : 13; };
    const CellMetrics cells = CellSizesFor(width, height);
    EXPECT_EQ(cells.textColWidth, 13);
    EXPECT_EQ(cells.hexColWidth, 22);
    EXPECT_EQ(cells.addressColWidth, 76);
    EXPECT_EQ(cells.rowHeight, 19);
    // A font that measures nothing falls back to "X".
    const CellMetrics empty = CellSizesFor([](const std::string& t) { return t == "X" ? 5 : 0; },
                                           [](const std::string&) { return 0; });
    EXPECT_EQ(empty.textColWidth, 9);
}

TEST(GridGeometryTest, LayoutPlacesPanesLeftToRight) {
    const WindowMetrics window = SampleWindow();
    const CellMetrics cells{11, 18, 60, 16};
    GridLayout layout = LayoutFor(window, cells, {}, 17, 19);
    EXPECT_EQ(layout.address.width, ColsWidth(1, 60, 1));
    EXPECT_EQ(layout.hex.left, layout.address.width + 2);
    EXPECT_EQ(layout.text.left, layout.hex.left + layout.hex.width + 2);
    EXPECT_EQ(layout.scrollBar.left, layout.text.left + layout.text.width + 2);
    EXPECT_EQ(layout.hex.width, 17 * 18 + 21);
    EXPECT_EQ(layout.hex.height, 19 * 16 + 23);
    EXPECT_EQ(layout.scrollBar.height, layout.text.height - 1);
    EXPECT_EQ(layout.hex.top, 31);
    EXPECT_EQ(layout.scrollBar.top, 32);
    EXPECT_EQ(layout.windowWidth,
              8 + 8 + 16 + layout.text.width + layout.hex.width + layout.address.width + 4);
    EXPECT_EQ(layout.windowHeight, 8 + 20 + 22 + 4 + 30 + 20 + layout.hex.height);

    layout = LayoutFor(window, cells, {true, true}, 17, 19);
    EXPECT_EQ(layout.address.width, 0);
    EXPECT_EQ(layout.text.left, 0);
    EXPECT_EQ(layout.hex.left, layout.text.width + 2);
}

// Every grid size lays out a window that FormResize maps back to the same grid, with or
// without the address column; smaller windows give the 8 x 8 floor.
TEST(GridGeometryTest, ResizeSnapsToWholeCells) {
    const WindowMetrics window = SampleWindow();
    const CellMetrics cells{11, 18, 60, 16};
    for (bool hidden : {false, true}) {
        for (int cols : {8, 9, 17, 40}) {
            for (int rows : {8, 19, 33}) {
                const GridLayout layout = LayoutFor(window, cells, {hidden, false}, cols, rows);
                EXPECT_EQ(FitGridToWindow(window, cells, hidden, layout.windowWidth, layout.windowHeight),
                          (GridSize{cols, rows}))
                    << cols << "x" << rows << " hidden " << hidden;
            }
        }
    }
    EXPECT_EQ(FitGridToWindow(window, cells, false, 300, 200), (GridSize{8, 8}));
    EXPECT_EQ(FitGridToWindow(window, cells, false, 0, 0), (GridSize{8, 8}));
    EXPECT_EQ(FitGridToWindow(window, cells, false, -50, 5000).cols, 8);
}

TEST(GridGeometryTest, StartupUsesSavedSizesOnlyOnTheSameScreenAndWhenTheyFit) {
    const ScreenInfo screen{1920, 1080, 96};
    auto width = [](int cols) { return 120 + cols * 31; };
    auto height = [](int rows) { return 150 + rows * 17; };
    SavedDisplay saved{1920, 1080, 96, 40, 30, 10};
    StartupSizing sizing = ChooseStartupSizing(saved, screen, width, height);
    EXPECT_TRUE(sizing.useSavedPosition);
    EXPECT_EQ(sizing.grid, (GridSize{40, 30}));
    EXPECT_EQ(sizing.fontSize, 10);

    saved.cols = 80; // 120 + 80 * 31 > 1920
    sizing = ChooseStartupSizing(saved, screen, width, height);
    EXPECT_EQ(sizing.grid, (GridSize{17, 19}));

    saved = {1280, 1024, 96, 40, 30, 10};
    sizing = ChooseStartupSizing(saved, screen, width, height);
    EXPECT_FALSE(sizing.useSavedPosition);
    EXPECT_EQ(sizing.grid, (GridSize{17, 19}));
    EXPECT_EQ(sizing.fontSize, 8);

    saved = {1920, 1080, 96, 0, -3, 8};
    EXPECT_EQ(ChooseStartupSizing(saved, screen, width, height).grid, (GridSize{17, 19}));
}

} // namespace
} // namespace qhe

namespace qhe {
namespace {

TEST(HintTextTest, ShortensWithEllipsisWhileMoreThanTwoCharactersAreLeft) {
    auto measure = [](const std::string& text) { return static_cast<int>(text.size()); }; // one pixel a byte
    EXPECT_EQ(ShortenHint("Scrolling...", 20, measure), "Scrolling...");
    EXPECT_EQ(ShortenHint("abcdefghij", 8, measure), "abcde...");
    EXPECT_EQ(ShortenHint("abcdefghij", 1, measure), "ab...");
    EXPECT_EQ(ShortenHint("正在读文件", 9, measure), "正在...");
    EXPECT_EQ(ShortenHint("正在读文件", 12, measure), "正在读...");
    EXPECT_EQ(ShortenHint("正在读文件", 15, measure), "正在读文件");
}

} // namespace
} // namespace qhe
