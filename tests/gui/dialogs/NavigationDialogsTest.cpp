#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "gui/DialogDriver.h"
#include "gui/QtUi.h"

namespace qhe {
namespace {

// Goto: the mode comes back with OK; a refused value keeps the dialog open; "$" checks the
// hexadecimal radio.
TEST(GotoDialog, ModeAndValueReachTheCommand) {
    QtUi ui;
    std::vector<std::pair<std::string, int>> offered;
    test::WhenModalShows([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "转到地址");
        auto* field = dialog->findChild<QLineEdit*>("QZNumEdit1");
        ASSERT_NE(field, nullptr);
        field->setText("$1F");
        EXPECT_TRUE(dialog->findChild<QRadioButton*>("RadioButtonHex")->isChecked());
        dialog->findChildren<QRadioButton*>().at(3)->setChecked(true); // "相对向下"
        dialog->findChild<QPushButton*>("ButtonOK")->click();          // refused below
        field->setText("7");
        dialog->findChild<QPushButton*>("ButtonOK")->click();
    });
    const auto mode = ui.RunGotoDialog(0, [&](const std::string& text, int chosen) {
        offered.emplace_back(text, chosen);
        return text == "7";
    });
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0], (std::pair<std::string, int>{"$1F", 1}));
    EXPECT_EQ(mode, 1);
}

TEST(JumpDialog, CancelAnswersFalse) {
    QtUi ui;
    test::WhenModalShows([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "输入同步跳宽");
        dialog->findChild<QPushButton*>("ButtonCancel")->click();
    });
    EXPECT_FALSE(ui.RunJumpDialog([](const std::string&) { return true; }));
}

} // namespace
} // namespace qhe
