#pragma once
#include <cstdint>

namespace qhe {

// The Unicode character of a byte in the OEM code page 437 (the "ASCII" column of the
// character conversion table shows bytes as the DOS screen font did).
char32_t OemToUnicode(uint8_t byte);

} // namespace qhe
