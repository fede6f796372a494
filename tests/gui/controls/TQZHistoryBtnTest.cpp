#include "gui/controls/TQZHistoryBtn.h"

#include <QLineEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsFileName.h"
#include "gui/controls/ControlsWindow.h"

namespace qhe {
namespace {

constexpr char kSection[] = "QZHistoryTest";

void StoreEntries(const std::vector<std::string>& entries) {
    ProfileSession profile(SettingsFileName());
    WriteHistorySection(profile, kSection, entries);
    profile.Commit();
}

std::vector<std::string> StoredEntries() {
    return ReadHistorySection(ProfileSession(SettingsFileName()), kSection);
}

// A dialog with an edit and its history button on the test section.
struct HistoryDialog {
    HistoryDialog() : edit(new QLineEdit), window(edit) {
        edit->setObjectName(QStringLiteral("EditFind"));
        button = new TQZHistoryBtn(edit, kSection);
        button->setObjectName(QStringLiteral("HistoryFind"));
        edit->setFocus(Qt::OtherFocusReason);
    }
    QLineEdit* edit;
    test::ControlsWindow window;
    TQZHistoryBtn* button;
};

TEST(TQZHistoryBtnTest, LoadsAtCreationAndSavesWhenDestroyed) {
    StoreEntries({"last", "before"});
    {
        HistoryDialog dialog;
        EXPECT_EQ(dialog.edit->text(), "last"); // the dialog opens with the last text used
        EXPECT_EQ(dialog.button->Items(), (QStringList{"last", "before"}));
        EXPECT_EQ(dialog.button->geometry().left(), dialog.edit->geometry().right() + 1);
        EXPECT_EQ(dialog.button->height(), dialog.edit->height());
        dialog.edit->setText("new");
        dialog.window.other->setFocus(Qt::TabFocusReason); // leaving the edit remembers its text
        EXPECT_EQ(dialog.button->Items(), (QStringList{"new", "last", "before"}));
    }
    EXPECT_EQ(StoredEntries(), (std::vector<std::string>{"new", "last", "before"}));
}

TEST(TQZHistoryBtnTest, AcceptingTheDialogRemembersTheText) {
    StoreEntries({});
    {
        HistoryDialog dialog;
        QTest::keyClicks(dialog.edit, "typed");
        QTest::keyClick(dialog.edit, Qt::Key_Return);
        EXPECT_EQ(dialog.window.result(), QDialog::Accepted);
    }
    EXPECT_EQ(StoredEntries(), (std::vector<std::string>{"typed"}));
}

TEST(TQZHistoryBtnTest, KeysTakeEntries) {
    StoreEntries({"a", "b", "c"});
    HistoryDialog dialog;
    QLineEdit* edit = dialog.edit;
    QTest::keyClick(edit, Qt::Key_PageDown);
    EXPECT_EQ(edit->text(), "c");
    EXPECT_EQ(edit->selectedText(), "c");
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "b");
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down); // stays on the last
    EXPECT_EQ(edit->text(), "c");
    QTest::keyClick(edit, Qt::Key_PageUp);
    EXPECT_EQ(edit->text(), "a");
    edit->setText("elsewhere");
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "a");
}

TEST(TQZHistoryBtnTest, DropDownListChoosesAnEntry) {
    StoreEntries({"first", "second"});
    HistoryDialog dialog;
    dialog.edit->clear();
    QTest::mouseClick(dialog.button, Qt::LeftButton);
    QListWidget* list = dialog.button->PopupList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), " second ");
    EXPECT_GE(list->width(), dialog.edit->width());
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(dialog.button->PopupList(), nullptr);
    EXPECT_EQ(dialog.edit->text(), "second");
    EXPECT_EQ(dialog.edit->selectedText(), "second");
    EXPECT_EQ(dialog.button->Items(), (QStringList{"second", "first", "second"}));

    dialog.edit->setEnabled(false);
    QTest::mouseClick(dialog.button, Qt::LeftButton);
    EXPECT_EQ(dialog.button->PopupList(), nullptr);
}

TEST(TQZHistoryBtnTest, ChosenEntryIsStoredOnce) {
    StoreEntries({"first", "second"});
    {
        HistoryDialog dialog;
        QTest::mouseClick(dialog.button, Qt::LeftButton);
        ASSERT_NE(dialog.button->PopupList(), nullptr);
        dialog.button->PopupList()->setCurrentRow(1);
        QTest::keyClick(dialog.button->PopupList(), Qt::Key_Return);
    }
    EXPECT_EQ(StoredEntries(), (std::vector<std::string>{"second", "first"}));
}

TEST(TQZHistoryBtnTest, HooksCanRefuse) {
    StoreEntries({"kept"});
    HistoryDialog dialog;
    dialog.button->OnAdd = [](const QString& text) { return !text.startsWith("secret"); };
    dialog.button->AddEntry("secret word");
    dialog.button->AddEntry("plain");
    EXPECT_EQ(dialog.button->Items(), (QStringList{"plain", "kept"}));
    dialog.button->OnSelect = [](const QString&) { return false; };
    dialog.edit->setText("x");
    QTest::keyClick(dialog.edit, Qt::Key_PageDown);
    EXPECT_EQ(dialog.edit->text(), "x");
}

TEST(TQZHistoryBtnTest, SecondButtonOnOneEditIsRefused) {
    StoreEntries({});
    HistoryDialog dialog;
    TQZHistoryBtn second;
    second.setObjectName(QStringLiteral("Second"));
    try {
        second.SetEdit(dialog.edit);
        FAIL() << "linked twice";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "EditFind is already linked to HistoryFind");
    }
}

} // namespace
} // namespace qhe
