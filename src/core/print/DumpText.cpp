#include "core/print/DumpText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace qhe {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Lookup tables: the dump formats millions of rows, so each byte costs a copy, not a branch.
struct RowTables {
    char hex[256][4]; // "XY " plus one spare byte, so four bytes may be copied at once
    char side[256];   // the character beside the hex bytes
    char below[256];  // the character under the hex bytes
    RowTables() {
        for (int b = 0; b < 256; ++b) {
            hex[b][0] = kHexDigits[b >> 4];
            hex[b][1] = kHexDigits[b & 15];
            hex[b][2] = ' ';
            hex[b][3] = ' ';
            side[b] = b >= 32 ? static_cast<char>(b) : '.';
            below[b] = b >= 32 ? static_cast<char>(b) : ' ';
        }
    }
};
const RowTables kTables;

// "%9.9X: " or "%9.9d: " written without printf.
char* WriteOffset(char* dst, uint64_t offset, bool decimal) {
    if (!decimal && offset < (uint64_t{1} << 36)) {
        for (int i = 8; i >= 0; --i, offset >>= 4)
            dst[i] = kHexDigits[offset & 15];
        dst += 9;
    } else {
        char digits[24];
        int n = 0;
        const unsigned base = decimal ? 10 : 16;
        do {
            digits[n++] = kHexDigits[offset % base];
            offset /= base;
        } while (offset != 0);
        for (int i = n; i < 9; ++i)
            *dst++ = '0';
        while (n > 0)
            *dst++ = digits[--n];
    }
    *dst++ = ':';
    *dst++ = ' ';
    return dst;
}

#if defined(__x86_64__)
#define kShuffleTarget __attribute__((target("ssse3")))
// Sixteen bytes at once: 48 characters "XY " of hex, and 16 characters beside them. Used when the
// processor has byte shuffles (nearly all do); the tables serve the rest.
kShuffleTarget inline void WriteHex16(char* dst, const uint8_t* bytes) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    const __m128i digits =
        _mm_setr_epi8('0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D', 'E', 'F');
    const __m128i nibble = _mm_set1_epi8(0x0F);
    const __m128i high = _mm_shuffle_epi8(digits, _mm_and_si128(_mm_srli_epi16(v, 4), nibble));
    const __m128i low = _mm_shuffle_epi8(digits, _mm_and_si128(v, nibble));
    const __m128i pairs0 = _mm_unpacklo_epi8(high, low); // bytes 0..7, two digits each
    const __m128i pairs1 = _mm_unpackhi_epi8(high, low); // bytes 8..15
    // Output j holds digit j % 3 of byte j / 3; -1 leaves a zero where the blank goes.
    const __m128i out0 =
        _mm_shuffle_epi8(pairs0, _mm_setr_epi8(0, 1, -1, 2, 3, -1, 4, 5, -1, 6, 7, -1, 8, 9, -1, 10));
    const __m128i out1 = _mm_or_si128(
        _mm_shuffle_epi8(pairs0,
                         _mm_setr_epi8(11, -1, 12, 13, -1, 14, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1)),
        _mm_shuffle_epi8(pairs1, _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, 0, 1, -1, 2, 3, -1, 4, 5)));
    const __m128i out2 =
        _mm_shuffle_epi8(pairs1, _mm_setr_epi8(-1, 6, 7, -1, 8, 9, -1, 10, 11, -1, 12, 13, -1, 14, 15, -1));
    const __m128i blanks0 = _mm_setr_epi8(0, 0, ' ', 0, 0, ' ', 0, 0, ' ', 0, 0, ' ', 0, 0, ' ', 0);
    const __m128i blanks1 = _mm_setr_epi8(0, ' ', 0, 0, ' ', 0, 0, ' ', 0, 0, ' ', 0, 0, ' ', 0, 0);
    const __m128i blanks2 = _mm_setr_epi8(' ', 0, 0, ' ', 0, 0, ' ', 0, 0, ' ', 0, 0, ' ', 0, 0, ' ');
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_or_si128(out0, blanks0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 16), _mm_or_si128(out1, blanks1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 32), _mm_or_si128(out2, blanks2));
}

