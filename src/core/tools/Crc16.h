#pragma once
#include <cstddef>
#include <cstdint>

namespace qhe {

// CRC-16/ARC (reflected polynomial 0xA001, initial 0, no final inversion; check value of
// "123456789" is 0xBB3D). Each function continues from crc, the result over the bytes before.

// The fastest variant this processor supports.
uint16_t Crc16Arc(uint16_t crc, const uint8_t* data, size_t size);

// Slicing-by-8 with eight 256-entry tables; the portable variant.
uint16_t Crc16ArcSliced(uint16_t crc, const uint8_t* data, size_t size);

// Carry-less multiplication folding, 16 bytes per multiplication (x86 PCLMULQDQ); falls back to
// the sliced variant on processors without it.
uint16_t Crc16ArcFolded(uint16_t crc, const uint8_t* data, size_t size);

// The same folding, 64 bytes per multiplication (AVX-512 VPCLMULQDQ); falls back to
// Crc16ArcFolded on processors without it.
uint16_t Crc16ArcFoldedWide(uint16_t crc, const uint8_t* data, size_t size);

} // namespace qhe
