#pragma once
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace qhe {

// One argument of a catalogue format: text, integer or floating point.
struct FormatArg {
    FormatArg(std::string_view text) : value(std::string(text)) {}
    FormatArg(const char* text) : value(std::string(text)) {}
    FormatArg(const std::string& text) : value(text) {}
    template <std::integral T>
    FormatArg(T number) : value(static_cast<int64_t>(number)) {}
    FormatArg(double number) : value(number) {}

    std::variant<std::string, int64_t, double> value;
};

// Fills a catalogue format. Conversions: %s (text), %d / %u (decimal), %x / %X (upper-case hex,
// no leading zeros), %.0n (thousands separators, no decimals), width/precision forms such as
// %2.2x or %4.4d, and %% . Arguments are taken in order; a missing argument leaves the
// conversion empty.
std::string Format(std::string_view format, std::initializer_list<FormatArg> args);

// Format applied to catalogue message id.
std::string FormatMsg(int id, std::initializer_list<FormatArg> args);

// "%.0n": 1234567 -> "1,234,567".
std::string FormatCount(int64_t value);

// "%x": 255 -> "FF".
std::string FormatHex(uint64_t value);

// The file name without its folder, as every message with a file name shows it.
std::string FileNameOnly(std::string_view path);

} // namespace qhe
