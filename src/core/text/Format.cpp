#include "core/text/Format.h"

#include "core/text/Messages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace qhe {
namespace {

// Widths and precisions beyond this are clamped so a damaged format cannot ask for huge strings.
constexpr int kMaxWidth = 4096;

// One parsed conversion: "%" ["-"] ["0"] [width] ["." precision] type.
struct Directive {
    bool leftAlign = false;
    bool zeroPad = false;
    int width = 0;
    int precision = -1; // -1: none given
    char type = 0;
};

// Reads decimal digits at pos (clamped to kMaxWidth); answers -1 when there are none.
int ReadNumber(std::string_view format, size_t& pos) {
    if (pos >= format.size() || format[pos] < '0' || format[pos] > '9') return -1;
    int value = 0;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
        value = std::min(kMaxWidth, value * 10 + (format[pos] - '0'));
        ++pos;
    }
    return value;
}

std::string GroupThousands(std::string digits) {
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<size_t>(i), 1, ',');
    return digits;
}

uint64_t Magnitude(int64_t value) {
    return value < 0 ? ~static_cast<uint64_t>(value) + 1 : static_cast<uint64_t>(value);
}

// Negative numbers shown unsigned or in hex use 32-bit two's complement when they fit an int,
// as the 32-bit program showed them, and 64-bit otherwise.
uint64_t AsUnsigned(int64_t value) {
    if (value < 0 && value >= std::numeric_limits<int32_t>::min())
        return static_cast<uint32_t>(static_cast<int32_t>(value));
    return static_cast<uint64_t>(value);
}

std::string HexDigits(uint64_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

// Zero-extends digits to at least precision digits after an optional sign.
std::string ApplyMinDigits(std::string text, int precision) {
    const size_t signLength = (!text.empty() && text[0] == '-') ? 1 : 0;
    const size_t digits = text.size() - signLength;
    if (precision > 0 && digits < static_cast<size_t>(precision))
        text.insert(signLength, static_cast<size_t>(precision) - digits, '0');
    return text;
}

size_t CodePointCount(std::string_view text) {
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The first count code points of text, never cutting a UTF-8 sequence.
std::string_view FirstCodePoints(std::string_view text, size_t count) {
    size_t seen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == count) return text.substr(0, i);
            ++seen;
        }
    }
    return text;
}

std::string DoubleText(double value, const char* conversion, int precision) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, conversion, std::min(precision, 100), value);
    return buffer;
}

// A double as shown by %s: shortest round form without exponent noise for whole numbers.
std::string DoubleAsText(double value) {
    return DoubleText(value, "%.*g", 15);
}

// A double converted for an integer conversion: truncated toward zero, clamped to int64.
int64_t DoubleAsInteger(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 9.2e18) return std::numeric_limits<int64_t>::max();
    if (value <= -9.2e18) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(value);
}

// Text holding a whole number (with optional sign) converts for integer conversions.
bool ParseInteger(const std::string& text, int64_t& value) {
    if (text.empty()) return false;
    size_t pos = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (pos == text.size()) return false;
    uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        if (text[pos] < '0' || text[pos] > '9') return false;
        if (magnitude > (std::numeric_limits<uint64_t>::max() - 9) / 10) return false;
        magnitude = magnitude * 10 + static_cast<uint64_t>(text[pos] - '0');
    }
    const bool negative = text[0] == '-';
    if (magnitude > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0))
        return false;
    value = negative ? static_cast<int64_t>(~magnitude + 1) : static_cast<int64_t>(magnitude);
    return true;
}

// Number with thousands separators and decimals digits after the point.
std::string NumberText(const FormatArg& arg, int decimals) {
    if (const auto* integer = std::get_if<int64_t>(&arg.value)) {
        std::string text = *integer < 0 ? "-" : "";
        text += GroupThousands(std::to_string(Magnitude(*integer)));
        if (decimals > 0) {
            text += '.';
            text.append(static_cast<size_t>(decimals), '0');
        }
        return text;
    }
    double value = 0;
    if (const auto* real = std::get_if<double>(&arg.value)) {
        value = *real;
    } else {
        int64_t parsed = 0;
        if (!ParseInteger(std::get<std::string>(arg.value), parsed)) return std::get<std::string>(arg.value);
        return NumberText(FormatArg(parsed), decimals);
    }
    if (!std::isfinite(value)) return DoubleAsText(value);
    std::string text = DoubleText(value, "%.*f", decimals);
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.erase(0, 1);
    const size_t point = std::min(text.find('.'), text.size());
    text = GroupThousands(text.substr(0, point)) + text.substr(point);
    // "-0" after rounding a small negative value is shown as "0".
    const bool allZero = text.find_first_not_of("0.,") == std::string::npos;
    return negative && !allZero ? "-" + text : text;
}

// The argument as an integer for %d, %u and %x; false when it is text that holds no number.
bool ArgAsInteger(const FormatArg& arg, int64_t& value) {
    if (const auto* integer = std::get_if<int64_t>(&arg.value)) {
        value = *integer;
        return true;
    }
    if (const auto* real = std::get_if<double>(&arg.value)) {
        if (!std::isfinite(*real)) return false;
        value = DoubleAsInteger(*real);
        return true;
    }
    return ParseInteger(std::get<std::string>(arg.value), value);
}

