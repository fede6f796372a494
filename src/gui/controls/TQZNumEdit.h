#pragma once
#include <QLineEdit>

#include "core/text/NumberField.h"

namespace qhe {

// The numeric entry field: a number within [Min, Max] shown in decimal with DigitsFrac
// decimals or as "$" hex. It filters the keys typed into it and checks the number when the
// user leaves it or presses Enter. A text that is no number returns to the value the field had
// when it was entered, except when the focus goes to the dialog's OK button: then the text
// stays, so the dialog's own check reports it instead of taking the old value silently. A text
// with "$" arriving in any way (history, paste, the program) switches the field to hex. Used
// by the mark, goto, jump, insert and print dialogs.
class TQZNumEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TQZNumEdit(QWidget* parent = nullptr);

    long double Value() const { return field_.Value(); }
    void SetValue(long double value);
    long double Min() const { return field_.Min(); }
    void SetMin(long double min);
    long double Max() const { return field_.Max(); }
    void SetMax(long double max);
    int DigitsInt() const { return field_.DigitsInt(); }
    void SetDigitsInt(int digits);
    int DigitsFrac() const { return field_.DigitsFrac(); }
    void SetDigitsFrac(int digits);
    bool Hex() const { return field_.Hex(); }
    // Reads the text shown so far first, so the new form shows the number the user sees.
    void SetHex(bool hex);

    // Reads the typed text, clamps it to the range and shows it; false when it is no number.
    bool Validate();

    // True for a button that closes its dialog with another result than OK (Cancel, Help):
    // leaving a bad number for such a button does not pull the focus back.
    static bool IsNonOkButton(const QWidget* widget);
    // True for the button that confirms its dialog (the default button, or one with the OK
    // result or role).
    static bool IsOkButton(const QWidget* widget);

  signals:
    // The field switched between decimal and hex.
    void HexChanged(bool hex);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void TakeText();
    void ShowText();
    void FollowText(const QString& text);
    // Announces a change of mode since wasHex.
    void NoteMode(bool wasHex);

    NumberField field_;
};

} // namespace qhe
