#include "core/text/NumberField.h"
#include "core/text/HexDigit.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>

namespace qhe {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::optional<long double> ReadHexInteger(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '$') text.remove_prefix(1);
    // Sixteen digits fill 64 bits, which a long double still holds exactly.
    if (text.empty() || text.size() > 16) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(digit);
    }
    const long double result = static_cast<long double>(value);
    return negative ? -result : result;
}

std::optional<long double> ReadDecimal(std::string_view text) {
    std::string normal(TrimBlanks(text));
    std::replace(normal.begin(), normal.end(), ',', '.');
    size_t start = 0;
    if (!normal.empty() && (normal[0] == '-' || normal[0] == '+')) start = 1;
    // from_chars would also take "inf" and "nan"; a number starts with a digit or the separator.
    if (start >= normal.size() ||
        !(std::isdigit(static_cast<unsigned char>(normal[start])) || normal[start] == '.'))
        return std::nullopt;
    long double value = 0;
    const char* first = normal.data() + start;
    const char* last = normal.data() + normal.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last) return std::nullopt;
    return normal[0] == '-' ? -value : value;
}

std::string FixedText(long double value, int digitsFrac) {
    char buffer[160];
    std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digitsFrac);
    // Numbers too long for fixed notation fall back to the exponent form.
    if (written.ec != std::errc())
        written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general);
    return std::string(buffer, written.ptr);
}

} // namespace

std::optional<long double> ReadNumberText(std::string_view text, bool hex) {
    return hex ? ReadHexInteger(text) : ReadDecimal(text);
}

std::string FormatNumberText(long double value, bool hex, int digitsFrac, char decimalSeparator) {
    if (hex) {
        const long double whole = std::trunc(value);
        const bool negative = whole < 0;
        const long double magnitude = std::min(std::fabs(whole), 18446744073709551615.0L);
        char buffer[20];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<uint64_t>(magnitude), 16).ptr;
        std::string digits(buffer, end);
        std::transform(digits.begin(), digits.end(), digits.begin(),
                       [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
        return (negative ? "-$" : "$") + digits;
    }
    std::string text = FixedText(value, digitsFrac);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    // Rounding a small negative value to zero shows no minus sign.
    if (text.starts_with('-') &&
        text.find_first_not_of(std::string("0") + decimalSeparator, 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}

NumberField::NumberField(char decimalSeparator) : separator_(decimalSeparator) {
    Show();
}

long double NumberField::Clamped(long double value) const {
    if (std::isnan(value)) return min_;
    return std::clamp(value, min_, max_);
}

long double NumberField::RoundedForDisplay(long double value) const {
    if (hex_) return std::trunc(value);
    const std::optional<long double> read = ReadDecimal(FixedText(value, digitsFrac_));
    if (!std::isfinite(value) || !read) return value;
    const long double rounded = *read;
    if (rounded >= min_ && rounded <= max_) return rounded;
    // Rounding must not leave the range (99999999.9 with no decimals is not 100000000): cut the
    // extra digits instead.
    std::string longer = FixedText(value, digitsFrac_ + 2);
    longer.resize(longer.size() - 2);
    if (!longer.empty() && longer.back() == '.') longer.pop_back();
    return ReadDecimal(longer).value_or(rounded);
}

void NumberField::Show() {
    value_ = RoundedForDisplay(value_);
    text_ = FormatNumberText(value_, hex_, digitsFrac_, separator_);
}

void NumberField::SetValue(long double value) {
    value_ = Clamped(value);
    Show();
}

void NumberField::SetMin(long double min) {
    if (min == min_ || min > max_) return;
    min_ = min;
    SetValue(value_);
}

void NumberField::SetMax(long double max) {
    if (max == max_ || max < min_) return;
    max_ = max;
    SetValue(value_);
}

void NumberField::SetHex(bool hex) {
    hex_ = hex;
    if (hex_) digitsFrac_ = 0;
    Show();
}

void NumberField::SetDigitsInt(int digits) {
    digitsInt_ = std::clamp(digits, 0, kMaxDigits);
    Show();
}

void NumberField::SetDigitsFrac(int digits) {
    digitsFrac_ = hex_ ? 0 : std::clamp(digits, 0, kMaxDigits);
    Show();
}

void NumberField::Reformat() {
    if (text_.empty()) return;
    std::optional<long double> read;
    if (!hex_ && text_.front() == '$')
        read = ReadHexInteger(text_);
    else
        read = ReadNumberText(text_, hex_);
    if (!read) return;
    SetValue(*read);
}

bool NumberField::FollowDollar() {
    if (hex_ || text_.find('$') == std::string::npos) return false;
    hex_ = true;
    digitsFrac_ = 0;
    return true;
}

bool NumberField::Validate() {
    FollowDollar();
    const std::optional<long double> read = ReadNumberText(text_, hex_);
    if (!read || std::isnan(*read)) return false;
    SetValue(*read);
    return true;
}

bool NumberField::Leave() {
    // A "$" text is read as hex below (FollowDollar keeps it, not the old value); a hex text
    // gets its "$".
    if (!FollowDollar() && hex_ && text_.find('$') == std::string::npos) text_ = "$" + text_;
    if (Validate()) return true;
    SetValue(revert_);
    return false;
}

std::optional<char> NumberField::FilterKey(char key, int selectionStart, int selectionLength) const {
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    if (key == '\b') return key;
    if (static_cast<unsigned char>(key) <= ' ') return std::nullopt;
    const bool digit = key >= '0' && key <= '9';
    if (hex_) {
        if (HexDigitValue(key) < 0) return std::nullopt;
    } else if (!digit && key != separator_ && key != '-') {
        return std::nullopt;
    }

    const int length = static_cast<int>(text_.size());
    const int start = std::clamp(selectionStart, 0, length);
    const int count = std::clamp(selectionLength, 0, length - start);
    std::string result = text_;
    result.replace(static_cast<size_t>(start), static_cast<size_t>(count), 1, key);

    if (key == separator_ && (digitsFrac_ == 0 || std::count(result.begin(), result.end(), separator_) > 1))
        return std::nullopt;
    if (key == '-' && (hex_ || min_ >= 0 || std::count(result.begin(), result.end(), '-') > 1 || start != 0))
        return std::nullopt;

    std::string_view body = result;
    if (body.starts_with('-')) body.remove_prefix(1);
    // The "$" of a hex text is no digit.
    if (hex_ && body.starts_with('$')) body.remove_prefix(1);
    const size_t separator = hex_ ? std::string_view::npos : body.find(separator_);
    const size_t intDigits = separator == std::string_view::npos ? body.size() : separator;
    const size_t fracDigits = separator == std::string_view::npos ? 0 : body.size() - separator - 1;
    if (intDigits > static_cast<size_t>(digitsInt_) || fracDigits > static_cast<size_t>(digitsFrac_))
        return std::nullopt;
    return key;
}

} // namespace qhe