std::string ArgAsText(const FormatArg& arg) {
    if (const auto* text = std::get_if<std::string>(&arg.value)) return *text;
    if (const auto* integer = std::get_if<int64_t>(&arg.value)) return std::to_string(*integer);
    return DoubleAsText(std::get<double>(arg.value));
}

// The converted text of one argument, before width padding.
std::string Convert(const Directive& directive, const FormatArg& arg) {
    int64_t integer = 0;
    switch (directive.type) {
    case 's': {
        const std::string text = ArgAsText(arg);
        if (directive.precision < 0) return text;
        return std::string(FirstCodePoints(text, static_cast<size_t>(directive.precision)));
    }
    case 'd':
        if (!ArgAsInteger(arg, integer)) return ArgAsText(arg);
        return ApplyMinDigits(std::to_string(integer), directive.precision);
    case 'u':
        if (!ArgAsInteger(arg, integer)) return ArgAsText(arg);
        return ApplyMinDigits(std::to_string(AsUnsigned(integer)), directive.precision);
    case 'x':
        if (!ArgAsInteger(arg, integer)) return ArgAsText(arg);
        return ApplyMinDigits(HexDigits(AsUnsigned(integer)), directive.precision);
    case 'n':
    case 'm':
        return NumberText(arg, directive.precision < 0 ? 2 : directive.precision);
    case 'f':
    case 'e':
    case 'g': {
        double value = 0;
        if (const auto* real = std::get_if<double>(&arg.value))
            value = *real;
        else if (const auto* whole = std::get_if<int64_t>(&arg.value))
            value = static_cast<double>(*whole);
        else
            return ArgAsText(arg);
        const char* conversion = directive.type == 'f' ? "%.*f" : directive.type == 'e' ? "%.*E" : "%.*G";
        return DoubleText(value, conversion,
                          directive.precision < 0 ? (directive.type == 'g' ? 15 : 2) : directive.precision);
    }
    default:
        return {};
    }
}

std::string Pad(std::string text, const Directive& directive) {
    const size_t length = CodePointCount(text);
    if (length >= static_cast<size_t>(directive.width)) return text;
    const size_t fill = static_cast<size_t>(directive.width) - length;
    if (directive.leftAlign) return text + std::string(fill, ' ');
    const bool numeric = directive.type != 's';
    if (directive.zeroPad && numeric) {
        const size_t signLength = (!text.empty() && text[0] == '-') ? 1 : 0;
        text.insert(signLength, fill, '0');
        return text;
    }
    return std::string(fill, ' ') + text;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsConversion(char c) {
    return c == 's' || c == 'd' || c == 'u' || c == 'x' || c == 'n' || c == 'm' || c == 'f' || c == 'e' ||
           c == 'g';
}

} // namespace

std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
    const std::vector<const FormatArg*> list = [&] {
        std::vector<const FormatArg*> result;
        for (const FormatArg& arg : args)
            result.push_back(&arg);
        return result;
    }();
    std::string out;
    size_t nextArg = 0;
    size_t pos = 0;
    while (pos < format.size()) {
        const char c = format[pos];
        if (c != '%') {
            out += c;
            ++pos;
            continue;
        }
        const size_t start = pos++;
        if (pos < format.size() && format[pos] == '%') {
            out += '%';
            ++pos;
            continue;
        }
        Directive directive;
        // An optional argument index "n:" picks the argument; later ones continue after it.
        size_t indexEnd = pos;
        const int index = ReadNumber(format, indexEnd);
        if (index >= 0 && indexEnd < format.size() && format[indexEnd] == ':') {
            nextArg = static_cast<size_t>(index);
            pos = indexEnd + 1;
        }
        while (pos < format.size() && (format[pos] == '-' || format[pos] == '0')) {
            if (format[pos] == '-')
                directive.leftAlign = true;
            else
                directive.zeroPad = true;
            ++pos;
        }
        directive.width = std::max(0, ReadNumber(format, pos));
        if (pos < format.size() && format[pos] == '.') {
            ++pos;
            directive.precision = std::max(0, ReadNumber(format, pos));
        }
        if (pos >= format.size() || !IsConversion(LowerAscii(format[pos]))) {
            // Not a conversion: the text stays as written.
            out.append(format.substr(start, pos - start));
            continue;
        }
        directive.type = LowerAscii(format[pos++]);
        if (nextArg >= list.size()) continue; // a missing argument leaves the conversion empty
        out += Pad(Convert(directive, *list[nextArg++]), directive);
    }
    return out;
}

std::string FormatMsg(int id, std::initializer_list<FormatArg> args) {
    return Format(Msg(id), args);
}

std::string FormatCount(int64_t value) {
    return NumberText(FormatArg(value), 0);
}

std::string FormatHex(uint64_t value) {
    return HexDigits(value);
}

std::string FileNameOnly(std::string_view path) {
    const size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

} // namespace qhe
