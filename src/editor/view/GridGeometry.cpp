#include "editor/view/GridGeometry.h"

#include <algorithm>

namespace qhe {
namespace {

constexpr int kMinCells = 8;
constexpr int kDefaultCols = 17;
constexpr int kDefaultRows = 19;
constexpr int kDefaultFontSize = 8;

} // namespace

CellMetrics CellSizesFor(const std::function<int(const std::string&)>& textWidth,
                         const std::function<int(const std::string&)>& textHeight, int addressDigits) {
    static const std::string digits = "0123456789ABCDEF";
    std::string widest = "X";
    std::string tallest = "X";
    int widestWidth = 0;
    int tallestHeight = 0;
    for (char digit : digits) {
        const std::string ch(1, digit);
        if (const int w = textWidth(ch); w > widestWidth) {
            widestWidth = w;
            widest = ch;
        }
        if (const int h = textHeight(ch); h > tallestHeight) {
            tallestHeight = h;
            tallest = ch;
        }
    }
    CellMetrics cells;
    cells.textColWidth = textWidth(widest) + 4;
    cells.hexColWidth = textWidth(widest + widest) + 4;
    std::string eight;
    for (int i = 0; i < addressDigits; ++i)
        eight += widest;
    cells.addressColWidth = textWidth(eight) + 4;
    cells.rowHeight = textHeight(tallest) + 4;
    return cells;
}

int ColsWidth(int n, int colWidth, int gridLineWidth) {
    return n * colWidth + (n + 4) * gridLineWidth;
}

int RowsHeight(int n, int rowHeight, int gridLineWidth) {
    return n * rowHeight + (n + 4) * gridLineWidth;
}

GridLayout LayoutFor(const WindowMetrics& window, const CellMetrics& cells, const LayoutOptions& options,
                     int cols, int rows) {
    GridLayout layout;
    const int gridTop = window.toolBarHeight + 1;
    const int height = RowsHeight(rows, cells.rowHeight, window.gridLineWidth);
    layout.hex = {0, gridTop, ColsWidth(cols, cells.hexColWidth, window.gridLineWidth), height};
    layout.text = {0, gridTop, ColsWidth(cols, cells.textColWidth, window.gridLineWidth), height};
    layout.address = {
        0, gridTop, options.hideAddressRange ? 0 : ColsWidth(1, cells.addressColWidth, window.gridLineWidth),
        height};

    PixelRect& first = options.textGridLeft ? layout.text : layout.hex;
    PixelRect& second = options.textGridLeft ? layout.hex : layout.text;
    first.left =
        options.hideAddressRange ? 0 : layout.address.left + layout.address.width + window.borderWidth;
    second.left = first.left + first.width + window.borderWidth;
    layout.scrollBar = {second.left + second.width + window.borderWidth, window.toolBarHeight + 2,
                        window.scrollBarWidth, layout.text.height - 1};

    layout.windowWidth = 2 * window.frameWidth + 4 * window.borderWidth + window.scrollBarWidth +
                         layout.text.width + layout.hex.width;
    if (!options.hideAddressRange) layout.windowWidth += layout.address.width + 2 * window.borderWidth;
    layout.windowHeight = 2 * window.frameHeight + window.captionHeight + window.menuBarHeight +
                          2 * window.borderHeight + window.toolBarHeight + window.statusBarHeight + height;
    return layout;
}

GridSize FitGridToWindow(const WindowMetrics& window, const CellMetrics& cells, bool hideAddressRange,
                         int width, int height) {
    const int line = window.gridLineWidth;
    const int addressPart =
        hideAddressRange ? 4 * line : 2 * window.borderWidth + 6 * line + cells.addressColWidth;
    const int colUnit = cells.textColWidth + cells.hexColWidth + 2 * line;
    const int rowUnit = line + cells.rowHeight;
    const int freeWidth =
        width - 2 * window.frameWidth - 4 * window.borderWidth - window.scrollBarWidth - addressPart;
    const int freeHeight = height - 2 * window.frameHeight - window.captionHeight - window.menuBarHeight -
                           2 * window.borderHeight - window.toolBarHeight - window.statusBarHeight - 4 * line;
    // A window smaller than its frame gives negative space: the floor of 8 x 8 applies.
    const int cols = colUnit > 0 ? std::max(freeWidth, 0) / colUnit : 0;
    const int rows = rowUnit > 0 ? std::max(freeHeight, 0) / rowUnit : 0;
    return {std::max(cols, kMinCells), std::max(rows, kMinCells)};
}

StartupSizing ChooseStartupSizing(const SavedDisplay& saved, const ScreenInfo& screen,
                                  const std::function<int(int cols)>& windowWidthFor,
                                  const std::function<int(int rows)>& windowHeightFor) {
    StartupSizing sizing;
    if (saved.resX == screen.width && saved.resY == screen.height && saved.ppi == screen.ppi) {
        sizing.useSavedPosition = true;
        sizing.fontSize = saved.fontSize;
        sizing.grid = {saved.cols, saved.rows};
    } else {
        sizing.fontSize = kDefaultFontSize;
    }
    // A saved grid below the resize floor can only come from a damaged settings file.
    if (sizing.grid.cols < kMinCells || sizing.grid.rows < kMinCells ||
        windowWidthFor(sizing.grid.cols) > screen.width || windowHeightFor(sizing.grid.rows) > screen.height)
        sizing.grid = {kDefaultCols, kDefaultRows};
    return sizing;
}

} // namespace qhe
