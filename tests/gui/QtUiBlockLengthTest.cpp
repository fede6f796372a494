#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "editor/blocks/BlockLength.h"
#include "gui/DialogDriver.h"
#include "gui/QtUi.h"

namespace qhe {
namespace {

// Types text into the number field and confirms it with the OK button.
void ConfirmText(QWidget* dialog, const QString& text) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("QZNumEdit1"));
    ASSERT_NE(edit, nullptr);
    edit->setText(text);
    dialog->findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click();
}

// The mark-n-bytes dialog only closes with a length that fits; a refused one shows message
// 2024 and the dialog stays open with the text as typed.
TEST(QtUiBlockLength, RefusedNumberKeepsTheDialogOpenUntilItFits) {
    QtUi ui;
    QString kept;
    test::WhenModalShows([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QString::fromStdString(kTextBlockNCaption.str()));
        test::WhenModalShows([](QWidget* error) { test::PressKey(error, Qt::Key_Return); });
        ConfirmText(dialog, "$A"); // 10 bytes from position 5 pass the end of 10 bytes
        kept = dialog->findChild<QLineEdit*>(QStringLiteral("QZNumEdit1"))->text();
        ConfirmText(dialog, "3");
    });
    EXPECT_EQ(ui.AskBlockLength({5, 10, "0"}), 3);
    EXPECT_EQ(kept, "$A");
}

// A pasted text that is no number is refused with 2024 on OK, not replaced by the start value.
TEST(QtUiBlockLength, TextThatIsNoNumberIsRefusedOnOk) {
    QtUi ui;
    QString shown, kept;
    test::WhenModalShows([&](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("QZNumEdit1"));
        QApplication::clipboard()->setText("xyz");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        test::WhenModalShows([&](QWidget* error) {
            shown = error->findChild<QLabel*>(QStringLiteral("LabelText"))->text();
            test::PressKey(error, Qt::Key_Return);
        });
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonOK")), Qt::LeftButton);
        kept = edit->text();
        ConfirmText(dialog, "3");
    });
    EXPECT_EQ(ui.AskBlockLength({1, 10, "5"}), 3);
    EXPECT_EQ(shown.trimmed(), "块尺寸无效");
    EXPECT_EQ(kept, "xyz");
}

TEST(QtUiBlockLength, CancelAnswersNothing) {
    QtUi ui;
    test::WhenModalShows(
        [](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("ButtonCancel"))->click(); });
    EXPECT_EQ(ui.AskBlockLength({1, 10, "0"}), std::nullopt);
}

} // namespace
} // namespace qhe
