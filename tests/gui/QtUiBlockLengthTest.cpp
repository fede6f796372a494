#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "editor/BlockLength.h"
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
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(kTextBlockNCaption));
        test::WhenModalShows([](QWidget* error) { test::PressKey(error, Qt::Key_Return); });
        ConfirmText(dialog, "$A"); // 10 bytes from position 5 pass the end of 10 bytes
        kept = dialog->findChild<QLineEdit*>(QStringLiteral("QZNumEdit1"))->text();
        ConfirmText(dialog, "3");
    });
    EXPECT_EQ(ui.AskBlockLength({5, 10, "0"}), 3);
    EXPECT_EQ(kept, "$A");
}

TEST(QtUiBlockLength, CancelAnswersNothing) {
    QtUi ui;
    test::WhenModalShows(
        [](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("ButtonCancel"))->click(); });
    EXPECT_EQ(ui.AskBlockLength({1, 10, "0"}), std::nullopt);
}

} // namespace
} // namespace qhe
