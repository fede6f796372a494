#include "gui/controls/TQZByteEdit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "gui/controls/ControlsWindow.h"
#include "gui/controls/EntryFieldHelpers.h"

namespace qhe {
namespace {

// Types keys into a fresh field (each key through the field's own filter) and answers the text.
QString Typed(const QString& keys, int maxBytes = 0) {
    auto* field = new TQZByteEdit;
    field->SetMaxBytes(maxBytes);
    test::ControlsWindow window(field);
    QTest::keyClicks(field, keys);
    return field->text();
}

TEST(TQZByteEditTest, TypingKeepsTwoDigitGroups) {
    struct Case {
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {"A", "A"},        {"AB", "AB"},          {"ABC", "AB C"},        {"ABCD", "AB CD"},
        {"abcd", "AB CD"}, {"a b-c!dx", "AB CD"}, {"0f1e2d", "0F 1E 2D"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Typed(c.keys), c.text) << c.keys;
}

TEST(TQZByteEditTest, OneByteFieldTakesTwoCharacters) {
    EXPECT_EQ(Typed("2E5", 1), "2E");
    EXPECT_EQ(Typed("1234567", 2), "12 34");
}

TEST(TQZByteEditTest, BackspaceAndTypingInsideTheText) {
    auto* field = new TQZByteEdit;
    test::ControlsWindow window(field);
    QTest::keyClicks(field, "ABC");
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "AB");
    QTest::keyClicks(field, "CD");
    field->setCursorPosition(0);
    QTest::keyClick(field, Qt::Key_Backspace); // nothing before the caret
    QTest::keyClick(field, Qt::Key_Delete);    // Delete is no character: it passes
    EXPECT_EQ(field->text(), "B CD");
    field->setText("AB CD");
    field->setCursorPosition(2);
    QTest::keyClick(field, Qt::Key_Backspace); // not at the end: ignored
    EXPECT_EQ(field->text(), "AB CD");
    QTest::keyClicks(field, "e"); // the third digit after a full group starts a new one
    EXPECT_EQ(field->text(), "AB E CD");
    EXPECT_EQ(field->cursorPosition(), 4);
}

TEST(TQZByteEditTest, ReplacingTheSelection) {
    auto* field = new TQZByteEdit;
    test::ControlsWindow window(field);
    field->setText("AB CD");
    field->selectAll();
    QTest::keyClicks(field, "x"); // dropped: the selection stays
    EXPECT_EQ(field->text(), "AB CD");
    QTest::keyClicks(field, "f1");
    EXPECT_EQ(field->text(), "F1");
}

TEST(TQZByteEditTest, BytesInAndOut) {
    TQZByteEdit field;
    field.SetASCII(std::string("\x00\xFF", 2));
    EXPECT_EQ(field.text(), "00 FF");
    EXPECT_TRUE(field.IsValidHex());
    EXPECT_EQ(field.ASCII(), std::string("\x00\xFF", 2));
    field.setText("ab cd");
    EXPECT_EQ(field.ASCII(), "\xAB\xCD");
    field.setText("41 4");
    EXPECT_FALSE(field.IsValidHex());
    EXPECT_EQ(field.ASCII(), "");
    field.setText("4142"); // text set by the program is brought into groups as well
    EXPECT_EQ(field.text(), "41 42");
    field.setText("");
    EXPECT_FALSE(field.IsValidHex());
}

TEST(TQZByteEditTest, RightArrowTakesTheNextDocumentBytes) {
    const std::string document = "\x41\x42\x43";
    int64_t cursorOffset = 1; // the cursor stands on the second byte
    auto* field = new TQZByteEdit;
    field->SetNextByteSource([&](int64_t offset) -> std::optional<uint8_t> {
        const int64_t index = cursorOffset + offset;
        if (index < 0 || index >= static_cast<int64_t>(document.size())) return std::nullopt;
        return static_cast<uint8_t>(document[static_cast<size_t>(index)]);
    });
    test::ControlsWindow window(field);
    QTest::keyClick(field, Qt::Key_Right);
    EXPECT_EQ(field->text(), "42");
    QTest::keyClick(field, Qt::Key_Right);
    EXPECT_EQ(field->text(), "42 43");
    EXPECT_EQ(field->cursorPosition(), 5);
    QTest::keyClick(field, Qt::Key_Right); // end of the document
    EXPECT_EQ(field->text(), "42 43");

    cursorOffset = 0;
    field->setText("41 43");
    QTest::keyClick(field, Qt::Key_Right); // no longer matches the document
    EXPECT_EQ(field->text(), "41 43");
    field->setText("41");
    field->setCursorPosition(0);
    QTest::keyClick(field, Qt::Key_Right); // caret not at the end: an ordinary caret move
    EXPECT_EQ(field->text(), "41");
    EXPECT_EQ(field->cursorPosition(), 1);
}

TEST(EntryFieldHelpersTest, ConvertButtonWritesTheTextAsHex) {
    QWidget dialog;
    auto* textField = new QLineEdit(&dialog);
    auto* hexField = new TQZByteEdit(&dialog);
    auto* textChoice = new QRadioButton(&dialog);
    auto* hexChoice = new QRadioButton(&dialog);
    textChoice->setChecked(true);
    textField->setText(QStringLiteral("Ab\u20AC"));
    ConvertTextToHex(textField, hexField, hexChoice);
    EXPECT_EQ(hexField->text(), "41 62 80");
    EXPECT_TRUE(hexChoice->isChecked());
    EXPECT_FALSE(textChoice->isChecked());

    ShowChosenField(hexField, textField);
    EXPECT_TRUE(hexField->isEnabled());
    EXPECT_FALSE(textField->isEnabled());
    EXPECT_EQ(textField->palette().color(QPalette::Disabled, QPalette::Base),
              QApplication::palette(textField).color(QPalette::Disabled, QPalette::Button));

    QLabel label;
    hexField->setText("2E");
    ShowJokerCharacter(hexField, &label);
    EXPECT_EQ(label.text(), ".");
    hexField->setText("2");
    ShowJokerCharacter(hexField, &label);
    EXPECT_EQ(label.text(), "");
}

} // namespace
} // namespace qhe
