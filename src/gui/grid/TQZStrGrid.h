#pragma once
#include <QColor>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace qhe {

// TQZStrGrid: a painted string grid of cols x rows cells of one default size. It shows cell
// texts owned by the view state, highlights the selected cell, draws texts inside the marked
// block in the block colour, and reports presses and keys; it never changes texts itself.
class TQZStrGrid : public QWidget {
    Q_OBJECT
  public:
    explicit TQZStrGrid(QWidget* parent = nullptr);

    // The cell texts in reading order (row * cols + col); the grid keeps the pointer.
    void SetCells(const std::vector<std::string>* cells, int cols, int rows);
    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }

    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    int DefaultColWidth() const { return colWidth_; }
    int DefaultRowHeight() const { return rowHeight_; }
    // 1 with grid lines, 0 without.
    void SetGridLineWidth(int width);
    int GridLineWidth() const { return lineWidth_; }

    // n columns (rows) of the default size with their grid lines.
    int ColsWidth(int n) const { return n * colWidth_ + (n + 4) * lineWidth_; }
    int RowsHeight(int n) const { return n * rowHeight_ + (n + 4) * lineWidth_; }

    // The selected cell; -1 hides the selection.
    void SetSelected(int col, int row);
    int SelectedCol() const { return selCol_; }
    int SelectedRow() const { return selRow_; }

    // SlaveGrid: its selection follows this grid's; setting it to this grid is ignored.
    void SetSlaveGrid(TQZStrGrid* slave);
    TQZStrGrid* SlaveGrid() const { return slave_; }
    // Selects the cell when the select handler allows it, and the same cell in the slave.
    bool SelectCell(int col, int row);

    // Active panes use the window colours, inactive ones the button colours.
    void SetActiveLook(bool active);
    bool ActiveLook() const { return active_; }
    // Right-aligned texts (the address column).
    void SetRightAligned(bool right) { rightAligned_ = right; }

    // Asked before the selection moves; false refuses the move.
    std::function<bool(int col, int row)> selectHandler;
    // True for the cells whose text is drawn in the block colour.
    std::function<bool(int col, int row)> inBlock;
    QColor blockColor = Qt::red;

    // The cell at a point of the widget, or (-1, -1).
    QPoint CellAt(QPoint point) const;
    Qt::KeyboardModifiers PressModifiers() const { return pressModifiers_; }
    QRect CellRect(int col, int row) const;

    QSize sizeHint() const override;

  signals:
    // A mouse press on a cell (also when the grid is inactive); PressModifiers() tells the
    // keys held then.
    void cellPressed(int col, int row);
    // The mouse moved with the left button down: the cell under it, the column clamped to
    // the grid, the row -1 above it and RowCount() below it.
    void cellDragged(int col, int row);
    void mouseReleased();
    void cellDoubleClicked(int col, int row);
    // A key pressed while the grid has the focus; the owner handles it.
    void keyPressed(QKeyEvent* event);
    void keyReleased(QKeyEvent* event);
    // The mouse wheel turned by whole notches (positive: away from the user).
    void wheelTurned(int notches);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    const std::vector<std::string>* cells_ = nullptr;
    int cols_ = 0;
    int rows_ = 0;
    int colWidth_ = 12;
    int rowHeight_ = 12;
    int lineWidth_ = 1;
    int selCol_ = 0;
    int selRow_ = 0;
    bool active_ = true;
    bool rightAligned_ = false;
    TQZStrGrid* slave_ = nullptr;
    int wheelRemainder_ = 0; // eighths of a degree not yet turned into a notch
    Qt::KeyboardModifiers pressModifiers_;
};

} // namespace qhe
