#pragma once
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

namespace qhe {

// The bytes of a large Document as a sequence of pieces, each a run of bytes that lives either in
// the mapped file or in an append-only store of new bytes. The pieces are kept in a balanced tree
// (a treap ordered by position, each node knowing the bytes of its subtree), so finding, splitting
// and joining at any offset costs O(log pieces) whatever the size: inserting one byte at the start
// of an 8 GiB file is a split and two joins, not a move of 8 GiB.
//
// No byte is ever referenced by two pieces (splits divide a run, copies copy), so a piece's bytes
// may be written in place. Offsets here are 0-based.
class PieceTable {
  public:
    struct Span {
        const uint8_t* data = nullptr;
        int64_t size = 0;
    };

    // One piece over the size bytes at original (the mapped file).
    void Reset(uint8_t* original, int64_t size);
    void Clear();

    int64_t Size() const { return root_ < 0 ? 0 : nodes_[static_cast<size_t>(root_)].sum; }
    int64_t PieceCount() const { return count_; }
    // True while the table is the original bytes in one piece, unchanged in place.
    bool IsOriginal() const;

    // Makes room for n new bytes before offset (0 <= offset <= Size) and answers where to write
    // them: one contiguous run in the store. Typing at the end of the last insert extends its piece.
    // nullptr (nothing changed) when memory is short.
    uint8_t* InsertGap(int64_t offset, int64_t n);
    // Removes [offset, offset + n).
    void Erase(int64_t offset, int64_t n);
    // A contiguous writable run holding the current bytes [offset, offset + n): the piece's own
    // bytes when one piece holds them all, otherwise a fresh copy that replaces the range.
    // nullptr (nothing changed) when memory is short.
    uint8_t* Writable(int64_t offset, int64_t n);

    // The bytes from offset to the end of the piece that holds offset (offset < Size).
    Span SpanAt(int64_t offset) const;
    // The whole piece that holds offset, and in start the offset of its first byte.
    Span PieceAt(int64_t offset, int64_t& start) const;
    uint8_t ByteAt(int64_t offset) const { return *SpanAt(offset).data; }
    // Copies [offset, offset + n) to out.
    void Read(int64_t offset, int64_t n, uint8_t* out) const;
    // Bytes held in the store of new bytes.
    int64_t StoredBytes() const { return stored_; }

  private:
    friend class PieceRebuild;
    struct Node {
        uint8_t* data;
        int64_t length;
        int64_t sum; // bytes in this subtree
        uint32_t priority;
        int32_t left = -1, right = -1;
    };
    Node& N(int32_t i) { return nodes_[static_cast<size_t>(i)]; }
    const Node& N(int32_t i) const { return nodes_[static_cast<size_t>(i)]; }
    int32_t NewNode(uint8_t* data, int64_t length);
    void FreeTree(int32_t t);
    void Update(int32_t t);
    // Splits t into the first k bytes and the rest, cutting a piece where k falls inside it.
    void Split(int32_t t, int64_t k, int32_t& left, int32_t& right);
    int32_t Merge(int32_t left, int32_t right);
    // The rightmost node of t (-1 for an empty tree).
    int32_t Rightmost(int32_t t) const;
    // Grows the rightmost piece of t by n bytes, keeping the sums on the way.
    void GrowRightmost(int32_t t, int64_t n);
    // n bytes of fresh, contiguous store.
    uint8_t* Allocate(int64_t n);
    bool NewChunk(int64_t size);
    // All the rest of the last chunk when it holds want bytes, else a new chunk of at least
    // want bytes; its length in got. nullptr when memory is short.
    uint8_t* AllocateRun(int64_t want, int64_t& got);
    // Hands the last n bytes of the latest allocation back to the store.
    void GiveBack(int64_t n);
    // Replaces [offset, offset + n) by the pieces given, in order: runs of the bytes the range
    // held (each byte at most once) or of fresh store.
    void ReplaceRange(int64_t offset, int64_t n, const std::vector<Span>& pieces);
    // A tree of the pieces in order, built in one pass.
    int32_t BuildTree(const std::vector<Span>& pieces);

    std::vector<Node> nodes_;
    std::vector<int32_t> free_;
    int32_t root_ = -1;
    int64_t count_ = 0;
    uint8_t* original_ = nullptr;
    int64_t originalSize_ = 0;
    std::vector<std::unique_ptr<uint8_t[]>> chunks_;
    uint8_t* chunkNext_ = nullptr; // the unused rest of the last chunk
    int64_t chunkLeft_ = 0;
    int64_t stored_ = 0;
    std::minstd_rand random_{12345};
};

} // namespace qhe
