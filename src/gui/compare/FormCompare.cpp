#include "gui/compare/FormCompare.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <climits>

#include "core/compare/DiffLines.h"
#include "editor/compare/CompareCommands.h"
#include "gui/FormGeometryQt.h"
#include "gui/Icons.h"
#include "gui/compare/ComparePane.h"
#include "gui/compare/DiffListModel.h"

namespace qhe {
namespace {

constexpr int64_t kRow = ComparePane::kBytesPerRow;
// Work per slice of the event loop: about 15 ms, checked every budget of bytes.
constexpr int kSliceMs = 15;
constexpr int64_t kSliceBudget = int64_t{32} << 20;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TFormCompare::TFormCompare(QWidget* owner, CompareCommands& commands, std::shared_ptr<CompareSession> session)
    : QWidget(owner, Qt::Window), commands_(commands) {
    setObjectName("TFormCompare");
    setAttribute(Qt::WA_DeleteOnClose);
    summary_ = new QLabel(this);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_ = new QLabel(this);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // The buttons with their keys; each key also works without its button having focus.
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, const char* icon, const QList<QKeySequence>& keys,
                            auto slot) {
        auto* action = new QAction(text, this);
        if (icon) action->setIcon(ToolButtonIcon(icon));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        QStringList names;
        for (const QKeySequence& key : keys)
            names << key.toString(QKeySequence::NativeText);
        action->setToolTip(action->text().remove('&') +
                           (names.isEmpty() ? "" : " (" + names.join(", ") + ")"));
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        auto* tool = new QToolButton(this);
        tool->setDefaultAction(action);
        tool->setToolButtonStyle(icon ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
        tool->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(tool);
        return action;
    };
    button(tr("第一处差异"), "QZBtnFirst", {QKeySequence(Qt::CTRL | Qt::Key_F7)}, [this] { ShowRange(0); });
    button(tr("上一处差异"), "QZBtnPrevious", {QKeySequence(Qt::Key_F7), QKeySequence(Qt::CTRL | Qt::Key_Up)},
           [this] { ShowRange(session_->Current() - 1); });
    button(tr("下一处差异"), "QZBtnNext", {QKeySequence(Qt::Key_F8), QKeySequence(Qt::CTRL | Qt::Key_Down)},
           [this] { ShowRange(session_->Current() + 1); });
    button(tr("最后一处差异"), "QZBtnLast", {QKeySequence(Qt::CTRL | Qt::Key_F8)},
           [this] { ShowRange(static_cast<int64_t>(session_->Ranges().size()) - 1); });
    button(tr("转到(&G)..."), nullptr, {QKeySequence(Qt::CTRL | Qt::Key_G)}, [this] { GotoOffset(); });
    button(tr("在编辑器中转到(&E)"), nullptr, {QKeySequence(Qt::CTRL | Qt::Key_E)}, [this] {
        if (!commands_.GotoInEditor(*session_, cursorA_) || !parentWidget()) return;
        // The editor comes to the front, over this window.
        QWidget* editor = parentWidget()->window();
        editor->raise();
        editor->activateWindow();
    });
    button(tr("保存列表(&S)..."), nullptr, {QKeySequence(Qt::CTRL | Qt::Key_S)},
           [this] { commands_.SaveList(*session_); });
    resync_ = new QCheckBox(tr("同步插入和删除(&R)"), this);
    resync_->setToolTip(tr("差异之后, 在两边再次有一段字节相同处继续比较, 插入或删除的字节只算一处差异"));
    resync_->setChecked(commands_.Options().resync);
    connect(resync_, &QCheckBox::toggled, this, [this](bool on) {
        commands_.SetResync(on);
        if (auto again = commands_.Again(*session_)) SetSession(std::move(again));
    });
    auto* run = new QSpinBox(this);
    run->setRange(kMinResyncRun, kMaxResyncRun);
    run->setValue(commands_.Options().run);
    run->setSuffix(tr(" 字节"));
    run->setToolTip(tr("两边连续这么多字节相同, 才算重新同步"));
    run->setEnabled(resync_->isChecked());
    connect(resync_, &QCheckBox::toggled, run, &QSpinBox::setEnabled);
    connect(run, &QSpinBox::editingFinished, this, [this, run] {
        if (run->value() == session_->Options().run) return;
        commands_.SetResyncRun(run->value());
        if (auto again = commands_.Again(*session_)) SetSession(std::move(again));
    });
    auto* runLabel = new QLabel(tr("同步长度(&N):"), this);
    runLabel->setBuddy(run);
    buttons->addSpacing(12);
    buttons->addWidget(resync_);
    buttons->addWidget(runLabel);
    buttons->addWidget(run);
    buttons->addStretch();
    button(tr("关闭"), "QZBtnExit", {QKeySequence(Qt::Key_Escape)}, [this] { close(); });

    auto* sides = new QWidget(this);
    auto* sideLayout = new QGridLayout(sides);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    for (int side = 0; side < 2; ++side) {
        names_[side] = new QLabel(sides);
        names_[side]->setObjectName(side == 0 ? "SideNameA" : "SideNameB");
        names_[side]->setMinimumWidth(1);
        names_[side]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        sideLayout->addWidget(names_[side], 0, side);
        panes_[side] = new ComparePane(side, sides);
        sideLayout->addWidget(panes_[side], 1, side);
        sideLayout->setColumnStretch(side, 1);
        connect(panes_[side], &ComparePane::clicked, this, [this, side](int64_t offset) {
            userMoved_ = true;
            MoveCursor(side == 0 ? offset : offset - delta_);
        });
    }
    panes_[0]->installEventFilter(this);
    panes_[1]->installEventFilter(this);
    scroll_ = new QScrollBar(Qt::Vertical, sides);
    sideLayout->addWidget(scroll_, 1, 2);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        if (value * scrollScale_ != topA_ / kRow) ScrollTo(int64_t{value} * scrollScale_ * kRow);
    });

