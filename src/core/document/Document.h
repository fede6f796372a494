#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/document/ChangedRanges.h"
#include "core/document/DynArray.h"
#include "core/document/PieceRebuild.h"
#include "core/document/PieceTable.h"
#include "core/util/Busy.h"
#include "platform/FileIO.h"
#include "platform/FileMapping.h"

namespace qhe {

// Capacity granularity and floor of the Document buffer.
inline constexpr int64_t kCapacityStep = 128 * 1024;
inline constexpr int64_t kMinCapacity = 512 * 1024;
// The largest Document held in a buffer of its own: larger files are mapped.
inline constexpr int64_t kMaxDocumentSize = INT32_MAX;

// The one open file. Up to kMaxDocumentSize it is held whole in one contiguous buffer; a
// larger file or a block device is mapped instead (IsMapped): its bytes are read from the file
// as they are looked at, and the pages written are noted (Changed) so that a save writes only
// those. While the bytes are one contiguous run (Contiguous), Buffer() gives it. The first
// insert or delete in a mapped file turns it into pieces (a PieceTable over the mapping and a
// store of new bytes): Buffer() is then null, and readers take the bytes by SpanAt, ReadBytes
// or CopyOut. A block device keeps its size (SizeFixed).
// Positions are 1-based (1 = first byte, Size = last, Size + 1 only as an insertion point).
// The operations here change bytes and capacity only; flags such as Modified and the view
// are the calling command's business.
class Document {
  public:
    // The capacity for a Document of n bytes: the 128 KiB step above n, at least 512 KiB,
    // so there is always one spare byte. Answers 0 when n cannot be held at all.
    static int64_t CapacityFor(int64_t n);

    // Allocates the first 512 KiB (once, at start-up).
    bool Allocate();
    void Release();
    bool HasBuffer() const { return !buffer_.Empty() || IsMapped(); }

    uint8_t* Buffer() { return data_; }
    const uint8_t* Buffer() const { return data_; }
    int64_t Size() const { return size_; }
    int64_t Capacity() const { return IsMapped() ? size_ : buffer_.ByteSize(); }

    // A mapped Document (see above) and whether its size may change: not for a device.
    bool IsMapped() const { return mapping_.Data() != nullptr; }
    bool SizeFixed() const { return IsDevice(); }
    // False once a mapped file has been turned into pieces: Buffer() is null then.
    bool Contiguous() const { return !piecewise_; }
    // The bytes from pos to the end of the contiguous run that holds pos (1 <= pos <= Size).
    PieceTable::Span SpanAt(int64_t pos) const {
        if (!piecewise_) return {data_ + pos - 1, size_ - pos + 1};
        return pieces_.SpanAt(pos - 1);
    }
    // The contiguous run that ends at pos (1 <= pos <= Size): its first position in first.
    PieceTable::Span RunEndingAt(int64_t pos, int64_t& first) const {
        if (!piecewise_) {
            first = 1;
            return {data_, pos};
        }
        const PieceTable::Span piece = pieces_.PieceAt(pos - 1, first);
        ++first;
        return {piece.data, pos - first + 1};
    }
    // Where n bytes at p (from SpanAt) lie unchanged in the mapped file: its descriptor and the
    // offset there. False for bytes of the store, of changed pages, or of a buffer.
    bool FileRangeOf(const uint8_t* p, int64_t n, int& fd, int64_t& offset) const;
    // The identity of the mapped file (to tell it from a save's target).
    platform::FileIdentity MappedIdentity() const { return mapping_.Info().identity; }
    // Copies the n bytes from pos to out (no bounds check).
    void CopyOut(int64_t pos, int64_t n, uint8_t* out) const;
    // Pieces and bytes of new data of a Document in pieces (0 otherwise).
    int64_t PieceCount() const { return piecewise_ ? pieces_.PieceCount() : 0; }
    bool IsDevice() const { return mapping_.IsDevice(); }
    // Takes over a mapped file as the Document (the buffer is kept for a later small file).
    void AdoptMapping(platform::FileMapping&& mapping);
    // Pages of a mapped Document that could not be read and read as zeros.
    int64_t ReadFaults() const { return mapping_.ReadFaults(); }
    // The bytes of a mapped Document written since it was loaded or saved (empty otherwise).
    const ChangedRanges& Changed() const { return changed_; }
    void ForgetChanges() { changed_.Clear(); }
    // Gives write access to bytes pos..pos+n-1, contiguous, and for a mapped Document notes them
    // as changed. Every write into the bytes goes through here or through the writers below.
    // In pieces the run may be a fresh copy of the bytes, so null when memory is short.
    uint8_t* WritableAt(int64_t pos, int64_t n) {
        if (piecewise_) {
            uint8_t* at = pieces_.Writable(pos - 1, n);
            // A piece of the file written in place: those pages no longer match the file.
            if (at >= mapping_.Data() && at < mapping_.Data() + mapping_.Size())
                changed_.Add(at - mapping_.Data(), n);
            return at;
        }
        if (IsMapped()) changed_.Add(pos - 1, n);
        return data_ + pos - 1;
    }

