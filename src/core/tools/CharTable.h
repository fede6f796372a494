#pragma once
#include "core/util/Progress.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qhe {

// The 256-entry byte translation table: entry b is the byte that replaces b.
using CharTable = std::array<uint8_t, 256>;

// Sets entry b to b for every b (the identity table changes nothing).
void ResetCharTable(CharTable& table);

// Reads the text of a .qct file into the table, which is first reset. Every line must be exactly
// "hh;hh" (source and target byte, hex digits of either case); a later line for the same source
// wins. Lines end with CR LF (a bare LF is accepted too). False on any other line.
bool ParseCharTable(std::string_view text, CharTable& table);

// The text of a .qct file: "%2.2X;%2.2X" CR LF for each byte the table changes, in ascending order.
std::string FormatCharTable(const CharTable& table);

// Code of a .qct file with a line that is not "hh;hh" (the catalogue's "invalid data").
constexpr int kBadCharTableLine = 13;

// Loads a .qct file (a plain file of at most the side-file size). Answers 0, or the code of the
// failure: a read code (kNotRegularFile, kSideFileTooLarge, a catalogue code) or
// kBadCharTableLine; the table is then identity or partly loaded, and the caller resets it.
int ReadCharTableFile(CharTable& table, const std::string& path);

// Writes a .qct file through a temporary file. Answers 0, or the code of the failure
// (kNotRegularFile when path names a pipe, device or folder).
int WriteCharTableFile(const CharTable& table, const std::string& path);

// Outcome of a conversion: completed is false after a cancel; changed counts the bytes changed.
struct CharConversionResult {
    bool completed = true;
    int64_t changed = 0;
};

// Translates buffer positions start..size (1-based) through the table, reporting each chunk to
// progress (SetProgress(position, size, 5)) and stopping after the chunk in which it is cancelled.
CharConversionResult ConvertWithCharTable(const CharTable& table, uint8_t* buffer, int64_t size,
                                          int64_t start, Progress* progress,
                                          const std::function<void(int64_t pos, int64_t n)>& changed = {});

// Translates count bytes in place and answers how many changed (the conversion's inner loop),
// with the fastest variant this processor supports.
int64_t TranslateBytes(const CharTable& table, uint8_t* bytes, size_t count);
// The same, one table lookup per byte; the portable variant.
int64_t TranslateBytesPortable(const CharTable& table, uint8_t* bytes, size_t count);

} // namespace qhe
