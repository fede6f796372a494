#pragma once
#include "core/text/Translation.h"
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qhe {

// The number types of the encode list, numbered as the list and the inspector's line codes.
enum class NumberType { ShortInt = 0, Byte = 1, Word = 2, Integer = 3, LongInt = 4, Single = 5, Double = 6 };

// Byte count of a number type: 1, 1, 2, 2, 4, 4, 8.
int NumberTypeSize(NumberType type);

// Outcome of an encode conversion: the bytes, or the error text to show.
struct EncodeResult {
    bool ok = false;
    std::vector<uint8_t> bytes;
    std::string error;
};

// Error texts of the conversion.
inline constexpr OwnText kRangeErrorText{QHE_TR_NOOP("Texts", "范围选取错误")};
inline constexpr OwnText kFloatOverflowText{QHE_TR_NOOP("Texts", "浮点溢出")};
inline constexpr OwnText kFloatUnderflowText{QHE_TR_NOOP("Texts", "浮点下溢")};
std::string InvalidIntegerText(std::string_view text);
std::string InvalidFloatText(std::string_view text);

// Reads a 32-bit integer: leading blanks, then an optional sign and decimal digits, or a
// hexadecimal prefix ("$", "x", "X", "0x", "0X") and one to eight hex digits taken as a 32-bit
// pattern. Nothing may follow. False when the text does not have this form.
bool ReadInteger32(std::string_view text, int32_t& value);

// Reads a decimal floating-point number (optional sign, digits, the decimal separator, optional
// exponent with E or e; blanks around it). False when the text does not have this form. A value
// beyond the range of long double comes back as an infinity or zero of the right sign.
bool ReadFloat(std::string_view text, char decimalSeparator, long double& value);

// Converts the typed text to the bytes of the type: integers checked against the type's range,
// floats against 3.4E38 / 1.5E-45 (Single) and 1.7E308 / 5E-324 (Double); bytes little-endian,
// reversed for byteOrder 1.
EncodeResult EncodeNumber(std::string_view text, NumberType type, int byteOrder, char decimalSeparator = '.');

} // namespace qhe
