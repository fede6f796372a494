#include "editor/view/ViewState.h"

#include <algorithm>
#include <cctype>

#include "core/settings/Settings.h"

namespace qhe {

bool ViewState::HexDigitPending() const {
    const std::string& cell = HexCell(CursorCol, CursorRow);
    return cell.size() == 1 && std::isxdigit(static_cast<unsigned char>(cell[0]));
}

void ViewState::SetDimensions(int cols, int rows) {
    // Every caller sizes the grid to a window; the bounds keep a fault from making millions of cells.
    cols = std::clamp(cols, 1, kMaxGridCells);
    rows = std::clamp(rows, 1, kMaxGridCells);
    Cols = cols;
    Rows = rows;
    VisibleCells = cols * rows;
    hexCells.assign(static_cast<size_t>(VisibleCells), std::string());
    textCells.assign(static_cast<size_t>(VisibleCells), std::string());
    addressCells.assign(static_cast<size_t>(rows), std::string());
    if (CursorCol >= cols || CursorRow >= rows) CursorCol = CursorRow = 0;
}

void ViewState::ClearCells() {
    for (auto& cell : hexCells)
        cell.clear();
    for (auto& cell : textCells)
        cell.clear();
    for (auto& cell : addressCells)
        cell.clear();
}

} // namespace qhe
