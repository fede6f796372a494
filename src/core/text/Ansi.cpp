#include "core/text/Ansi.h"

namespace qhe {

namespace {

// Code points of bytes 0x80..0x9F; the other bytes are their own code point (Latin-1).
constexpr char32_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Lower/upper pairs of the page: ASCII and Latin-1 letters plus the 1252 specials.
struct CaseMaps {
    std::array<uint8_t, 256> upper{};
    std::array<uint8_t, 256> lower{};

    CaseMaps() {
        for (int b = 0; b < 256; ++b)
            upper[b] = lower[b] = static_cast<uint8_t>(b);
        auto pair = [this](int low, int up) {
            upper[low] = static_cast<uint8_t>(up);
            lower[up] = static_cast<uint8_t>(low);
        };
        for (int b = 'a'; b <= 'z'; ++b)
            pair(b, b - 0x20);
        for (int b = 0xE0; b <= 0xFE; ++b)
            if (b != 0xF7) pair(b, b - 0x20); // 0xF7 is the division sign
        pair(0x9A, 0x8A);                     // s caron
        pair(0x9C, 0x8C);                     // oe ligature
        pair(0x9E, 0x8E);                     // z caron
        pair(0xFF, 0x9F);                     // y diaeresis
    }
};

const CaseMaps& Maps() {
    static const CaseMaps maps;
    return maps;
}

// Decodes one UTF-8 sequence at text[i]; returns false for a malformed one (i then advances one byte).
bool DecodeUtf8(std::string_view text, size_t& i, char32_t& c) {
    const auto lead = static_cast<uint8_t>(text[i]);
    int extra;
    char32_t min;
    if (lead < 0x80) {
        c = lead;
        ++i;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07, min = 0x10000;
    } else {
        ++i;
        return false;
    }
    if (i + extra >= text.size()) {
        ++i;
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto cont = static_cast<uint8_t>(text[i + k]);
        if ((cont & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        c = (c << 6) | (cont & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += extra + 1;
    return true;
}

} // namespace

const std::array<uint8_t, 256>& AnsiUpperMap() {
    return Maps().upper;
}
const std::array<uint8_t, 256>& AnsiLowerMap() {
    return Maps().lower;
}

std::string AnsiUpperString(std::string_view bytes) {
    std::string out(bytes);
    for (char& ch : out)
        ch = static_cast<char>(AnsiUpper(static_cast<uint8_t>(ch)));
    return out;
}

std::string AnsiLowerString(std::string_view bytes) {
    std::string out(bytes);
    for (char& ch : out)
        ch = static_cast<char>(AnsiLower(static_cast<uint8_t>(ch)));
    return out;
}

char32_t AnsiToUnicode(uint8_t b) {
    return (b >= 0x80 && b <= 0x9F) ? kHighControls[b - 0x80] : b;
}

uint8_t UnicodeToAnsi(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<uint8_t>(c);
    for (int k = 0; k < 32; ++k)
        if (kHighControls[k] == c) return static_cast<uint8_t>(0x80 + k);
    return '?';
}

std::string Utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c;
        out.push_back(static_cast<char>(DecodeUtf8(utf8, i, c) ? UnicodeToAnsi(c) : '?'));
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string AnsiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (char ch : ansi)
        AppendUtf8(out, AnsiToUnicode(static_cast<uint8_t>(ch)));
    return out;
}

} // namespace qhe
