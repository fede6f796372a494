#include "gui/TFormInspect.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>

#include "gui/FormGeometryQt.h"

namespace qhe {

TFormInspect::TFormInspect(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint), panel_(new QWidget(this)),
      label_(new QLabel(panel_)), memo_(new QPlainTextEdit(this)) {
    setObjectName("TFormInspect");
    setWindowTitle("数据查看窗");
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
