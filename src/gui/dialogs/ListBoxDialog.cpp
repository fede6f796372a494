#include "gui/dialogs/ListBoxDialog.h"

#include <QListWidget>
#include <QPushButton>

#include <algorithm>

#include "core/text/Messages.h"
#include "gui/dialogs/DialogPlacement.h"
#include "gui/dialogs/DialogUnits.h"

namespace qhe {

TFormListBox::TFormListBox(const QString& caption, const QStringList& entries, bool allowDelete,
                           int helpContext, int index, HelpHandler help, QWidget* parent)
    : QDialog(parent) {
    const DialogUnits du(font());
    setWindowTitle(caption);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox"));
    list_->setGeometry(du.Rect(10, 8, 230, 53));
    // The horizontal scroll range follows the widest entry, also after a deletion.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->addItems(entries);
    if (index >= 0 && index < list_->count()) list_->setCurrentRow(index);
    connect(list_, &QListWidget::itemSelectionChanged, this, &TFormListBox::UpdateButtons);

    int left = 10;
    ok_ = new QPushButton(tr("确定"), this);
    ok_->setObjectName(QStringLiteral("ButtonOK"));
    ok_->setGeometry(du.Rect(left, 68, 50, 14));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    left += 60;

    if (allowDelete) {
        delete_ = new QPushButton(QString::fromStdString(Msg(317)), this);
        delete_->setObjectName(QStringLiteral("ButtonDelete"));
        delete_->setGeometry(du.Rect(left, 68, 50, 14));
        delete_->setAutoDefault(false);
        connect(delete_, &QPushButton::clicked, this, &TFormListBox::DeleteSelected);
        left += 60;
    }

    auto* cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    cancel->setGeometry(du.Rect(left, 68, 50, 14));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    left += 60;

    if (helpContext != 0) {
        auto* helpButton = new QPushButton(tr("帮助(&H)"), this);
        helpButton->setObjectName(QStringLiteral("ButtonHelp"));
        helpButton->setGeometry(du.Rect(left, 68, 50, 14));
        helpButton->setAutoDefault(false);
        connect(helpButton, &QPushButton::clicked, this, [help, helpContext] {
            if (help) help(helpContext);
        });
    }
    list_->setFocus();
    UpdateButtons();
    setFixedSize(du.X(250), du.Y(88));
    CenterOverActiveWindow(this);
}

int TFormListBox::SelectedIndex() const {
    const auto selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void TFormListBox::DeleteSelected() {
    const int row = SelectedIndex();
    if (row < 0) return;
    delete list_->takeItem(row);
    if (list_->count() > 0) list_->setCurrentRow(std::min(row, list_->count() - 1));
    UpdateButtons();
}

// OK and delete act on the selected entry, so they are off while nothing is selected: an OK
// without a selection would hand the caller an index of -1.
void TFormListBox::UpdateButtons() {
    const bool selected = SelectedIndex() >= 0;
    ok_->setEnabled(selected);
    if (delete_) delete_->setEnabled(selected);
}

bool TFormListBox::Run(const QString& caption, const QStringList& entries, bool allowDelete, int helpContext,
                       int& index, HelpHandler help, QWidget* parent) {
    TFormListBox dialog(caption, entries, allowDelete, helpContext, index, std::move(help), parent);
    if (dialog.exec() != QDialog::Accepted || dialog.SelectedIndex() < 0) return false;
    index = dialog.SelectedIndex();
    return true;
}

} // namespace qhe
