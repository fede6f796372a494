#pragma once
#include <QWidget>

#include "editor/MainCommands.h"
#include "gui/grid/TQZStrGrid.h"

class QScrollBar;

class QTimer;

namespace qhe {

// The three panes (QZStrGridAddr, QZStrGridHex, QZStrGridText) and the vertical scroll bar.
// It paints the view state of the command layer, and passes keys, presses, scroll actions
// and size changes back to it.
class MainView : public QWidget {
    Q_OBJECT
  public:
    MainView(MainCommands& commands, QWidget* parent = nullptr);

    // Applies the panes' font and computes the cell sizes from it.
    void SetPaneFont(const QFont& font);
    // True when the address column needs another width than its cells were measured for
    // (a file above 4 GiB needs more than eight digits): the window lays the grid out again.
    bool AddressWidthChanged() const;
    CellMetrics Cells() const { return cells_; }
    WindowMetrics Metrics() const;

    // Lays the panes out for cols x rows; answers the size this widget needs for them.
    QSize SetGridSize(int cols, int rows);
    // The size this widget would need for cols x rows (nothing laid out).
    QSize SizeFor(int cols, int rows) const;
    // The grid that fits a new size of this widget, laid out; answers the snapped size.
    QSize FitToSize(QSize size);

    // Repaints the panes from the view state.
    void Refresh();

    TQZStrGrid* HexGrid() const { return hex_; }
    TQZStrGrid* TextGrid() const { return text_; }
    TQZStrGrid* AddressGrid() const { return address_; }
    QScrollBar* ScrollBar() const { return scroll_; }

  private:
    void ApplyLayout(const GridLayout& layout);
    void OnKeyPressed(QKeyEvent* event);
    void OnKeyReleased(QKeyEvent* event);
    void OnScrollAction(int action);
    void OnWheel(int notches);
    void ActivatePane();

    MainCommands& commands_;
    TQZStrGrid* address_;
    TQZStrGrid* hex_;
    TQZStrGrid* text_;
    QScrollBar* scroll_;
    CellMetrics cells_;
    bool dragging_ = false;
    int addressDigits_ = 8; // that the cells were measured for
    // The model's bar position for a Qt one and back: Qt's range is an int, the model's is not.
    int Scaled(int64_t position) const { return static_cast<int>((position - scrollMin_) / scale_); }
    int64_t Unscaled(int value) const { return scrollMin_ + static_cast<int64_t>(value) * scale_; }
    int64_t scale_ = 1;
    int64_t scrollMin_ = 0;
    bool refreshing_ = false;
    QTimer* dragScroll_ = nullptr; // repeats the drag while the mouse is held beyond the grid
    QPoint dragCell_;
};

// The command layer's key for a Qt key, and its modifier flags.
Key KeyOf(int qtKey);
unsigned ModifiersOf(Qt::KeyboardModifiers modifiers);

} // namespace qhe
