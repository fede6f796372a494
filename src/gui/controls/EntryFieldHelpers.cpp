#include "gui/controls/EntryFieldHelpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "core/text/HexBytes.h"
#include "gui/controls/TQZByteEdit.h"

namespace qhe {
namespace {

void SetFieldColour(QLineEdit* field, QPalette::ColorRole role) {
    QPalette colours = field->palette();
    const QPalette standard = QApplication::palette(field);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::Base, standard.color(group, role));
    field->setPalette(colours);
}

} // namespace

void ConvertTextToHex(const QLineEdit* textField, TQZByteEdit* hexField, QAbstractButton* hexChoice) {
    hexField->setText(QString::fromStdString(TextFieldToHex(textField->text().toStdString())));
    if (hexChoice) hexChoice->setChecked(true);
    hexField->setFocus(Qt::OtherFocusReason);
}

void ShowChosenField(QLineEdit* chosen, QLineEdit* other) {
    other->setEnabled(false);
    SetFieldColour(other, QPalette::Button);
    chosen->setEnabled(true);
    SetFieldColour(chosen, QPalette::Base);
    chosen->setFocus(Qt::OtherFocusReason);
}

void ShowJokerCharacter(const TQZByteEdit* jokerField, QLabel* label) {
    const std::string bytes = jokerField->ASCII();
    label->setText(bytes.empty() ? QString()
                                 : QString::fromStdString(ByteAsCharacter(static_cast<uint8_t>(bytes[0]))));
}

} // namespace qhe
