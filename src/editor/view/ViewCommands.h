#pragma once
#include <cstdint>
#include <string>

#include "editor/EditorState.h"

namespace qhe {

// The "Scrolling..." hint while the scroll bar's thumb moves.
inline constexpr const char* kTextScrolling = "Scrolling...";

// The operations that move and refill the view: every command that changes the Document or
// the view position ends in one of these. Only the visible cells are ever turned into text.
class ViewCommands {
  public:
    explicit ViewCommands(EditorState& state) : s_(state) {}

    // Makes pos visible: keeps the view when keepIfVisible and pos is shown; puts the row of
    // pos at the top, or shows the end when pos lies in the last screenful. With moveCursor
    // the cursor goes onto pos. Refills all cells and the status.
    void ShowAddress(int64_t pos, bool moveCursor, bool keepIfVisible);
    // Recomputes LastVisible and refills from the cursor cell to the end of the window.
    void RefreshFromCursor();
    // Shows the view from top (moved to its row's start) with the cursor on cursor; when the
    // cursor falls outside, the view follows it as ShowAddress does.
    void ShowPlace(int64_t top, int64_t cursor);
    // Refills the data cells from (col, row) to the last cell of the window. The first refill
    // after pages of a mapped file could not be read says so.
    void FillCells(int col, int row);
    void GotoStart();
    void GotoEnd();
    // End-aligned view: the last, partly filled row is the bottom row.
    void ScrollToEnd();
    void ScrollRowDown();
    void ScrollRowUp();
    void SetCursorCell(int col, int row);
    void SetCursorCell(CellPos cell) { SetCursorCell(cell.col, cell.row); }
    void SetCursorColumn(int col) { SetCursorCell(col, s_.view.CursorRow); }
    // The cell of pos when TopAddress < pos <= LastVisible, otherwise (0, 0).
    CellPos CellOfPosition(int64_t pos) const;
    // Status panels 0..2, the scroll bar and the address highlight.
    void UpdateStatus();
    void ShowHint(const std::string& text) { s_.SetHint(text); }
    void BeginBusy(const std::string& text) { s_.ui.BeginBusy(text); }
    void EndBusy() { s_.ui.EndBusy(); }

    // The select-cell rule of both data panes: cells past the end cannot be entered; leaving
    // a cell with a pending hex digit restores its two digits. True when the cursor moved there.
    bool SelectCell(int col, int row);
    // Restores the two digits of the hex cursor cell when it holds a pending digit.
    void RestorePendingDigit();

    // Switches the active pane (ModusText1).
    void ModusText1Click();
    // A press on a data pane's cell: pressing the inactive pane makes it the active one first.
    void FormMouseDown(Pane pane, int col, int row);
    // A scroll action of the scroll bar; the view follows only when the action ends.
    void ScrollBar1Scroll(ScrollCode code, int64_t trackPosition);

    // Takes a grid of cols x rows and shows the cursor's position in it again.
    void SetGridSize(int cols, int rows);
    // After a close: empty cells, cursor in (0, 0), scroll bar disabled.
    void ClearView();
    // After a load or New: position 1 at the top with the cursor on it, scroll bar enabled.
    void ShowStart();

    // True when the cell's byte lies in the marked block: its text is drawn in ColorBlock.
    bool CellInBlock(int col, int row) const {
        return s_.doc.IsOpen && s_.block.Contains(s_.view.PositionOf(col, row));
    }

    // The texts of one byte in the panes.
    static const std::string& HexText(uint8_t value);
    const std::string& TextOf(uint8_t value) const;

  private:
    void WriteAddressCell(int row);
    int64_t SizeNow() const { return s_.doc.Size(); }
    // TopAddress of the end-aligned view, whose last, partly filled row is the bottom row.
    int64_t EndAlignedTop() const;
    void ClampLastVisible();

    EditorState& s_;
};

} // namespace qhe
