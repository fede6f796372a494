#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/compare/FileCompare.h"
#include "platform/FileMapping.h"

namespace qhe {

// The bytes of one side of a compare: a file mapped whole, or read whole where a mapping would
// not show its bytes (files of /proc and /sys, which give their size as 0 or cannot be
// mapped), or bytes handed over (the editor's unsaved Document).
class CompareSide {
  public:
    // More than this is not read into memory (answers kErrFileTooLarge).
    static constexpr int64_t kMaxRead = int64_t{1} << 30;

    // Opens name; answers 0 or an error code.
    int Open(const std::string& name);
    void Adopt(std::vector<uint8_t> bytes);

    const uint8_t* Data() const { return data_; }
    int64_t Size() const { return size_; }
    // Pages of the mapped file that could not be read since it was opened (they read as zeros).
    int64_t ReadFaults() const { return mapping_.ReadFaults(); }
    bool Mapped() const { return mapping_.IsOpen(); }
    // The file's facts when it was opened (none for handed-over bytes).
    const platform::FileInfo& Info() const { return info_; }
    // The bytes for a FileComparer, and the holes of a mapped file (null otherwise).
    CompareInput Input() const { return {RunsOf(data_, size_), size_}; }
    HoleSource Holes() const;

  private:
    int Read(const std::string& name);

    platform::FileMapping mapping_;
    std::vector<uint8_t> copy_;
    const uint8_t* data_ = nullptr;
    int64_t size_ = 0;
    platform::FileInfo info_;
};

} // namespace qhe
