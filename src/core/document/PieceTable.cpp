#include "core/document/PieceTable.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace qhe {
namespace {

constexpr int64_t kChunk = 1 << 20; // the store grows by at least this much

} // namespace

void PieceTable::Clear() {
    nodes_.clear();
    free_.clear();
    root_ = -1;
    count_ = 0;
    chunks_.clear();
    chunkNext_ = nullptr;
    chunkLeft_ = 0;
    stored_ = 0;
    original_ = nullptr;
    originalSize_ = 0;
}

void PieceTable::Reset(uint8_t* original, int64_t size) {
    Clear();
    original_ = original;
    originalSize_ = size;
    if (size > 0) root_ = NewNode(original, size);
}

bool PieceTable::IsOriginal() const {
    if (root_ < 0) return originalSize_ == 0;
    const Node& n = N(root_);
    return count_ == 1 && n.data == original_ && n.length == originalSize_;
}

int32_t PieceTable::NewNode(uint8_t* data, int64_t length) {
    int32_t i;
    if (!free_.empty()) {
        i = free_.back();
        free_.pop_back();
    } else {
        i = static_cast<int32_t>(nodes_.size());
        nodes_.push_back({});
    }
    N(i) = Node{data, length, length, static_cast<uint32_t>(random_()), -1, -1};
    ++count_;
    return i;
}

void PieceTable::FreeTree(int32_t t) {
    // Iterative, so that a degenerate tree cannot exhaust the stack.
    std::vector<int32_t> pending;
    if (t >= 0) pending.push_back(t);
    while (!pending.empty()) {
        const int32_t i = pending.back();
        pending.pop_back();
        if (N(i).left >= 0) pending.push_back(N(i).left);
        if (N(i).right >= 0) pending.push_back(N(i).right);
        free_.push_back(i);
        --count_;
    }
}

void PieceTable::Update(int32_t t) {
    Node& n = N(t);
    n.sum = n.length + (n.left >= 0 ? N(n.left).sum : 0) + (n.right >= 0 ? N(n.right).sum : 0);
}

void PieceTable::Split(int32_t t, int64_t k, int32_t& left, int32_t& right) {
    if (t < 0) {
        left = right = -1;
        return;
    }
    const int64_t leftSum = N(t).left >= 0 ? N(N(t).left).sum : 0;
    if (k <= leftSum) {
        int32_t l, r;
        Split(N(t).left, k, l, r);
        N(t).left = r;
        Update(t);
        left = l;
        right = t;
    } else if (k >= leftSum + N(t).length) {
        int32_t l, r;
        Split(N(t).right, k - leftSum - N(t).length, l, r);
        N(t).right = l;
        Update(t);
        left = t;
        right = r;
    } else {
        // k falls inside this piece: its tail becomes a node of its own, first in the right part.
        const int64_t head = k - leftSum;
        const int32_t tail = NewNode(N(t).data + head, N(t).length - head);
        N(tail).priority = N(t).priority; // keeps the heap order with the children it takes
        N(tail).right = N(t).right;
        N(t).right = -1;
        N(t).length = head;
        Update(tail);
        Update(t);
        left = t;
        right = tail;
    }
}

int32_t PieceTable::Merge(int32_t left, int32_t right) {
    if (left < 0) return right;
    if (right < 0) return left;
    if (N(left).priority > N(right).priority) {
        N(left).right = Merge(N(left).right, right);
        Update(left);
        return left;
    }
    N(right).left = Merge(left, N(right).left);
    Update(right);
    return right;
}

int32_t PieceTable::Rightmost(int32_t t) const {
    if (t < 0) return -1;
    while (N(t).right >= 0)
        t = N(t).right;
    return t;
}

void PieceTable::GrowRightmost(int32_t t, int64_t n) {
    for (; t >= 0; t = N(t).right) {
        N(t).sum += n;
        if (N(t).right < 0) N(t).length += n;
    }
}

bool PieceTable::NewChunk(int64_t size) {
    std::unique_ptr<uint8_t[]> chunk(new (std::nothrow) uint8_t[static_cast<size_t>(size)]);
    if (!chunk) return false;
    chunkNext_ = chunk.get();
    chunkLeft_ = size;
    chunks_.push_back(std::move(chunk));
    return true;
}

uint8_t* PieceTable::Allocate(int64_t n) {
    if (n > chunkLeft_ && !NewChunk(std::max(kChunk, n))) return nullptr;
    uint8_t* at = chunkNext_;
    chunkNext_ += n;
    chunkLeft_ -= n;
    stored_ += n;
    return at;
}

