#include "core/compare/DiffLines.h"

#include <algorithm>

namespace qhe {
namespace {

constexpr char kHex[] = "0123456789abcdef";

char* PutHex(char* out, uint64_t value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        out[i] = kHex[value & 15];
    return out + digits;
}

char* PutDecimal(char* out, uint64_t value) {
    char digits[20];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

char* PutBytes(char* out, const uint8_t* bytes, int64_t length) {
    if (length == 0) {
        *out++ = '-';
        return out;
    }
    const int64_t shown = std::min(length, kDiffLineBytes);
    for (int64_t i = 0; i < shown; ++i) {
        *out++ = kHex[bytes[i] >> 4];
        *out++ = kHex[bytes[i] & 15];
    }
    if (length > shown) out = std::copy_n("...", 3, out);
    return out;
}

} // namespace

int OffsetDigits(int64_t size) {
    int digits = 8;
    while (digits < 16 && (static_cast<uint64_t>(size) >> (4 * digits)) != 0)
        ++digits;
    return digits;
}

size_t FormatDiffLine(char* out, const DiffRange& r, const uint8_t* a, const uint8_t* b, int digits) {
    char* p = PutHex(out, static_cast<uint64_t>(r.offsetA), digits);
    *p++ = ' ';
    p = PutHex(p, static_cast<uint64_t>(r.offsetB), digits);
    *p++ = ' ';
    p = PutDecimal(p, static_cast<uint64_t>(r.lengthA));
    *p++ = ' ';
    p = PutDecimal(p, static_cast<uint64_t>(r.lengthB));
    *p++ = ' ';
    p = PutBytes(p, a, r.lengthA);
    *p++ = ' ';
    p = PutBytes(p, b, r.lengthB);
    *p++ = '\n';
    return static_cast<size_t>(p - out);
}

} // namespace qhe
