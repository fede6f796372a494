#include "core/search/DocumentSearch.h"

#include <algorithm>
#include <vector>

#include "core/document/Document.h"

namespace qhe {
namespace {

int64_t Length(const SearchRequest& r) {
    return static_cast<int64_t>(r.pattern.size());
}

// The engine's progress for a run starting at position base, in the Document's positions.
SearchProgress Shifted(const SearchRequest& r, int64_t base) {
    if (!r.progress || !*r.progress) return {};
    return [&r, base](int64_t e, bool& cancel) { (*r.progress)(base + e - 1, cancel); };
}

// Reports the end of a run done, so that many small runs still move the gauge and see Cancel.
void Report(const SearchRequest& r, int64_t position, bool& cancel) {
    if (r.progress && *r.progress) (*r.progress)(position, cancel);
}

int64_t Forward(TQSearch& e, const SearchRequest& r, const uint8_t* bytes, int64_t size,
                const SearchProgress& progress, bool& cancel) {
    return e.SearchForward(r.pattern, bytes, 1, size, r.caseSensitive, r.jokerOn, r.joker, progress, cancel);
}

int64_t Backward(TQSearch& e, const SearchRequest& r, const uint8_t* bytes, int64_t size,
                 const SearchProgress& progress, bool& cancel) {
    return e.SearchBackward(r.pattern, bytes, 1, size, r.caseSensitive, r.jokerOn, r.joker, progress, cancel);
}

// The bytes a..b copied out (a border and the pattern's length on either side of it).
const uint8_t* Stitch(const Document& doc, int64_t a, int64_t b, std::vector<uint8_t>& scratch) {
    scratch.resize(static_cast<size_t>(b - a + 1));
    doc.CopyOut(a, b - a + 1, scratch.data());
    return scratch.data();
}

} // namespace

int64_t SearchForwardIn(TQSearch& engine, const Document& doc, const SearchRequest& r, int64_t low,
                        int64_t high, bool& cancel) {
    if (doc.Contiguous() || r.pattern.empty())
        return engine.SearchForward(r.pattern, doc.Buffer(), low, high, r.caseSensitive, r.jokerOn, r.joker,
                                    r.progress ? *r.progress : SearchProgress{}, cancel);
    const int64_t n = Length(r);
    std::vector<uint8_t> scratch;
    for (int64_t pos = std::max<int64_t>(low, 1); pos + n - 1 <= high;) {
        const PieceTable::Span run = doc.SpanAt(pos);
        const int64_t end = std::min(pos + run.size - 1, high);
        if (end - pos + 1 >= n) {
            const int64_t hit = Forward(engine, r, run.data, end - pos + 1, Shifted(r, pos), cancel);
            if (cancel) return -1;
            if (hit > 0) return pos + hit - 1;
        }
        if (end < high) {
            // Windows that start in the run and end behind it; the leftmost hit there (even one
            // wholly behind the run) is the leftmost of all that are left.
            const int64_t a = std::max(pos, end - n + 2), b = std::min(end + n - 1, high);
            const int64_t hit = Forward(engine, r, Stitch(doc, a, b, scratch), b - a + 1, {}, cancel);
            if (hit > 0) return a + hit - 1;
        }
        Report(r, end, cancel);
        if (cancel) return -1;
        pos = end + 1;
    }
    return -1;
}

int64_t SearchBackwardIn(TQSearch& engine, const Document& doc, const SearchRequest& r, int64_t low,
                         int64_t high, bool& cancel) {
    if (doc.Contiguous() || r.pattern.empty())
        return engine.SearchBackward(r.pattern, doc.Buffer(), low, high, r.caseSensitive, r.jokerOn, r.joker,
                                     r.progress ? *r.progress : SearchProgress{}, cancel);
    const int64_t n = Length(r);
    low = std::max<int64_t>(low, 1);
    std::vector<uint8_t> scratch;
    for (int64_t end = std::min(high, doc.Size()); end - n + 1 >= low;) {
        int64_t first = 0;
        const PieceTable::Span run = doc.RunEndingAt(end, first);
        const int64_t start = std::max(first, low);
        const uint8_t* bytes = run.data + (start - first);
        if (end - start + 1 >= n) {
            const int64_t hit = Backward(engine, r, bytes, end - start + 1, Shifted(r, start), cancel);
            if (cancel) return -1;
            if (hit > 0) return start + hit - 1;
        }
        if (start > low) {
            // Windows that end in the run and start before it.
            const int64_t a = std::max(start - n + 1, low), b = std::min(start + n - 2, end);
            const int64_t hit = Backward(engine, r, Stitch(doc, a, b, scratch), b - a + 1, {}, cancel);
            if (hit > 0) return a + hit - 1;
        }
        Report(r, start, cancel);
        if (cancel) return -1;
        end = start - 1;
    }
    return -1;
}

int64_t CountForwardIn(TQSearch& engine, const Document& doc, const SearchRequest& r, int64_t low,
                       int64_t high, bool& cancel, int64_t& lastHit) {
    if (doc.Contiguous() || r.pattern.empty())
        return engine.CountForward(r.pattern, doc.Buffer(), low, high, r.caseSensitive, r.jokerOn, r.joker,
                                   r.progress ? *r.progress : SearchProgress{}, cancel, lastHit);
    const int64_t n = Length(r);
    int64_t count = 0;
    lastHit = 0;
    std::vector<uint8_t> scratch;
    // s: the first start a window may have (hits do not overlap).
    for (int64_t s = std::max<int64_t>(low, 1); s + n - 1 <= high;) {
        const PieceTable::Span run = doc.SpanAt(s);
        const int64_t end = std::min(s + run.size - 1, high);
        int64_t next = s;
        if (end - s + 1 >= n) {
            int64_t last = 0;
            count += engine.CountForward(r.pattern, run.data, 1, end - s + 1, r.caseSensitive, r.jokerOn,
                                         r.joker, Shifted(r, s), cancel, last);
            if (last > 0) {
                lastHit = s + last - 1;
                next = lastHit + n;
            }
            if (cancel) break;
        }
        // Hits that start in the run and end behind it, taken in order.
        for (int64_t t = std::max(next, end - n + 2); t <= end && t + n - 1 <= high;) {
            const int64_t b = std::min(end + n - 1, high);
            const int64_t hit = Forward(engine, r, Stitch(doc, t, b, scratch), b - t + 1, {}, cancel);
            if (hit <= 0 || t + hit - 1 > end) break;
            lastHit = t + hit - 1;
            ++count;
            next = t = lastHit + n;
        }
        Report(r, end, cancel);
        if (cancel) break;
        s = std::max(next, end + 1);
    }
    return count;
}

int64_t CountBackwardIn(TQSearch& engine, const Document& doc, const SearchRequest& r, int64_t low,
                        int64_t high, bool& cancel, int64_t& lastHit) {
    if (doc.Contiguous() || r.pattern.empty())
        return engine.CountBackward(r.pattern, doc.Buffer(), low, high, r.caseSensitive, r.jokerOn, r.joker,
                                    r.progress ? *r.progress : SearchProgress{}, cancel, lastHit);
    const int64_t n = Length(r);
    low = std::max<int64_t>(low, 1);
    int64_t count = 0;
    lastHit = 0;
    std::vector<uint8_t> scratch;
    // e: the last end a window may have.
    for (int64_t e = std::min(high, doc.Size()); e - n + 1 >= low;) {
        int64_t first = 0;
        const PieceTable::Span run = doc.RunEndingAt(e, first);
        const int64_t start = std::max(first, low);
        int64_t next = e;
        if (e - start + 1 >= n) {
            int64_t last = 0;
            count +=
                engine.CountBackward(r.pattern, run.data + (start - first), 1, e - start + 1, r.caseSensitive,
                                     r.jokerOn, r.joker, Shifted(r, start), cancel, last);
            if (last > 0) {
                lastHit = start + last - 1;
                next = lastHit - 1;
            }
            if (cancel) break;
        }
        // Hits that end in the run and start before it, taken from the right.
        for (int64_t t = std::min(next, start + n - 2); t >= start && t - n + 1 >= low;) {
            const int64_t a = std::max(start - n + 1, low);
            const int64_t hit = Backward(engine, r, Stitch(doc, a, t, scratch), t - a + 1, {}, cancel);
            if (hit <= 0 || a + hit - 1 + n - 1 < start) break;
            lastHit = a + hit - 1;
            ++count;
            next = t = lastHit - 1;
        }
        Report(r, start, cancel);
        if (cancel) break;
        e = std::min(next, start - 1);
    }
    return count;
}

} // namespace qhe
