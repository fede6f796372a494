#include "gui/dialogs/NavigationDialogs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <climits>

#include "gui/controls/TQZHistoryBtn.h"
#include "gui/controls/TQZNumEdit.h"

namespace qhe {

const NumberEntryKind kGotoDialog{"TFormGoto",
                                  QT_TRANSLATE_NOOP("qhe::TFormNumberEntry", "转到地址"),
                                  QT_TRANSLATE_NOOP("qhe::TFormNumberEntry", "转到"),
                                  "QZHistoryGoTo",
                                  "QZHistoryBtnGoTo",
                                  true,
                                  54};
const NumberEntryKind kJumpDialog{"TFormJump",
                                  QT_TRANSLATE_NOOP("qhe::TFormNumberEntry", "输入同步跳宽"),
                                  QT_TRANSLATE_NOOP("qhe::TFormNumberEntry", "同步跳宽"),
                                  "QZHistoryJump",
                                  "QZHistoryBtnJump",
                                  false,
                                  0};
const NumberEntryKind kBlockLengthDialog{
    "TFormBlockN",
    QT_TRANSLATE_NOOP("qhe::TFormNumberEntry", "标记块所包含的字符个数"),
    QT_TRANSLATE_NOOP("qhe::TFormNumberEntry", "输入要标记的字符个数<n>"),
    "QZHistoryBlockN",
    "QZHistoryBtnBlockN",
    false,
    56};

TFormNumberEntry::TFormNumberEntry(const NumberEntryKind& kind, int mode, Accept accept,
                                   std::function<void(int)> help, QWidget* parent, const QString& initialText)
    : QDialog(parent), accept_(std::move(accept)) {
    const bool withModes = kind.withModes;
    setObjectName(kind.objectName);
    setWindowTitle(tr(kind.caption));
    auto* numberBox = new QGroupBox(tr(kind.groupTitle), this);
    field_ = new TQZNumEdit(numberBox);
    field_->setObjectName("QZNumEdit1");
    field_->SetDigitsFrac(0);
    field_->SetMin(INT32_MIN);
    field_->SetMax(INT32_MAX);
    field_->SetValue(0);
    if (initialText != "0") field_->setText(initialText);
    dec_ = new QRadioButton(tr("十进制(&D)"), numberBox);
    dec_->setObjectName("RadioButtonDec");
    hex_ = new QRadioButton(tr("十六进制(&H)"), numberBox);
    hex_->setObjectName("RadioButtonHex");
    connect(dec_, &QRadioButton::toggled, this, [this](bool on) {
        if (on && field_->Hex()) field_->SetHex(false);
    });
    connect(hex_, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !field_->Hex()) field_->SetHex(true);
    });
    // A "$" text (the start value, the history, a paste) makes the field hexadecimal; the
    // radios show the field's mode.
    connect(field_, &TQZNumEdit::HexChanged, this,
            [this](bool hex) { (hex ? hex_ : dec_)->setChecked(true); });
    auto* history = new TQZHistoryBtn(field_, kind.historySection, numberBox);
    history->setObjectName(kind.historyButton);
    (field_->Hex() ? hex_ : dec_)->setChecked(true);
    auto* numberLayout = new QVBoxLayout(numberBox);
    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(field_);
    fieldRow->addSpacing(TQZHistoryBtn::kButtonWidth);
    numberLayout->addLayout(fieldRow);
    auto* radios = new QHBoxLayout;
    radios->addWidget(dec_);
    radios->addWidget(hex_);
    numberLayout->addLayout(radios);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(numberBox);
    if (withModes) {
        auto* modeBox = new QGroupBox(tr("执行模式"), this);
        modeBox->setObjectName("RadioGroupGoMode");
        modes_ = new QButtonGroup(this);
        auto* modeLayout = new QVBoxLayout(modeBox);
        const QString captions[] = {tr("绝对(&A)"), tr("相对向下(&O)"), tr("相对向上(&U)")};
        for (int i = 0; i < 3; ++i) {
            auto* radio = new QRadioButton(captions[i], modeBox);
            modes_->addButton(radio, i);
            modeLayout->addWidget(radio);
        }
        if (QAbstractButton* checked = modes_->button(mode < 0 || mode > 2 ? 0 : mode))
            checked->setChecked(true);
        layout->addWidget(modeBox);
    }
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(tr("确定"), this);
    ok->setObjectName("ButtonOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName("ButtonCancel");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    if (kind.helpContext != 0) {
        auto* helpButton = new QPushButton(tr("帮助"), this);
        helpButton->setObjectName("ButtonHelp");
        const int context = kind.helpContext;
        connect(helpButton, &QPushButton::clicked, this, [help, context] {
            if (help) help(context);
        });
        buttons->addWidget(helpButton);
    }
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TFormNumberEntry::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    field_->setFocus();
    field_->selectAll();
}

int TFormNumberEntry::Mode() const {
    return modes_ ? modes_->checkedId() : 0;
}

void TFormNumberEntry::Confirm() {
    // A number is offered as the field shows it after the check ("$" and all); a text that is
    // no number is offered as typed, for the command to refuse with its message.
    field_->Validate();
    if (accept_ && !accept_(field_->text().toStdString(), Mode())) {
        field_->setFocus();
        field_->selectAll();
        return;
    }
    accept();
}

} // namespace qhe
