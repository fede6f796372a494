#include "gui/grid/TQZStrGrid.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace qhe {

TQZStrGrid::TQZStrGrid(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TQZStrGrid::SetCells(const std::vector<std::string>* cells, int cols, int rows) {
    cells_ = cells;
    cols_ = cols;
    rows_ = rows;
    updateGeometry();
    update();
}

void TQZStrGrid::SetDefaultColWidth(int width) {
    colWidth_ = width;
    updateGeometry();
    update();
}

void TQZStrGrid::SetDefaultRowHeight(int height) {
    rowHeight_ = height;
    updateGeometry();
    update();
}

void TQZStrGrid::SetGridLineWidth(int width) {
    lineWidth_ = width;
    updateGeometry();
    update();
}

void TQZStrGrid::SetSelected(int col, int row) {
    if (col == selCol_ && row == selRow_) return;
    if (selCol_ >= 0) update(CellRect(selCol_, selRow_));
    selCol_ = col;
    selRow_ = row;
    if (selCol_ >= 0) update(CellRect(selCol_, selRow_));
}

void TQZStrGrid::SetSlaveGrid(TQZStrGrid* slave) {
    if (slave != this) slave_ = slave;
}

bool TQZStrGrid::SelectCell(int col, int row) {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return false;
    if (selectHandler && !selectHandler(col, row)) return false;
    SetSelected(col, row);
    // A slave that is itself slaved to this grid would only echo the move back.
    if (slave_ && slave_ != this && slave_->SlaveGrid() != this &&
        (slave_->SelectedCol() != col || slave_->SelectedRow() != row))
        slave_->SetSelected(col, row);
    return true;
}

void TQZStrGrid::SetActiveLook(bool active) {
    active_ = active;
    update();
}

QRect TQZStrGrid::CellRect(int col, int row) const {
    return QRect(lineWidth_ + col * (colWidth_ + lineWidth_), lineWidth_ + row * (rowHeight_ + lineWidth_),
                 colWidth_, rowHeight_);
}

QPoint TQZStrGrid::CellAt(QPoint point) const {
    const int stepX = colWidth_ + lineWidth_, stepY = rowHeight_ + lineWidth_;
    if (point.x() < 0 || point.y() < 0 || stepX <= 0 || stepY <= 0) return {-1, -1};
    const int col = (point.x() - lineWidth_) / stepX, row = (point.y() - lineWidth_) / stepY;
    if (col >= cols_ || row >= rows_) return {-1, -1};
    return {col, row};
}

QSize TQZStrGrid::sizeHint() const {
    return {ColsWidth(cols_), RowsHeight(rows_)};
}

void TQZStrGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QPalette& pal = palette();
    const QColor background = active_ ? pal.color(QPalette::Base) : pal.color(QPalette::Button);
    const QColor foreground = active_ ? pal.color(QPalette::Text) : pal.color(QPalette::ButtonText);
    painter.fillRect(event->rect(), background);
    painter.setFont(font());
    if (lineWidth_ > 0) {
        painter.setPen(pal.color(QPalette::Mid));
        const int right = lineWidth_ + cols_ * (colWidth_ + lineWidth_),
                  bottom = lineWidth_ + rows_ * (rowHeight_ + lineWidth_);
        for (int c = 0; c <= cols_; ++c) {
            const int x = c * (colWidth_ + lineWidth_);
            painter.drawLine(x, 0, x, bottom - 1);
        }
        for (int r = 0; r <= rows_; ++r) {
            const int y = r * (rowHeight_ + lineWidth_);
            painter.drawLine(0, y, right - 1, y);
        }
    }
    if (!cells_) return;
    const int alignment = (rightAligned_ ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    for (int row = 0; row < rows_; ++row) {
        for (int col = 0; col < cols_; ++col) {
            const QRect rect = CellRect(col, row);
            if (!rect.intersects(event->rect())) continue;
            const size_t index =
                static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col);
            const std::string& text = index < cells_->size() ? (*cells_)[index] : std::string();
            const bool selected = col == selCol_ && row == selRow_;
            if (selected) painter.fillRect(rect, pal.color(active_ ? QPalette::Highlight : QPalette::Dark));
            QColor pen = selected ? pal.color(QPalette::HighlightedText) : foreground;
            if (!text.empty() && inBlock && inBlock(col, row)) pen = blockColor;
            painter.setPen(pen);
            painter.drawText(rect.adjusted(2, 0, -2, 0), alignment, QString::fromStdString(text));
        }
    }
}

void TQZStrGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint cell = CellAt(event->position().toPoint());
    pressModifiers_ = event->modifiers();
    if (cell.x() >= 0) emit cellPressed(cell.x(), cell.y());
}

void TQZStrGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const int stepX = colWidth_ + lineWidth_, stepY = rowHeight_ + lineWidth_;
    if (stepX <= 0 || stepY <= 0) return;
    const QPoint point = event->position().toPoint();
    const int col = std::clamp((point.x() - lineWidth_) / stepX, 0, cols_ - 1);
    const int row = point.y() < 0 ? -1 : std::min((point.y() - lineWidth_) / stepY, rows_);
    emit cellDragged(col, row);
}

void TQZStrGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit mouseReleased();
}

void TQZStrGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint cell = CellAt(event->position().toPoint());
    if (cell.x() >= 0 && event->button() == Qt::LeftButton) emit cellDoubleClicked(cell.x(), cell.y());
}

void TQZStrGrid::keyPressEvent(QKeyEvent* event) {
    emit keyPressed(event);
}

void TQZStrGrid::keyReleaseEvent(QKeyEvent* event) {
    emit keyReleased(event);
}

void TQZStrGrid::wheelEvent(QWheelEvent* event) {
    // Touchpads report small steps; whole notches of 120 eighths of a degree are passed on.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    if (notches != 0) emit wheelTurned(notches);
    event->accept();
}

// Tab switches the panes through the owner's key handling, not the focus chain.
bool TQZStrGrid::focusNextPrevChild(bool) {
    return false;
}

} // namespace qhe
