#include "gui/dialogs/MessageDialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <array>
#include <vector>

#include "core/text/Messages.h"
#include "gui/dialogs/DialogPlacement.h"
#include "gui/dialogs/DialogUnits.h"

namespace qhe {
namespace {

struct ButtonInfo {
    MsgButton flag;
    MsgResult result; // mrNone for Help
    const char* caption;
    const char* objectName;
};

// Display order and captions of the buttons.
constexpr std::array<ButtonInfo, 11> kButtons{{
    {mbYes, mrYes, QT_TRANSLATE_NOOP("qhe::MessageDialog", "是(&Y)"), "ButtonYes"},
    {mbNo, mrNo, QT_TRANSLATE_NOOP("qhe::MessageDialog", "否(&N)"), "ButtonNo"},
    {mbOK, mrOk, QT_TRANSLATE_NOOP("qhe::MessageDialog", "确定"), "ButtonOK"},
    {mbCancel, mrCancel, QT_TRANSLATE_NOOP("qhe::MessageDialog", "取消"), "ButtonCancel"},
    {mbAbort, mrAbort, "&Abort", "ButtonAbort"},
    {mbRetry, mrRetry, "&Retry", "ButtonRetry"},
    {mbIgnore, mrIgnore, "&Ignore", "ButtonIgnore"},
    {mbAll, mrAll, "&All", "ButtonAll"},
    {mbNoToAll, mrNoToAll, "N&o to All", "ButtonNoToAll"},
    {mbYesToAll, mrYesToAll, "Yes to &All", "ButtonYesToAll"},
    {mbHelp, mrNone, QT_TRANSLATE_NOOP("qhe::MessageDialog", "帮助(&H)"), "ButtonHelp"},
}};

QStyle::StandardPixmap IconOf(MsgKind kind) {
    switch (kind) {
    case MsgKind::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MsgKind::Error:
        return QStyle::SP_MessageBoxCritical;
    case MsgKind::Information:
        return QStyle::SP_MessageBoxInformation;
    default:
        return QStyle::SP_MessageBoxQuestion;
    }
}

constexpr int kIconSize = 32;

} // namespace

QString MessageDialog::Caption(MsgKind kind) {
    switch (kind) {
    case MsgKind::Warning:
        return QString::fromStdString(Msg(700));
    case MsgKind::Error:
        return QString::fromStdString(Msg(701));
    case MsgKind::Information:
        return QString::fromStdString(Msg(702));
    case MsgKind::Confirmation:
        return QString::fromStdString(Msg(703));
    case MsgKind::Custom:
        break;
    }
    return QString::fromLatin1(kApplicationTitle);
}

MessageDialog::MessageDialog(const QString& text, MsgKind kind, unsigned buttons, MsgResult defaultButton,
                             int helpContext, bool showIcon, HelpHandler help, QWidget* parent)
    : QDialog(parent), default_(defaultButton), helpContext_(helpContext), help_(std::move(help)) {
    Build(text, kind, buttons, showIcon && kind != MsgKind::Custom);
}

void MessageDialog::Build(const QString& text, MsgKind kind, unsigned buttons, bool showIcon) {
    setWindowTitle(Caption(kind));
    const DialogUnits du(font());
    const int marginX = du.X(8), marginY = du.Y(8), spacingX = du.X(10), spacingY = du.Y(10);
    const int buttonW = du.X(50), buttonH = du.Y(14), buttonGap = du.X(4);

    // A box without any closing button could never be answered: it gets OK.
    if ((buttons & ~static_cast<unsigned>(mbHelp)) == 0) buttons |= mbOK;
    std::vector<const ButtonInfo*> shown;
    for (const ButtonInfo& info : kButtons)
        if (buttons & info.flag) shown.push_back(&info);
    // A default that is not shown falls back to the first closing button.
    bool defaultShown = false;
    for (const ButtonInfo* info : shown)
        defaultShown |= info->result == default_ && info->result != mrNone;
    if (!defaultShown) default_ = shown.front()->result;

    const QScreen* screen = parentWidget() && parentWidget()->screen() ? parentWidget()->screen()
                                                                       : QGuiApplication::primaryScreen();
    const int maxTextWidth = screen ? screen->geometry().width() / 2 : 400;

    textLabel_ = new QLabel(this);
    textLabel_->setObjectName(QStringLiteral("LabelText"));
    textLabel_->setTextFormat(Qt::PlainText);
    textLabel_->setWordWrap(true);
    textLabel_->setText(text);
    const QRect measured = textLabel_->fontMetrics().boundingRect(QRect(0, 0, maxTextWidth, 1 << 20),
                                                                  Qt::TextWordWrap | Qt::AlignLeft, text);
    const int textWidth = std::max(measured.width(), 1);
    int textHeight = std::max(measured.height(), textLabel_->heightForWidth(textWidth));
    int textLeft = marginX;
    int textAreaWidth = textWidth;
    if (showIcon) {
        textLeft += kIconSize + spacingX;
        textAreaWidth += kIconSize + spacingX;
        textHeight = std::max(textHeight, kIconSize);
        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("ImageIcon"));
        icon->setPixmap(style()->standardIcon(IconOf(kind), nullptr, this).pixmap(kIconSize, kIconSize));
        icon->setGeometry(marginX, marginY, kIconSize, kIconSize);
    }
    textLabel_->setGeometry(textLeft, marginY, textWidth, textHeight);

    const int count = static_cast<int>(shown.size());
    const int rowWidth = count * buttonW + (count - 1) * buttonGap;
    const int clientWidth = std::max(textAreaWidth, rowWidth) + 2 * marginX;
    const int clientHeight = textHeight + buttonH + spacingY + 2 * marginY;
    int x = (clientWidth - rowWidth) / 2;
    const int y = marginY + textHeight + spacingY;
    for (const ButtonInfo* info : shown) {
        auto* button = new QPushButton(tr(info->caption), this);
        button->setObjectName(QString::fromLatin1(info->objectName));
        button->setGeometry(x, y, buttonW, buttonH);
        x += buttonW + buttonGap;
        if (info->result == mrNone) {
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this] {
                if (help_) help_(helpContext_);
            });
            continue;
        }
        const int result = info->result;
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        if (info->result == default_) defaultButton_ = button;
    }
    defaultButton_->setDefault(true);
    defaultButton_->setFocus();
    setFixedSize(clientWidth, clientHeight);
    CenterOverActiveWindow(this);
}

void MessageDialog::reject() {
    done(default_);
}

int MessageDialog::Run(const QString& text, MsgKind kind, unsigned buttons, MsgResult defaultButton,
                       int helpContext, bool showIcon, HelpHandler help, QWidget* parent) {
    MessageDialog dialog(text, kind, buttons, defaultButton, helpContext, showIcon, std::move(help), parent);
    return dialog.exec();
}

} // namespace qhe
