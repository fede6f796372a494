#include "gui/dialogs/TFormHash.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/tools/HashCommands.h"

namespace qhe {

TFormHash::TFormHash(HashDialogModel& model, std::function<void(int)> help, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("TFormHash");
    setWindowTitle(tr("哈希值"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromStdString(model_.RangeText()), this));
    auto* choices = new QGridLayout;
    for (int i = 0; i < kHashKinds; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(HashTitle(static_cast<HashKind>(i)).data()), this);
        box->setChecked(model_.chosen[static_cast<size_t>(i)]);
        connect(box, &QCheckBox::toggled, this,
                [this, i](bool on) { model_.chosen[static_cast<size_t>(i)] = on; });
        choices->addWidget(box, i / 3, i % 3);
        boxes_.push_back(box);
    }
    layout->addLayout(choices);
    layout->addWidget(new QLabel(tr("BLAKE3: Debian 没有它的 C 程序库, 所以不提供"), this));
    resultsPanel_ = new QWidget(this);
    results_ = new QGridLayout(resultsPanel_);
    results_->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(resultsPanel_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* compute = buttons->addButton(tr("计算(&C)"), QDialogButtonBox::ActionRole);
    compute->setDefault(true);
    QPushButton* copyAll = buttons->addButton(tr("全部复制(&A)"), QDialogButtonBox::ActionRole);
    copyAll->setObjectName("ButtonCopyAll");
    buttons->addButton(tr("关闭"), QDialogButtonBox::RejectRole);
    QPushButton* helpButton = buttons->addButton(tr("帮助"), QDialogButtonBox::HelpRole);
    helpButton->setObjectName("ButtonHelp");
    connect(helpButton, &QPushButton::clicked, this, [help] {
        if (help) help(kHelpHashes);
    });
    connect(compute, &QPushButton::clicked, this, &TFormHash::Compute);
    connect(copyAll, &QPushButton::clicked, this, [this] { model_.CopyAll(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TFormHash::Compute() {
    // A pass that read lost pages clears the results: digests shown before go too.
    model_.Compute();
    ShowResults();
}

void TFormHash::ShowResults() {
    while (QLayoutItem* item = results_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int row = 0;
    for (const auto& [kind, digest] : model_.Results()) {
        results_->addWidget(new QLabel(QString::fromUtf8(HashTitle(kind).data()) + ":", resultsPanel_), row,
                            0);
        auto* field = new QLineEdit(QString::fromStdString(digest), resultsPanel_);
        field->setReadOnly(true);
        field->setObjectName(QString::fromUtf8(HashName(kind).data()));
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(64, QLatin1Char('0'))));
        results_->addWidget(field, row, 1);
        auto* copy = new QPushButton(tr("复制"), resultsPanel_);
        const size_t index = static_cast<size_t>(row);
        connect(copy, &QPushButton::clicked, this, [this, index] { model_.CopyOne(index); });
        results_->addWidget(copy, row, 2);
        ++row;
    }
    adjustSize();
}

} // namespace qhe
