#pragma once
#include <string>

#include "editor/script/CommandLine.h"

namespace qhe {

// qhe32 --compare: compares line.fileName with line.otherFile as line asks and writes one line
// per difference range to out. Answers 0 when the files are equal, 1 when they differ, 2 when
// they cannot be compared; message then holds the reason (it may hold a note with 0 too).
int CompareFilesToDescriptor(const CommandLine& line, int out, std::string& message);

} // namespace qhe
