#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsFileName.h"
#include "gui/DialogDriver.h"
#include "gui/QtUi.h"
#include "gui/controls/TQZNumEdit.h"

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
        field->setText("7");                                           // the field stays hexadecimal
        dialog->findChild<QPushButton*>("ButtonOK")->click();
    });
    const auto mode = ui.RunGotoDialog(0, [&](const std::string& text, int chosen) {
        offered.emplace_back(text, chosen);
        return text == "$7";
    });
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0], (std::pair<std::string, int>{"$1F", 1}));
    EXPECT_EQ(mode, 1);
}

void SetHistory(const char* section, const std::vector<std::string>& entries) {
    ProfileSession profile(SettingsFileName());
    WriteHistorySection(profile, section, entries);
    profile.Commit();
}

// Replaces the field's text as the user would: select all and paste or type.
void Paste(QLineEdit* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// A "$" entry from the history makes the field itself hexadecimal, not only the radio: digits
// typed over it are hex. A pasted "$2F" is confirmed with Enter; a pasted "xyz" reaches the
// command as typed (which refuses it) instead of the value before.
TEST(GotoDialog, DollarTextsMakeTheFieldHexadecimal) {
    SetHistory("QZHistoryGoTo", {"$20"});
    QtUi ui;
    std::vector<std::string> offered;
    test::WhenModalShows([&](QWidget* dialog) {
        auto* field = dialog->findChild<TQZNumEdit*>("QZNumEdit1");
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(), "$20");
        EXPECT_TRUE(field->Hex());
        EXPECT_TRUE(dialog->findChild<QRadioButton*>("RadioButtonHex")->isChecked());
        Paste(field, "xyz");
        QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
        Paste(field, "10");
        QTest::keyClick(field, Qt::Key_Return);
    });
    ASSERT_TRUE(ui.RunGotoDialog(0, [&](const std::string& text, int) {
        offered.push_back(text);
        return text == "$10";
    }));
    EXPECT_EQ(offered, (std::vector<std::string>{"xyz", "$10"}));

    SetHistory("QZHistoryJump", {"3"});
    offered.clear();
    test::WhenModalShows([&](QWidget* dialog) {
        auto* field = dialog->findChild<TQZNumEdit*>("QZNumEdit1");
        EXPECT_FALSE(field->Hex());
        Paste(field, "$2F");
        EXPECT_TRUE(dialog->findChild<QRadioButton*>("RadioButtonHex")->isChecked());
        QTest::keyClick(field, Qt::Key_Return);
    });
    EXPECT_TRUE(ui.RunJumpDialog([&](const std::string& text) {
        offered.push_back(text);
        return true;
    }));
    EXPECT_EQ(offered, (std::vector<std::string>{"$2F"}));
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
