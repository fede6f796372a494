#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/document/Document.h"

namespace qhe {

// Replace all's rewrite of a Document held in one buffer, in place and in one pass from front to
// back, the hits handed over chunk by chunk in ascending order. Equal lengths are written over
// the hits. A shorter replacement compacts the bytes behind the hits: the run before each hit
// moves down from the read position u to the write position w, the replacement behind it. A
// longer one first opens a gap of the whole growth at the start (Grow), then compacts into it.
// Everything before w is final and everything from u on untouched, so stopping after any chunk
// (Finish) leaves a consistent Document once the rest has moved down.
class HitRewrite {
  public:
    // start: the first position (1-based) a hit may have.
    HitRewrite(Document& doc, int64_t start, int64_t findLength, const std::string& replacement);

    // Opens the gap for k hits of a longer replacement; false (nothing changed) without memory.
    bool Grow(int64_t k);
    // Rewrites hits (0-based positions in the buffer as it stands: behind the gap when grown).
    void Take(const std::vector<int64_t>& hits);
    // How far the hits' bytes lie above the place the replacements go to: the hits taken so far
    // times the shrinkage, or the part of the gap not yet filled.
    int64_t Offset() const { return u_ - w_; }
    // Moves the rest down and gives back what the compaction freed.
    void Finish();

  private:
    Document& doc_;
    int64_t n_, r_;
    std::vector<uint8_t> replacement_;
    std::vector<uint8_t> padded_; // the replacement in whole 16-byte blocks, for CopyBlocks
    int64_t blockGap_ = 16;       // blocks run past their copy only while the gap holds this
    int64_t w_, u_;
};

} // namespace qhe
