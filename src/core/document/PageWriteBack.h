#pragma once
#include <cstdint>
#include <string>

#include "core/document/ChangedRanges.h"
#include "core/util/Progress.h"

namespace qhe {

// How writing the changed pages back went.
struct PageWriteOutcome {
    int code = 0;                // 0, an operating-system code, kTargetChanged or kErrWriteCancelled
    int64_t written = 0;         // bytes written
    int64_t firstUnwritten = -1; // 0-based offset of the first changed byte not written, on failure
    bool setIdLost = false;      // the kernel cleared the file's setuid/setgid bit (not its owner)
};

// Writes the changed runs of data (size bytes, the file's whole contents) into the file name in
// place, without truncating or creating it, and flushes them to the disk: the save of a mapped
// Document whose size did not change. The runs go through a save journal (platform::SaveJournal),
// so a crash leaves the old file or, once the journal is sealed, a save that the next open
// completes. A cancel, or a signal that would end the program, is honoured until the journal is
// sealed (the file untouched); after that the save runs to its end.
PageWriteOutcome WriteChangedPages(const std::string& name, const uint8_t* data, int64_t size,
                                   const ChangedRanges& changed, Progress& progress);

} // namespace qhe
