#pragma once
#include <cstdint>

#include "core/util/Progress.h"

namespace qhe {

class Document;

// Streams count bytes of a mapped Document, from position from on, to the file open as out
// (written from its offset 0). With fresh, out is a new file with nothing to overwrite: the
// writes are direct where the file system takes them, and whole blocks that fall in holes of
// the mapped file are not written, so they stay holes (the file is sized at the end). Without,
// every byte is written in order from the file position. Answers 0, an operating-system code
// or kErrWriteCancelled.
int StreamDocument(const Document& doc, int64_t from, int64_t count, int out, bool fresh, Progress& progress);

// Reserves the disk space that StreamDocument with fresh needs for the same bytes in out: the
// blocks it writes, not the holes it leaves. Answers 0 or an error code (112 for a full disk),
// and on failure leaves out as it was.
int ReserveStreamSpace(const Document& doc, int64_t from, int64_t count, int out);

} // namespace qhe
