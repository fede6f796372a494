#include "gui/DataInspWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTextBlock>
#include <QPlainTextEdit>

#include "gui/FormGeometryQt.h"

namespace qhe {

TFormInspect::TFormInspect(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint), panel_(new QWidget(this)),
      label_(new QLabel(panel_)), memo_(new QPlainTextEdit(this)) {
    setObjectName("TFormInspect");
    setWindowTitle(tr("数据查看窗"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    panel_->setObjectName("Panel1");
    label_->setObjectName("Label1");
    memo_->setObjectName("Memo1");
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFrameShape(QFrame::NoFrame);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = memo_->palette();
    colours.setColor(QPalette::Base, palette().color(QPalette::Button));
    colours.setColor(QPalette::Text, palette().color(QPalette::ButtonText));
    memo_->setPalette(colours);
    // Label lines and memo lines must be level: same font, no extra spacing.
    memo_->document()->setDocumentMargin(0);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel_);
    layout->addWidget(memo_, 1);
    // Until the user places it, the inspector sits beside the main window, wide enough for
    // the longest value.
    const int valueWidth = fontMetrics().horizontalAdvance("-1.79769313486232E308") + 12;
    resize(fontMetrics().horizontalAdvance("longint (±):") + 10 + valueWidth, height());
    if (owner) move(owner->frameGeometry().right() + 4, owner->frameGeometry().top());
    RestoreFormGeometry(this, "TFormInspect");
    memo_->viewport()->installEventFilter(this);
    memo_->installEventFilter(this);
}

std::pair<int, QString> TFormInspect::LineAt(QPoint point) const {
    const QTextCursor cursor = memo_->cursorForPosition(point);
    return {cursor.blockNumber(), cursor.block().text()};
}

bool TFormInspect::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo_ && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        // The main window's shortcuts also serve this tool window; claiming Ctrl+C here makes
        // it copy the values selected in the inspector instead of the marked block.
        event->accept();
        return true;
    }
    if (watched != memo_->viewport()) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto [line, text] = LineAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        emit editRequested(line, text);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        const QPoint point = static_cast<QMouseEvent*>(event)->position().toPoint();
        const auto [line, text] = LineAt(point);
        memo_->setTextCursor(memo_->cursorForPosition(point));
        QMenu menu(this);
        menu.setObjectName("PopupMenu1");
        QAction* configure = menu.addAction(tr("配置(&C)..."));
        configure->setObjectName("Configure1");
        QAction* edit = menu.addAction(tr("编辑(&E)..."));
        edit->setObjectName("Edit1");
        edit->setEnabled(lineEditable && lineEditable(line, text.toStdString()));
        QAction* chosen = menu.exec(memo_->viewport()->mapToGlobal(point));
        if (chosen == configure) emit configureRequested();
        if (chosen == edit) emit editRequested(line, text);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

TFormInspect::~TFormInspect() {
    SaveFormGeometry(this, "TFormInspect");
}

void TFormInspect::RebuildLabels(const DataInspSettings& options) {
    const InspectorLabels labels = BuildInspectorLabels(options);
    label_->setText(QString::fromStdString(labels.text));
    label_->adjustSize();
    panel_->setFixedWidth(label_->width() + 10);
    const int lines = std::max(labels.lineCount, 1);
    const int height = lines * fontMetrics().lineSpacing();
    label_->setFixedHeight(height);
    resize(width(), labels.lineCount == 0 ? fontMetrics().lineSpacing() : height);
}

void TFormInspect::RefreshValues(const std::string& values) {
    memo_->setPlainText(QString::fromStdString(values));
}

QString TFormInspect::Values() const {
    return memo_->toPlainText();
}
QString TFormInspect::Labels() const {
    return label_->text();
}

void TFormInspect::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closedByUser();
}

} // namespace qhe
