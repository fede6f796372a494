#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "core/compare/Resync.h"
#include "core/document/ByteRuns.h"

namespace qhe {

// Whether offset lies in a hole of a file (a range never written, which reads as zeros); end
// gets the end of that hole or of the data run there.
using HoleSource = std::function<bool(int64_t offset, int64_t& end)>;

// One side of a compare: its bytes run by run from offset 0 on, and how many there are.
struct CompareInput {
    RunSource runs;
    int64_t size = 0;
};

struct CompareOptions {
    // Off: byte i against byte i. On: after a difference the sides agree again where run
    // bytes in a row match, so an insertion or deletion is one difference.
    bool resync = false;
    int run = 16;                      // equal bytes that end a difference (4 .. 4096)
    int64_t window = int64_t{1} << 20; // how far a resync looks on each side before it gives up
};
inline constexpr int kMinResyncRun = 4, kMaxResyncRun = 4096;

// Bytes offsetA .. offsetA + lengthA of A stand where B has offsetB .. offsetB + lengthB
// (0-based). gaveUp: no agreement was found within the window, so the range was cut there and
// the compare went on byte by byte (the two sides may be out of step after it).
struct DiffRange {
    int64_t offsetA = 0, offsetB = 0, lengthA = 0, lengthB = 0;
    bool gaveUp = false;
    bool operator==(const DiffRange&) const = default;
};

enum class DiffKind { Changed, OnlyInA, OnlyInB };
inline DiffKind KindOf(const DiffRange& r) {
    return r.lengthB == 0 ? DiffKind::OnlyInA : r.lengthA == 0 ? DiffKind::OnlyInB : DiffKind::Changed;
}

// Walks two inputs from their starts and gives their differences in order, a budget of bytes
// at a time so that a caller can show progress and cancel.
//
// Byte by byte, a difference is a maximal run of differing bytes, and a size difference one
// trailing range. With resync, at each difference ResyncIndex looks for the nearest point where
// run bytes agree, in windows of 256 bytes doubling up to options.window (each window's
// work is linear in it, so the whole compare stays linear in the sizes); ranges that touch are
// joined, so unrelated data comes out as one range cut at each window it gave up in.
class FileComparer {
  public:
    enum class Status { Range, Working, Done };

    FileComparer(CompareInput a, CompareInput b, CompareOptions options);
    // Where known, the holes of the sides: those standing level on both sides are equal zeros
    // and pass without being read; a hole against data is compared with zeros.
    void SetHoles(HoleSource a, HoleSource b);
    // The next range, or Working when budget bytes were looked at without finishing one, or
    // Done after the last.
    Status Step(DiffRange& out, int64_t budget);
    // How far A has been compared (for progress).
    int64_t PositionA() const { return posA_; }

  private:
    // A hole or a data run of one side, as its HoleSource last told.
    struct Extent {
        int64_t begin = 0, end = 0;
        bool hole = false;
    };

    bool FindRaw(DiffRange& r, int64_t& budget);
    // Moves both sides over the bytes that scan passes in the next slice (at least one unit of
    // budget spent); true when the scan stopped inside the slice. Where both sides stand in
    // holes, equal runs pass without being read.
    bool Advance(int64_t (*scan)(const uint8_t*, const uint8_t*, int64_t), int64_t& budget, bool skipHoles);
    // The bytes of a side from offset on: its run, or zeros over a hole (then hole is set).
    PieceTable::Span SpanAt(const CompareInput& in, const HoleSource& holes, Extent& extent, int64_t offset,
                            bool& hole);
    void Resync(DiffRange& r, int64_t& budget);
    void CopyRuns(const CompareInput& in, int64_t offset, int64_t n, std::vector<uint8_t>& out) const;

    CompareInput a_, b_;
    HoleSource holesA_, holesB_;
    Extent extentA_, extentB_;
    CompareOptions options_;
    int64_t posA_ = 0, posB_ = 0;
    bool gaveUp_ = false;  // the last resync gave up
    bool pending_ = false; // a range found but not yet given, as the next may join it
    DiffRange pendingRange_;
    ResyncIndex index_;
    std::vector<uint8_t> windowA_, windowB_;
};

} // namespace qhe
