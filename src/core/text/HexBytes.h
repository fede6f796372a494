#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qhe {

// Byte strings as typed into the entry fields: either text (one ANSI byte per character,
// optionally widened to UTF-16) or hex digits in the canonical form "41 42 43": two upper-case
// digits per byte, one blank between bytes, no blank at either end. Byte strings are held in
// std::string, one char per byte.

// The canonical hex form of bytes; n bytes give 3n - 1 characters, no bytes the empty text.
std::string BytesToHex(std::string_view bytes);

// True when text is a canonical byte string, lower-case digits allowed. The empty text is not.
bool IsValidHex(std::string_view text);

// The bytes of a valid hex text; std::nullopt when IsValidHex fails.
std::optional<std::string> HexToBytes(std::string_view text);

// The groups of text split at blanks, empty groups dropped.
std::vector<std::string> HexGroups(std::string_view text);

// Text typed into a text field (UTF-8) as bytes: one ANSI byte per character ('?' for a
// character outside the code page), widened to UTF-16 in byteOrder (0 little-, 1 big-endian)
// when utf16 is set.
std::string TextToBytes(std::string_view utf8, bool utf16, int byteOrder);

// What the conversion button writes into the hex field: the text field's text byte for byte
// (never widened) in canonical hex.
std::string TextFieldToHex(std::string_view utf8);

// The character a byte stands for in the code page, as UTF-8 (shown beside the joker field).
std::string ByteAsCharacter(uint8_t byte);

// An edit field's text and caret; the caret counts the characters before it.
struct EditText {
    std::string text;
    int caret = 0;
    bool operator==(const EditText&) const = default;
};

// The result of a key press offered to the hex field's typing filter.
struct HexKeyResult {
    bool accepted = false; // false: the key is dropped
    char key = 0;          // the key to hand on (letters upper-cased)
    int caret = 0;         // where the caret stands before the edit handles the key
};

// Backspace as a key character.
inline constexpr char kBackspaceKey = '\b';

// The keys the hex field takes at all: hex digits (letters upper-cased) and Backspace; any other
// key gives std::nullopt. This alone applies when the key replaces a selection.
std::optional<char> HexFieldKey(char key);

// The hex field's typing filter for one character key (Backspace as '\b'). Letters become
// upper case; Backspace works only at the end of the text or just before its last character;
// only 0-9, A-F and Backspace pass; a digit typed at the end of a full group first steps over
// the following blank so that it starts the next group. Copy, paste and cut are not characters
// and are not offered here.
HexKeyResult FilterHexKey(const EditText& field, char key);

// Brings the hex field's text back into groups after a change, keeping the caret where the
// user expects it: a group of four becomes two groups of two, a group of three is split 1 + 2
// when the caret stood inside a group and 2 + 1 otherwise, blanks are collapsed and trimmed.
// Canonical text comes out unchanged.
EditText NormaliseHexText(const EditText& field);

// The byte at offset 0, 1, ... from the document's current address, or std::nullopt past the
// end of the document.
using DocumentByteAt = std::function<std::optional<uint8_t>(int64_t offset)>;

// The right-arrow aid of the hex find fields: when the field's bytes match the document at the
// current address, the text extended by the document's next byte; otherwise std::nullopt. An
// empty field takes the byte at the current address. A text that is neither empty nor a valid
// byte string is left alone, since its group count says nothing about the bytes it matches.
std::optional<std::string> AppendNextDocumentByte(std::string_view text, const DocumentByteAt& byteAt);

} // namespace qhe
