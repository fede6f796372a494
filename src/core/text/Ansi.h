#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qhe {

// The program's single-byte code page, Windows-1252: case maps and conversions to and from Unicode.
// Every text the user sees or types passes through here when it becomes bytes (text pane, text
// entry fields, clipboard text, side files).

// 256-entry map of each byte to its upper-case byte (bytes without a single-byte upper form,
// such as 0xDF, map to themselves).
const std::array<uint8_t, 256>& AnsiUpperMap();
// 256-entry map of each byte to its lower-case byte.
const std::array<uint8_t, 256>& AnsiLowerMap();

inline uint8_t AnsiUpper(uint8_t b) {
    return AnsiUpperMap()[b];
}
inline uint8_t AnsiLower(uint8_t b) {
    return AnsiLowerMap()[b];
}

// Upper- or lower-cases a byte string byte by byte.
std::string AnsiUpperString(std::string_view bytes);
std::string AnsiLowerString(std::string_view bytes);

// The Unicode code point of a byte. The five bytes the page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the C1 control of the same value.
char32_t AnsiToUnicode(uint8_t b);

// The byte of a code point, or '?' when the page has no byte for it.
uint8_t UnicodeToAnsi(char32_t c);

// UTF-8 text to ANSI bytes: one byte per character, '?' for characters outside the page and for
// each byte of a malformed UTF-8 sequence.
std::string Utf8ToAnsi(std::string_view utf8);

// ANSI bytes to UTF-8 text.
std::string AnsiToUtf8(std::string_view ansi);

// Appends the UTF-8 encoding of one code point.
void AppendUtf8(std::string& out, char32_t c);

} // namespace qhe
