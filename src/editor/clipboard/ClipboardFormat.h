#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qhe {

// The private clipboard format QZBINARY: a 4-byte little-endian count, then the bytes. It
// carries every byte value unchanged, zero bytes included.
inline constexpr const char* kQzBinaryName = "QZBINARY";
inline constexpr const char* kQzBinaryMimeType = "application/x-qzbinary";

// The clipboard block for bytes (bytes.size() + 4 bytes). Byte strings are held in std::string.
std::string EncodeQzBinary(std::string_view bytes);
// The bytes of a clipboard block; nullopt when the block is shorter than its count says.
std::optional<std::string> DecodeQzBinary(std::string_view block);

// Copy as hex string: two upper-case digits per byte, one blank between bytes ("00 1F A0").
// A text longer than the largest Document is not made (nullopt).
std::optional<std::string> HexStringOf(std::string_view bytes);

// The bytes of a clipboard hex string, in the separated form ("00 1f A0") exactly when the third
// character is a blank, otherwise the compact form ("001FA0"); either letter case. The empty
// text gives no bytes. nullopt when the text is not a hex string.
std::optional<std::string> ParseClipboardHex(std::string_view text);

// The size of the clipboard's memory block that holds the private data (count + bytes) or the
// plain text (with its terminating zero): what the size check at close weighs.
int64_t ClipboardBlockSize(std::optional<std::string_view> privateBytes,
                           std::optional<std::string_view> text);

} // namespace qhe
