#include "editor/view/CodePage.h"

#include <array>

namespace qhe {
namespace {

// Unicode of the bytes 0x80..0x9F; the five unassigned bytes keep their own code.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t UnicodeOf(uint8_t value) {
    if (value >= 0x80 && value < 0xA0) return kHighControls[value - 0x80];
    return value;
}

std::string Utf8(char32_t ch) {
    std::string out;
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
    return out;
}

} // namespace

const std::string& ViewCharOfByte(uint8_t value) {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> t;
        for (int b = 0; b < 256; ++b)
            t[b] = Utf8(UnicodeOf(static_cast<uint8_t>(b)));
        return t;
    }();
    return table[value];
}

uint8_t ViewByteOfChar(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch < 0x100)) return static_cast<uint8_t>(ch);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == ch) return static_cast<uint8_t>(0x80 + i);
    return '?';
}

} // namespace qhe
