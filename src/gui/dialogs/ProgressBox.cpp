#include "gui/dialogs/ProgressBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <initializer_list>

#include "core/text/Messages.h"
#include "gui/dialogs/DialogPlacement.h"
#include "gui/dialogs/DialogUnits.h"

namespace qhe {
namespace {
constexpr int kBorder = 1; // the box's own frame, in pixels
} // namespace

TProgressBox::TProgressBox(QWidget* owner, bool withCancel, bool withGauge, const QString& text,
                           const QString& caption)
    : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), owner_(owner) {
    // Not a child of the owner: a disabled owner would disable the box and its Cancel button too.
    // Window managers differ in the title-bar buttons they leave a dialog (some add close,
    // minimise and maximise whatever the window asks for), so the box has no frame from the
    // window manager and draws its own caption bar: a title and no buttons anywhere.
    setWindowTitle(caption);
    caption_ = new QLabel(caption, this);
    caption_->setObjectName(QStringLiteral("Caption"));
    caption_->setTextFormat(Qt::PlainText);
    caption_->setIndent(4);
    caption_->setAutoFillBackground(true);
    caption_->setBackgroundRole(QPalette::Highlight);
    caption_->setForegroundRole(QPalette::HighlightedText);
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    setObjectName(QStringLiteral("ProgressBox"));

    const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    const DialogUnits du(font(), dpi, 96);
    const int spacing = 7;
    const int clientWidth = 160, gaugeWidth = 130, buttonWidth = 50;
    const int gaugeLeft = (clientWidth - gaugeWidth) / 2;

    int top = spacing;
    if (!text.isEmpty()) {
        label_ = new QLabel(text, this);
        label_->setObjectName(QStringLiteral("LabelText"));
        label_->setTextFormat(Qt::PlainText);
        // One line of text is 8 vertical units high.
        label_->setGeometry(du.Rect(gaugeLeft, top, gaugeWidth, 8));
        top += 8 + spacing;
    } else {
        top = spacing / 2;
    }
    if (withGauge) {
        gauge_ = new QProgressBar(this);
        gauge_->setObjectName(QStringLiteral("Gauge"));
        gauge_->setRange(0, 100);
        gauge_->setValue(0);
        gauge_->setGeometry(du.Rect(gaugeLeft, top, gaugeWidth, 12));
        top += 12 + spacing;
    }
    if (withCancel) {
        cancel_ = new QPushButton(QString::fromStdString(Msg(307)), this);
        cancel_->setObjectName(QStringLiteral("ButtonCancel"));
        cancel_->setGeometry(du.Rect((clientWidth - buttonWidth) / 2, top, buttonWidth, 15));
        connect(cancel_, &QPushButton::clicked, this, &TProgressBox::Cancel);
        cancel_->setFocus();
        top += 15 + spacing;
    } else {
        top += spacing / 2;
    }
    const int captionHeight = caption_->fontMetrics().height() + 6;
    caption_->setGeometry(kBorder, kBorder, du.X(clientWidth), captionHeight);
    for (QWidget* child : std::initializer_list<QWidget*>{label_, gauge_, cancel_})
        if (child) child->move(child->pos() + QPoint(kBorder, kBorder + captionHeight));
    setFixedSize(du.X(clientWidth) + 2 * kBorder, du.Y(top) + captionHeight + 2 * kBorder);
    CenterOverActiveWindow(this);
}

TProgressBox::~TProgressBox() {
    ReleaseOwner();
}

void TProgressBox::ShowNow() {
    // Over a modal window (the print dialog, the preview) the box must be modal too, or its
    // Cancel button takes no input; otherwise it stays modeless and blocks input itself.
    if (QApplication::activeModalWidget()) setWindowModality(Qt::ApplicationModal);
    show();
    repaint();
}

void TProgressBox::RunPendingEvents() {
    QCoreApplication::processEvents();
}

bool TProgressBox::SetProgress(int64_t done, int64_t total, int step) {
    if (!gaugeValue_.Update(done, total, step)) return false;
    if (gauge_) gauge_->setValue(gaugeValue_.Value());
    RunPendingEvents();
    return true;
}

void TProgressBox::SetText(const std::string& text, int every) {
    if (!label_ || !textThrottle_.Due(every)) return;
    label_->setText(QString::fromStdString(text));
    RunPendingEvents();
}

void TProgressBox::SetCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
    caption_->setText(windowTitle());
    RunPendingEvents();
}

void TProgressBox::EnableCancel(bool enabled) {
    if (cancel_) cancel_->setEnabled(enabled);
    RunPendingEvents();
}

void TProgressBox::Cancel() {
    if (cancel_ && cancel_->isEnabled()) cancelled_ = true;
}

void TProgressBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// The caption bar moves the box, as a window manager's title bar would.
void TProgressBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && caption_->geometry().contains(event->position().toPoint()) &&
        windowHandle()) {
        windowHandle()->startSystemMove();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TProgressBox::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TProgressBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Cancel();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TProgressBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (disabled_.empty()) DisableOtherWindows();
}

// A window that was already disabled (by a modal dialog, say) is left to whoever disabled it.
void TProgressBox::DisableOtherWindows() {
    if (owner_) ownerFocus_ = owner_->window()->focusWidget();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == this || !window->isVisible() || !window->isEnabled() ||
            window->windowType() == Qt::ToolTip || window->windowType() == Qt::Popup)
            continue;
        window->setEnabled(false);
        disabled_.emplace_back(window);
    }
}

void TProgressBox::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    ReleaseOwner();
}

void TProgressBox::ReleaseOwner() {
    if (disabled_.empty()) return;
    const bool wasActive = QApplication::activeWindow() == this;
    for (const QPointer<QWidget>& window : disabled_)
        if (window) window->setEnabled(true);
    disabled_.clear();
    if (!owner_) return;
    // Disabling took the focus from the owner's focus widget; it gets it back, and the owner
    // becomes the active window again when the box was.
    if (ownerFocus_ && ownerFocus_->isVisible() && ownerFocus_->isEnabled())
        ownerFocus_->setFocus(Qt::ActiveWindowFocusReason);
    if (wasActive && owner_->isVisible()) owner_->activateWindow();
}

} // namespace qhe
