#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/document/PieceTable.h"

namespace qhe {

// New contents for a PieceTable from an offset on, built in one pass: the current bytes are
// walked from front to back, each stretch kept (Keep) or dropped (Skip), new bytes appended in
// between (Append). A long kept stretch stays where it lies as a piece of its own; short ones
// are copied into the run of new bytes, so that many changes close together make one long run
// instead of a piece each. Nothing changes until Commit replaces the walked range by the result
// in one step; the table must not change before, and a rebuild dropped uncommitted leaves it
// as it was.
class PieceRebuild {
  public:
    // Kept stretches from this length on stay in place.
    static constexpr int64_t kKeepInPlace = 1024;

    PieceRebuild(PieceTable& table, int64_t offset) : table_(table), offset_(offset) {}
    // Uncommitted, the last run of new bytes goes back to the store (earlier ones stay unused).
    ~PieceRebuild() { table_.GiveBack(writeLeft_ + (write_ - runStart_)); }
    PieceRebuild(const PieceRebuild&) = delete;
    PieceRebuild& operator=(const PieceRebuild&) = delete;

    // Takes the next n current bytes over; false when memory is short.
    bool Keep(int64_t n) {
        if (n > runLeft_ || n > writeLeft_ || n >= kKeepInPlace) return KeepSlow(n);
        Copy(write_, runData_, n);
        Advance(n);
        write_ += n;
        writeLeft_ -= n;
        return true;
    }
    // Drops the next n current bytes.
    void Skip(int64_t n) { Advance(n); }
    // Appends n new bytes; false when memory is short.
    bool Append(const uint8_t* bytes, int64_t n) {
        if (n > writeLeft_) return AppendSlow(bytes, n);
        Copy(write_, bytes, n);
        write_ += n;
        writeLeft_ -= n;
        return true;
    }
    // The bytes of the table walked so far, kept or dropped.
    int64_t Walked() const { return walked_; }
    // Replaces [offset, offset + Walked()) by what was built.
    void Commit();

  private:
    // The short copies of dense changes go without a library call.
    static void Copy(uint8_t* to, const uint8_t* from, int64_t n) {
        if (n <= 8) {
            for (int64_t i = 0; i < n; ++i)
                to[i] = from[i];
        } else {
            std::memcpy(to, from, static_cast<size_t>(n));
        }
    }
    void Advance(int64_t n) {
        walked_ += n;
        if (n <= runLeft_) {
            runData_ += n;
            runLeft_ -= n;
        } else {
            runLeft_ = 0; // looked up again when bytes are needed
        }
    }
    bool KeepSlow(int64_t n);
    bool AppendSlow(const uint8_t* bytes, int64_t n);
    // Ends the piece of new bytes written so far.
    void ClosePiece();
    void Add(PieceTable::Span piece);
    // A new run of store for at least want bytes.
    bool NewRun(int64_t want);

    PieceTable& table_;
    int64_t offset_;
    int64_t walked_ = 0;
    const uint8_t* runData_ = nullptr; // the current bytes at offset_ + walked_ ...
    int64_t runLeft_ = 0;              // ... and how many follow in their piece
    uint8_t* runStart_ = nullptr;      // the run of store being filled
    uint8_t* pieceStart_ = nullptr;    // the piece of new bytes being written
    uint8_t* write_ = nullptr;
    int64_t writeLeft_ = 0;
    int64_t runSize_ = 1 << 20; // doubles with each new run, to 64 MiB
    std::vector<PieceTable::Span> pieces_;
};

} // namespace qhe
