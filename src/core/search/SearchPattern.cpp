#include "core/search/SearchPattern.h"

#include "core/text/Ansi.h"

namespace qhe {

std::vector<uint8_t> WidenToUTF16(std::span<const uint8_t> bytes, int byteOrder) {
    std::vector<uint8_t> out;
    out.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        if (byteOrder == 1) out.push_back(0);
        out.push_back(b);
        if (byteOrder != 1) out.push_back(0);
    }
    return out;
}

bool HasCaseLetters(std::span<const uint8_t> bytes) {
    for (uint8_t b : bytes)
        if (AnsiUpper(b) != b || AnsiLower(b) != b) return true;
    return false;
}

} // namespace qhe
