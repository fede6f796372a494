#include "gui/dialogs/TFormFind.h"

#include <QCheckBox>
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

namespace qhe {
namespace {

// Empties the two history sections so each dialog starts with empty fields.
void ClearHistories() {
    ProfileSession profile(SettingsFileName());
    WriteHistorySection(profile, "QZHistoryFindT", {});
    WriteHistorySection(profile, "QZHistoryFindH", {});
    profile.Commit();
}

FindDialogRequest WithEmptyHistories(FindDialogRequest request) {
    ClearHistories();
    return request;
}

// A find dialog over a request, with its controls by name.
struct FindDialog {
    explicit FindDialog(FindDialogRequest request = {}, HelpHandler help = nullptr)
        : dialog(WithEmptyHistories(std::move(request)), std::move(help)) {}

    template <typename T> T* Get(const char* name) {
        T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Text() { return Get<QLineEdit>("EditFindT"); }
    TQZByteEdit* Hex() { return Get<TQZByteEdit>("QZByteEditFindH"); }
    QCheckBox* Check(const char* name) { return Get<QCheckBox>(name); }
    QRadioButton* Radio(const char* name) { return Get<QRadioButton>(name); }
    void Ok() { Get<QPushButton>("ButtonOK")->click(); }

    TFormFind dialog;
};

TEST(FindDialog, ShowsTheRequestedOptions) {
    FindDialogRequest request;
    request.options = FindOptions{false, true, 0x41, true, true, false, false};
    request.byteOrder = 1;
    FindDialog d(request);
    EXPECT_EQ(d.dialog.windowTitle(), "查找");
    EXPECT_FALSE(d.Check("CheckBoxCase")->isChecked());
    EXPECT_TRUE(d.Check("CheckBoxJokerFind")->isChecked());
    EXPECT_EQ(d.Get<TQZByteEdit>("QZByteEditJoker")->text(), "41");
    EXPECT_EQ(d.Get<QLabel>("LabelJoker")->text(), "A");
    EXPECT_TRUE(d.Check("CheckBoxFindUTF16")->isChecked());
    EXPECT_EQ(d.Check("CheckBoxFindUTF16")->text(), "作为Unicode Latin(UTF-&16BE)");
    EXPECT_TRUE(d.Radio("RadioButtonHex")->isChecked());
    EXPECT_TRUE(d.Hex()->isEnabled());
    EXPECT_FALSE(d.Text()->isEnabled());
    EXPECT_TRUE(d.Radio("rbtUp")->isChecked());
    EXPECT_TRUE(d.Radio("rbtBeginEnd")->isChecked());
    EXPECT_EQ(d.Radio("rbtBeginEnd")->text(), "结束(&E)");
    EXPECT_EQ(d.Get<QPushButton>("BitBtnConvert")->text(), "文本 -> 十六进制");
    EXPECT_NE(d.dialog.findChild<QWidget*>("QZHistoryBtnFindT"), nullptr);
    EXPECT_NE(d.dialog.findChild<QWidget*>("QZHistoryBtnFindH"), nullptr);
}

TEST(FindDialog, DefaultsAndTheCountCaption) {
    FindDialogRequest request;
    request.count = true;
    request.options.findHex = false;
    FindDialog d(request);
    EXPECT_EQ(d.dialog.windowTitle(), "统计");
    EXPECT_TRUE(d.Radio("RadioButtonText")->isChecked());
    EXPECT_TRUE(d.Text()->isEnabled());
    EXPECT_FALSE(d.Hex()->isEnabled());
    EXPECT_EQ(d.Check("CheckBoxFindUTF16")->text(), "作为Unicode Latin(UTF-&16LE)");
    EXPECT_EQ(d.Get<TQZByteEdit>("QZByteEditJoker")->text(), "2E");
    EXPECT_EQ(d.Get<TQZByteEdit>("QZByteEditJoker")->MaxBytes(), 1);
    EXPECT_TRUE(d.Radio("rbtDown")->isChecked());
    EXPECT_TRUE(d.Radio("rbtCursor")->isChecked());
    EXPECT_EQ(d.Radio("rbtBeginEnd")->text(), "开始(&B)");
}

TEST(FindDialog, FormsDirectionAndConversion) {
    FindDialogRequest request;
    request.options.findHex = false;
    FindDialog d(request);
    d.Radio("RadioButtonHex")->click();
    EXPECT_TRUE(d.Hex()->isEnabled());
    EXPECT_FALSE(d.Text()->isEnabled());
    EXPECT_EQ(d.dialog.focusWidget(), d.Hex());
    d.Radio("RadioButtonText")->click();
    EXPECT_EQ(d.dialog.focusWidget(), d.Text());
    d.Text()->setText("AB");
    d.Get<QPushButton>("BitBtnConvert")->click();
    EXPECT_EQ(d.Hex()->text(), "41 42");
    EXPECT_TRUE(d.Radio("RadioButtonHex")->isChecked());
    d.Radio("rbtUp")->click();
    EXPECT_EQ(d.Radio("rbtBeginEnd")->text(), "结束(&E)");
    d.Radio("rbtDown")->click();
    EXPECT_EQ(d.Radio("rbtBeginEnd")->text(), "开始(&B)");
    d.Get<TQZByteEdit>("QZByteEditJoker")->setText("3F");
    EXPECT_EQ(d.Get<QLabel>("LabelJoker")->text(), "?");
}

// Clicking (or pressing the mnemonic of) the form already checked keeps exactly one form
// checked, and OK searches the bytes of the field the user sees.
TEST(FindDialog, TheCheckedFormStaysCheckedWhenClickedAgain) {
    for (bool hexForm : {false, true}) {
        FindDialogRequest request;
        request.options.findHex = hexForm;
        FindDialog d(request);
        d.Text()->setText("Hello");
        d.Hex()->setText("41");
        d.dialog.show();
        d.dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d.dialog));
        QRadioButton* chosen = d.Radio(hexForm ? "RadioButtonHex" : "RadioButtonText");
        auto exactlyOneChecked = [&] {
            return d.Radio("RadioButtonText")->isChecked() != d.Radio("RadioButtonHex")->isChecked();
        };
        chosen->click();
        EXPECT_TRUE(chosen->isChecked()) << hexForm;
        EXPECT_TRUE(exactlyOneChecked());
        d.Check("CheckBoxCase")->setFocus();
        QTest::keyClick(&d.dialog, hexForm ? Qt::Key_H : Qt::Key_T, Qt::AltModifier);
        // The mnemonic clicks after a short animation.
        QWidget* field = hexForm ? static_cast<QWidget*>(d.Hex()) : d.Text();
        EXPECT_TRUE(QTest::qWaitFor([&] { return d.dialog.focusWidget() == field; }, 30000));
        EXPECT_TRUE(chosen->isChecked()) << hexForm;
        EXPECT_TRUE(exactlyOneChecked());
        d.Ok();
        ASSERT_TRUE(d.dialog.Result()) << hexForm;
        EXPECT_EQ(d.dialog.Result()->pattern, hexForm ? "A" : "Hello");
        EXPECT_EQ(d.dialog.Result()->options.findHex, hexForm);
    }
}

TEST(FindDialog, OkReturnsTheOptionsAndTheWidenedText) {
    FindDialogRequest request;
    request.options.findHex = false;
    FindDialog d(request);
    d.Text()->setText("AB");
    d.Check("CheckBoxFindUTF16")->setChecked(true);
    d.Check("CheckBoxJokerFind")->setChecked(true);
    d.Radio("rbtUp")->click();
    d.Radio("rbtBeginEnd")->click();
    d.Ok();
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(d.dialog.Result());
    EXPECT_EQ(d.dialog.Result()->pattern, std::string("A\0B\0", 4));
    EXPECT_EQ(d.dialog.Result()->options, (FindOptions{true, true, 0x2E, false, true, false, false}));
}

TEST(FindDialog, FailedChecksKeepTheDialogOpenOnTheirField) {
    FindDialogRequest request;
    request.options.findHex = false;
    FindDialog d(request);
    QString shown;
    test::WhenModalShows([&](QWidget* box) {
        shown = box->findChild<QLabel*>("LabelText")->text();
        test::PressKey(box, Qt::Key_Return);
    });
    d.Ok();
    EXPECT_EQ(shown, "不能查找空字符串");
    EXPECT_FALSE(d.dialog.Result());
    EXPECT_EQ(d.dialog.focusWidget(), d.Text());

    d.Get<TQZByteEdit>("QZByteEditJoker")->clear();
    test::WhenModalShows([&](QWidget* box) {
        shown = box->findChild<QLabel*>("LabelText")->text();
        test::PressKey(box, Qt::Key_Return);
    });
    d.Ok();
    EXPECT_EQ(shown, "输入 通配符字符");
    EXPECT_EQ(d.dialog.focusWidget(), d.Get<TQZByteEdit>("QZByteEditJoker"));
    EXPECT_FALSE(d.dialog.Result());
}

TEST(FindDialog, CaseQuestionForHexLetters) {
    struct Case {
        const char* answer; // button of the question
        bool accepted;
        bool caseSensitiveAfter;
    };
    for (const Case& c :
         {Case{"ButtonYes", true, true}, Case{"ButtonNo", true, false}, Case{"ButtonCancel", false, false}}) {
        FindDialogRequest request;
        request.options.caseSensitive = false;
        FindDialog d(request);
        d.Hex()->setText("41");
        bool asked = false;
        test::WhenModalShows([&](QWidget* box) {
            asked = true;
            box->findChild<QPushButton*>(c.answer)->click();
        });
        d.Ok();
        EXPECT_TRUE(asked) << c.answer;
        EXPECT_EQ(d.dialog.Result().has_value(), c.accepted) << c.answer;
        EXPECT_EQ(d.Check("CheckBoxCase")->isChecked(), c.caseSensitiveAfter) << c.answer;
        if (c.accepted) {
            EXPECT_EQ(d.dialog.Result()->pattern, "A");
            EXPECT_EQ(d.dialog.Result()->options.caseSensitive, c.caseSensitiveAfter);
        }
    }
    FindDialogRequest digits;
    digits.options.caseSensitive = false;
    FindDialog d(digits);
    d.Hex()->setText("30 31");
    d.Ok(); // no question: a modal box would block here
    ASSERT_TRUE(d.dialog.Result());
    EXPECT_EQ(d.dialog.Result()->pattern, "01");
}

TEST(FindDialog, HelpFollowsTheCaption) {
    for (bool count : {false, true}) {
        int context = 0;
        FindDialogRequest request;
        request.count = count;
        FindDialog d(request, [&](int c) { context = c; });
        d.Get<QPushButton>("ButtonHelp")->click();
        EXPECT_EQ(context, count ? 52 : 51);
    }
}

TEST(FindDialog, RightArrowTakesTheDocumentBytes) {
    FindDialogRequest request;
    const std::string document = "QHE";
    request.documentByteAt = [&](int64_t offset) -> std::optional<uint8_t> {
        if (offset < 0 || offset >= static_cast<int64_t>(document.size())) return std::nullopt;
        return static_cast<uint8_t>(document[offset]);
    };
    FindDialog d(request);
    d.Hex()->setFocus();
    QTest::keyClick(d.Hex(), Qt::Key_Right);
    QTest::keyClick(d.Hex(), Qt::Key_Right);
    EXPECT_EQ(d.Hex()->text(), "51 48");
}

TEST(FindDialog, AcceptedEntriesGoToTheirHistories) {
    {
        FindDialogRequest request;
        request.options.findHex = false;
        FindDialog d(request);
        d.Text()->setText("needle");
        d.Ok();
        ASSERT_TRUE(d.dialog.Result());
    }
    const auto stored = ReadHistorySection(ProfileSession(SettingsFileName()), "QZHistoryFindT");
    ASSERT_FALSE(stored.empty());
    EXPECT_EQ(stored[0], "needle");
    // The next dialog opens with the last entry.
    FindDialogRequest request;
    request.options.findHex = false;
    TFormFind again(request, nullptr);
    EXPECT_EQ(again.findChild<QLineEdit*>("EditFindT")->text(), "needle");
}

} // namespace
} // namespace qhe
