#include "gui/dialogs/ToolDialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/tools/NumberTools.h"
#include "gui/controls/TQZHistoryBtn.h"

namespace qhe {
namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TFormEncode::TFormEncode(EncodeDialogModel& model, std::function<void(int)> help, QWidget* parent)
    : QDialog(parent), model_(model), number_(new QLineEdit(this)), here_(new QLineEdit(this)),
      types_(new QButtonGroup(this)), where_(new QButtonGroup(this)) {
    setObjectName("TFormEncode");
    setWindowTitle(tr("数字编码"));
    number_->setObjectName("EditNumber");
    auto* history = new TQZHistoryBtn(number_, "QZHistoryEnc", this);
    history->setObjectName("QZHistoryBtnEnc");
    if (!model_.text.empty()) number_->setText(QString::fromStdString(model_.text));
    here_->setObjectName("EditHere");
    here_->setReadOnly(true);

    auto* typeBox = new QGroupBox(tr("数字为"), this);
    typeBox->setObjectName("RadioGroupAs");
    auto* typeLayout = new QVBoxLayout(typeBox);
    const QString types[] = {tr("短整型( 1 字节 )(&S)"),  tr("字节型( 1 字节 )(&B)"),
                             tr("字类型( 2 字节 )(&W)"),  tr("整型  ( 2 字节 )(&I)"),
                             tr("长整型( 4 字节 )(&L)"),  tr("&32 位 IEEE 单精度实型"),
                             tr("&64 位 IEEE 双精度实型")};
    for (int i = 0; i < 7; ++i) {
        auto* radio = new QRadioButton(types[i], typeBox);
        types_->addButton(radio, i);
        typeLayout->addWidget(radio);
    }
    types_->button(model_.as)->setChecked(true);

    auto* whereBox = new QGroupBox(this);
    auto* whereLayout = new QVBoxLayout(whereBox);
    const QString places[][2] = {{"QZRadioBtnInsert", tr("在当前地址前插入(&E)")},
                                 {"QZRadioBtnOver", tr("覆盖当前地址(&O)")},
                                 {"QZRadioBtnHere", tr("这里(&H)")}};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(places[i][1], whereBox);
        radio->setObjectName(places[i][0]);
        where_->addButton(radio, i);
        whereLayout->addWidget(radio);
    }
    whereLayout->addWidget(here_);
    where_->button(model_.where)->setChecked(true);
    here_->setEnabled(model_.where == 2);
    connect(where_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on && id == 2) here_->setEnabled(true);
        if (on && id != 2) here_->setEnabled(false);
    });

    auto* order = new QLabel(QString::fromStdString(model_.ByteOrderLabel()), this);
    order->setObjectName("LabelByteOrder");
    auto* ok = Button(this, "ButtonOK", tr("确定"));
    ok->setDefault(true);
    auto* cancel = Button(this, "ButtonCancel", tr("取消"));
    auto* helpButton = Button(this, "ButtonHelp", tr("帮助"));
    connect(ok, &QPushButton::clicked, this, &TFormEncode::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [help] {
        if (help) help(55);
    });

    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(number_);
    numberRow->addSpacing(TQZHistoryBtn::kButtonWidth);
    auto* columns = new QHBoxLayout;
    columns->addWidget(typeBox);
    auto* right = new QVBoxLayout;
    right->addWidget(whereBox);
    right->addWidget(order);
    right->addStretch();
    columns->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(helpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(numberRow);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    number_->setFocus();
    number_->selectAll();
}

void TFormEncode::Confirm() {
    model_.as = types_->checkedId();
    model_.where = where_->checkedId();
    if (model_.Confirm(number_->text().toStdString())) {
        accept();
        return;
    }
    here_->setText(QString::fromStdString(model_.hereText));
    number_->setFocus();
}

void TFormEncode::done(int result) {
    // Type and output are remembered however the dialog closes.
    model_.as = types_->checkedId();
    model_.where = where_->checkedId();
    QDialog::done(result);
}

TFormBit::TFormBit(BitDialogModel& model, std::function<void(int)> help, QWidget* parent)
    : QDialog(parent), model_(model), label_(new QLabel(this)) {
    setObjectName("TFormBit");
    setWindowTitle(tr("Bit 编辑"));
    auto* group = new QGroupBox(tr("Bit 状态"), this);
    group->setObjectName("GroupBoxBits");
    auto* bitRow = new QHBoxLayout;
    // Bit 7 leftmost, as a binary number is written; the tab order follows.
    for (int i = 7; i >= 0; --i) {
        bits_[i] = new QCheckBox(QString("&%1").arg(i), group);
        bitRow->addWidget(bits_[i]);
        connect(bits_[i], &QCheckBox::clicked, this, [this] {
            ToModel();
            label_->setText(QString::fromStdString(model_.Label()));
        });
    }
    label_->setObjectName("LabelValue");
    auto* all = Button(group, "ButtonCheckAll", tr("全部检查(&C)"));
    auto* none = Button(group, "ButtonUncheckAll", tr("取消全部检查(&U)"));
    auto* toggle = Button(group, "ButtonToggleAll", tr("全部切换(&T)"));
    connect(all, &QPushButton::clicked, this, [this] {
        model_.value = 0xFF;
        FromModel();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        model_.value = 0;
        FromModel();
    });
    connect(toggle, &QPushButton::clicked, this, [this] {
        model_.value = static_cast<uint8_t>(~model_.value);
        FromModel();
    });
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(bitRow);
    groupLayout->addWidget(label_);
    auto* allRow = new QHBoxLayout;
    allRow->addWidget(all);
    allRow->addWidget(none);
    allRow->addWidget(toggle);
    groupLayout->addLayout(allRow);

    auto* set = Button(this, "ButtonSet", tr("设置"));
    set->setDefault(true);
    auto* reread = Button(this, "ButtonReread", tr("重读(&R)"));
    auto* cancel = Button(this, "ButtonCancel", tr("取消"));
    auto* helpButton = Button(this, "ButtonHelp", tr("帮助"));
    connect(set, &QPushButton::clicked, this, [this] {
        ToModel();
        accept();
    });
    connect(reread, &QPushButton::clicked, this, [this] {
        model_.Reread();
        FromModel();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [help] {
        if (help) help(9);
    });
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {set, reread, cancel, helpButton})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    FromModel();
    setFixedSize(sizeHint());
}

void TFormBit::FromModel() {
    for (int i = 0; i < 8; ++i)
        bits_[i]->setChecked(BitDialogModel::BitTest(model_.value, i));
    label_->setText(QString::fromStdString(model_.Label()));
}

void TFormBit::ToModel() {
    uint8_t value = 0;
    for (int i = 0; i < 8; ++i)
        value = BitDialogModel::BitAssign(value, i, bits_[i]->isChecked());
    model_.value = value;
}

} // namespace qhe