// "XXXXXXXXX:  " (the hex offset below 2^36 and the blanks after it) as one 16-byte store.
kShuffleTarget inline void WriteHexOffset(char* dst, uint64_t offset) {
    const __m128i v = _mm_cvtsi64_si128(static_cast<long long>(__builtin_bswap64(offset)));
    const __m128i digits =
        _mm_setr_epi8('0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D', 'E', 'F');
    const __m128i nibble = _mm_set1_epi8(0x0F);
    const __m128i high = _mm_shuffle_epi8(digits, _mm_and_si128(_mm_srli_epi16(v, 4), nibble));
    const __m128i low = _mm_shuffle_epi8(digits, _mm_and_si128(v, nibble));
    // Sixteen digits, most significant first; the offset is the last nine.
    const __m128i all = _mm_unpacklo_epi8(high, low);
    const __m128i text = _mm_or_si128(
        _mm_shuffle_epi8(all, _mm_setr_epi8(7, 8, 9, 10, 11, 12, 13, 14, 15, -1, -1, -1, -1, -1, -1, -1)),
        _mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 0, ':', ' ', ' ', 0, 0, 0, 0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), text);
}

kShuffleTarget inline void WriteSide16(char* dst, const uint8_t* bytes, char control) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    // v <= 31 exactly when min(v, 31) == v.
    const __m128i isControl = _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(31)), v);
    const __m128i out =
        _mm_or_si128(_mm_andnot_si128(isControl, v), _mm_and_si128(isControl, _mm_set1_epi8(control)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), out);
}

const bool kShuffles = __builtin_cpu_supports("ssse3");
#endif

char* WriteEol(char* dst, std::string_view eol) {
    std::memcpy(dst, eol.data(), eol.size());
    return dst + eol.size();
}

// The second line of a row with text below.
char* WriteBelowLine(char* dst, const uint8_t* bytes, int count, std::string_view eol) {
    std::memset(dst, ' ', kDumpOffsetWidth + 3 * static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        dst[kDumpOffsetWidth + 3 * i + 2] = kTables.below[bytes[i]];
    return WriteEol(dst + kDumpOffsetWidth + 3 * count, eol);
}

#if defined(__x86_64__)
// WriteDumpRow with the sixteen-at-once helpers, all compiled for byte shuffles so they inline.
kShuffleTarget inline char* WriteRowShuffled(char* dst, const DumpFormat& format, uint64_t offset,
                                             const uint8_t* bytes, int count, std::string_view eol) {
    const int width = format.bytesPerRow;
    if (!format.decimal && offset < (uint64_t{1} << 36)) {
        WriteHexOffset(dst, offset);
        dst += kDumpOffsetWidth + 1;
    } else {
        dst = WriteOffset(dst, offset, format.decimal);
        *dst++ = ' ';
    }
    char* hex = dst;
    int i = 0;
    for (; i + 16 <= count; i += 16, hex += 48)
        WriteHex16(hex, bytes + i);
    for (; i < count; ++i, hex += 3)
        std::memcpy(hex, kTables.hex[bytes[i]], 4);
    dst += 3 * width;
    if (hex < dst) std::memset(hex, ' ', static_cast<size_t>(dst - hex));
    if (format.textBelow) return WriteBelowLine(WriteEol(dst, eol), bytes, count, eol);
    for (i = 0; i + 16 <= count; i += 16)
        WriteSide16(dst + i, bytes + i, '.');
    for (; i < count; ++i)
        dst[i] = kTables.side[bytes[i]];
    dst += count;
    if (eol.size() == 2) {
        dst[0] = eol[0];
        dst[1] = eol[1];
        return dst + 2;
    }
    return WriteEol(dst, eol);
}

kShuffleTarget char* WriteRowsShuffled(char* dst, const DumpFormat& format, uint64_t offset,
                                       const uint8_t* bytes, uint64_t count, std::string_view eol) {
    const uint64_t width = static_cast<uint64_t>(format.bytesPerRow);
    for (uint64_t row = 0; row < count; row += width)
        dst = WriteRowShuffled(dst, format, offset + row, bytes + row,
                               static_cast<int>(std::min(width, count - row)), eol);
    return dst;
}
#endif

} // namespace

