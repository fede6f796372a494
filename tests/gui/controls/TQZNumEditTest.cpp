#include "gui/controls/TQZNumEdit.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "gui/controls/ControlsWindow.h"

namespace qhe {
namespace {

// Lets the focus change that a failed entry schedules happen.
void SettleFocus() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

TEST(TQZNumEditTest, FractionDigitsAreShownAndLimitTyping) {
    auto* field = new TQZNumEdit;
    field->SetDigitsFrac(2);
    field->SetValue(15);
    test::ControlsWindow window(field);
    const QString separator = field->text().mid(2, 1);
    EXPECT_EQ(field->text(), "15" + separator + "00");
    field->end(false);
    QTest::keyClicks(field, "1");
    EXPECT_EQ(field->text(), "15" + separator + "00");
}

TEST(TQZNumEditTest, TypingIsFiltered) {
    auto* field = new TQZNumEdit;
    test::ControlsWindow window(field);
    field->clear();
    QTest::keyClicks(field, "123456789");
    EXPECT_EQ(field->text(), "12345678");
    field->clear();
    QTest::keyClicks(field, "1a -2.");
    EXPECT_EQ(field->text(), "12"); // letters, blanks, minus (Min 0) and separator (no fraction) dropped

    field->SetHex(true);
    field->clear();
    QTest::keyClicks(field, "1fg");
    EXPECT_EQ(field->text(), "1F");
}

TEST(TQZNumEditTest, EnterClampsToTheRange) {
    auto* field = new TQZNumEdit;
    field->SetMax(100);
    test::ControlsWindow window(field);
    field->selectAll();
    QTest::keyClicks(field, "500");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(field->Value(), 100);
    EXPECT_EQ(field->text(), "100");
}

TEST(TQZNumEditTest, LeavingWithDollarTextSwitchesToHex) {
    auto* field = new TQZNumEdit;
    test::ControlsWindow window(field);
    ASSERT_TRUE(field->hasFocus());
    field->setText("$1F");
    window.other->setFocus(Qt::TabFocusReason);
    SettleFocus();
    EXPECT_TRUE(field->Hex());
    EXPECT_EQ(field->Value(), 31);
    EXPECT_EQ(field->text(), "$1F");
    EXPECT_TRUE(window.other->hasFocus());
}

TEST(TQZNumEditTest, BadNumberTakesTheFocusBack) {
    auto* field = new TQZNumEdit;
    field->SetValue(5);
    test::ControlsWindow window(field);
    ASSERT_TRUE(field->hasFocus());
    field->clear();
    window.other->setFocus(Qt::TabFocusReason);
    SettleFocus();
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->Value(), 5);
    EXPECT_EQ(field->text(), "5");
    EXPECT_EQ(field->selectedText(), "5");
}

// On the way to OK a bad text stays for the dialog's check; a "$" text set by the program
// switches the field to hex at once and says so.
TEST(TQZNumEditTest, BadTextStaysForOkAndDollarTextSwitchesToHex) {
    auto* field = new TQZNumEdit;
    field->SetValue(5);
    test::ControlsWindow window(field);
    field->setText("abc");
    window.buttons->button(QDialogButtonBox::Ok)->setFocus(Qt::TabFocusReason);
    SettleFocus();
    EXPECT_EQ(field->text(), "abc");
    EXPECT_EQ(field->Value(), 5);
    EXPECT_TRUE(field->hasFocus());

    std::vector<bool> modes;
    QObject::connect(field, &TQZNumEdit::HexChanged, [&](bool hex) { modes.push_back(hex); });
    field->setText("$20");
    EXPECT_TRUE(field->Hex());
    field->SetHex(false);
    EXPECT_EQ(field->text(), "32");
    EXPECT_EQ(modes, (std::vector<bool>{true, false}));
}

TEST(TQZNumEditTest, CancelStillWorksAfterABadNumber) {
    auto* field = new TQZNumEdit;
    field->SetValue(5);
    test::ControlsWindow window(field);
    QPushButton* cancel = window.buttons->button(QDialogButtonBox::Cancel);
    EXPECT_TRUE(TQZNumEdit::IsNonOkButton(cancel));
    EXPECT_FALSE(TQZNumEdit::IsNonOkButton(window.buttons->button(QDialogButtonBox::Ok)));
    EXPECT_FALSE(TQZNumEdit::IsNonOkButton(window.other));
    field->clear();
    cancel->setFocus(Qt::TabFocusReason);
    SettleFocus();
    EXPECT_TRUE(cancel->hasFocus());
    EXPECT_EQ(field->Value(), 5);
}

TEST(TQZNumEditTest, EscapeRestoresTheValueOnEntry) {
    auto* field = new TQZNumEdit;
    test::ControlsWindow window(field);
    window.other->setFocus(Qt::TabFocusReason);
    field->SetValue(7);
    field->setFocus(Qt::TabFocusReason);
    field->SetValue(9);
    field->selectAll();
    QTest::keyClicks(field, "12");
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->Value(), 7);
    EXPECT_EQ(field->text(), "7");
}

TEST(TQZNumEditTest, PropertyWritesKeepTheRange) {
    TQZNumEdit field;
    field.SetValue(50);
    field.SetMax(20);
    EXPECT_EQ(field.text(), "20");
    field.SetMin(30); // above Max: ignored
    EXPECT_EQ(field.Min(), 0);
    field.SetHex(true);
    EXPECT_EQ(field.text(), "$14");
    field.SetDigitsFrac(2);
    EXPECT_EQ(field.DigitsFrac(), 0);
}

} // namespace
} // namespace qhe
