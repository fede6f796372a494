#include "core/tools/NumberText.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qhe {

std::string FormatFloat15(double value, char decimalSeparator) {
    if (value == 0) return "0";
    // "%.14e" rounds exactly to 15 significant digits: "-d.dddddddddddddde+XXX".
    char raw[40];
    std::snprintf(raw, sizeof raw, "%.14e", value);
    std::string text(raw);
    const bool negative = text[0] == '-';
    if (negative) text.erase(0, 1);
    const size_t e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent >= 0) {
            const size_t intLength = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= intLength) {
                out += digits + std::string(intLength - digits.size(), '0');
            } else {
                out += digits.substr(0, intLength) + decimalSeparator + digits.substr(intLength);
            }
        } else {
            out += std::string("0") + decimalSeparator + std::string(-exponent - 1, '0') + digits;
        }
    } else {
        out += digits.substr(0, 1);
        if (digits.size() > 1) out += decimalSeparator + digits.substr(1);
        out += 'E' + std::to_string(exponent);
    }
    return out;
}

std::string FormatSingleBits(uint32_t bits, char decimalSeparator) {
    if ((bits & 0x7F800000u) == 0x7F800000u) {
        const uint32_t mantissa = bits & 0x007FFFFFu;
        if (mantissa == 0) return kFloatInfText;
        return (mantissa & 0x00400000u) ? kFloatNanText : kFloatInvalidText;
    }
    return FormatFloat15(static_cast<double>(std::bit_cast<float>(bits)), decimalSeparator);
}

std::string FormatDoubleBits(uint64_t bits, char decimalSeparator) {
    if ((bits & 0x7FF0000000000000ull) == 0x7FF0000000000000ull) {
        const uint64_t mantissa = bits & 0x000FFFFFFFFFFFFFull;
        if (mantissa == 0) return kFloatInfText;
        return (mantissa & 0x0008000000000000ull) ? kFloatNanText : kFloatInvalidText;
    }
    return FormatFloat15(std::bit_cast<double>(bits), decimalSeparator);
}

} // namespace qhe
