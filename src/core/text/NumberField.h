#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace qhe {

// Reads a number field's text: in hex mode an optional "$" and hex digits; in decimal mode a
// float in which every "," and "." stands for the decimal separator. std::nullopt when the text
// is not a number.
std::optional<long double> ReadNumberText(std::string_view text, bool hex);

// A number as the field shows it: "$" and upper-case hex digits without leading zeros in hex
// mode; else fixed notation with digitsFrac decimals and the given separator.
std::string FormatNumberText(long double value, bool hex, int digitsFrac, char decimalSeparator);

// The state and rules of the numeric entry field: a value kept within [Min, Max], shown in
// decimal with a fixed number of fraction digits or as "$" hex; the text the user edits; and
// the value the field had when it was entered, which a failed entry returns to.
class NumberField {
  public:
    static constexpr int kMaxDigits = 18;

    explicit NumberField(char decimalSeparator = '.');

    long double Value() const { return value_; }
    long double Min() const { return min_; }
    long double Max() const { return max_; }
    int DigitsInt() const { return digitsInt_; }
    int DigitsFrac() const { return digitsFrac_; }
    bool Hex() const { return hex_; }
    char DecimalSeparator() const { return separator_; }
    const std::string& Text() const { return text_; }
    long double RevertValue() const { return revert_; }

    // Clamps to [Min, Max] and shows the value.
    void SetValue(long double value);
    // Taken only when different and not above Max; the value is clamped again.
    void SetMin(long double min);
    // Taken only when different and not below Min; the value is clamped again.
    void SetMax(long double max);
    // Switching on sets DigitsFrac to 0. The value stays and is shown in the new form.
    void SetHex(bool hex);
    void SetDigitsInt(int digits);
    void SetDigitsFrac(int digits);

    // The text as the user edited it; nothing is read until Validate or Leave.
    void SetText(std::string text) { text_ = std::move(text); }

    // Reads the text back into the value and shows it in canonical form; an empty text or one
    // that is not a number changes nothing.
    void Reformat();
    // A "$" in the text of a decimal field switches it to hex mode, the text staying as it is;
    // true when the mode changed.
    bool FollowDollar();
    // Reads the text (after FollowDollar), clamps it to the range and shows it; false when the
    // text is no number.
    bool Validate();

    // The field receives the focus: remember the value to return to.
    void Enter() { revert_ = value_; }
    // The field loses the focus. A "$" in a decimal text switches to hex mode, a hex text gets
    // its "$". False when the text was not a number: the value returned to the revert value.
    bool Leave();
    // Escape: back to the value the field had when it was entered.
    void Revert() { SetValue(revert_); }

    // The typing filter for one character key ('\b' for Backspace). selectionStart and
    // selectionLength say which part of the text the key replaces. Answers the key to hand on
    // (letters upper-cased) or std::nullopt when the key is dropped.
    std::optional<char> FilterKey(char key, int selectionStart, int selectionLength) const;

  private:
    void Show();
    long double Clamped(long double value) const;
    long double RoundedForDisplay(long double value) const;

    char separator_;
    long double value_ = 0;
    long double min_ = 0;
    long double max_ = 99999999.9L;
    int digitsInt_ = 8;
    int digitsFrac_ = 0;
    bool hex_ = false;
    long double revert_ = 0;
    std::string text_;
};

} // namespace qhe