std::string DumpColumnHeader(const DumpFormat& format) {
    std::string line = format.decimal ? "Offset dec. " : "Offset hex. ";
    char column[16];
    for (int i = 0; i < format.bytesPerRow; ++i) {
        std::snprintf(column, sizeof column, format.decimal ? "%2.2d " : "%2.2X ", i);
        line += column;
    }
    return line;
}

size_t MaxDumpRowSize(const DumpFormat& format, size_t eolSize) {
    const size_t width = static_cast<size_t>(format.bytesPerRow);
    size_t size = 24 + 4 * width + eolSize;
    if (format.textBelow) size += kDumpOffsetWidth + 3 * width + eolSize;
    return size;
}

char* WriteDumpRow(char* dst, const DumpFormat& format, uint64_t offset, const uint8_t* bytes, int count,
                   std::string_view eol) {
    count = std::min(count, format.bytesPerRow);
#if defined(__x86_64__)
    if (kShuffles) return WriteRowShuffled(dst, format, offset, bytes, count, eol);
#endif
    const int width = format.bytesPerRow;
    dst = WriteOffset(dst, offset, format.decimal);
    *dst++ = ' ';
    char* hex = dst;
    for (int i = 0; i < count; ++i, hex += 3)
        std::memcpy(hex, kTables.hex[bytes[i]], 4);
    dst += 3 * width;
    // A short row is padded so that its characters start where full rows have them.
    std::memset(hex, ' ', static_cast<size_t>(dst - hex));
    if (format.textBelow) return WriteBelowLine(WriteEol(dst, eol), bytes, count, eol);
    for (int i = 0; i < count; ++i)
        dst[i] = kTables.side[bytes[i]];
    return WriteEol(dst + count, eol);
}

char* WriteDumpRows(char* dst, const DumpFormat& format, uint64_t offset, const uint8_t* bytes,
                    uint64_t count, std::string_view eol) {
#if defined(__x86_64__)
    if (kShuffles) return WriteRowsShuffled(dst, format, offset, bytes, count, eol);
#endif
    const uint64_t width = static_cast<uint64_t>(format.bytesPerRow);
    for (uint64_t row = 0; row < count; row += width)
        dst = WriteDumpRow(dst, format, offset + row, bytes + row,
                           static_cast<int>(std::min(width, count - row)), eol);
    return dst;
}

void AppendDumpRow(std::string& out, const DumpFormat& format, uint64_t offset, const uint8_t* bytes,
                   int count, std::string_view eol) {
    const size_t start = out.size();
    out.resize(start + MaxDumpRowSize(format, eol.size()));
    char* end = WriteDumpRow(out.data() + start, format, offset, bytes, count, eol);
    out.resize(static_cast<size_t>(end - out.data()));
}

DumpRange ComputeDumpRange(const DumpRangeInput& input, const DumpFormat& format) {
    const int64_t width = std::max(1, format.bytesPerRow);
    const auto rowStart = [width](int64_t position) {
        return std::max<int64_t>(1, (position - 1) / width * width + 1);
    };
    DumpRange range;
    switch (input.kind) {
    case DumpRangeKind::All:
        range.last = input.size;
        return range;
    case DumpRangeKind::CurrentPage:
        range.first = rowStart(input.topAddress);
        range.last = input.lastVisible;
        break;
    case DumpRangeKind::Selection:
        range.first = rowStart(input.blockBegin);
        range.last = input.blockEnd;
        break;
    }
    // Rows start at S with S-1 a multiple of B, so every row ends at a multiple of B.
    int64_t unit = width;
    if (!input.toFile) {
        const int64_t lines = std::max(1, format.textBelow ? input.linesPerPage / 2 : input.linesPerPage);
        unit = lines * width;
    }
    range.last = std::min(input.size, (range.last + unit - 1) / unit * unit);
    return range;
}

int ParseBytesPerRow(std::string_view text) {
    if (text.empty() || text.size() > 2) return 0;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace qhe
