#pragma once
#include <cstdint>
#include <string>

#include "core/document/ChangedRanges.h"
#include "core/util/Progress.h"

namespace qhe {

// How writing the changed pages back went.
struct PageWriteOutcome {
    int code = 0;                // 0, an operating-system code or kErrWriteCancelled
    int64_t written = 0;         // bytes written
    int64_t writes = 0;          // write calls made
    int64_t firstUnwritten = -1; // 0-based offset of the first changed byte not written, on failure
};

// Writes the changed runs of data (size bytes, the file's whole contents) into the file name in
// place, without truncating or creating it, and flushes them to the disk: the save of a mapped
// Document whose size did not change. Signals that would end the program wait until the
// file is flushed. Each run is written in pieces of at most 1 MiB, with progress between them;
// a cancel is honoured only before the first write.
PageWriteOutcome WriteChangedPages(const std::string& name, const uint8_t* data, int64_t size,
                                   const ChangedRanges& changed, Progress& progress);

} // namespace qhe
