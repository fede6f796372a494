#include "core/tools/EncodeNumber.h"
#include "core/text/HexDigit.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace qhe {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "'text<tail>", built by appending (GCC 12 warns falsely about operator+ chains here).
std::string Quoted(std::string_view text, std::string_view tail) {
    std::string out = "'";
    out.append(text);
    out.append(tail);
    return out;
}

EncodeResult Fail(std::string error) {
    return {false, {}, std::move(error)};
}

std::vector<uint8_t> LittleEndian(uint64_t value, int count) {
    std::vector<uint8_t> bytes(count);
    for (int k = 0; k < count; ++k)
        bytes[k] = static_cast<uint8_t>(value >> (8 * k));
    return bytes;
}

} // namespace

int NumberTypeSize(NumberType type) {
    switch (type) {
    case NumberType::ShortInt:
    case NumberType::Byte:
        return 1;
    case NumberType::Word:
    case NumberType::Integer:
        return 2;
    case NumberType::LongInt:
    case NumberType::Single:
        return 4;
    case NumberType::Double:
        return 8;
    }
    return 0;
}

std::string InvalidIntegerText(std::string_view text) {
    return Quoted(text, "' is not a valid integer value");
}

std::string InvalidFloatText(std::string_view text) {
    return Quoted(text, "' is not a valid floating point value");
}

bool ReadInteger32(std::string_view text, int32_t& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const std::string_view rest = text.substr(i);
    size_t hexStart = 0;
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X'))
        hexStart = 1;
    else if (rest.starts_with("0x") || rest.starts_with("0X"))
        hexStart = 2;
    if (hexStart) {
        const std::string_view digits = rest.substr(hexStart);
        if (digits.empty() || digits.size() > 8) return false;
        uint32_t pattern = 0;
        for (char c : digits) {
            const int d = HexDigitValue(c);
            if (d < 0) return false;
            pattern = (pattern << 4) | static_cast<uint32_t>(d);
        }
        value = static_cast<int32_t>(pattern);
        return true;
    }
    size_t k = 0;
    const bool negative = k < rest.size() && rest[k] == '-';
    if (k < rest.size() && (rest[k] == '-' || rest[k] == '+')) ++k;
    if (k == rest.size()) return false;
    int64_t magnitude = 0;
    for (; k < rest.size(); ++k) {
        if (!IsDigit(rest[k])) return false;
        magnitude = magnitude * 10 + (rest[k] - '0');
        if (magnitude > int64_t{1} << 31) return false;
    }
    const int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX) return false;
    value = static_cast<int32_t>(signedValue);
    return true;
}

bool ReadFloat(std::string_view text, char decimalSeparator, long double& value) {
    size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    std::string normal; // the same number in the form from_chars reads
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') normal += '-';
        ++i;
    }
    std::string intDigits, fracDigits;
    while (i < end && IsDigit(text[i]))
        intDigits += text[i++];
    if (i < end && text[i] == decimalSeparator) {
        ++i;
        while (i < end && IsDigit(text[i]))
            fracDigits += text[i++];
    }
    if (intDigits.empty() && fracDigits.empty()) return false;
    int64_t exponent = 0;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        if (i == end) return false;
        for (; i < end && IsDigit(text[i]); ++i)
            exponent = std::min<int64_t>(exponent * 10 + (text[i] - '0'), 1 << 20);
        if (negativeExponent) exponent = -exponent;
    }
    if (i != end) return false;

    normal += (intDigits.empty() ? "0" : intDigits) + "." + fracDigits + "e" + std::to_string(exponent);
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec != std::errc() && result.ec != std::errc::result_out_of_range) return false;
    // Beyond the range of long double: an infinity, or the smallest non-zero value, so that the
    // limits below still see the number as too large or as a non-zero too small.
    const std::string all = intDigits + fracDigits;
    const size_t firstNonZero = all.find_first_not_of('0');
    if (firstNonZero != std::string::npos && (result.ec != std::errc() || value == 0)) {
        const int64_t order =
            static_cast<int64_t>(intDigits.size()) - 1 - static_cast<int64_t>(firstNonZero) + exponent;
        value = order > 0 ? HUGE_VALL : std::numeric_limits<long double>::denorm_min();
        if (normal[0] == '-') value = -value;
    }
    return true;
}

EncodeResult EncodeNumber(std::string_view text, NumberType type, int byteOrder, char decimalSeparator) {
    EncodeResult result;
    const int size = NumberTypeSize(type);
    if (type == NumberType::Single || type == NumberType::Double) {
        long double value;
        if (!ReadFloat(text, decimalSeparator, value)) return Fail(InvalidFloatText(text));
        const bool single = type == NumberType::Single;
        const long double magnitude = std::fabs(value);
        if (magnitude > (single ? 3.4E38L : 1.7E308L)) return Fail(kFloatOverflowText);
        if (magnitude != 0 && magnitude < (single ? 1.5E-45L : 5E-324L)) return Fail(kFloatUnderflowText);
        const uint64_t bits = single ? std::bit_cast<uint32_t>(static_cast<float>(value))
                                     : std::bit_cast<uint64_t>(static_cast<double>(value));
        result.bytes = LittleEndian(bits, size);
    } else {
        int32_t value;
        if (!ReadInteger32(text, value)) return Fail(InvalidIntegerText(text));
        bool inRange = true;
        switch (type) {
        case NumberType::ShortInt:
            // The wide check comes first, as the 16-bit conversion it stands for does.
            inRange = value >= -32768 && value <= 32767 && value >= -128 && value <= 127;
            break;
        case NumberType::Byte:
            inRange = value >= 0 && value <= 255;
            break;
        case NumberType::Word:
            inRange = value >= 0 && value <= 65535;
            break;
        case NumberType::Integer:
            inRange = value >= -32768 && value <= 32767;
            break;
        default:
            break;
        }
        if (!inRange) return Fail(kRangeErrorText);
        result.bytes = LittleEndian(static_cast<uint32_t>(value), size);
    }
    if (byteOrder == 1) std::reverse(result.bytes.begin(), result.bytes.end());
    result.ok = true;
    return result;
}

} // namespace qhe
