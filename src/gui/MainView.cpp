#include "gui/MainView.h"

#include <QTimer>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

namespace qhe {

Key KeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_PageUp:
        return Key::PageUp;
    case Qt::Key_PageDown:
        return Key::PageDown;
    case Qt::Key_Home:
        return Key::Home;
    case Qt::Key_End:
        return Key::End;
    case Qt::Key_Insert:
        return Key::Insert;
    case Qt::Key_Delete:
        return Key::Delete;
    case Qt::Key_Backspace:
        return Key::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Key::Tab;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Shift:
        return Key::Shift;
    default:
        return Key::Other;
    }
}

unsigned ModifiersOf(Qt::KeyboardModifiers modifiers) {
    unsigned flags = kModNone;
    if (modifiers & Qt::ShiftModifier) flags |= kModShift;
    if (modifiers & Qt::ControlModifier) flags |= kModCtrl;
    if (modifiers & Qt::AltModifier) flags |= kModAlt;
    return flags;
}

MainView::MainView(MainCommands& commands, QWidget* parent)
    : QWidget(parent), commands_(commands), address_(new TQZStrGrid(this)), hex_(new TQZStrGrid(this)),
      text_(new TQZStrGrid(this)), scroll_(new QScrollBar(Qt::Vertical, this)) {
    address_->setObjectName("QZStrGridAddr");
    hex_->setObjectName("QZStrGridHex");
    text_->setObjectName("QZStrGridText");
    address_->setEnabled(false);
    address_->SetActiveLook(false);
    address_->SetRightAligned(true);
    scroll_->setFocusPolicy(Qt::NoFocus);
    dragScroll_ = new QTimer(this);
    dragScroll_->setInterval(60);
    connect(dragScroll_, &QTimer::timeout, this,
            [this] { commands_.MouseDrag(dragCell_.x(), dragCell_.y()); });
    for (TQZStrGrid* grid : {hex_, text_}) {
        const Pane pane = grid == hex_ ? Pane::Hex : Pane::Text;
        grid->selectHandler = [this](int col, int row) { return commands_.View().SelectCell(col, row); };
        grid->inBlock = [this](int col, int row) {
            const EditorState& s = commands_.State();
            const int64_t pos = s.view.TopAddress + static_cast<int64_t>(row) * s.view.Cols + col;
            return s.doc.IsOpen && s.block.begin != 0 && s.block.end != 0 && s.block.begin <= pos &&
                   pos <= s.block.end;
        };
        connect(grid, &TQZStrGrid::cellPressed, this, [this, pane, grid](int col, int row) {
            commands_.MouseDown(pane, col, row, grid->PressModifiers() & Qt::ShiftModifier);
            ActivatePane();
        });
        connect(grid, &TQZStrGrid::cellDragged, this, [this, grid](int col, int row) {
            dragCell_ = QPoint(col, row);
            commands_.MouseDrag(col, row);
            // Held above or below the grid, the view goes on scrolling a row at a time.
            if (row < 0 || row >= grid->RowCount())
                dragScroll_->start();
            else
                dragScroll_->stop();
        });
        connect(grid, &TQZStrGrid::mouseReleased, this, [this] {
            dragScroll_->stop();
            commands_.MouseUp();
        });
        connect(grid, &TQZStrGrid::cellDoubleClicked, this,
                [this](int col, int row) { commands_.MouseDoubleClick(col, row); });
        connect(grid, &TQZStrGrid::keyPressed, this, &MainView::OnKeyPressed);
        connect(grid, &TQZStrGrid::wheelTurned, this, &MainView::OnWheel);
        connect(grid, &TQZStrGrid::keyReleased, this, &MainView::OnKeyReleased);
    }
    connect(scroll_, &QScrollBar::actionTriggered, this, &MainView::OnScrollAction);
    connect(scroll_, &QScrollBar::sliderPressed, this, [this] { dragging_ = true; });
    connect(scroll_, &QScrollBar::sliderMoved, this,
            [this](int value) { commands_.ScrollBarAction(ScrollCode::ThumbTrack, Unscaled(value)); });
    connect(scroll_, &QScrollBar::sliderReleased, this, [this] {
        dragging_ = false;
        commands_.ScrollBarAction(ScrollCode::ThumbPosition, Unscaled(scroll_->sliderPosition()));
        commands_.ScrollBarAction(ScrollCode::EndScroll, Unscaled(scroll_->sliderPosition()));
    });
}

WindowMetrics MainView::Metrics() const {
    WindowMetrics m;
    m.borderWidth = 1;
    m.borderHeight = 1;
    m.scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m.gridLineWidth = commands_.State().view.ShowGrids ? 1 : 0;
    return m;
}

void MainView::SetPaneFont(const QFont& font) {
    for (TQZStrGrid* grid : {address_, hex_, text_})
        grid->setFont(font);
    const QFontMetrics metrics(font);
    addressDigits_ = commands_.State().view.AddressDigits;
    cells_ = CellSizesFor(
        [&](const std::string& t) { return metrics.horizontalAdvance(QString::fromStdString(t)); },
        [&](const std::string& t) { return metrics.boundingRect(QString::fromStdString(t)).height(); },
        addressDigits_);
}

bool MainView::AddressWidthChanged() const {
    return commands_.State().view.AddressDigits != addressDigits_;
}

