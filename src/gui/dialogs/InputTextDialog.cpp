#include "gui/dialogs/InputTextDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/dialogs/DialogPlacement.h"
#include "gui/dialogs/DialogUnits.h"

namespace qhe {

InputTextDialog::InputTextDialog(const QString& caption, const QString& prompt, const QString& value,
                                 int helpContext, HelpHandler help, QWidget* parent)
    : QDialog(parent) {
    const DialogUnits du(font());
    setWindowTitle(caption);

    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("LabelPrompt"));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(du.X(10), du.Y(8), du.X(170), du.CharHeight());

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("EditText"));
    edit_->setMaxLength(255);
    edit_->setText(value);
    edit_->selectAll();
    edit_->setGeometry(du.X(10), du.Y(19), du.X(170), edit_->sizeHint().height());
    label->setBuddy(edit_);

    const bool withHelp = helpContext != 0;
    auto* ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setGeometry(du.Rect(withHelp ? 10 : 30, 41, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    cancel->setGeometry(du.Rect(withHelp ? 70 : 110, 41, 50, 14));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (withHelp) {
        auto* helpButton = new QPushButton(tr("帮助(&H)"), this);
        helpButton->setObjectName(QStringLiteral("ButtonHelp"));
        helpButton->setGeometry(du.Rect(130, 41, 50, 14));
        helpButton->setAutoDefault(false);
        connect(helpButton, &QPushButton::clicked, this, [help, helpContext] {
            if (help) help(helpContext);
        });
    }
    edit_->setFocus();
    setFixedSize(du.X(190), du.Y(63));
    CenterOverActiveWindow(this);
}

QString InputTextDialog::Value() const {
    return edit_->text();
}

bool InputTextDialog::Run(const QString& caption, const QString& prompt, QString& value, int helpContext,
                          HelpHandler help, QWidget* parent) {
    InputTextDialog dialog(caption, prompt, value, helpContext, std::move(help), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    value = dialog.Value();
    return true;
}

} // namespace qhe
