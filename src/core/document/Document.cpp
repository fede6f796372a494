#include "core/document/Document.h"

#include <algorithm>
#include <cstring>

#include "core/document/BufferPoison.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"

namespace qhe {
namespace {

// The 128 KiB step above n (n >= 0).
int64_t StepAbove(int64_t n) {
    return (n / kCapacityStep + 1) * kCapacityStep;
}

} // namespace

int64_t Document::CapacityFor(int64_t n) {
    if (n > kMaxDocumentSize) return 0;
    return std::max(kMinCapacity, StepAbove(std::max<int64_t>(n, 0)));
}

bool Document::Allocate() {
    BusyScope busy(busy_, Msg(kMsgAllocating));
    const bool allocated = buffer_.Allocate(kMinCapacity);
    Repoint();
    PoisonUnused();
    return allocated;
}

void Document::Release() {
    BusyScope busy(busy_, Msg(kMsgReleasing));
    buffer_.Release();
    mapping_.Close();
    changed_.Clear();
    LeavePieces();
    size_ = 0;
}

void Document::AdoptMapping(platform::FileMapping&& mapping) {
    mapping_ = std::move(mapping);
    changed_.Clear();
    LeavePieces();
    size_ = mapping_.Size();
    // The own buffer is kept for a later small file, but holds nothing now.
    PoisonBytes(buffer_.Data(), buffer_.ByteSize());
}

void Document::DropMapping() {
    if (!IsMapped()) return;
    mapping_.Close();
    changed_.Clear();
    LeavePieces();
    size_ = 0;
    PoisonUnused();
}

bool Document::ResizeBuffer(int64_t capacity, int busyMessage) {
    BusyScope busy(busy_, Msg(busyMessage));
    const bool resized = buffer_.Resize(capacity);
    Repoint();
    PoisonUnused();
    return resized;
}

void Document::PoisonUnused() {
    if (IsMapped()) return;
    const int64_t used = std::min<int64_t>(size_, Capacity());
    PoisonBytes(Buffer() + used, Capacity() - used);
}

void Document::LeavePieces() {
    pieces_.Clear();
    piecewise_ = false;
    Repoint();
}

bool Document::MakePiecewise() {
    if (!IsMapped() || IsDevice()) return false;
    if (!piecewise_) {
        pieces_.Reset(mapping_.Data(), size_);
        piecewise_ = true;
        Repoint();
    }
    return true;
}

bool Document::FileRangeOf(const uint8_t* p, int64_t n, int& fd, int64_t& offset) const {
    const uint8_t* base = mapping_.Data();
    if (!base || p < base || p + n > base + mapping_.Size()) return false;
    offset = p - base;
    if (changed_.Intersects(offset, offset + n)) return false;
    fd = mapping_.Fd();
    return true;
}

void Document::CopyOut(int64_t pos, int64_t n, uint8_t* out) const {
    if (n <= 0) return;
    if (piecewise_)
        pieces_.Read(pos - 1, n, out);
    else
        std::memcpy(out, data_ + pos - 1, static_cast<size_t>(n));
}

void Document::SetSize(int64_t n) {
    if (IsMapped()) {
        // A mapped file only gets shorter this way (truncate, delete all): its tail goes.
        if (n >= 0 && n < size_ && MakePiecewise()) {
            pieces_.Erase(n, size_ - n);
            size_ = n;
        }
        return;
    }
    // Only the bytes between the old and the new size change their state.
    const int64_t capacity = Capacity();
    const int64_t from = std::min<int64_t>(size_, capacity), to = std::min<int64_t>(n, capacity);
    if (to > from) UnpoisonBytes(Buffer() + from, to - from);
    if (to < from) PoisonBytes(Buffer() + to, from - to);
    size_ = n;
}

bool Document::EnsureRoom(int64_t delta) {
    if (delta == 0) return true;
    if (SizeFixed()) return false;
    if (IsMapped()) return MakePiecewise(); // pieces take their memory as they grow
    if (delta > 0) {
        // The limit comes first: the last capacity step holds one byte more than Size may.
        if (delta > kMaxDocumentSize - size_) return false;
        if (static_cast<int64_t>(Capacity()) - size_ >= delta) return true;
        return ResizeBuffer(StepAbove(size_ + delta), kMsgAllocating);
    }
    if (Capacity() <= kMinCapacity) return true;
    const int64_t wanted = std::max(kMinCapacity, StepAbove(std::max<int64_t>(size_ + delta, 0)));
    return ResizeBuffer(wanted, kMsgReleasing);
}

bool Document::Reallocate(int64_t capacity) {
    if (IsMapped() || capacity <= 0 || capacity > static_cast<int64_t>(UINT32_MAX)) return false;
    if (!ResizeBuffer(capacity, kMsgAllocating)) return false;
    if (size_ > capacity) SetSize(capacity);
    return true;
}

bool Document::ReadBytes(int64_t pos, int64_t n, std::vector<uint8_t>& out) const {
    out.clear();
    if (pos < 1 || n < 0 || pos + n - 1 > size_) return false;
    out.resize(static_cast<size_t>(n));
    CopyOut(pos, n, out.data());
    return true;
}

bool Document::WriteBytes(int64_t pos, const uint8_t* bytes, int64_t len) {
    if (pos < 1 || len < 0 || pos + len - 1 > size_) return false;
    if (len == 0) return true;
    uint8_t* at = WritableAt(pos, len);
    if (!at) return false;
    std::memmove(at, bytes, static_cast<size_t>(len));
    return true;
}

bool Document::InsertGap(int64_t pos, int64_t n) {
    if (n < 0 || pos < 1 || pos > static_cast<int64_t>(size_) + 1) return false;
    if (n == 0) return true;
    if (IsMapped()) {
        if (!MakePiecewise() || !pieces_.InsertGap(pos - 1, n)) return false;
        size_ += n;
        return true;
    }
    if (n > kMaxDocumentSize - size_ || !EnsureRoom(n)) return false;
    uint8_t* at = Buffer() + pos - 1;
    const int64_t tail = size_ - pos + 1;
    SetSize(size_ + n); // the gap becomes part of the data first
    std::memmove(at + n, at, static_cast<size_t>(tail));
    return true;
}

bool Document::DeleteRange(int64_t pos, int64_t n) {
    if (pos < 1 || n < 0 || pos + n - 1 > size_) return false;
    if (n == 0) return true;
    if (IsMapped()) return RemoveBytes(pos, n);
    BusyScope busy(busy_, Msg(kMsgDeleting));
    if (n == size_) {
        SetSize(0);
        return true;
    }
    uint8_t* at = Buffer() + pos - 1;
    std::memmove(at, at + n, static_cast<size_t>(size_ - pos - n + 1));
    // The bytes have moved already; the size is cut even when the buffer cannot shrink.
    const bool shrunk = EnsureRoom(-n);
    SetSize(size_ - n);
    return shrunk;
}

bool Document::RemoveBytes(int64_t pos, int64_t n) {
    if (pos < 1 || n < 0 || pos + n - 1 > size_) return false;
    if (n > 0 && IsMapped()) {
        if (!MakePiecewise()) return false;
        pieces_.Erase(pos - 1, n);
        size_ -= n;
        return true;
    }
    uint8_t* at = Buffer() + pos - 1;
    if (n > 0) std::memmove(at, at + n, static_cast<size_t>(size_ - pos - n + 1));
    SetSize(size_ - n);
    return true;
}

bool Document::StartRebuild(int64_t pos, std::optional<PieceRebuild>& rebuild) {
    if (pos < 1 || pos > size_ + 1 || !MakePiecewise()) return false;
    rebuild.emplace(pieces_, pos - 1);
    return true;
}

void Document::CommitRebuild(PieceRebuild& rebuild) {
    rebuild.Commit();
    size_ = pieces_.Size();
}

void Document::Adopt(TQZDynArray&& buffer, int64_t size) {
    mapping_.Close();
    changed_.Clear();
    buffer_ = std::move(buffer);
    LeavePieces();
    size_ = size;
    PoisonUnused();
}

} // namespace qhe
