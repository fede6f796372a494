#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "core/document/PieceTable.h"

namespace qhe {

class Document;

// Where the bytes of a range lie: for a 0-based offset into the range, a pointer to the byte
// there and how many bytes follow it in one contiguous run. Passes over a Document take their
// bytes run by run this way, whether it is one buffer or in pieces.
using RunSource = std::function<PieceTable::Span(int64_t offset)>;

// Read access by 1-based position to a buffer (position 1 at its first byte) or to a Document:
// a pointer to n contiguous bytes at pos, straight from the bytes when they lie in one run,
// otherwise copied to a scratch buffer of the view's own (valid until its next call).
class ByteView {
  public:
    ByteView(const uint8_t* buffer) : buffer_(buffer) {}
    explicit ByteView(const Document& doc);
    const uint8_t* At(int64_t pos, int64_t n) const;

  private:
    const uint8_t* buffer_ = nullptr;
    const Document* doc_ = nullptr;
    mutable std::vector<uint8_t> scratch_;
};

// The runs of bytes from data (one run).
RunSource RunsOf(const uint8_t* data, int64_t size);
// The runs of doc from position from on.
RunSource RunsOf(const Document& doc, int64_t from);

} // namespace qhe
