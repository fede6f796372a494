#pragma once
#include <functional>
#include <string>

#include "core/settings/FormGeometry.h"

namespace qhe {

// The toolkit's pixel metrics that the window layout combines.
struct WindowMetrics {
    int frameWidth = 0;
    int frameHeight = 0;
    int borderWidth = 0;
    int borderHeight = 0;
    int captionHeight = 0;
    int menuBarHeight = 0;
    int scrollBarWidth = 0;
    int toolBarHeight = 0; // 0 while the tool bar is hidden
    int statusBarHeight = 0;
    int gridLineWidth = 1;
};

// Default cell sizes of the three grids.
struct CellMetrics {
    int textColWidth = 12;
    int hexColWidth = 12;
    int addressColWidth = 12;
    int rowHeight = 12;
};

// Cell sizes for a font: over "0"-"9" and "A"-"F" the widest character w (starting from "X"
// when none is wider than 0) and the tallest h; columns are w, ww and wwwwwwww wide plus 4,
// rows h high plus 4 (the address column holds addressDigits w, 8 up to 4 GiB). The callbacks
// measure a text in the grids' font.
CellMetrics CellSizesFor(const std::function<int(const std::string&)>& textWidth,
                         const std::function<int(const std::string&)>& textHeight, int addressDigits = 8);

// Width of n columns of colWidth, or height of n rows, with the grid lines.
int ColsWidth(int n, int colWidth, int gridLineWidth);
int RowsHeight(int n, int rowHeight, int gridLineWidth);

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where SetGridSize puts the grids and the scroll bar, and the window size it asks for.
struct GridLayout {
    PixelRect address;
    PixelRect hex;
    PixelRect text;
    PixelRect scrollBar;
    int windowWidth = 0;
    int windowHeight = 0;
};

struct LayoutOptions {
    bool hideAddressRange = false;
    bool textGridLeft = false;
};

GridLayout LayoutFor(const WindowMetrics& window, const CellMetrics& cells, const LayoutOptions& options,
                     int cols, int rows);

struct GridSize {
    int cols = 0;
    int rows = 0;
    bool operator==(const GridSize&) const = default;
};

// The grid that fits a window resized to width x height: whole cells, never below 8 x 8.
GridSize FitGridToWindow(const WindowMetrics& window, const CellMetrics& cells, bool hideAddressRange,
                         int width, int height);

// Saved start-up values of the "display" and "TFormMain" sections.
struct SavedDisplay {
    int resX = 0;
    int resY = 0;
    int ppi = 0;
    int cols = 17;
    int rows = 19;
    int fontSize = 8;
};

// What start-up uses: the saved position and sizes only on the same screen; the default grid
// when the saved one would not fit the screen.
struct StartupSizing {
    bool useSavedPosition = false;
    int fontSize = 8;
    GridSize grid{17, 19};
};

// windowWidthFor/windowHeightFor give the window size for cols/rows at the chosen font size.
StartupSizing ChooseStartupSizing(const SavedDisplay& saved, const ScreenInfo& screen,
                                  const std::function<int(int cols)>& windowWidthFor,
                                  const std::function<int(int rows)>& windowHeightFor);

} // namespace qhe
