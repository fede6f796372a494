#pragma once
#include "core/compare/FileCompare.h"

namespace qhe {

// The holes of the open file fd of size bytes as the file system reports them (SEEK_DATA and
// SEEK_HOLE); where it cannot tell, all data. Past a new, shorter end of a file cut short
// meanwhile it answers data, so that the compare reads there and meets the failed read.
HoleSource FileHoles(int fd, int64_t size);

} // namespace qhe
