#include "core/compare/FileCompare.h"

#include <algorithm>
#include <utility>

#include "core/compare/ByteCompare.h"

namespace qhe {
namespace {

// Bytes compared per call of the byte loops (some 30 ms of work): small enough to keep
// Step's budget, large enough that the second core is worth starting.
constexpr int64_t kSlice = int64_t{256} << 20;
constexpr int64_t kFirstWindow = 256;
// Zeros that stand for a hole compared with data.
constexpr int64_t kZeros = int64_t{1} << 20;
alignas(64) uint8_t zeros[kZeros]; // never written

bool Joins(const DiffRange& first, const DiffRange& next, bool resync) {
    return first.offsetA + first.lengthA == next.offsetA && first.offsetB + first.lengthB == next.offsetB &&
           (resync || KindOf(first) == KindOf(next));
}

} // namespace

FileComparer::FileComparer(CompareInput a, CompareInput b, CompareOptions options)
    : a_(std::move(a)), b_(std::move(b)), options_(options) {
    options_.run = std::clamp(options_.run, kMinResyncRun, kMaxResyncRun);
    options_.window = std::max(options_.window, kFirstWindow);
}

FileComparer::Status FileComparer::Step(DiffRange& out, int64_t budget) {
    for (;;) {
        DiffRange found;
        if (!FindRaw(found, budget)) {
            const bool done = posA_ == a_.size && posB_ == b_.size;
            if (!done) return Status::Working;
            if (!pending_) return Status::Done;
            out = pendingRange_;
            pending_ = false;
            return Status::Range;
        }
        if (pending_ && Joins(pendingRange_, found, options_.resync)) {
            pendingRange_.lengthA += found.lengthA;
            pendingRange_.lengthB += found.lengthB;
            pendingRange_.gaveUp = pendingRange_.gaveUp || found.gaveUp;
            continue;
        }
        const bool give = pending_;
        out = std::exchange(pendingRange_, found);
        pending_ = true;
        if (give) return Status::Range;
    }
}

bool FileComparer::FindRaw(DiffRange& r, int64_t& budget) {
    // Past the equal bytes.
    while (posA_ < a_.size && posB_ < b_.size) {
        if (budget <= 0) return false;
        if (Advance(FirstDifferenceWide, budget, true)) break;
    }
    if (posA_ == a_.size && posB_ == b_.size) return false;
    r = DiffRange{posA_, posB_, 0, 0, false};
    if (posA_ == a_.size || posB_ == b_.size) {
        // One side has ended: the rest of the other is the last range.
        r.lengthA = a_.size - posA_;
        r.lengthB = b_.size - posB_;
        posA_ = a_.size;
        posB_ = b_.size;
        return true;
    }
    if (options_.resync) {
        Resync(r, budget);
        return true;
    }
    // The run of differing bytes, in slices (a part of it that the budget ends joins the next).
    while (posA_ < a_.size && posB_ < b_.size)
        if (Advance(FirstAgreement, budget, false) || budget <= 0) break;
    r.lengthA = r.lengthB = posA_ - r.offsetA;
    return true;
}

void FileComparer::SetHoles(HoleSource a, HoleSource b) {
    holesA_ = std::move(a);
    holesB_ = std::move(b);
}

PieceTable::Span FileComparer::SpanAt(const CompareInput& in, const HoleSource& holes, Extent& extent,
                                      int64_t offset, bool& hole) {
    hole = false;
    if (!holes) return in.runs(offset);
    if (offset < extent.begin || offset >= extent.end) {
        int64_t end = in.size;
        extent.hole = holes(offset, end);
        extent.begin = offset;
        extent.end = std::clamp(end, offset + 1, in.size);
    }
    hole = extent.hole;
    if (hole) return {zeros, std::min(kZeros, extent.end - offset)};
    PieceTable::Span span = in.runs(offset);
    span.size = std::min(span.size, extent.end - offset);
    return span;
}

bool FileComparer::Advance(int64_t (*scan)(const uint8_t*, const uint8_t*, int64_t), int64_t& budget,
                           bool skipHoles) {
    bool holeA = false, holeB = false;
    const PieceTable::Span sa = SpanAt(a_, holesA_, extentA_, posA_, holeA),
                           sb = SpanAt(b_, holesB_, extentB_, posB_, holeB);
    if (skipHoles && holeA && holeB) {
        const int64_t n = std::min(extentA_.end - posA_, extentB_.end - posB_);
        posA_ += n;
        posB_ += n;
        budget -= 1;
        return false;
    }
    const int64_t n = std::min({sa.size, sb.size, kSlice, a_.size - posA_, b_.size - posB_});
    const int64_t passed = scan(sa.data, sb.data, n);
    posA_ += passed;
    posB_ += passed;
    budget -= std::max<int64_t>(passed, 1);
    return passed < n;
}

void FileComparer::Resync(DiffRange& r, int64_t& budget) {
    const int run = options_.run;
    const int64_t leftA = a_.size - posA_, leftB = b_.size - posB_;
    // After a window given up on, unrelated data most likely goes on: the next search starts wide.
    const int64_t first = gaveUp_ ? options_.window : kFirstWindow;
    for (int64_t window = first;; window *= 2) {
        window = std::min(window, options_.window);
        const int64_t na = std::min(window + run, leftA), nb = std::min(window + run, leftB);
        CopyRuns(a_, posA_, na, windowA_);
        CopyRuns(b_, posB_, nb, windowB_);
        budget -= na + nb;
        const bool wholeRest = na == leftA && nb == leftB;
        int64_t da = 0, db = 0;
        const bool found = index_.Find(windowA_.data(), na, windowB_.data(), nb, window, run, da, db);
        // A candidate costlier than the window may lose to one just outside it: look wider.
        if (found && (da + db <= window || window == options_.window || wholeRest)) {
            r.lengthA = da;
            r.lengthB = db;
            break;
        }
        if (wholeRest) {
            r.lengthA = leftA;
            r.lengthB = leftB;
            break;
        }
        if (window == options_.window) {
            r.lengthA = std::min(window, leftA);
            r.lengthB = std::min(window, leftB);
            r.gaveUp = true;
            break;
        }
    }
    gaveUp_ = r.gaveUp;
    posA_ += r.lengthA;
    posB_ += r.lengthB;
}

void FileComparer::CopyRuns(const CompareInput& in, int64_t offset, int64_t n,
                            std::vector<uint8_t>& out) const {
    out.resize(static_cast<size_t>(n));
    for (int64_t done = 0; done < n;) {
        const PieceTable::Span span = in.runs(offset + done);
        const int64_t part = std::min(span.size, n - done);
        std::copy_n(span.data, part, out.data() + done);
        done += part;
    }
}

} // namespace qhe
