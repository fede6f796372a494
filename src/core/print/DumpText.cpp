#include "core/print/DumpText.h"

#include <algorithm>
#include <cstdio>

namespace qhe {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// "%9.9X: " or "%9.9d: " written without printf: the dump writes millions of these.
void AppendOffset(std::string& out, uint64_t offset, bool decimal) {
    char digits[12];
    int n = 0;
    if (decimal) {
        do {
            digits[n++] = static_cast<char>('0' + offset % 10);
            offset /= 10;
        } while (offset != 0);
    } else {
        do {
            digits[n++] = kHexDigits[offset & 15];
            offset >>= 4;
        } while (offset != 0);
    }
    for (int i = n; i < 9; ++i)
        out += '0';
    while (n > 0)
        out += digits[--n];
    out += ": ";
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

void AppendDumpRow(std::string& out, const DumpFormat& format, uint64_t offset, const uint8_t* bytes,
                   int count, std::string_view eol) {
    const int width = format.bytesPerRow;
    count = std::min(count, width);
    AppendOffset(out, offset, format.decimal);
    out += ' ';
    const size_t hexStart = out.size();
    out.resize(hexStart + 3 * static_cast<size_t>(width), ' ');
    char* hex = out.data() + hexStart;
    for (int i = 0; i < count; ++i) {
        hex[3 * i] = kHexDigits[bytes[i] >> 4];
        hex[3 * i + 1] = kHexDigits[bytes[i] & 15];
    }
    if (!format.textBelow) {
        for (int i = 0; i < count; ++i)
            out += bytes[i] >= 32 ? static_cast<char>(bytes[i]) : '.';
        out += eol;
        return;
    }
    out += eol;
    out.append(kDumpOffsetWidth, ' ');
    for (int i = 0; i < count; ++i) {
        out += "  ";
        out += bytes[i] >= 32 ? static_cast<char>(bytes[i]) : ' ';
    }
    out += eol;
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
