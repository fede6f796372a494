#include "editor/clipboard/ClipboardFormat.h"

#include "core/document/Document.h"
#include "core/text/HexDigit.h"

namespace qhe {
std::string EncodeQzBinary(std::string_view bytes) {
    const auto n = static_cast<uint32_t>(bytes.size());
    std::string block;
    block.reserve(bytes.size() + 4);
    for (int shift = 0; shift < 32; shift += 8)
        block += static_cast<char>((n >> shift) & 0xFF);
    block.append(bytes);
    return block;
}

std::optional<std::string> DecodeQzBinary(std::string_view block) {
    if (block.size() < 4) return std::nullopt;
    uint32_t n = 0;
    for (int i = 0; i < 4; ++i)
        n |= static_cast<uint32_t>(static_cast<uint8_t>(block[i])) << (8 * i);
    // Data from another program may claim more than it holds; such a block is not used.
    if (n > block.size() - 4) return std::nullopt;
    return std::string(block.substr(4, n));
}

std::optional<std::string> HexStringOf(std::string_view bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    if (bytes.empty()) return std::string();
    if (static_cast<int64_t>(bytes.size()) * 3 - 1 > kMaxDocumentSize) return std::nullopt;
    std::string text;
    text.reserve(bytes.size() * 3 - 1);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        if (i > 0) text += ' ';
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

std::optional<std::string> ParseClipboardHex(std::string_view text) {
    const bool separated = text.size() >= 3 && text[2] == ' ';
    const size_t stride = separated ? 3 : 2;
    if (separated ? (text.size() + 1) % 3 != 0 : text.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    bytes.reserve(text.size() / stride + 1);
    for (size_t i = 0; i < text.size(); i += stride) {
        const int high = HexDigitValue(text[i]);
        const int low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        if (separated && i + 2 < text.size() && text[i + 2] != ' ') return std::nullopt;
        bytes += static_cast<char>(high << 4 | low);
    }
    return bytes;
}

int64_t ClipboardBlockSize(std::optional<std::string_view> privateBytes,
                           std::optional<std::string_view> text) {
    if (privateBytes) return static_cast<int64_t>(privateBytes->size()) + 4;
    if (text) return static_cast<int64_t>(text->size()) + 1;
    return 0;
}

} // namespace qhe
