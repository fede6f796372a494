#pragma once
#include <string>

#include "editor/script/CommandLine.h"

namespace qhe {

// qhe32 --hash: the digests of each file in line.files, one line per file and digest in the
// format of sha256sum (DigestLine), written to out. A file is mapped when it can be; one that
// tells no size or cannot be mapped (those of /proc and /sys) is read to its end. Answers 0, or
// 2 when a file could not be read (its reason in errors, a line each; the other files are
// still done).
int HashFilesToDescriptor(const CommandLine& line, int out, std::string& errors);

} // namespace qhe
