#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/compare/FileCompare.h"
#include "editor/compare/CompareSide.h"

namespace qhe {

class Document;

// What a compare window shows: two sides (A, B), their difference ranges as far as computed,
// and the range the user stands on. A side is a mapped file, or the editor's Document copied
// when it has unsaved changes (so that editing on while the window is open cannot disturb it).
// The ranges are computed a budget at a time (Advance), so a window opens at once on files of
// any size and stays responsive.
class CompareSession {
  public:
    // More ranges than this are counted but not listed (4 million ranges take about 160 MiB).
    static constexpr size_t kMaxKeptRanges = 1000000;
    // An unsaved Document up to this size is copied to be compared.
    static constexpr int64_t kMaxSnapshot = int64_t{2} << 30;

    // Both sides files. Answers null with error set (a message for the user) when one cannot
    // be opened.
    static std::unique_ptr<CompareSession> OfFiles(const std::string& a, const std::string& b,
                                                   CompareOptions options, std::string& error);
    // A is the open Document: its file when unmodified, otherwise a copy of its bytes.
    static std::unique_ptr<CompareSession> OfDocument(const Document& doc, const std::string& name,
                                                      bool modified, const std::string& b,
                                                      CompareOptions options, std::string& error);

    // Compares about budget more bytes; answers whether the ranges or the state changed.
    bool Advance(int64_t budget);
    bool Finished() const { return finished_; }
    int Percent() const;

    int64_t Size(int side) const { return sides_[side].size; }
    const std::string& Name(int side) const { return sides_[side].name; }
    // The byte at a 0-based offset of a side (offset < Size(side)).
    uint8_t Byte(int side, int64_t offset) const { return sides_[side].file.Data()[offset]; }
    const uint8_t* Data(int side) const { return sides_[side].file.Data(); }
    bool AIsUnsaved() const { return unsaved_; }
    // Whether pages of a side could not be read (they read as zeros): the result is not to be
    // trusted, and the summary says so.
    bool Unreadable(int side) const;
    // Whether the file of a side is no longer what was opened (another file, size or time).
    bool ChangedOnDisk(int side) const;
    const CompareOptions& Options() const { return options_; }

    const std::vector<DiffRange>& Ranges() const { return ranges_; }
    int64_t RangeCount() const { return rangeCount_; }
    int64_t DifferingBytes() const { return differing_; }
    // The range (index) whose bytes on side hold offset, or -1.
    int64_t RangeHolding(int side, int64_t offset) const;
    // The first range that ends after offset of A (Ranges().size() when none).
    int64_t RangeFrom(int64_t offsetA) const;
    // Where offset of A stands in B: the same place relative to the range before it (the
    // first byte of a range stands on the range's first byte in B, also for an insertion).
    int64_t AlignedB(int64_t offsetA) const;

    // The range the user stands on (-1 none) and the moves between ranges; each answers
    // whether it moved.
    int64_t Current() const { return current_; }
    bool Select(int64_t index);
    bool Next() { return Select(current_ + 1); }
    bool Previous() { return current_ > 0 && Select(current_ - 1); }
    bool First() { return Select(0); }
    bool Last() { return Select(static_cast<int64_t>(ranges_.size()) - 1); }

    // A hex offset as typed ("1F00", "$1F00" or "0x1F00") when it lies within size bytes.
    static std::optional<int64_t> ParseOffset(const std::string& text, int64_t size);

    std::string Caption() const;
    std::string Summary() const;
    // The status bar for the cursor at offsetA / offsetB.
    std::string Status(int64_t offsetA, int64_t offsetB) const;
    static std::string KindText(const DiffRange& r);
    // The ranges as qhe32 --compare prints them, one a line.
    std::string ListText() const;

  private:
    struct Side {
        std::string name;
        CompareSide file;
        int64_t size = 0;
        bool copyFaulted = false; // the Document lost pages while its bytes were copied
    };
    static int OpenSide(Side& side, int index, const std::string& name, std::string& error);
    void Start(CompareOptions options);

    Side sides_[2];
    bool unsaved_ = false;
    CompareOptions options_;
    std::unique_ptr<FileComparer> comparer_;
    std::vector<DiffRange> ranges_;
    int64_t rangeCount_ = 0, differing_ = 0;
    int64_t current_ = -1;
    bool finished_ = false;
};

} // namespace qhe
