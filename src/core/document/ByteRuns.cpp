#include "core/document/ByteRuns.h"

#include "core/document/Document.h"

#include <algorithm>

namespace qhe {

ByteView::ByteView(const Document& doc) {
    if (doc.Contiguous())
        buffer_ = doc.Buffer();
    else
        doc_ = &doc;
}

const uint8_t* ByteView::At(int64_t pos, int64_t n) const {
    if (!doc_) return buffer_ + pos - 1;
    if (n > 0) {
        const PieceTable::Span run = doc_->SpanAt(pos);
        if (run.size >= n) return run.data;
    }
    scratch_.resize(static_cast<size_t>(std::max<int64_t>(n, 0)));
    doc_->CopyOut(pos, n, scratch_.data());
    return scratch_.data();
}

RunSource RunsOf(const uint8_t* data, int64_t size) {
    return [data, size](int64_t offset) { return PieceTable::Span{data + offset, size - offset}; };
}

RunSource RunsOf(const Document& doc, int64_t from) {
    if (doc.Contiguous()) return RunsOf(doc.Buffer() + from - 1, doc.Size() - from + 1);
    return [&doc, from](int64_t offset) { return doc.SpanAt(from + offset); };
}

} // namespace qhe
