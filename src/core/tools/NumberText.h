#pragma once
#include <cstdint>
#include <string>

namespace qhe {

// Texts of the IEEE special values and of a signalling NaN, which cannot be converted.
inline constexpr const char* kFloatInfText = "INF";
inline constexpr const char* kFloatNanText = "NAN";
inline constexpr const char* kFloatInvalidText = "INVALID";

// Formats a finite value in general format with 15 significant digits: trailing zeros removed,
// the decimal separator only when needed, fixed notation for magnitudes from 0.0001 with at most
// 15 integer digits, otherwise scientific ("1E20", "1.5E-7"). Zero of either sign is "0".
std::string FormatFloat15(double value, char decimalSeparator = '.');

// The float rule for a binary32 pattern: the value widened to double and formatted as above;
// "INF" for an infinity of either sign, "NAN" for a quiet NaN, "INVALID" for a signalling NaN.
std::string FormatSingleBits(uint32_t bits, char decimalSeparator = '.');
// The same for a binary64 pattern.
std::string FormatDoubleBits(uint64_t bits, char decimalSeparator = '.');

} // namespace qhe
