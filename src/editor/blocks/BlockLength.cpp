#include "editor/blocks/BlockLength.h"

#include <charconv>
#include <limits>

namespace qhe {

std::optional<int64_t> ParseBlockLength(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const size_t last = text.find_last_not_of(' ');
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    int base = 10;
    if (*begin == '$') {
        ++begin;
        base = 16;
        // from_chars would take a sign after the "$"; hex digits have none.
        if (begin == end || *begin == '-' || *begin == '+') return std::nullopt;
    }
    int64_t value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value, base);
    if (error != std::errc() || stop != end || begin == end) return std::nullopt;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return value;
}

bool BlockLengthFits(int64_t n, int64_t cur, int64_t size) {
    return n >= 1 && n < size && cur >= 1 && cur + n - 1 <= size;
}

std::optional<int64_t> CheckBlockLength(const std::string& text, int64_t cur, int64_t size) {
    const auto n = ParseBlockLength(text);
    if (!n || !BlockLengthFits(*n, cur, size)) return std::nullopt;
    return n;
}

} // namespace qhe
