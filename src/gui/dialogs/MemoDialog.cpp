#include "gui/dialogs/MemoDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/text/Messages.h"
#include "gui/dialogs/DialogPlacement.h"
#include "gui/dialogs/DialogUnits.h"

namespace qhe {
namespace {

// The copy glyph: the theme's icon when there is one, else two overlapping sheets.
QIcon CopyIcon() {
    QIcon icon = QIcon::fromTheme(QStringLiteral("edit-copy"));
    if (!icon.isNull()) return icon;
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(1, 1, 8, 10);
    painter.drawRect(6, 4, 8, 10);
    return QIcon(pixmap);
}

} // namespace

MemoDialog::MemoDialog(const QString& caption, const QString& text, int helpContext, HelpHandler help,
                       QWidget* parent)
    : QDialog(parent) {
    const DialogUnits du(font());
    setWindowTitle(caption);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setGeometry(du.Rect(10, 8, 230, 53));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    memo_->setPalette(palette);
    memo_->setPlainText(NormalizeLineBreaks(text));

    auto* ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setGeometry(du.Rect(10, 68, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    copy_ = new QPushButton(this);
    copy_->setObjectName(QStringLiteral("ButtonCopy"));
    copy_->setIcon(CopyIcon());
    copy_->setToolTip(QString::fromStdString(Msg(324)));
    copy_->setGeometry(du.Rect(70, 68, 50, 14));
    copy_->setAutoDefault(false);
    connect(copy_, &QPushButton::clicked, this, [this] { done(kCopyResult); });

    if (helpContext != 0) {
        auto* helpButton = new QPushButton(tr("帮助(&H)"), this);
        helpButton->setObjectName(QStringLiteral("ButtonHelp"));
        helpButton->setGeometry(du.Rect(130, 68, 50, 14));
        helpButton->setAutoDefault(false);
        connect(helpButton, &QPushButton::clicked, this, [help, helpContext] {
            if (help) help(helpContext);
        });
    }
    ok->setFocus();
    setFixedSize(du.X(250), du.Y(88));
    CenterOverActiveWindow(this);
}

void MemoDialog::reject() {
    accept();
}

QString MemoDialog::NormalizeLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void MemoDialog::Run(const QString& caption, const QString& text, int helpContext, HelpHandler help,
                     QWidget* parent) {
    MemoDialog dialog(caption, text, helpContext, std::move(help), parent);
    if (dialog.exec() == kCopyResult) QGuiApplication::clipboard()->setText(dialog.memo_->toPlainText());
}

} // namespace qhe
