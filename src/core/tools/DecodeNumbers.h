#pragma once
#include <cstdint>
#include <string>

namespace qhe {

// The bytes at one address read as each number type; a text is empty when too few bytes follow.
struct DecodedNumbers {
    std::string shortInt; // signed 8 bit
    std::string word;     // unsigned 16 bit
    std::string integer;  // signed 16 bit
    std::string longInt;  // signed 32 bit
    std::string single;   // IEEE binary32
    std::string dbl;      // IEEE binary64
};

// Decodes the bytes at 1-based address of a buffer holding size bytes, multi-byte values in
// byteOrder (0 little-endian, 1 big-endian). Nothing is decoded when address is outside 1..size.
DecodedNumbers DecodeNumbers(const uint8_t* buffer, int64_t size, int64_t address, int byteOrder,
                             char decimalSeparator = '.');
// The same for the bytes of doc at address, whether it is one buffer or in pieces.
class Document;
DecodedNumbers DecodeNumbersAt(const Document& doc, int64_t address, int byteOrder,
                               char decimalSeparator = '.');

} // namespace qhe
