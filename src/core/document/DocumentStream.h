#pragma once
#include <cstdint>

#include "core/util/Progress.h"

namespace qhe {

class Document;

// Streams count bytes of a mapped Document, from position from on, to the file open as out
// (written from its offset 0); direct asks for direct writes where the file system takes them.
// Answers 0, an operating-system code or kErrWriteCancelled.
int StreamDocument(const Document& doc, int64_t from, int64_t count, int out, bool direct, Progress& progress);

} // namespace qhe
