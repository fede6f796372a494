#pragma once
#include <cstdint>
#include <vector>

#include "core/document/Document.h"

namespace qhe {

// Replaces k equally long segments of a Document by equally long new contents in one pass:
// segment i starts at the 0-based offset at[i] + i * shift (ascending, not overlapping; the
// shift lets one list of offsets serve before and after a length change), is fromLength
// bytes long and becomes the toLength bytes at contents + i * contentStride (a stride of 0
// writes the same contents everywhere). A growing rewrite makes room first and answers false,
// changing nothing, when memory or the size limit forbids it; the others cannot fail.
bool RewriteSegments(Document& doc, const std::vector<int64_t>& at, int64_t shift, int64_t fromLength,
                     int64_t toLength, const uint8_t* contents, int64_t contentStride);

} // namespace qhe
