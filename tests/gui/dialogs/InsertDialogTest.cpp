#include "gui/dialogs/TFormIns.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsFileName.h"
#include "gui/DialogDriver.h"
#include "gui/controls/TQZByteEdit.h"
#include "gui/controls/TQZNumEdit.h"

namespace qhe {
namespace {

void ClearHistories() {
    ProfileSession profile(SettingsFileName());
    for (const char* section : {"QZHistoryInsT", "QZHistoryInsH", "QZHistoryInsN"})
        WriteHistorySection(profile, section, {});
    profile.Commit();
}

InsertDialogRequest WithEmptyHistories(InsertDialogRequest request, bool clear) {
    if (clear) ClearHistories();
    return request;
}

// An insert dialog over a request, with its controls by name.
struct InsertDialog {
    explicit InsertDialog(InsertDialogRequest request = {}, HelpHandler help = nullptr, bool clear = true)
        : dialog(WithEmptyHistories(std::move(request), clear), std::move(help)) {}

    template <typename T> T* Get(const char* name) {
        T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Text() { return Get<QLineEdit>("EditInsT"); }
    TQZByteEdit* Hex() { return Get<TQZByteEdit>("QZByteEditInsH"); }
    TQZNumEdit* Count() { return Get<TQZNumEdit>("QZNumEdit1"); }
    QRadioButton* Radio(const char* name) { return Get<QRadioButton>(name); }
    QCheckBox* Utf16() { return Get<QCheckBox>("CheckBoxUTF16"); }
    void Ok() { Get<QPushButton>("ButtonOK")->click(); }
    // Presses OK expecting an error box; answers its text.
    QString OkRefused() {
        QString shown;
        test::WhenModalShows([&](QWidget* box) {
            shown = box->findChild<QLabel*>("LabelText")->text();
            test::PressKey(box, Qt::Key_Return);
        });
        Ok();
        return shown;
    }

    TFormIns dialog;
};

TEST(InsertDialog, OpensWithTheRememberedChoices) {
    InsertDialogRequest request;
    request.hex = true;
    request.utf16 = true;
    request.byteOrder = 1;
    InsertDialog d(request);
    EXPECT_EQ(d.dialog.windowTitle(), "插入");
    EXPECT_TRUE(d.Radio("RadioButtonHex")->isChecked());
    EXPECT_TRUE(d.Hex()->isEnabled());
    EXPECT_FALSE(d.Text()->isEnabled());
    EXPECT_TRUE(d.Utf16()->isChecked());
    EXPECT_EQ(d.Utf16()->text(), "作为Unicode Latin(UTF-&16BE)");
    EXPECT_FALSE(d.Get<QGroupBox>("GroupBox2")->isHidden());
    EXPECT_EQ(d.Count()->text(), "1");
    EXPECT_TRUE(d.Radio("RadioButtonDecN")->isChecked());
    for (const char* name : {"QZHistoryBtnInsT", "QZHistoryBtnInsH", "QZHistoryBtnInsN"})
        EXPECT_NE(d.dialog.findChild<QWidget*>(name), nullptr) << name;
}

TEST(InsertDialog, OverwriteHasNoCountAndItsOwnCaption) {
    InsertDialogRequest request;
    request.overwrite = true;
    InsertDialog d(request);
    EXPECT_EQ(d.dialog.windowTitle(), " 覆盖 ");
    EXPECT_EQ(d.Get<QGroupBox>("GroupBox1")->title(), " 覆盖 ");
    EXPECT_TRUE(d.Get<QGroupBox>("GroupBox2")->isHidden());
    EXPECT_TRUE(d.Radio("RadioButtonText")->isChecked());
    EXPECT_EQ(d.Utf16()->text(), "作为Unicode Latin(UTF-&16LE)");
    d.Text()->setText("AB");
    d.Count()->setText("0"); // hidden: not checked
    d.Ok();
    ASSERT_TRUE(d.dialog.Result());
    EXPECT_EQ(d.dialog.Result()->bytes, "AB");
    EXPECT_EQ(d.dialog.Result()->count, 1);
}

TEST(InsertDialog, OkReturnsTheWidenedTextAndTheCount) {
    InsertDialog d;
    d.Text()->setText("AB");
    d.Utf16()->setChecked(true);
    d.Count()->setText("3");
    d.Ok();
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(d.dialog.Result());
    EXPECT_EQ(d.dialog.Result()->bytes, std::string("A\0B\0", 4));
    EXPECT_EQ(d.dialog.Result()->count, 3);
    EXPECT_FALSE(d.dialog.Result()->hex);
    EXPECT_TRUE(d.dialog.Result()->utf16);
}

TEST(InsertDialog, ConvertedTextIsNeverWidened) {
    InsertDialog d;
    d.Utf16()->setChecked(true);
    d.Text()->setText("AB");
    d.Get<QPushButton>("BitBtnConvert")->click();
    EXPECT_EQ(d.Hex()->text(), "41 42");
    EXPECT_TRUE(d.Radio("RadioButtonHex")->isChecked());
    EXPECT_EQ(d.dialog.focusWidget(), d.Hex());
    d.Ok();
    ASSERT_TRUE(d.dialog.Result());
    EXPECT_EQ(d.dialog.Result()->bytes, "AB");
    EXPECT_TRUE(d.dialog.Result()->hex);
}

TEST(InsertDialog, HexCountFollowsTheDollar) {
    InsertDialog d;
    d.Text()->setText("A");
    d.Count()->setText("$A");
    EXPECT_TRUE(d.Radio("RadioButtonHexN")->isChecked());
    d.Ok();
    ASSERT_TRUE(d.dialog.Result());
    EXPECT_EQ(d.dialog.Result()->count, 10);
}

// A "$" count from the history is read as hex when the user types over it; a count that is no
// number is refused on OK instead of becoming the count before.
TEST(InsertDialog, CountFromTheHistoryAndCountsThatAreNoNumber) {
    ClearHistories();
    {
        ProfileSession profile(SettingsFileName());
        WriteHistorySection(profile, "QZHistoryInsN", {"$20"});
        profile.Commit();
    }
    InsertDialog d({}, nullptr, false);
    d.dialog.show();
    d.dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d.dialog));
    EXPECT_TRUE(d.Count()->Hex());
    EXPECT_TRUE(d.Radio("RadioButtonHexN")->isChecked());
    d.Text()->setText("A");
    d.Count()->setFocus();
    d.Count()->setText("xyz"); // pasted
    EXPECT_EQ(d.OkRefused(), "空字符串无效");
    EXPECT_EQ(d.dialog.focusWidget(), d.Count());
    d.Count()->selectAll();
    QTest::keyClicks(d.Count(), "10");
    d.Ok();
    ASSERT_TRUE(d.dialog.Result());
    EXPECT_EQ(d.dialog.Result()->count, 16);
}

// Clicking the form already checked leads into its field.
TEST(InsertDialog, ClickOnTheCheckedFormFocusesItsField) {
    InsertDialog d;
    d.dialog.show();
    d.dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d.dialog));
    d.Radio("RadioButtonText")->setFocus();
    d.Radio("RadioButtonText")->click();
    EXPECT_EQ(d.dialog.focusWidget(), d.Text());
    d.Radio("RadioButtonHex")->click();
    d.Radio("RadioButtonHex")->setFocus();
    d.Radio("RadioButtonHex")->click();
    EXPECT_EQ(d.dialog.focusWidget(), d.Hex());
}

TEST(InsertDialog, FailedChecksKeepTheDialogOpenOnTheirField) {
    InsertDialog d;
    EXPECT_EQ(d.OkRefused(), "空字符串无效");
    EXPECT_EQ(d.dialog.focusWidget(), d.Text());
    d.Text()->setText("A");
    d.Count()->setText("0");
    EXPECT_EQ(d.OkRefused(), "空字符串无效");
    EXPECT_EQ(d.dialog.focusWidget(), d.Count());
    d.Radio("RadioButtonHex")->click();
    d.Hex()->setText("4");
    EXPECT_EQ(d.OkRefused().trimmed(), "十六进制字符串无效");
    EXPECT_EQ(d.dialog.focusWidget(), d.Hex());
    EXPECT_FALSE(d.dialog.Result());
}

TEST(InsertDialog, HelpFollowsTheCommand) {
    for (bool overwrite : {false, true}) {
        int context = 0;
        InsertDialogRequest request;
        request.overwrite = overwrite;
        InsertDialog d(request, [&](int c) { context = c; });
        d.Get<QPushButton>("ButtonHelp")->click();
        EXPECT_EQ(context, overwrite ? 72 : 50);
    }
}

} // namespace
} // namespace qhe