uint8_t* PieceTable::AllocateRun(int64_t want, int64_t& got) {
    if (want > chunkLeft_ && !NewChunk(std::max(kChunk, want))) return nullptr;
    got = chunkLeft_;
    return Allocate(got);
}

void PieceTable::GiveBack(int64_t n) {
    chunkNext_ -= n;
    chunkLeft_ += n;
    stored_ -= n;
}

int32_t PieceTable::BuildTree(const std::vector<Span>& pieces) {
    // The right spine of the tree so far; a node of higher priority takes the nodes below it on
    // the spine as its left subtree. A node leaves the spine complete, so its sum is final then.
    std::vector<int32_t> spine;
    for (const Span& piece : pieces) {
        const int32_t x = NewNode(const_cast<uint8_t*>(piece.data), piece.size);
        int32_t last = -1;
        while (!spine.empty() && N(spine.back()).priority < N(x).priority) {
            last = spine.back();
            spine.pop_back();
            Update(last);
        }
        N(x).left = last;
        if (!spine.empty()) N(spine.back()).right = x;
        spine.push_back(x);
    }
    for (size_t i = spine.size(); i-- > 0;)
        Update(spine[i]);
    return spine.empty() ? -1 : spine.front();
}

void PieceTable::ReplaceRange(int64_t offset, int64_t n, const std::vector<Span>& pieces) {
    int32_t left, middle, right;
    Split(root_, offset, left, right);
    Split(right, n, middle, right);
    FreeTree(middle); // the bytes stay where they are; only the nodes go
    root_ = Merge(Merge(left, BuildTree(pieces)), right);
}

uint8_t* PieceTable::InsertGap(int64_t offset, int64_t n) {
    if (n <= 0 || offset < 0 || offset > Size()) return nullptr;
    int32_t left, right;
    Split(root_, offset, left, right);
    // Bytes typed one after another land behind each other in the store: one piece grows.
    const int32_t last = Rightmost(left);
    const bool extends = last >= 0 && n <= chunkLeft_ && N(last).data + N(last).length == chunkNext_;
    uint8_t* at = Allocate(n);
    if (!at) {
        root_ = Merge(left, right);
        return nullptr;
    }
    if (extends) {
        GrowRightmost(left, n);
        root_ = Merge(left, right);
    } else {
        root_ = Merge(Merge(left, NewNode(at, n)), right);
    }
    return at;
}

void PieceTable::Erase(int64_t offset, int64_t n) {
    if (n <= 0 || offset < 0 || offset + n > Size()) return;
    int32_t left, middle, right;
    Split(root_, offset, left, right);
    Split(right, n, middle, right);
    FreeTree(middle);
    root_ = Merge(left, right);
}

uint8_t* PieceTable::Writable(int64_t offset, int64_t n) {
    if (n <= 0 || offset < 0 || offset + n > Size()) return nullptr;
    const Span span = SpanAt(offset);
    if (span.size >= n) return const_cast<uint8_t*>(span.data); // every byte has one owner
    uint8_t* copy = Allocate(n);
    if (!copy) return nullptr;
    Read(offset, n, copy);
    int32_t left, middle, right;
    Split(root_, offset, left, right);
    Split(right, n, middle, right);
    FreeTree(middle);
    root_ = Merge(Merge(left, NewNode(copy, n)), right);
    return copy;
}

PieceTable::Span PieceTable::SpanAt(int64_t offset) const {
    int64_t start = 0;
    const Span piece = PieceAt(offset, start);
    if (!piece.data) return {};
    return {piece.data + (offset - start), piece.size - (offset - start)};
}

PieceTable::Span PieceTable::PieceAt(int64_t offset, int64_t& start) const {
    int32_t t = root_;
    start = 0;
    while (t >= 0) {
        const Node& n = N(t);
        const int64_t leftSum = n.left >= 0 ? N(n.left).sum : 0;
        if (offset < leftSum) {
            t = n.left;
        } else if (offset < leftSum + n.length) {
            start += leftSum;
            return {n.data, n.length};
        } else {
            offset -= leftSum + n.length;
            start += leftSum + n.length;
            t = n.right;
        }
    }
    return {};
}

void PieceTable::Read(int64_t offset, int64_t n, uint8_t* out) const {
    while (n > 0) {
        const Span span = SpanAt(offset);
        if (!span.data) return;
        const int64_t take = std::min(n, span.size);
        std::memcpy(out, span.data, static_cast<size_t>(take));
        out += take;
        offset += take;
        n -= take;
    }
}

} // namespace qhe
