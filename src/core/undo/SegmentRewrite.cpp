#include "core/undo/SegmentRewrite.h"

#include <cstring>
#include <optional>

namespace qhe {
namespace {

// memmove that accepts an empty run with a null pointer (an empty replacement has no data).
void Move(uint8_t* to, const uint8_t* from, int64_t n) {
    if (n > 0) std::memmove(to, from, static_cast<size_t>(n));
}

} // namespace

bool RewriteSegments(Document& doc, const std::vector<int64_t>& at, int64_t shift, int64_t fromLength,
                     int64_t toLength, const uint8_t* contents, int64_t contentStride) {
    const int64_t k = static_cast<int64_t>(at.size());
    if (k == 0) return true;
    const int64_t size = doc.Size();
    const int64_t growth = k * (toLength - fromLength);
    auto offset = [&](int64_t i) { return at[static_cast<size_t>(i)] + i * shift; };
    auto content = [&](int64_t i) { return contents + i * contentStride; };
    if (doc.IsMapped() && growth != 0) {
        // A mapped file (in pieces, or becoming so now): the range from the first segment to
        // the last is rebuilt in one pass and replaces the old pieces at once.
        std::optional<PieceRebuild> rebuild;
        if (!doc.StartRebuild(offset(0) + 1, rebuild)) return false;
        int64_t next = offset(0);
        for (int64_t i = 0; i < k; ++i) {
            if (!rebuild->Keep(offset(i) - next)) return false;
            rebuild->Skip(fromLength);
            if (!rebuild->Append(content(i), toLength)) return false;
            next = offset(i) + fromLength;
        }
        doc.CommitRebuild(*rebuild);
        return true;
    }
    if (doc.IsMapped()) {
        // Equal lengths are written where they stand: no piece for each segment.
        for (int64_t i = 0; i < k; ++i)
            if (toLength > 0 && !doc.WriteBytes(offset(i) + 1, content(i), toLength)) return false;
        return true;
    }
    if (growth == 0) {
        for (int64_t i = 0; i < k; ++i)
            Move(doc.WritableAt(offset(i) + 1, toLength), content(i), toLength);
        return true;
    }
    if (growth < 0) {
        // Front to back: everything before the write position is final.
        uint8_t* buffer = doc.Buffer();
        int64_t w = offset(0), u = offset(0);
        for (int64_t i = 0; i < k; ++i) {
            const int64_t hit = offset(i);
            Move(buffer + w, buffer + u, hit - u);
            w += hit - u;
            Move(buffer + w, content(i), toLength);
            w += toLength;
            u = hit + fromLength;
        }
        Move(buffer + w, buffer + u, size - u);
        doc.EnsureRoom(growth); // the bytes are in place; handing memory back may fail
        doc.SetSize(size + growth);
        return true;
    }
    if (!doc.EnsureRoom(growth)) return false;
    doc.SetSize(size + growth);
    // Back to front: everything behind the write end is final, the read end stays below it.
    uint8_t* buffer = doc.Buffer();
    int64_t w = size + growth, u = size;
    for (int64_t i = k - 1; i >= 0; --i) {
        const int64_t tail = offset(i) + fromLength;
        w -= u - tail;
        Move(buffer + w, buffer + tail, u - tail);
        w -= toLength;
        Move(buffer + w, content(i), toLength);
        u = offset(i);
    }
    return true;
}

} // namespace qhe
