#pragma once
#include <string>

#include "editor/script/CommandLine.h"

namespace qhe {

// qhe32 --compare: compares line.fileName with line.otherFile as line asks and writes one line
// per difference range to out. Answers 0 when the files are equal, 1 when they differ, 2 when
// they cannot be compared; message then holds the reason (it may hold a note with 0 and 1
// too). A read that fails ends the compare at once: no line is written from what it read.
int CompareFilesToDescriptor(const CommandLine& line, int out, std::string& message);

// A problem of one side in one line: "A: " or "B: ", the path as given, the reason.
std::string CompareProblem(int side, const std::string& path, const std::string& reason);
// The reason for an error code of CompareSide::Open.
std::string CompareOpenReason(int code);

} // namespace qhe