    // No bounds check: callers keep 1 <= pos <= Size (<= Capacity for a buffer).
    uint8_t GetByte(int64_t pos) const { return piecewise_ ? pieces_.ByteAt(pos - 1) : data_[pos - 1]; }
    void SetByte(int64_t pos, uint8_t value) { *WritableAt(pos, 1) = value; }

    // The most bytes the Document may still grow by: up to 2 GiB for a buffer, without a
    // practical limit for a mapped file (a device cannot grow).
    int64_t MaxGrowth() const {
        if (SizeFixed()) return 0;
        return IsMapped() ? (INT64_MAX / 4) - size_ : kMaxDocumentSize - size_;
    }

    // Makes Capacity fit a size change of delta bytes before it happens: grows to the 128 KiB
    // step above the new size when the room left is too small; shrinks (to at least 512 KiB)
    // when delta < 0 and Capacity is above the floor. False leaves everything unchanged.
    bool EnsureRoom(int64_t delta);
    // Resizes the buffer to exactly capacity bytes (Size is cut when it no longer fits).
    bool Reallocate(int64_t capacity);

    // The n bytes from pos; false (out empty) when they pass the end.
    bool ReadBytes(int64_t pos, int64_t n, std::vector<uint8_t>& out) const;
    // Writes bytes over pos..pos+len-1; false when that passes the end.
    bool WriteBytes(int64_t pos, const uint8_t* bytes, int64_t len);
    // Opens a gap of n bytes at pos (1 <= pos <= Size + 1) by one move of the tail; the gap's
    // contents are undefined. False (nothing changed) when memory or the size limit forbids it.
    bool InsertGap(int64_t pos, int64_t n);
    // Removes n bytes from pos and hands memory back through EnsureRoom(-n). False when the
    // range passes the end. Deleting everything empties the Document (capacity kept).
    bool DeleteRange(int64_t pos, int64_t n);
    // Removes n bytes from pos by one move of the tail, keeping the capacity (the keyboard's
    // single-byte deletes never shrink the buffer). False when the range passes the end.
    bool RemoveBytes(int64_t pos, int64_t n);
    // Rebuilds the bytes from pos on in one pass (see PieceRebuild), a mapped Document turning
    // into pieces; false (nothing changed) for a Document in a buffer or a device. Nothing
    // changes until CommitRebuild.
    bool StartRebuild(int64_t pos, std::optional<PieceRebuild>& rebuild);
    void CommitRebuild(PieceRebuild& rebuild);
    // Size := n without moving bytes (n <= Capacity). Bytes between Size and Capacity hold no
    // data: in AddressSanitizer builds they are poisoned, so raise Size before writing there.
    void SetSize(int64_t n);

    // Takes over a freshly loaded buffer holding size bytes; the old buffer (or mapping) is
    // released.
    void Adopt(TQZDynArray&& buffer, int64_t size);
    // Leaves a mapped file for the Document's own (empty) buffer.
    void DropMapping();

    // Busy feedback for reallocation and deletion (may be null).
    void SetBusyFeedback(BusyFeedback* busy) { busy_ = busy; }

    // Document facts kept by the file commands.
    std::string FileName;
    bool Modified = false;
    bool ReadOnly = false;
    bool Untitled = false;
    bool IsOpen = false;
    platform::FileTime FileTime;
    // The file as this program last saw it on disk (loaded or saved), so that a Save notices
    // another program's change; DiskSize < 0 when nothing is known.
    int64_t DiskSize = -1;
    platform::FileTime DiskTime;
    platform::FileTime DiskChangeTime;
    platform::FileIdentity DiskIdentity;
    int32_t UntitledCounter = 0;
    std::string CurrentDir;

  private:
    bool ResizeBuffer(int64_t capacity, int busyMessage);
    // Poisons the bytes from Size to Capacity after the buffer changed (sanitizer builds).
    void PoisonUnused();

    // Points into buffer_ or mapping_, whichever holds the Document (null in pieces).
    void Repoint() { data_ = piecewise_ ? nullptr : IsMapped() ? mapping_.Data() : buffer_.Data(); }
    // Turns a mapped Document into pieces before its first change of size; false for a device.
    bool MakePiecewise();
    void LeavePieces();

    TQZDynArray buffer_{1};
    platform::FileMapping mapping_;
    ChangedRanges changed_{platform::PageSize()};
    PieceTable pieces_;
    bool piecewise_ = false;
    uint8_t* data_ = nullptr;
    int64_t size_ = 0;
    BusyFeedback* busy_ = nullptr;
};

} // namespace qhe
