#include "core/text/HexBytes.h"

#include <algorithm>
#include <span>

#include "core/search/SearchPattern.h"
#include "core/text/Ansi.h"
#include "core/text/HexDigit.h"

namespace qhe {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool IsHexDigit(char c) {
    return HexDigitValue(c) >= 0;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

void AppendHexByte(std::string& out, uint8_t byte) {
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

} // namespace

std::string BytesToHex(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (char c : bytes) {
        if (!out.empty()) out += ' ';
        AppendHexByte(out, static_cast<uint8_t>(c));
    }
    return out;
}

bool IsValidHex(std::string_view text) {
    if ((text.size() + 1) % 3 != 0) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool groupSeparatorPlace = (i + 1) % 3 == 0;
        if (!IsHexDigit(text[i]) && !(groupSeparatorPlace && text[i] == ' ')) return false;
    }
    // The separator places may also hold digits ("ABCDE"); only two-character groups are bytes.
    std::string_view rest = TrimBlanks(text);
    while (!rest.empty()) {
        const size_t blank = rest.find(' ');
        const std::string_view group = rest.substr(0, blank);
        if (group.size() != 2) return false;
        if (blank == std::string_view::npos) break;
        rest.remove_prefix(blank + 1);
    }
    return true;
}

std::optional<std::string> HexToBytes(std::string_view text) {
    if (!IsValidHex(text)) return std::nullopt;
    std::string bytes;
    for (size_t i = 0; i + 1 < text.size(); i += 3)
        bytes += static_cast<char>(HexDigitValue(text[i]) * 16 + HexDigitValue(text[i + 1]));
    return bytes;
}

std::vector<std::string> HexGroups(std::string_view text) {
    std::vector<std::string> groups;
    size_t start = 0;
    while (start <= text.size()) {
        size_t blank = text.find(' ', start);
        if (blank == std::string_view::npos) blank = text.size();
        if (blank > start) groups.emplace_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    return groups;
}

std::string TextToBytes(std::string_view utf8, bool utf16, int byteOrder) {
    std::string ansi = Utf8ToAnsi(utf8);
    if (!utf16) return ansi;
    const auto* data = reinterpret_cast<const uint8_t*>(ansi.data());
    const std::vector<uint8_t> wide = WidenToUTF16(std::span<const uint8_t>(data, ansi.size()), byteOrder);
    return std::string(wide.begin(), wide.end());
}

std::string TextFieldToHex(std::string_view utf8) {
    return BytesToHex(Utf8ToAnsi(utf8));
}

std::string ByteAsCharacter(uint8_t byte) {
    std::string out;
    AppendUtf8(out, AnsiToUnicode(byte));
    return out;
}

std::optional<char> HexFieldKey(char key) {
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    if (key == kBackspaceKey || IsHexDigit(key)) return key;
    return std::nullopt;
}

HexKeyResult FilterHexKey(const EditText& field, char key) {
    const std::optional<char> accepted = HexFieldKey(key);
    if (!accepted) return {};
    key = *accepted;
    const int length = static_cast<int>(field.text.size());
    const int caret = std::clamp(field.caret, 0, length);
    if (key == kBackspaceKey && (caret == 0 || caret < length - 1)) return {};
    HexKeyResult result{true, key, caret};
    // At the end of a full group the key belongs to the next group: step over the blank.
    if (caret > 1 && caret < length && field.text[caret - 2] != ' ' && field.text[caret - 1] != ' ' &&
        field.text[caret] == ' ')
        result.caret = caret + 1;
    return result;
}

EditText NormaliseHexText(const EditText& field) {
    const std::string& old = field.text;
    const int oldLength = static_cast<int>(old.size());
    const int k = std::clamp(field.caret, 0, oldLength);
    const bool atEnd = k == oldLength;
    const bool insideGroup = k > 0 && k < oldLength && old[k - 1] != ' ' && old[k] != ' ';

    std::vector<std::string> groups;
    for (const std::string& group : HexGroups(old)) {
        if (group.size() == 4) {
            groups.push_back(group.substr(0, 2));
            groups.push_back(group.substr(2));
        } else if (group.size() == 3) {
            const size_t firstLength = insideGroup ? 1 : 2;
            groups.push_back(group.substr(0, firstLength));
            groups.push_back(group.substr(firstLength));
        } else {
            groups.push_back(group);
        }
    }
    EditText result;
    for (const std::string& group : groups) {
        if (!result.text.empty()) result.text += ' ';
        result.text += group;
    }
    const std::string& text = result.text;
    const int length = static_cast<int>(text.size());

    int caret = k;
    if (!insideGroup && (atEnd || (k < length && text[k] == ' '))) caret = k + 1;
    caret = std::clamp(caret, 0, length);
    // A caret left alone behind a one-character group goes back next to it.
    if (caret > 2 && text[caret - 3] == ' ' && text[caret - 1] == ' ' && text[caret - 2] != ' ')
        --caret;
    else if (caret == 2 && text[0] != ' ' && text[1] == ' ')
        caret = 1;
    result.caret = caret;
    return result;
}

std::optional<std::string> AppendNextDocumentByte(std::string_view text, const DocumentByteAt& byteAt) {
    std::string bytes;
    if (!text.empty()) {
        std::optional<std::string> fieldBytes = HexToBytes(text);
        if (!fieldBytes) return std::nullopt;
        bytes = std::move(*fieldBytes);
    }
    for (size_t i = 0; i < bytes.size(); ++i) {
        const std::optional<uint8_t> documentByte = byteAt(static_cast<int64_t>(i));
        if (!documentByte || *documentByte != static_cast<uint8_t>(bytes[i])) return std::nullopt;
    }
    const std::optional<uint8_t> next = byteAt(static_cast<int64_t>(bytes.size()));
    if (!next) return std::nullopt;
    std::string extended(text);
    if (!extended.empty()) extended += ' ';
    AppendHexByte(extended, *next);
    return extended;
}

} // namespace qhe
