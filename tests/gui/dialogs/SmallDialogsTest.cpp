#include "gui/dialogs/InputTextDialog.h"
#include "gui/dialogs/ListBoxDialog.h"
#include "gui/dialogs/MemoDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "gui/DialogDriver.h"

namespace qhe {
namespace {

TEST(InputTextDialog, OkTakesTheEditedText) {
    test::WhenModalShows([](QWidget* window) {
        auto* edit = window->findChild<QLineEdit*>(QStringLiteral("EditText"));
        EXPECT_EQ(edit->selectedText(), QStringLiteral("old"));
        QTest::keyClicks(edit, QStringLiteral("new"));
        test::PressKey(window, Qt::Key_Return);
    });
    QString value = QStringLiteral("old");
    EXPECT_TRUE(InputTextDialog::Run(QStringLiteral("Caption"), QStringLiteral("Prompt"), value, 0, nullptr));
    EXPECT_EQ(value, QStringLiteral("new"));
}

TEST(InputTextDialog, EscapeCancelsAndKeepsTheValue) {
    test::WhenModalShows([](QWidget* window) {
        QTest::keyClicks(window->findChild<QLineEdit*>(), QStringLiteral("x"));
        test::PressKey(window, Qt::Key_Escape);
    });
    QString value = QStringLiteral("old");
    EXPECT_FALSE(
        InputTextDialog::Run(QStringLiteral("Caption"), QStringLiteral("Prompt"), value, 0, nullptr));
    EXPECT_EQ(value, QStringLiteral("old"));
}

TEST(InputTextDialog, HelpButtonOnlyWithAHelpContext) {
    InputTextDialog plain(QStringLiteral("c"), QStringLiteral("p"), QString(), 0, nullptr);
    EXPECT_EQ(plain.findChild<QPushButton*>(QStringLiteral("ButtonHelp")), nullptr);
    EXPECT_EQ(plain.Edit()->maxLength(), 255);
    int shown = 0;
    InputTextDialog withHelp(QStringLiteral("c"), QStringLiteral("p"), QString(), 7,
                             [&](int c) { shown = c; });
    withHelp.findChild<QPushButton*>(QStringLiteral("ButtonHelp"))->click();
    EXPECT_EQ(shown, 7);
    EXPECT_LT(withHelp.findChild<QPushButton*>(QStringLiteral("ButtonOK"))->x(),
              plain.findChild<QPushButton*>(QStringLiteral("ButtonOK"))->x());
}

TEST(TFormListBox, DeleteThenOkAnswersTheIndexInTheShortenedList) {
    test::WhenModalShows([](QWidget* window) {
        auto* box = static_cast<TFormListBox*>(window);
        EXPECT_EQ(box->SelectedIndex(), 1);
        box->findChild<QPushButton*>(QStringLiteral("ButtonDelete"))->click(); // drops "b"
        EXPECT_EQ(box->List()->count(), 3);
        box->List()->setCurrentRow(2); // "d"
        test::PressKey(window, Qt::Key_Return);
    });
    int index = 1;
    const QStringList entries{"a", "b", "c", "d"};
    EXPECT_TRUE(TFormListBox::Run(QStringLiteral("书签"), entries, true, 0, index, nullptr));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(entries.size(), 4);
}

TEST(TFormListBox, DeletingTheLastEntrySelectsTheNewLastAndAnEmptyListCannotBeConfirmed) {
    TFormListBox box(QStringLiteral("c"), {"a", "b"}, true, 0, 1, nullptr);
    auto* ok = box.findChild<QPushButton*>(QStringLiteral("ButtonOK"));
    box.DeleteSelected();
    EXPECT_EQ(box.SelectedIndex(), 0);
    EXPECT_TRUE(ok->isEnabled());
    box.DeleteSelected();
    EXPECT_EQ(box.SelectedIndex(), -1);
    EXPECT_FALSE(ok->isEnabled());
}

TEST(TFormListBox, ButtonsDependOnDeleteAndHelp) {
    TFormListBox plain(QStringLiteral("c"), {"a"}, false, 0, 0, nullptr);
    EXPECT_EQ(plain.findChild<QPushButton*>(QStringLiteral("ButtonDelete")), nullptr);
    EXPECT_EQ(plain.findChild<QPushButton*>(QStringLiteral("ButtonHelp")), nullptr);
    TFormListBox full(QStringLiteral("c"), {"a"}, true, 3, 0, nullptr);
    EXPECT_EQ(full.findChild<QPushButton*>(QStringLiteral("ButtonDelete"))->text(), QStringLiteral("删除"));
    const int cancelX = full.findChild<QPushButton*>(QStringLiteral("ButtonCancel"))->x();
    EXPECT_GT(full.findChild<QPushButton*>(QStringLiteral("ButtonHelp"))->x(), cancelX);
    EXPECT_GT(cancelX, plain.findChild<QPushButton*>(QStringLiteral("ButtonCancel"))->x());
}

TEST(TFormListBox, EscapeCancels) {
    test::PressKeyOnNextModal(Qt::Key_Escape);
    int index = 0;
    EXPECT_FALSE(TFormListBox::Run(QStringLiteral("c"), {"a", "b"}, false, 0, index, nullptr));
}

TEST(MemoDialog, CopyButtonPutsTheTextOnTheClipboard) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    test::WhenModalShows([](QWidget* window) {
        auto* copy = window->findChild<QPushButton*>(QStringLiteral("ButtonCopy"));
        EXPECT_EQ(copy->toolTip(), QStringLiteral("确定, 把备忘内容复制到剪贴板"));
        copy->click();
    });
    MemoDialog::Run(QStringLiteral("CRC16/32"), QStringLiteral("line 1\r\nline 2"), 0, nullptr);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("line 1\nline 2"));
}

TEST(MemoDialog, OkAndEscapeLeaveTheClipboardAlone) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        test::PressKeyOnNextModal(key);
        MemoDialog::Run(QStringLiteral("c"), QStringLiteral("text"), 0, nullptr);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }
}

TEST(MemoDialog, MemoIsReadOnlyWithoutWrap) {
    MemoDialog memo(QStringLiteral("c"), QStringLiteral("a\rb"), 0, nullptr);
    EXPECT_TRUE(memo.Memo()->isReadOnly());
    EXPECT_EQ(memo.Memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(memo.Memo()->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_EQ(memo.Memo()->palette().color(QPalette::Base), memo.palette().color(QPalette::Button));
}

} // namespace
} // namespace qhe
