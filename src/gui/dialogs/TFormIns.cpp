#include "gui/dialogs/TFormIns.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/text/Messages.h"
#include "editor/search/FindDialogModel.h"
#include "gui/controls/EntryFieldHelpers.h"
#include "gui/controls/TQZByteEdit.h"
#include "gui/controls/TQZHistoryBtn.h"
#include "gui/controls/TQZNumEdit.h"
#include "gui/dialogs/DialogUnits.h"
#include "gui/dialogs/MessageDialog.h"

namespace qhe {
namespace {

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TFormIns::TFormIns(const InsertDialogRequest& request, HelpHandler help, QWidget* parent)
    : QDialog(parent), overwrite_(request.overwrite), byteOrder_(request.byteOrder), help_(std::move(help)) {
    setObjectName(QStringLiteral("TFormIns"));
    const QString caption = QString::fromStdString(InsertDialogCaption(overwrite_));
    setWindowTitle(caption);
    const DialogUnits du(font());
    const int editHeight = QLineEdit().sizeHint().height();
    const int editWidth = du.X(170) - TQZHistoryBtn::kButtonWidth;

    auto* stringBox = Named(new QGroupBox(caption, this), "GroupBox1");
    stringBox->setGeometry(du.Rect(6, 4, 254, 80));
    radioText_ = Named(new QRadioButton(tr("文本字符串(&T)"), stringBox), "RadioButtonText");
    radioText_->setGeometry(du.Rect(8, 12, 96, 10));
    utf16_ = Named(new QCheckBox(QString::fromStdString(Msg(Utf16CaptionId(byteOrder_))), stringBox),
                   "CheckBoxUTF16");
    utf16_->setGeometry(du.Rect(108, 12, 140, 10));
    editText_ = Named(new QLineEdit(stringBox), "EditInsT");
    editText_->setGeometry(du.X(8), du.Y(24), editWidth, editHeight);
    Named(new TQZHistoryBtn(editText_, QStringLiteral("QZHistoryInsT"), stringBox), "QZHistoryBtnInsT");
    convert_ = Named(new QPushButton(tr("文本(&X) -> Hex"), stringBox), "BitBtnConvert");
    convert_->setGeometry(du.Rect(182, 23, 66, 14));
    convert_->setAutoDefault(false);
    radioHex_ = Named(new QRadioButton(tr("&Hex 字符串"), stringBox), "RadioButtonHex");
    radioHex_->setGeometry(du.Rect(8, 44, 120, 10));
    editHex_ = Named(new TQZByteEdit(stringBox), "QZByteEditInsH");
    editHex_->setGeometry(du.X(8), du.Y(56), editWidth, editHeight);
    editHex_->SetNextByteSource(request.documentByteAt);
    Named(new TQZHistoryBtn(editHex_, QStringLiteral("QZHistoryInsH"), stringBox), "QZHistoryBtnInsH");

    countBox_ = Named(new QGroupBox(tr("插入 <n> 次数"), this), "GroupBox2");
    countBox_->setGeometry(du.Rect(6, 88, 180, 44));
    decN_ = Named(new QRadioButton(tr("十进制(&D)"), countBox_), "RadioButtonDecN");
    decN_->setGeometry(du.Rect(8, 12, 70, 10));
    hexN_ = Named(new QRadioButton(tr("十六进制(&H)"), countBox_), "RadioButtonHexN");
    hexN_->setGeometry(du.Rect(84, 12, 80, 10));
    count_ = Named(new TQZNumEdit(countBox_), "QZNumEdit1");
    count_->SetDigitsFrac(0);
    count_->SetMin(0);
    count_->SetMax(kInsertCountMax);
    count_->SetValue(1);
    count_->setGeometry(du.X(8), du.Y(25), du.X(100), editHeight);
    connect(decN_, &QRadioButton::toggled, this, [this](bool on) {
        if (on && count_->Hex()) count_->SetHex(false);
    });
    connect(hexN_, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !count_->Hex()) count_->SetHex(true);
    });
    // A "$" count (from the history or pasted) makes the field hexadecimal; the radios show
    // the field's mode.
    connect(count_, &TQZNumEdit::HexChanged, this,
            [this](bool hex) { (hex ? hexN_ : decN_)->setChecked(true); });
    Named(new TQZHistoryBtn(count_, QStringLiteral("QZHistoryInsN"), countBox_), "QZHistoryBtnInsN");
    (count_->Hex() ? hexN_ : decN_)->setChecked(true);
    countBox_->setVisible(!overwrite_);

