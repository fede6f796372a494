#pragma once
#include <cstdint>
#include <string>

namespace qhe::platform {

// The largest side file (settings, conversion table, bookmark list, script) the program reads:
// far beyond any real one, small enough that a wrong name cannot exhaust memory.
constexpr int64_t kSideFileMaxBytes = 16 << 20;

// Reads the whole of a plain file into out (left unchanged on failure). Answers 0, or the
// code of the failure: the catalogue's codes (2 no such file, 3 no such folder, 5 no
// permission, ...), kNotRegularFile for a pipe, device or folder (without blocking), or
// kSideFileTooLarge when the file holds more than maxBytes.
int ReadSmallFile(const std::string& name, int64_t maxBytes, std::string& out);

// Whether a side file may be written to name: 0 when nothing of that name exists yet or it is
// a plain file (links followed), kNotRegularFile otherwise, since writing into a pipe would
// block and a device must not be overwritten.
int CheckSideFileTarget(const std::string& name);

} // namespace qhe::platform
