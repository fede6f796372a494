#pragma once
#include <cstdint>
#include <vector>

namespace qhe::platform {

// The holes of an open file as the file system reports them (SEEK_DATA / SEEK_HOLE): ranges
// that were never written and read as zeros. The run last found is kept, so a walk through
// the file asks once per run. Where the file system cannot tell, the whole file is data.
class HoleFinder {
  public:
    explicit HoleFinder(int fd) : fd_(fd) {}
    // Whether offset lies in a hole; end gets the end of that hole or data run (INT64_MAX
    // when it runs to the end of the file).
    bool HoleAt(int64_t offset, int64_t& end);

  private:
    int fd_;
    int64_t begin_ = 0, end_ = 0; // the run last found
    bool hole_ = false;
};

// A range of a file: its offset and length.
struct FileRange {
    int64_t offset = 0, size = 0;
};

// Reserves disk space for the given ranges (in ascending order) of fd without changing any
// byte it has, leaving the rest of the file unallocated; the file grows to the end of the last
// range. fallocate where the file system knows it, else zeros written past the old end. On
// failure the file gets back its old length and modification time. Answers 0 or a code.
int ReserveRanges(int fd, const std::vector<FileRange>& ranges);

// Asks the kernel to start reading the range of fd into the page cache without waiting for it.
void ReadAhead(int fd, int64_t offset, int64_t size);

} // namespace qhe::platform
