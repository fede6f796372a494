#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace qhe {

// Widens every byte b of a text pattern to two bytes: b then 0 for byte order 0 (little-endian),
// 0 then b for byte order 1 (big-endian). Only single-byte Latin characters become proper UTF-16.
std::vector<uint8_t> WidenToUTF16(std::span<const uint8_t> bytes, int byteOrder);

// True when some byte is changed by the ANSI upper- or lower-case map, i.e. a case-insensitive
// search would also match other bytes.
bool HasCaseLetters(std::span<const uint8_t> bytes);

} // namespace qhe
