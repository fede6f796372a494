#include "gui/dialogs/TFormReplace.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/text/Messages.h"
#include "gui/controls/EntryFieldHelpers.h"
#include "gui/controls/TQZByteEdit.h"
#include "gui/dialogs/ByteStringFields.h"
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

TFormReplace::TFormReplace(const ReplaceDialogRequest& request, HelpHandler help, QWidget* parent)
    : QDialog(parent), byteOrder_(request.byteOrder), help_(std::move(help)), options_(request.options) {
    setObjectName(QStringLiteral("TFormReplace"));
    setWindowTitle(QString::fromStdString(kTextReplaceCaption.str()));
    const DialogUnits du(font());
    const int editHeight = QLineEdit().sizeHint().height();

    auto* findGroup = Named(new QGroupBox(tr("查找"), this), "GroupBoxFind");
    findGroup->setGeometry(du.Rect(6, 4, 266, 70));
    find_ = std::make_unique<ByteStringFields>(
        findGroup,
        ByteStringFieldNames{tr("&Text 字符串"), "RadioButtonFindT", MsgText(Utf16CaptionId(byteOrder_)),
                             "CheckBoxFindUTF16", "EditFindT", "QZHistoryBtnFindT",
                             QStringLiteral("QZHistoryFindT"), QStringLiteral("Text -> Hex"),
                             "BitBtnConvFind", tr("&Hex 字符串"), "RadioButtonFindH", "QZByteEditFindH",
                             "QZHistoryBtnFindH", QStringLiteral("QZHistoryFindH")},
        du, 6, 10);
    find_->hex->SetNextByteSource(request.documentByteAt);

    auto* replaceGroup = Named(new QGroupBox(tr("替换用"), this), "GroupBoxReplace");
    replaceGroup->setGeometry(du.Rect(6, 78, 266, 70));
    replacement_ = std::make_unique<ByteStringFields>(
        replaceGroup,
        ByteStringFieldNames{tr("T&ext 字符串"), "RadioButtonReplT", MsgText(ReplUtf16CaptionId(byteOrder_)),
                             "CheckBoxReplUTF16", "EditReplT", "QZHistoryBtnReplT",
                             QStringLiteral("QZHistoryReplT"), QStringLiteral("Text -> Hex"),
                             "BitBtnConvertRepl", tr("He&x 字符串"), "RadioButtonReplH", "QZByteEditReplH",
                             "QZHistoryBtnReplH", QStringLiteral("QZHistoryReplH")},
        du, 6, 10);
    replacement_->hex->SetNextByteSource(request.documentByteAt);

    auto* options = Named(new QGroupBox(tr("选项"), this), "GroupBoxOptions");
    options->setGeometry(du.Rect(6, 152, 130, 42));
    caseSensitive_ = Named(new QCheckBox(tr("区分大小写(&S)"), options), "CheckBoxCase");
    caseSensitive_->setGeometry(du.Rect(6, 12, 110, 10));
    jokerOn_ = Named(new QCheckBox(tr("通配符 Hex(&J):"), options), "CheckBoxJokerFind");
    jokerOn_->setGeometry(du.Rect(6, 26, 70, 10));
    joker_ = Named(new TQZByteEdit(options), "QZByteEditJoker");
    joker_->SetMaxBytes(1);
    joker_->setGeometry(du.X(78), du.Y(24), du.X(20), editHeight);
    jokerLabel_ = Named(new QLabel(options), "LabelJoker");
    jokerLabel_->setGeometry(du.Rect(102, 26, 20, 10));

    auto* scope = Named(new QGroupBox(tr("范围从"), this), "GroupBoxScope");
    scope->setGeometry(du.Rect(142, 152, 70, 42));
    fromCursor_ = Named(new QRadioButton(tr("光标(&C)"), scope), "rbtCursor");
    fromCursor_->setGeometry(du.Rect(6, 12, 60, 10));
    fromBegin_ = Named(new QRadioButton(tr("请求(&B)"), scope), "rbtBeginEnd");
    fromBegin_->setGeometry(du.Rect(6, 26, 60, 10));

    auto* ok = Named(new QPushButton(tr("确定"), this), "ButtonOK");
    ok->setGeometry(du.Rect(218, 152, 54, 14));
    ok->setDefault(true);
    auto* all = Named(new QPushButton(tr("全部替换(&A)"), this), "ButtonReplAll");
    all->setGeometry(du.Rect(218, 168, 54, 14));
    all->setAutoDefault(false);
    auto* cancel = Named(new QPushButton(tr("取消"), this), "ButtonCancel");
    cancel->setGeometry(du.Rect(218, 184, 54, 14));
    cancel->setAutoDefault(false);
    auto* helpButton = Named(new QPushButton(tr("帮助"), this), "ButtonHelp");
    helpButton->setGeometry(du.Rect(218, 200, 54, 14));
    helpButton->setAutoDefault(false);
    setFixedSize(du.X(278), du.Y(220));

    connect(joker_, &QLineEdit::textChanged, this, [this] { ShowJokerCharacter(joker_, jokerLabel_); });
    connect(ok, &QPushButton::clicked, this, [this, ok] { OkClicked(ok, false); });
    connect(all, &QPushButton::clicked, this, [this, all] { OkClicked(all, true); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [this] {
        if (help_) help_(kHelpReplace);
    });

    Load(request.options);
}

TFormReplace::~TFormReplace() = default;

void TFormReplace::Load(const ReplaceOptions& options) {
    caseSensitive_->setChecked(options.find.caseSensitive);
    jokerOn_->setChecked(options.find.jokerOn);
    joker_->SetASCII(std::string(1, static_cast<char>(options.find.jokerByte)));
    ShowJokerCharacter(joker_, jokerLabel_);
    find_->utf16->setChecked(options.find.unicodeFind);
    replacement_->utf16->setChecked(options.unicodeRepl);
    (options.find.scopeFromCursor ? fromCursor_ : fromBegin_)->setChecked(true);
    find_->ChooseForm(options.find.findHex);
    replacement_->ChooseForm(options.replaceHex);
}

// The checks run in order and each failure shows its message and focuses its field; the
// replacement is checked even after a failure of the find part, as the user corrects both at once.
void TFormReplace::OkClicked(QPushButton* pressed, bool replaceAll) {
    // Leaving the field lets it record its text in its history.
    pressed->setFocus(Qt::OtherFocusReason);
    FindEntries entries;
    entries.jokerText = joker_->text().toStdString();
    entries.textForm = find_->textRadio->isChecked();
    entries.text = find_->text->text().toStdString();
    entries.utf16 = find_->utf16->isChecked();
    entries.byteOrder = byteOrder_;
    entries.hexText = find_->hex->text().toStdString();
    entries.caseSensitive = caseSensitive_->isChecked();
    const FindCheck check = CheckFindEntries(entries);
    const QString checkText = QString::fromStdString(FindCheckText(check.messageId));
    bool accepted = true;
    QWidget* focus = nullptr;
    if (check.outcome == FindCheck::Outcome::Error) {
        MessageDialog::Run(checkText, MsgKind::Error, mbOK, mrOk, 0, true, help_, this);
        accepted = false;
        focus = check.focus == FindField::Joker  ? static_cast<QWidget*>(joker_)
                : check.focus == FindField::Text ? static_cast<QWidget*>(find_->text)
                                                 : static_cast<QWidget*>(find_->hex);
    } else if (check.outcome == FindCheck::Outcome::AskCase) {
        const int answer = MessageDialog::Run(checkText, MsgKind::Confirmation, mbYes | mbNo | mbCancel,
                                              mrCancel, 0, true, help_, this);
        if (answer == mrYes) caseSensitive_->setChecked(true);
        if (answer != mrYes && answer != mrNo) {
            accepted = false;
            focus = find_->hex;
        }
    }
    ReplacementEntries replEntries;
    replEntries.textForm = replacement_->textRadio->isChecked();
    replEntries.text = replacement_->text->text().toStdString();
    replEntries.utf16 = replacement_->utf16->isChecked();
    replEntries.byteOrder = byteOrder_;
    replEntries.hexText = replacement_->hex->text().toStdString();
    const std::optional<std::string> replacementBytes = CheckReplacement(replEntries);
    if (!replacementBytes) {
        MessageDialog::Run(MsgText(kMsgHexInvalid), MsgKind::Error, mbOK, mrOk, 0, true, help_, this);
        accepted = false;
        focus = replacement_->hex;
    }
    if (!accepted) {
        if (focus) focus->setFocus(Qt::OtherFocusReason);
        return;
    }
    ReplaceDialogResult result;
    result.options = options_;
    result.options.find.caseSensitive = caseSensitive_->isChecked();
    result.options.find.jokerOn = jokerOn_->isChecked();
    result.options.find.jokerByte = check.jokerByte;
    result.options.find.findHex = find_->hexRadio->isChecked();
    result.options.find.unicodeFind = find_->utf16->isChecked();
    result.options.find.scopeFromCursor = fromCursor_->isChecked();
    result.options.replaceHex = replacement_->hexRadio->isChecked();
    result.options.unicodeRepl = replacement_->utf16->isChecked();
    result.findString = check.pattern;
    result.replaceString = *replacementBytes;
    result.replaceAll = replaceAll;
    result_ = std::move(result);
    accept();
}

} // namespace qhe
