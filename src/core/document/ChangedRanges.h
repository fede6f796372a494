#pragma once
#include <cstdint>
#include <map>

namespace qhe {

// Byte ranges of a mapped Document that differ from its file, merged into disjoint runs of
// whole pages so that a save writes each changed page once. Memory grows with the number of
// separate runs, not with their length.
class ChangedRanges {
  public:
    explicit ChangedRanges(int64_t page = 4096) : page_(page) {}

    // Notes bytes [offset, offset + n) (0-based) as changed.
    void Add(int64_t offset, int64_t n);
    void Clear() { runs_.clear(); }
    bool Empty() const { return runs_.empty(); }
    // The runs: first byte offset -> one past the last, page-aligned (the last may pass the end
    // of the data; a writer cuts it there).
    const std::map<int64_t, int64_t>& Runs() const { return runs_; }
    // True when a run touches [begin, end).
    bool Intersects(int64_t begin, int64_t end) const;
    // The bytes the runs cover.
    int64_t Bytes() const;

  private:
    int64_t page_;
    std::map<int64_t, int64_t> runs_;
};

} // namespace qhe
