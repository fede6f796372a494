#include "core/script/ScriptArgs.h"
#include "core/text/HexDigit.h"

#include <cstring>
#include <limits>

namespace qhe {
namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::optional<int64_t> ParseScriptNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || Upper(text[i]) == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && Upper(text[i + 1]) == 'X') {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = HexDigitValue(text[i]);
        if (digit < 0 || digit >= base) return std::nullopt;
        // Checked before the product, which could pass INT64_MAX for a number far too large.
        if (value > (kMaxScriptNumber - digit) / base) return std::nullopt;
        value = value * base + digit;
    }
    return negative ? -value : value;
}

std::optional<int64_t> ParseScriptCount(std::string_view text) {
    if (text.empty()) return 1;
    return ParseScriptNumber(text);
}

std::optional<std::string> ParseScriptHex(std::string_view text) {
    std::string bytes;
    size_t i = 0;
    while (i < text.size()) {
        if (text.size() - i == 1) {
            if (HexDigitValue(text[i]) < 0) return std::nullopt;
            break; // a lone digit at the end is ignored
        }
        const int high = HexDigitValue(text[i]);
        const int low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
        if (i < text.size() && text[i++] != ' ') return std::nullopt;
    }
    return bytes;
}

VerifyList ParseVerifyList(std::string_view text) {
    VerifyList list;
    std::string upper(text);
    for (char& c : upper)
        c = Upper(c);
    size_t start = 0;
    for (;;) {
        const size_t orAt = upper.find("OR", start);
        const std::string_view part = std::string_view(upper).substr(
            start, orAt == std::string::npos ? std::string::npos : orAt - start);
        std::string digits;
        for (char c : part)
            if (c != ' ') digits += c;
        if (digits.empty()) {
            list.error = VerifyList::Error::EmptyPattern;
            return list;
        }
        if (digits.size() % 2 != 0) {
            list.error = VerifyList::Error::BadHex;
            return list;
        }
        VerifyPattern pattern;
        for (size_t i = 0; i < digits.size(); i += 2) {
            if (digits[i] == '?' && digits[i + 1] == '?') {
                pattern.bytes += '\0';
                pattern.mustMatch += '\0';
                continue;
            }
            const int high = HexDigitValue(digits[i]);
            const int low = HexDigitValue(digits[i + 1]);
            if (high < 0 || low < 0) {
                list.error = VerifyList::Error::BadHex;
                return list;
            }
            pattern.bytes += static_cast<char>(high * 16 + low);
            pattern.mustMatch += '\1';
        }
        list.patterns.push_back(std::move(pattern));
        if (orAt == std::string::npos) break;
        start = orAt + 2;
    }
    return list;
}

bool VerifyMatches(const VerifyPattern& pattern, const uint8_t* bytes, int64_t size, int64_t offset) {
    const auto n = static_cast<int64_t>(pattern.bytes.size());
    if (offset < 0 || n > size - offset) return false;
    for (int64_t k = 0; k < n; ++k)
        if (pattern.mustMatch[k] && bytes[offset + k] != static_cast<uint8_t>(pattern.bytes[k])) return false;
    return true;
}

std::optional<std::pair<std::string, std::string>> SplitAtBy(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = Upper(c);
    size_t at = upper.find(" BY ");
    size_t length = 4;
    if (at == std::string::npos) {
        at = upper.find(" BY");
        length = 3;
    }
    if (at == std::string::npos) return std::nullopt;
    return std::pair{std::string(text.substr(0, at)), std::string(text.substr(at + length))};
}

} // namespace qhe
