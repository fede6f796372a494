#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qhe {

// Text rules shared by the settings readers and writers (profile layer and TQZIniFile).

// ASCII comparison without regard to case, as section and key names are compared.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Removes blanks and tabs at both ends.
std::string_view TrimBlanks(std::string_view text);

// Removes one pair of matching quotes (double quote or apostrophe) around a value of at
// least two characters; other values are returned unchanged.
std::string_view StripMatchingQuotes(std::string_view value);

// Reads a settings integer: optional blanks and sign, then decimal digits, or hexadecimal
// digits after "$" or "0x"/"0X". Hex values take the 32-bit pattern ("$FFFFFFFF" is -1).
// Anything else, or a decimal value outside the 32-bit range, gives no value.
std::optional<int32_t> ParseIniInteger(std::string_view text);

// Splits file contents into lines at CR LF, LF or a lone CR; a final line break does not
// start another line.
std::vector<std::string_view> SplitLines(std::string_view contents);

// Replaces CR and LF by blanks so that a written value can never start a new line (a
// remembered entry must not be able to add sections or keys to the file).
std::string OneLine(std::string_view text);

} // namespace qhe
