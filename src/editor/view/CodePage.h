#pragma once
#include <cstdint>
#include <string>

namespace qhe {

// The single-byte code page of the text pane (Windows-1252): byte value to the character's
// UTF-8 text and back. Kept here until the engine's code page module is merged; only the
// view and the keyboard use it.
const std::string& ViewCharOfByte(uint8_t value);

// The byte of a typed character, or '?' for a character outside the code page.
uint8_t ViewByteOfChar(char32_t ch);

} // namespace qhe
