#include "gui/dialogs/TFormFind.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/text/Messages.h"
#include "gui/controls/EntryFieldHelpers.h"
#include "gui/dialogs/ByteStringFields.h"
#include "gui/controls/TQZByteEdit.h"
#include "gui/controls/TQZHistoryBtn.h"
#include "gui/dialogs/DialogUnits.h"
#include "gui/dialogs/MessageDialog.h"

namespace qhe {
namespace {

QString MsgText(int id) {
    return QString::fromStdString(Msg(id));
}

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TFormFind::TFormFind(const FindDialogRequest& request, HelpHandler help, QWidget* parent)
    : QDialog(parent), count_(request.count), byteOrder_(request.byteOrder), help_(std::move(help)) {
    setObjectName(QStringLiteral("TFormFind"));
    setWindowTitle(MsgText(FindDialogCaptionId(count_)));
    const DialogUnits du(font());
    const int editHeight = QLineEdit().sizeHint().height();

    const ByteStringFields fields(
        this,
        {tr("文本字符串(&T)"), "RadioButtonText", MsgText(Utf16CaptionId(byteOrder_)), "CheckBoxFindUTF16",
         "EditFindT", "QZHistoryBtnFindT", QStringLiteral("QZHistoryFindT"), tr("文本 -> 十六进制"),
         "BitBtnConvert", tr("十六进制字符串(&H)"), "RadioButtonHex", "QZByteEditFindH", "QZHistoryBtnFindH",
         QStringLiteral("QZHistoryFindH")},
        du, 8, 6);
    radioText_ = fields.textRadio;
    utf16_ = fields.utf16;
    editText_ = fields.text;
    historyText_ = fields.textHistory;
    convert_ = fields.convert;
    radioHex_ = fields.hexRadio;
    editHex_ = fields.hex;
    editHex_->SetNextByteSource(request.documentByteAt);
    historyHex_ = fields.hexHistory;

    caseSensitive_ = Named(new QCheckBox(tr("区分大小写(&S)"), this), "CheckBoxCase");
    caseSensitive_->setGeometry(du.Rect(8, 68, 96, 10));
    jokerOn_ = Named(new QCheckBox(tr("通配符 Hex(&J):"), this), "CheckBoxJokerFind");
    jokerOn_->setGeometry(du.Rect(108, 68, 74, 10));
    joker_ = Named(new TQZByteEdit(this), "QZByteEditJoker");
    joker_->SetMaxBytes(1);
    joker_->setGeometry(du.X(184), du.Y(66), du.X(20), editHeight);
    jokerLabel_ = Named(new QLabel(this), "LabelJoker");
    jokerLabel_->setGeometry(du.Rect(208, 68, 20, 10));

    auto* direction = Named(new QGroupBox(tr("方向"), this), "GroupBoxDirection");
    direction->setGeometry(du.Rect(8, 84, 84, 42));
    down_ = Named(new QRadioButton(tr("向下(&D)"), direction), "rbtDown");
    down_->setGeometry(du.Rect(8, 13, 70, 10));
    up_ = Named(new QRadioButton(tr("向上(&U)"), direction), "rbtUp");
    up_->setGeometry(du.Rect(8, 27, 70, 10));
    auto* scope = Named(new QGroupBox(tr("范围从"), this), "GroupBoxScope");
    scope->setGeometry(du.Rect(98, 84, 84, 42));
    fromCursor_ = Named(new QRadioButton(tr("光标(&C)"), scope), "rbtCursor");
    fromCursor_->setGeometry(du.Rect(8, 13, 70, 10));
    fromEnd_ = Named(new QRadioButton(MsgText(kMsgScopeBegin), scope), "rbtBeginEnd");
    fromEnd_->setGeometry(du.Rect(8, 27, 70, 10));

    ok_ = Named(new QPushButton(tr("确定"), this), "ButtonOK");
    ok_->setGeometry(du.Rect(200, 84, 58, 14));
    ok_->setDefault(true);
    auto* cancel = Named(new QPushButton(tr("取消"), this), "ButtonCancel");
    cancel->setGeometry(du.Rect(200, 102, 58, 14));
    cancel->setAutoDefault(false);
    auto* helpButton = Named(new QPushButton(tr("帮助"), this), "ButtonHelp");
    helpButton->setGeometry(du.Rect(200, 120, 58, 14));
    helpButton->setAutoDefault(false);
    setFixedSize(du.X(266), du.Y(142));

    connect(joker_, &QLineEdit::textChanged, this, [this] { ShowJokerCharacter(joker_, jokerLabel_); });
    connect(down_, &QRadioButton::clicked, this, [this] { ShowDirection(true); });
    connect(up_, &QRadioButton::clicked, this, [this] { ShowDirection(false); });
    connect(ok_, &QPushButton::clicked, this, &TFormFind::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [this] {
        // The help page follows the caption, so Find and Count each open their own topic.
        if (help_) help_(windowTitle() == MsgText(kMsgFindCaption) ? kHelpFind : kHelpCount);
    });

    Load(request.options);
}

void TFormFind::Load(const FindOptions& options) {
    caseSensitive_->setChecked(options.caseSensitive);
    jokerOn_->setChecked(options.jokerOn);
    joker_->SetASCII(std::string(1, static_cast<char>(options.jokerByte)));
    ShowJokerCharacter(joker_, jokerLabel_);
    utf16_->setChecked(options.unicodeFind);
    (options.findDown ? down_ : up_)->setChecked(true);
    ShowDirection(options.findDown);
    (options.scopeFromCursor ? fromCursor_ : fromEnd_)->setChecked(true);
    radioText_->setChecked(true);
    if (options.findHex) radioHex_->setChecked(true);
}

void TFormFind::ShowDirection(bool down) {
    fromEnd_->setText(MsgText(ScopeEndCaptionId(down)));
}

QWidget* TFormFind::FieldOf(FindField field) const {
    switch (field) {
    case FindField::Joker:
        return joker_;
    case FindField::Text:
        return editText_;
    case FindField::Hex:
        return editHex_;
    case FindField::None:
        break;
    }
    return nullptr;
}

void TFormFind::OkClicked() {
    // Leaving the field lets it record its text in its history.
    ok_->setFocus(Qt::OtherFocusReason);
    FindEntries entries;
    entries.jokerText = joker_->text().toStdString();
    entries.textForm = radioText_->isChecked();
    entries.text = editText_->text().toStdString();
    entries.utf16 = utf16_->isChecked();
    entries.byteOrder = byteOrder_;
    entries.hexText = editHex_->text().toStdString();
    entries.caseSensitive = caseSensitive_->isChecked();
    const FindCheck check = CheckFindEntries(entries);
    const QString text = QString::fromStdString(FindCheckText(check.messageId));
    switch (check.outcome) {
    case FindCheck::Outcome::Accept:
        Accept(check.pattern, check.jokerByte);
        return;
    case FindCheck::Outcome::Error:
        MessageDialog::Run(text, MsgKind::Error, mbOK, mrOk, 0, true, help_, this);
        break;
    case FindCheck::Outcome::AskCase: {
        const int answer = MessageDialog::Run(text, MsgKind::Confirmation, mbYes | mbNo | mbCancel, mrCancel,
                                              0, true, help_, this);
        if (answer == mrYes) caseSensitive_->setChecked(true);
        if (answer == mrYes || answer == mrNo) {
            Accept(check.pattern, check.jokerByte);
            return;
        }
        break;
    }
    }
    if (QWidget* field = FieldOf(check.focus)) field->setFocus(Qt::OtherFocusReason);
}

void TFormFind::Accept(const std::string& pattern, uint8_t jokerByte) {
    FindDialogResult result;
    result.options.caseSensitive = caseSensitive_->isChecked();
    result.options.jokerOn = jokerOn_->isChecked();
    result.options.jokerByte = jokerByte;
    result.options.findHex = radioHex_->isChecked();
    result.options.unicodeFind = utf16_->isChecked();
    result.options.findDown = down_->isChecked();
    result.options.scopeFromCursor = fromCursor_->isChecked();
    result.pattern = pattern;
    result_ = std::move(result);
    accept();
}

} // namespace qhe
