#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "editor/BlockLength.h"
#include "gui/DialogDriver.h"
#include "gui/QtUi.h"

namespace qhe {
namespace {

// Types text into the input dialog and confirms it with its OK button.
void ConfirmText(QWidget* dialog, const QString& text) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("EditText"));
    ASSERT_NE(edit, nullptr);
    edit->setText(text);
    dialog->findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click();
}

// The mark-n-bytes dialog only closes with a length that fits; a refused one shows message
// 2024 and brings the dialog back with the text as typed.
TEST(QtUiBlockLength, RefusedNumberKeepsAskingUntilItFits) {
    QtUi ui;
    QString shownAgain;
    test::WhenModalShows([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(kTextBlockNCaption));
        ConfirmText(dialog, "$A"); // 10 bytes from position 5 pass the end of 10 bytes
        test::WhenModalShows([&](QWidget* error) {
            test::PressKey(error, Qt::Key_Return);
            test::WhenModalShows([&](QWidget* again) {
                shownAgain = again->findChild<QLineEdit*>(QStringLiteral("EditText"))->text();
                ConfirmText(again, "3");
            });
        });
    });
    EXPECT_EQ(ui.AskBlockLength({5, 10, "0"}), 3);
    EXPECT_EQ(shownAgain, "$A");
}

TEST(QtUiBlockLength, CancelAnswersNothing) {
    QtUi ui;
    test::WhenModalShows(
        [](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("ButtonCancel"))->click(); });
    EXPECT_EQ(ui.AskBlockLength({1, 10, "0"}), std::nullopt);
}

} // namespace
} // namespace qhe
