#include "core/print/DumpText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

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

char* WriteEol(char* dst, std::string_view eol) {
    std::memcpy(dst, eol.data(), eol.size());
    return dst + eol.size();
}

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
    const int width = format.bytesPerRow;
    count = std::min(count, width);
    dst = WriteOffset(dst, offset, format.decimal);
    *dst++ = ' ';
    char* hex = dst;
    for (int i = 0; i < count; ++i, hex += 3)
        std::memcpy(hex, kTables.hex[bytes[i]], 4);
    dst += 3 * width;
    // A short row is padded so that its characters start where full rows have them.
    std::memset(hex, ' ', static_cast<size_t>(dst - hex));
    if (!format.textBelow) {
        for (int i = 0; i < count; ++i)
            dst[i] = kTables.side[bytes[i]];
        return WriteEol(dst + count, eol);
    }
    dst = WriteEol(dst, eol);
    std::memset(dst, ' ', kDumpOffsetWidth + 3 * static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        dst[kDumpOffsetWidth + 3 * i + 2] = kTables.below[bytes[i]];
    return WriteEol(dst + kDumpOffsetWidth + 3 * count, eol);
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
