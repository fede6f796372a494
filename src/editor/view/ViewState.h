#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editor/view/ScrollBarModel.h"

namespace qhe {

// The two data panes.
enum class Pane { Hex, Text };

// A cell of the data panes, 0-based.
struct CellPos {
    int col = 0;
    int row = 0;
    bool operator==(const CellPos&) const = default;
};

// The view of the main window as plain data: the window of Rows x Cols bytes, the cursor,
// the display options and the cell texts of the three panes. The grid widget paints these
// texts; ViewCommands computes them.
struct ViewState {
    int Cols = 17;
    int Rows = 19;
    int VisibleCells = 17 * 19;
    int64_t TopAddress = 1;  // position in the top-left cell: 1 + a multiple of Cols
    int64_t LastVisible = 0; // min(Size, TopAddress + VisibleCells - 1)
    int CursorCol = 0;
    int CursorRow = 0;
    bool TextMode = true;  // the text pane is active
    bool Overwrite = true; // typing replaces the byte under the cursor
    int BaseAddress = 0;   // displayed address of position 1 (0 or 1)
    int AddressDigits = 8; // hex digits the address column is sized for: 8, more for larger files
    bool BlankForCC = false;
    bool TextGridLeft = false;
    bool HideAddressRange = false;
    bool HideToolBar = false;
    bool ShowGrids = true;

    // Cell texts in reading order (index row * Cols + col); "" is an empty cell. A hex cell
    // holding one digit is the pending first digit of a byte being typed.
    std::vector<std::string> hexCells = std::vector<std::string>(17 * 19);
    std::vector<std::string> textCells = std::vector<std::string>(17 * 19);
    std::vector<std::string> addressCells = std::vector<std::string>(19);
    int addressRow = 0;              // the highlighted row of the address column
    bool unreadPagesNoticed = false; // the Document's pages read as zeros were pointed out

    TQZScrollBar scrollBar;

    int64_t CursorPosition() const { return TopAddress + static_cast<int64_t>(CursorRow) * Cols + CursorCol; }
    Pane ActivePane() const { return TextMode ? Pane::Text : Pane::Hex; }
    int CellIndex(int col, int row) const { return row * Cols + col; }
    // The position shown in a cell (past the end for empty cells).
    int64_t PositionOf(int col, int row) const { return TopAddress + static_cast<int64_t>(row) * Cols + col; }
    std::string& HexCell(int col, int row) { return hexCells[CellIndex(col, row)]; }
    std::string& TextCell(int col, int row) { return textCells[CellIndex(col, row)]; }
    const std::string& HexCell(int col, int row) const { return hexCells[CellIndex(col, row)]; }
    const std::string& TextCell(int col, int row) const { return textCells[CellIndex(col, row)]; }
    // The displayed address of a position.
    int64_t DisplayedAddress(int64_t pos) const { return pos - 1 + BaseAddress; }
    // True when the hex cell under the cursor holds a single pending digit.
    bool HexDigitPending() const;

    // Sets the grid's dimensions and makes room for its cells (all emptied).
    void SetDimensions(int cols, int rows);
    void ClearCells();
};

} // namespace qhe
