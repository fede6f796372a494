#include "gui/dialogs/TFormReplace.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsFileName.h"
#include "core/text/Messages.h"
#include "gui/DialogDriver.h"
#include "gui/controls/TQZByteEdit.h"

namespace qhe {
namespace {

ReplaceDialogRequest WithEmptyHistories(ReplaceDialogRequest request) {
    ProfileSession profile(SettingsFileName());
    for (const char* section : {"QZHistoryFindT", "QZHistoryFindH", "QZHistoryReplT", "QZHistoryReplH"})
        WriteHistorySection(profile, section, {});
    profile.Commit();
    return request;
}

// A replace dialog over a request, with its controls by name.
struct ReplaceDialog {
    explicit ReplaceDialog(ReplaceDialogRequest request = {}, HelpHandler help = nullptr)
        : dialog(WithEmptyHistories(std::move(request)), std::move(help)) {}

    template <typename T> T* Get(const char* name) {
        T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QCheckBox* Check(const char* name) { return Get<QCheckBox>(name); }
    QRadioButton* Radio(const char* name) { return Get<QRadioButton>(name); }
    void Press(const char* button) { Get<QPushButton>(button)->click(); }

    TFormReplace dialog;
};

TEST(ReplaceDialog, ShowsTheRequestedOptions) {
    ReplaceDialogRequest request;
    request.options.find = FindOptions{false, true, 0x41, false, true, true, false};
    request.options.replaceHex = false;
    request.options.unicodeRepl = true;
    request.byteOrder = 1;
    ReplaceDialog d(request);
    EXPECT_EQ(d.dialog.windowTitle(), "替换");
    EXPECT_FALSE(d.Check("CheckBoxCase")->isChecked());
    EXPECT_TRUE(d.Check("CheckBoxJokerFind")->isChecked());
    EXPECT_EQ(d.Get<QLabel>("LabelJoker")->text(), "A");
    EXPECT_TRUE(d.Radio("RadioButtonFindT")->isChecked());
    EXPECT_TRUE(d.Radio("RadioButtonReplT")->isChecked());
    EXPECT_FALSE(d.Get<TQZByteEdit>("QZByteEditReplH")->isEnabled());
    EXPECT_EQ(d.Check("CheckBoxFindUTF16")->text(), "作为Unicode Latin(UTF-&16BE)");
    EXPECT_EQ(d.Check("CheckBoxReplUTF16")->text(), "作为Unicode Latin(UTF-1&6BE)");
    EXPECT_TRUE(d.Check("CheckBoxReplUTF16")->isChecked());
    EXPECT_TRUE(d.Radio("rbtBeginEnd")->isChecked());
    EXPECT_EQ(d.Radio("rbtBeginEnd")->text(), "请求(&B)");
    EXPECT_EQ(d.Get<QPushButton>("ButtonReplAll")->text(), "全部替换(&A)");
    EXPECT_EQ(d.Get<QPushButton>("BitBtnConvertRepl")->text(), "Text -> Hex");
    EXPECT_EQ(d.dialog.findChild<QRadioButton*>("rbtUp"), nullptr) << "no direction choice";
}

TEST(ReplaceDialog, BothButtonsAcceptAndSayWhichWasPressed) {
    for (const bool all : {false, true}) {
        ReplaceDialogRequest request;
        request.options.find.findDown = false; // passes through untouched
        ReplaceDialog d(request);
        d.Get<TQZByteEdit>("QZByteEditFindH")->setText("41 42");
        d.Get<TQZByteEdit>("QZByteEditReplH")->setText("43");
        d.Press(all ? "ButtonReplAll" : "ButtonOK");
        ASSERT_TRUE(d.dialog.Result());
        EXPECT_EQ(d.dialog.Result()->findString, "AB");
        EXPECT_EQ(d.dialog.Result()->replaceString, "C");
        EXPECT_EQ(d.dialog.Result()->replaceAll, all);
        EXPECT_FALSE(d.dialog.Result()->options.find.findDown);
    }
}

TEST(ReplaceDialog, EmptyReplacementIsAllowedInBothForms) {
    for (const bool hex : {false, true}) {
        ReplaceDialogRequest request;
        request.options.replaceHex = hex;
        ReplaceDialog d(request);
        d.Get<TQZByteEdit>("QZByteEditFindH")->setText("41");
        d.Press("ButtonOK");
        ASSERT_TRUE(d.dialog.Result()) << hex;
        EXPECT_EQ(d.dialog.Result()->replaceString, "");
    }
}

TEST(ReplaceDialog, WidensTheReplacementText) {
    ReplaceDialogRequest request;
    request.options.replaceHex = false;
    request.options.unicodeRepl = true;
    ReplaceDialog d(request);
    d.Get<TQZByteEdit>("QZByteEditFindH")->setText("41");
    d.Get<QLineEdit>("EditReplT")->setText("AB");
    d.Press("ButtonOK");
    ASSERT_TRUE(d.dialog.Result());
    EXPECT_EQ(d.dialog.Result()->replaceString, std::string("A\0B\0", 4));
    EXPECT_TRUE(d.dialog.Result()->options.unicodeRepl);
}

// A bad joker and a bad replacement both show their message; the dialog stays open on the
// replacement field.
TEST(ReplaceDialog, LaterChecksRunAfterAFailure) {
    ReplaceDialog d;
    d.Get<TQZByteEdit>("QZByteEditJoker")->clear();
    d.Get<TQZByteEdit>("QZByteEditFindH")->setText("41");
    d.Get<TQZByteEdit>("QZByteEditReplH")->setText("4");
    QStringList shown;
    std::function<void(QWidget*)> answer = [&](QWidget* box) {
        shown << box->findChild<QLabel*>("LabelText")->text();
        if (shown.size() < 2) test::WhenModalShows(answer);
        test::PressKey(box, Qt::Key_Return);
    };
    test::WhenModalShows(answer);
    d.Press("ButtonOK");
    EXPECT_EQ(shown, (QStringList{QString::fromStdString(Msg(2053)), QString::fromStdString(Msg(2054))}));
    EXPECT_FALSE(d.dialog.Result());
    EXPECT_EQ(d.dialog.focusWidget(), d.Get<TQZByteEdit>("QZByteEditReplH"));
}

TEST(ReplaceDialog, HelpContext) {
    int context = 0;
    ReplaceDialog d({}, [&](int c) { context = c; });
    d.Press("ButtonHelp");
    EXPECT_EQ(context, 53);
}

} // namespace
} // namespace qhe
