#pragma once
#include <cstddef>
#include <cstdint>

#include "core/compare/FileCompare.h"

namespace qhe {

// Bytes of each side a line shows.
inline constexpr int64_t kDiffLineBytes = 16;
// Room one line needs at most.
inline constexpr size_t kMaxDiffLine = 192;

// Hex digits of the offsets in lines about inputs of up to size bytes (at least 8).
int OffsetDigits(int64_t size);

// One line about r, ending with "\n": offset in A and in B (hex, digits wide), length in A and
// in B (decimal), then the first bytes of each side (a and b, up to kDiffLineBytes of them) in
// hex, "-" for a side without bytes and "..." after a side with more. For example
// "00000010 00000010 2 2 4142 6162". Writes into out; answers the length.
size_t FormatDiffLine(char* out, const DiffRange& r, const uint8_t* a, const uint8_t* b, int digits);

} // namespace qhe
