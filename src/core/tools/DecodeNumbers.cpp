#include "core/tools/DecodeNumbers.h"

#include "core/document/Document.h"

#include "core/tools/NumberText.h"

namespace qhe {

namespace {

// Assembles count bytes into an unsigned value in the given byte order.
uint64_t Assemble(const uint8_t* bytes, int count, int byteOrder) {
    uint64_t value = 0;
    for (int k = 0; k < count; ++k) {
        const uint64_t b = bytes[k];
        if (byteOrder == 1)
            value = (value << 8) | b;
        else
            value |= b << (8 * k);
    }
    return value;
}

} // namespace

DecodedNumbers DecodeNumbers(const uint8_t* buffer, int64_t size, int64_t address, int byteOrder,
                             char decimalSeparator) {
    DecodedNumbers out;
    if (size <= 0 || address < 1 || address > size) return out;
    const uint8_t* b = buffer + (address - 1);
    const int64_t available = static_cast<int64_t>(size) - address + 1;
    out.shortInt = std::to_string(static_cast<int8_t>(b[0]));
    if (available >= 2) {
        const auto v = static_cast<uint16_t>(Assemble(b, 2, byteOrder));
        out.word = std::to_string(v);
        out.integer = std::to_string(static_cast<int16_t>(v));
    }
    if (available >= 4) {
        const auto v = static_cast<uint32_t>(Assemble(b, 4, byteOrder));
        out.longInt = std::to_string(static_cast<int32_t>(v));
        out.single = FormatSingleBits(v, decimalSeparator);
    }
    if (available >= 8) out.dbl = FormatDoubleBits(Assemble(b, 8, byteOrder), decimalSeparator);
    return out;
}

DecodedNumbers DecodeNumbersAt(const Document& doc, int64_t address, int byteOrder, char decimalSeparator) {
    if (address < 1 || address > doc.Size()) return {};
    // No value takes more than eight bytes.
    uint8_t bytes[8];
    const int64_t n = std::min<int64_t>(8, doc.Size() - address + 1);
    doc.CopyOut(address, n, bytes);
    return DecodeNumbers(bytes, n, 1, byteOrder, decimalSeparator);
}

} // namespace qhe
