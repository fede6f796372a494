#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qhe {

// The texts "copy as" puts on the clipboard for a block of bytes: source code of several
// languages (sixteen bytes a line, the array named data), base64, hex and Intel HEX.
enum class CopyAsFormat {
    CArray,
    CppArray,
    Python,
    Rust,
    Go,
    Java,
    CSharp,
    JavaScript,
    Base64,
    DataUrl,
    XxdInclude,
    HexPlain,
    HexSpaced,
    IntelHex
};
inline constexpr int kCopyAsFormats = 14;

// The menu caption of a format ("C 数组", "Python bytes" ...).
std::string_view CopyAsCaption(CopyAsFormat format);

// The text of n bytes in a format, or nullopt when it would pass maxChars characters (the
// caller says the block is too large rather than filling the memory).
std::optional<std::string> FormatCopyAs(CopyAsFormat format, const uint8_t* bytes, size_t n, size_t maxChars);

// Base64 text (blanks and line ends ignored) read back to bytes; nullopt when it is no base64.
std::optional<std::string> DecodeBase64(std::string_view text);

} // namespace qhe