    model_ = new DiffListModel(this);
    list_ = new QTableView(this);
    list_->setObjectName("ListDiffs");
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 4);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the columns fit (SizeList)
    list_->setFocusPolicy(Qt::NoFocus);
    connect(list_, &QTableView::clicked, this, [this](const QModelIndex& index) { ShowRange(index.row()); });

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(sides);
    splitter->addWidget(list_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setCollapsible(1, false);

    // Shown once the editor's bytes or a file changed after the compare.
    auto* staleRow = new QHBoxLayout;
    staleHint_ = new QLabel(this);
    staleHint_->setObjectName("StaleHint");
    staleHint_->setWordWrap(true);
    again_ = new QPushButton(tr("重新比较(&A)"), this);
    again_->setObjectName("CompareAgain");
    connect(again_, &QPushButton::clicked, this, [this] {
        if (auto again = commands_.Again(*session_)) SetSession(std::move(again));
    });
    staleRow->addWidget(staleHint_, 1);
    staleRow->addWidget(again_);
    staleHint_->hide();
    again_->hide();
    staleTimer_ = new QTimer(this);
    staleTimer_->setInterval(1000);
    connect(staleTimer_, &QTimer::timeout, this, [this] { CheckStale(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addLayout(staleRow);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    layout->addWidget(status_);

    timer_ = new QTimer(this);
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, [this] { Tick(); });
    SetSession(std::move(session));
    resize(sizeHint().expandedTo(QSize(2 * panes_[0]->sizeHint().width() + 60, 560)));
    RestoreFormGeometry(this);
    setFocusPolicy(Qt::StrongFocus);
}

TFormCompare::~TFormCompare() {
    SaveFormGeometry(this);
}

void TFormCompare::SetSession(std::shared_ptr<CompareSession> session) {
    session_ = std::move(session);
    for (ComparePane* pane : panes_)
        pane->SetSession(session_.get());
    model_->SetSession(session_.get());
    setWindowTitle(Q(session_->Caption()));
    ShowNames();
    SizeList();
    staleHint_->hide();
    again_->hide();
    staleTimer_->start();
    topA_ = cursorA_ = delta_ = 0;
    userMoved_ = false;
    timer_->start();
    Tick();
}

void TFormCompare::Tick() {
    QElapsedTimer clock;
    clock.start();
    const bool hadRanges = !session_->Ranges().empty();
    while (!session_->Finished() && clock.elapsed() < kSliceMs)
        session_->Advance(kSliceBudget);
    if (session_->Finished()) timer_->stop();
    model_->Grow();
    if (!hadRanges && !session_->Ranges().empty() && !userMoved_) ShowRange(0);
    UpdateScrollBar();
    Refresh();
}

void TFormCompare::RunToEnd() {
    while (!session_->Finished())
        Tick();
}

std::vector<QWidget*> TFormCompare::RefreshedParts() const {
    return {panes_[0], panes_[1], status_};
}

int64_t TFormCompare::Rows() const {
    const int64_t end = std::max(session_->Size(0), session_->Size(1) - delta_);
    return end / kRow + 1;
}

void TFormCompare::UpdateScrollBar() {
    const int64_t rows = Rows();
    scrollScale_ = rows / (INT_MAX / 2) + 1;
    const QSignalBlocker block(scroll_);
    scroll_->setRange(0, static_cast<int>(rows / scrollScale_));
    scroll_->setPageStep(std::max(1, panes_[0]->RowsVisible()));
    scroll_->setValue(static_cast<int>(topA_ / kRow / scrollScale_));
}

void TFormCompare::ScrollTo(int64_t topA) {
    const int64_t last = std::max<int64_t>(0, (Rows() - panes_[0]->RowsVisible() + 1) * kRow);
    topA_ = std::clamp<int64_t>(topA / kRow * kRow, 0, last);
    UpdateScrollBar();
    Refresh();
}

void TFormCompare::MoveCursor(int64_t offsetA) {
    const int64_t end = std::max<int64_t>(0, std::max(session_->Size(0), session_->Size(1) - delta_) - 1);
    cursorA_ = std::clamp<int64_t>(offsetA, 0, end);
    const int rows = panes_[0]->RowsVisible();
    if (cursorA_ < topA_)
        ScrollTo(cursorA_);
    else if (cursorA_ >= topA_ + rows * kRow)
        ScrollTo(cursorA_ - (rows - 1) * kRow);
    else
        Refresh();
}

void TFormCompare::ShowRange(int64_t index) {
    if (index < 0 || index >= static_cast<int64_t>(session_->Ranges().size())) return;
    session_->Select(index);
    const DiffRange& r = session_->Ranges()[static_cast<size_t>(index)];
    delta_ = session_->Options().resync ? (r.offsetB + r.lengthB) - (r.offsetA + r.lengthA) : 0;
    cursorA_ = r.offsetA;
    // The range a few rows below the top, so what comes before it shows too.
    const int context = std::min(3, panes_[0]->RowsVisible() / 4);
    ScrollTo(std::max<int64_t>(0, r.offsetA - context * kRow));
    list_->selectRow(static_cast<int>(index));
}

void TFormCompare::GotoOffset() {
    bool ok = false;
    const QString text =
        QInputDialog::getText(this, tr("转到"), tr("文件 A 中的偏移 (十六进制):"), QLineEdit::Normal,
                              QString::number(cursorA_, 16).toUpper(), &ok);
    if (!ok) return;
    const auto offset = commands_.ReadOffset(*session_, text.toStdString());
    if (!offset) return;
    userMoved_ = true;
    if (session_->Options().resync) delta_ = session_->AlignedB(*offset) - *offset;
    const int64_t index = session_->RangeFrom(*offset);
    if (index < static_cast<int64_t>(session_->Ranges().size())) {
        session_->Select(index);
        list_->selectRow(static_cast<int>(index));
    }
    MoveCursor(*offset);
}

std::vector<bool> TFormCompare::Shifted() const {
    std::vector<bool> shifted;
    if (!session_->Options().resync) return shifted;
    for (int row = 0; row <= panes_[0]->RowsVisible(); ++row) {
        const int64_t offsetA = topA_ + row * kRow;
        if (offsetA >= session_->Size(0) || offsetA + delta_ >= session_->Size(1)) break;
        shifted.push_back(session_->AlignedB(offsetA) != offsetA + delta_);
    }
    return shifted;
}

const std::vector<bool>& TFormCompare::ShiftedRows() const {
    return panes_[0]->ShiftedRows();
}

void TFormCompare::Refresh() {
    std::vector<bool> shifted = Shifted();
    panes_[0]->ShowFrom(topA_, cursorA_, shifted);
    panes_[1]->ShowFrom(topA_ + delta_, CursorB(), std::move(shifted));
    summary_->setText(SummaryText());
    status_->setText(StatusText());
}

QString TFormCompare::SummaryText() const {
    return Q(session_->Summary());
}

QString TFormCompare::StatusText() const {
    return Q(session_->Status(cursorA_, CursorB()));
}

int64_t TFormCompare::CursorB() const {
    return session_->Options().resync ? session_->AlignedB(cursorA_) : cursorA_;
}

void TFormCompare::keyPressEvent(QKeyEvent* event) {
    const int rows = panes_[0]->RowsVisible();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    int64_t to = cursorA_;
    switch (event->key()) {
    case Qt::Key_Left:
        to -= 1;
        break;
    case Qt::Key_Right:
        to += 1;
        break;
    case Qt::Key_Up:
        to -= kRow;
        break;
    case Qt::Key_Down:
        to += kRow;
        break;
    case Qt::Key_PageUp:
        to -= rows * kRow;
        break;
    case Qt::Key_PageDown:
        to += rows * kRow;
        break;
    case Qt::Key_Home:
        to = ctrl ? 0 : cursorA_ / kRow * kRow;
        break;
    case Qt::Key_End:
        to = ctrl ? INT64_MAX / 2 : cursorA_ / kRow * kRow + kRow - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    userMoved_ = true;
    MoveCursor(to);
}

void TFormCompare::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) ScrollTo(topA_ - int64_t{steps} * 3 * kRow);
}

void TFormCompare::ShowNames() {
    for (int side = 0; side < 2; ++side) {
        const QString name = (side == 0 ? "A: " : "B: ") + Q(session_->Name(side));
        const int width = std::max(40, panes_[side]->width());
        names_[side]->setText(names_[side]->fontMetrics().elidedText(name, Qt::ElideMiddle, width));
        names_[side]->setToolTip(name);
    }
}

void TFormCompare::SizeList() {
    // Each column as wide as its widest text can be, so the list never scrolls sideways.
    const QFontMetrics metrics = list_->fontMetrics(), header = list_->horizontalHeader()->fontMetrics();
    const int pad = 3 * metrics.horizontalAdvance(QLatin1Char('0'));
    const int64_t largest = std::max(session_->Size(0), session_->Size(1));
    const QString offset(OffsetDigits(largest), QLatin1Char('F'));
    const QString length(QString::number(largest).size(), QLatin1Char('0'));
    const QString samples[] = {QString::number(CompareSession::kMaxKeptRanges), offset, offset, length,
                               length};
    int kind = 0;
    for (const DiffRange& r :
         {DiffRange{0, 0, 1, 1, true}, DiffRange{0, 0, 1, 0, true}, DiffRange{0, 0, 0, 1, true}})
        kind = std::max(kind, metrics.horizontalAdvance(Q(CompareSession::KindText(r))));
    int total = 0;
    for (int column = 0; column < 6; ++column) {
        const QString title = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int text = column < 5 ? metrics.horizontalAdvance(samples[column]) : kind;
        const int width = pad + std::max(text, header.horizontalAdvance(title));
        list_->setColumnWidth(column, width);
        total += width;
    }
    list_->setMinimumWidth(total + list_->verticalScrollBar()->sizeHint().width() + 2 * list_->frameWidth() +
                           4);
    // Rows enough to see a few ranges at a time.
    list_->setMinimumHeight(list_->horizontalHeader()->sizeHint().height() +
                            8 * list_->verticalHeader()->defaultSectionSize() + 2 * list_->frameWidth());
}

void TFormCompare::CheckStale() {
    if (!staleHint_->isHidden()) return;
    const std::string note = commands_.StaleNote(*session_);
    if (note.empty()) return;
    staleTimer_->stop();
    staleHint_->setText(Q(note));
    staleHint_->show();
    again_->show();
}

void TFormCompare::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) CheckStale();
    QWidget::changeEvent(event);
}

void TFormCompare::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window of its own, not one kept over the editor: "Goto in editor" brings the editor up.
    if (QWindow* window = windowHandle()) window->setTransientParent(nullptr);
}

bool TFormCompare::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panes_[1] && event->type() == QEvent::Resize) ShowNames();
    if (watched == panes_[0] && event->type() == QEvent::Resize) {
        // The first range was shown before the panes had their size: again, with rows above it.
        if (!userMoved_ && session_->Current() >= 0) ShowRange(session_->Current());
        UpdateScrollBar();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qhe
