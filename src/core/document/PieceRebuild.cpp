#include "core/document/PieceRebuild.h"

#include <algorithm>

namespace qhe {

void PieceRebuild::Add(PieceTable::Span piece) {
    if (piece.size <= 0) return;
    if (!pieces_.empty() && pieces_.back().data + pieces_.back().size == piece.data)
        pieces_.back().size += piece.size;
    else
        pieces_.push_back(piece);
}

void PieceRebuild::ClosePiece() {
    Add({pieceStart_, write_ - pieceStart_});
    pieceStart_ = write_;
}

bool PieceRebuild::NewRun(int64_t want) {
    ClosePiece();
    table_.GiveBack(writeLeft_);
    writeLeft_ = 0;
    int64_t got = 0;
    uint8_t* run = table_.AllocateRun(std::max(want, runSize_), got);
    if (!run) return false;
    runSize_ = std::min<int64_t>(runSize_ * 2, 64 << 20);
    runStart_ = pieceStart_ = write_ = run;
    writeLeft_ = got;
    return true;
}

bool PieceRebuild::KeepSlow(int64_t n) {
    const bool inPlace = n >= kKeepInPlace;
    if (inPlace) ClosePiece();
    while (n > 0) {
        if (runLeft_ == 0) {
            const PieceTable::Span span = table_.SpanAt(offset_ + walked_);
            runData_ = span.data;
            runLeft_ = span.size;
        }
        int64_t take = std::min(n, runLeft_);
        if (inPlace) {
            Add({runData_, take});
        } else {
            if (writeLeft_ == 0 && !NewRun(n)) return false;
            take = std::min(take, writeLeft_);
            std::memcpy(write_, runData_, static_cast<size_t>(take));
            write_ += take;
            writeLeft_ -= take;
        }
        Advance(take);
        n -= take;
    }
    return true;
}

bool PieceRebuild::AppendSlow(const uint8_t* bytes, int64_t n) {
    if (!NewRun(n)) return false;
    Copy(write_, bytes, n);
    write_ += n;
    writeLeft_ -= n;
    return true;
}

void PieceRebuild::Commit() {
    ClosePiece();
    table_.GiveBack(writeLeft_);
    writeLeft_ = 0;
    table_.ReplaceRange(offset_, walked_, pieces_);
    runStart_ = write_; // nothing left to give back
    pieces_.clear();
    walked_ = 0;
    runLeft_ = 0;
}

} // namespace qhe
