#include "gui/dialogs/MessageDialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gui/DialogDriver.h"

namespace qhe {
namespace {

struct KeyCase {
    const char* name;
    unsigned buttons;
    MsgResult defaultButton;
    Qt::Key key;
    int expected;
};

class MessageDialogKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(MessageDialogKeys, AnswersWithTheDefaultButton) {
    const KeyCase& c = GetParam();
    test::PressKeyOnNextModal(c.key);
    const int result = MessageDialog::Run(QStringLiteral("要保存吗?"), MsgKind::Confirmation, c.buttons,
                                          c.defaultButton, 0, true, nullptr);
    EXPECT_EQ(result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MessageDialogKeys,
    ::testing::Values(
        KeyCase{"YesNoEscape", mbYes | mbNo, mrNo, Qt::Key_Escape, mrNo},
        KeyCase{"YesNoEnter", mbYes | mbNo, mrNo, Qt::Key_Return, mrNo},
        KeyCase{"YesNoCancelEscape", mbYes | mbNo | mbCancel, mrCancel, Qt::Key_Escape, mrCancel},
        KeyCase{"YesNoCancelEnter", mbYes | mbNo | mbCancel, mrCancel, Qt::Key_Enter, mrCancel},
        KeyCase{"OkEnter", mbOK, mrOk, Qt::Key_Return, mrOk},
        KeyCase{"DefaultYesEnter", mbYes | mbNo, mrYes, Qt::Key_Return, mrYes},
        KeyCase{"DefaultNotShownFallsBackToFirst", mbRetry | mbCancel, mrOk, Qt::Key_Return, mrCancel}),
    [](const auto& info) { return std::string(info.param.name); });

// Buttons of a box sorted from left to right.
std::vector<QPushButton*> ButtonsLeftToRight(const QDialog& dialog) {
    auto buttons = dialog.findChildren<QPushButton*>();
    std::vector<QPushButton*> sorted(buttons.begin(), buttons.end());
    std::sort(sorted.begin(), sorted.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    return sorted;
}

TEST(MessageDialog, ShowsEveryButtonInOrderWithItsCaption) {
    const unsigned all = mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore | mbAll | mbNoToAll |
                         mbYesToAll | mbHelp;
    MessageDialog dialog(QStringLiteral("x"), MsgKind::Warning, all, mrOk, 0, true, nullptr);
    QStringList captions;
    for (QPushButton* button : ButtonsLeftToRight(dialog)) {
        captions << button->text();
        EXPECT_LE(button->geometry().right(), dialog.width());
        EXPECT_GE(button->y(), dialog.TextLabel()->geometry().bottom());
    }
    EXPECT_EQ(captions, (QStringList{"是(&Y)", "否(&N)", "确定", "取消", "&Abort", "&Retry", "&Ignore",
                                     "&All", "N&o to All", "Yes to &All", "帮助(&H)"}));
}

TEST(MessageDialog, CaptionFollowsTheKind) {
    EXPECT_EQ(MessageDialog::Caption(MsgKind::Warning), QStringLiteral("警告"));
    EXPECT_EQ(MessageDialog::Caption(MsgKind::Error), QStringLiteral("错误"));
    EXPECT_EQ(MessageDialog::Caption(MsgKind::Information), QStringLiteral("信息"));
    EXPECT_EQ(MessageDialog::Caption(MsgKind::Confirmation), QStringLiteral("确认"));
    EXPECT_EQ(MessageDialog::Caption(MsgKind::Custom), QStringLiteral("QHE32"));
}

TEST(MessageDialog, DefaultButtonHasTheFocus) {
    MessageDialog dialog(QStringLiteral("x"), MsgKind::Confirmation, mbYes | mbNo | mbCancel, mrCancel, 0,
                         true, nullptr);
    ASSERT_NE(dialog.DefaultButton(), nullptr);
    EXPECT_EQ(dialog.DefaultButton()->objectName(), QStringLiteral("ButtonCancel"));
    EXPECT_EQ(dialog.focusWidget(), dialog.DefaultButton());
    EXPECT_TRUE(dialog.DefaultButton()->isDefault());
}

TEST(MessageDialog, HelpButtonShowsTheContextWithoutClosing) {
    std::vector<int> contexts;
    bool stillOpenAfterHelp = false;
    test::WhenModalShows([&](QWidget* window) {
        window->findChild<QPushButton*>(QStringLiteral("ButtonHelp"))->click();
        stillOpenAfterHelp = window->isVisible();
        test::PressKey(window, Qt::Key_Escape);
    });
    const int result = MessageDialog::Run(QStringLiteral("x"), MsgKind::Information, mbOK | mbHelp, mrOk, 42,
                                          true, [&](int context) { contexts.push_back(context); });
    EXPECT_TRUE(stillOpenAfterHelp);
    EXPECT_EQ(contexts, std::vector<int>{42});
    EXPECT_EQ(result, mrOk);
}

TEST(MessageDialog, LongTextWrapsWithinHalfTheScreenWidth) {
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("word%1 ").arg(i);
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("文件");
    MessageDialog dialog(text, MsgKind::Error, mbOK, mrOk, 0, true, nullptr);
    const QLabel* label = dialog.TextLabel();
    const int halfScreen = QGuiApplication::primaryScreen()->geometry().width() / 2;
    EXPECT_LE(label->width(), halfScreen);
    EXPECT_GT(label->height(), 2 * label->fontMetrics().height());
    EXPECT_GE(label->height(), label->heightForWidth(label->width())) << "last lines cut off";
    EXPECT_GE(dialog.width(), label->geometry().right());
}

TEST(MessageDialog, OneShortLineWithIconIsAtLeastIconHigh) {
    MessageDialog dialog(QStringLiteral("Ok"), MsgKind::Information, mbOK, mrOk, 0, true, nullptr);
    EXPECT_GE(dialog.TextLabel()->height(), 32);
    EXPECT_NE(dialog.findChild<QLabel*>(QStringLiteral("ImageIcon")), nullptr);
    EXPECT_GE(dialog.TextLabel()->x(), 32);
}

TEST(MessageDialog, WithoutIconTextStartsAtTheMargin) {
    MessageDialog dialog(QStringLiteral("Ok"), MsgKind::Information, mbOK, mrOk, 0, false, nullptr);
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("ImageIcon")), nullptr);
    EXPECT_LT(dialog.TextLabel()->x(), 32);
    EXPECT_LT(dialog.TextLabel()->height(), 32);
}

TEST(MessageDialog, ShowsTextLiterally) {
    MessageDialog dialog(QStringLiteral("<b>a&b</b>"), MsgKind::Custom, mbOK, mrOk, 0, true, nullptr);
    EXPECT_EQ(dialog.TextLabel()->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.TextLabel()->text(), QStringLiteral("<b>a&b</b>"));
}

} // namespace
} // namespace qhe
