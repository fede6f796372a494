#pragma once

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace qhe {

class TQZByteEdit;

// Shared behaviour of the dialogs that take a byte string as text or as hex.

// The conversion button ("文本 -> 十六进制", "Text -> Hex"): writes the text field's text byte for
// byte (never widened) into the hex field, checks the hex radio button and focuses the hex field.
void ConvertTextToHex(const QLineEdit* textField, TQZByteEdit* hexField, QAbstractButton* hexChoice);

// The Text/Hex radio buttons: the chosen field is enabled, drawn in the window colour and gets
// the focus; the other is disabled and drawn in the button colour.
void ShowChosenField(QLineEdit* chosen, QLineEdit* other);

// The label beside the joker field shows the field's byte as a character (empty when the field
// holds no byte).
void ShowJokerCharacter(const TQZByteEdit* jokerField, QLabel* label);

} // namespace qhe