void MainView::ApplyLayout(const GridLayout& layout) {
    const ViewState& v = commands_.State().view;
    const int line = v.ShowGrids ? 1 : 0;
    auto place = [&](TQZStrGrid* grid, const PixelRect& r, int colWidth) {
        grid->SetDefaultColWidth(colWidth);
        grid->SetDefaultRowHeight(cells_.rowHeight);
        grid->SetGridLineWidth(line);
        grid->setGeometry(r.left, r.top, r.width, r.height);
        grid->setVisible(r.width > 0);
    };
    place(address_, layout.address, cells_.addressColWidth);
    place(hex_, layout.hex, cells_.hexColWidth);
    place(text_, layout.text, cells_.textColWidth);
    scroll_->setGeometry(layout.scrollBar.left, layout.scrollBar.top, layout.scrollBar.width,
                         layout.scrollBar.height);
    Refresh();
}

QSize MainView::SetGridSize(int cols, int rows) {
    const GridLayout layout = commands_.SetGridSize(Metrics(), cells_, cols, rows);
    ApplyLayout(layout);
    return {layout.windowWidth, layout.windowHeight};
}

QSize MainView::SizeFor(int cols, int rows) const {
    const GridLayout layout = commands_.LayoutOf(Metrics(), cells_, cols, rows);
    return {layout.windowWidth, layout.windowHeight};
}

QSize MainView::FitToSize(QSize size) {
    const GridLayout layout = commands_.FormResize(Metrics(), cells_, size.width(), size.height());
    ApplyLayout(layout);
    return {layout.windowWidth, layout.windowHeight};
}

void MainView::ActivatePane() {
    TQZStrGrid* active = commands_.State().view.TextMode ? text_ : hex_;
    if (!active->hasFocus()) active->setFocus(Qt::OtherFocusReason);
}

void MainView::Refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    const EditorState& s = commands_.State();
    const ViewState& v = s.view;
    address_->SetCells(&v.addressCells, 1, v.Rows);
    hex_->SetCells(&v.hexCells, v.Cols, v.Rows);
    text_->SetCells(&v.textCells, v.Cols, v.Rows);
    const bool open = s.doc.IsOpen;
    hex_->SetSelected(open ? v.CursorCol : -1, v.CursorRow);
    text_->SetSelected(open ? v.CursorCol : -1, v.CursorRow);
    address_->SetSelected(open && s.doc.Size() > 0 ? 0 : -1, v.addressRow);
    // ColorBlock is a Windows colour value: red in the low byte, blue in the third.
    const int color = s.options.colorBlock;
    for (TQZStrGrid* grid : {hex_, text_})
        grid->blockColor = QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    hex_->SetActiveLook(!v.TextMode);
    text_->SetActiveLook(v.TextMode);
    for (TQZStrGrid* grid : {address_, hex_, text_})
        grid->update();
    // Windows' range with a page maps onto Qt's range of thumb positions.
    const TQZScrollBar& bar = v.scrollBar;
    const QSignalBlocker block(scroll_);
    scroll_->setEnabled(bar.Enabled && bar.Max > 0);
    // Qt's bar counts in int: a range beyond that is shown in steps of scale_ units.
    constexpr int64_t kQtRange = INT32_MAX;
    scrollMin_ = bar.Min;
    scale_ = std::max<int64_t>(1, (bar.Max - bar.Min) / kQtRange + 1);
    const int64_t page = std::max<int64_t>(bar.PageSize, 1);
    scroll_->setRange(0, Scaled(std::max(bar.Min, bar.Max - page + 1)));
    scroll_->setPageStep(static_cast<int>(std::max<int64_t>(page / scale_, 1)));
    scroll_->setSingleStep(static_cast<int>(std::max<int64_t>(bar.SmallChange / scale_, 1)));
    if (!dragging_) scroll_->setValue(Scaled(bar.Position));
    ActivatePane();
    refreshing_ = false;
}

void MainView::OnKeyPressed(QKeyEvent* event) {
    const unsigned modifiers = ModifiersOf(event->modifiers());
    const Key key = KeyOf(event->key());
    if (key != Key::Other) commands_.KeyDown(key, modifiers);
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !(modifiers & (kModCtrl | kModAlt)))
        commands_.KeyPress(text.toUcs4().value(0));
    commands_.DrainPostedKeys(modifiers);
}

// The wheel scrolls three rows per notch, the cursor keeping its cell, as the arrow keys do at
// the window's edges.
void MainView::OnWheel(int notches) {
    EditorState& s = commands_.State();
    if (!s.doc.IsOpen) return;
    for (int row = 0; row < 3 * std::abs(notches); ++row) {
        if (notches < 0 && s.view.LastVisible < s.doc.Size())
            commands_.View().ScrollRowDown();
        else if (notches > 0 && s.view.TopAddress > 1)
            commands_.View().ScrollRowUp();
    }
    Refresh();
}

void MainView::OnKeyReleased(QKeyEvent* event) {
    commands_.KeyUp(KeyOf(event->key()), ModifiersOf(event->modifiers()));
}

void MainView::OnScrollAction(int action) {
    ScrollCode code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        code = ScrollCode::LineDown;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        code = ScrollCode::LineUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = ScrollCode::PageDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = ScrollCode::PageUp;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = ScrollCode::Top;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = ScrollCode::Bottom;
        break;
    default:
        return; // thumb moves are reported by sliderMoved and sliderReleased
    }
    commands_.ScrollBarAction(code, Unscaled(scroll_->sliderPosition()));
    // Each click or key on the bar is one complete scroll action.
    commands_.ScrollBarAction(ScrollCode::EndScroll, Unscaled(scroll_->sliderPosition()));
    Refresh();
}

} // namespace qhe