    ok_ = Named(new QPushButton(tr("确定"), this), "ButtonOK");
    ok_->setGeometry(du.Rect(196, 92, 64, 14));
    ok_->setDefault(true);
    auto* cancel = Named(new QPushButton(tr("取消"), this), "ButtonCancel");
    cancel->setGeometry(du.Rect(196, 110, 64, 14));
    cancel->setAutoDefault(false);
    auto* helpButton = Named(new QPushButton(tr("帮助"), this), "ButtonHelp");
    helpButton->setGeometry(du.Rect(196, 128, 64, 14));
    helpButton->setAutoDefault(false);
    setFixedSize(du.X(266), du.Y(148));

    connect(radioText_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ShowForm(true);
    });
    connect(radioHex_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ShowForm(false);
    });
    // A click on the form already chosen toggles nothing but still leads into its field.
    connect(radioText_, &QRadioButton::clicked, this, [this] { ShowForm(true); });
    connect(radioHex_, &QRadioButton::clicked, this, [this] { ShowForm(false); });
    connect(convert_, &QPushButton::clicked, this,
            [this] { ConvertTextToHex(editText_, editHex_, radioHex_); });
    connect(ok_, &QPushButton::clicked, this, &TFormIns::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [this] {
        if (help_) help_(InsertDialogHelpContext(overwrite_));
    });

    utf16_->setChecked(request.utf16);
    // The text form is checked first so that toggled fires for whichever form is chosen.
    radioText_->setChecked(true);
    if (request.hex) radioHex_->setChecked(true);
}

void TFormIns::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowForm(radioText_->isChecked());
}

void TFormIns::ShowForm(bool text) {
    if (text)
        ShowChosenField(editText_, editHex_);
    else
        ShowChosenField(editHex_, editText_);
}

QWidget* TFormIns::FieldOf(InsertField field) const {
    switch (field) {
    case InsertField::Text:
        return editText_;
    case InsertField::Hex:
        return editHex_;
    case InsertField::Count:
        return count_;
    case InsertField::None:
        break;
    }
    return nullptr;
}

void TFormIns::OkClicked() {
    // Leaving the fields lets the count take its typed text and the histories record theirs.
    ok_->setFocus(Qt::OtherFocusReason);
    // A count that is no number (it stays in the field on the way to OK) counts as none.
    const bool countIsNumber = overwrite_ || count_->Validate();
    InsertEntries entries;
    entries.textForm = radioText_->isChecked();
    entries.text = editText_->text().toStdString();
    entries.utf16 = utf16_->isChecked();
    entries.byteOrder = byteOrder_;
    entries.hexText = editHex_->text().toStdString();
    entries.withCount = !overwrite_;
    entries.count = countIsNumber ? count_->Value() : 0;
    const InsertCheck check = CheckInsertEntries(entries);
    if (check.messageId != 0) {
        MessageDialog::Run(QString::fromStdString(Msg(check.messageId)), MsgKind::Error, mbOK, mrOk, 0, true,
                           help_, this);
        if (QWidget* field = FieldOf(check.focus)) field->setFocus(Qt::OtherFocusReason);
        return;
    }
    InsertDialogResult result;
    result.bytes = check.bytes;
    result.count = check.count;
    result.hex = radioHex_->isChecked();
    result.utf16 = utf16_->isChecked();
    result_ = std::move(result);
    accept();
}

} // namespace qhe
