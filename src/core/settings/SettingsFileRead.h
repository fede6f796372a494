#pragma once
#include <string>

namespace qhe {

enum class FileReadResult { Read, Missing, Failed };

// Reads the whole file into contents. Missing: no file (or folder) of that name; Failed: the
// name exists but cannot be read (no plain file, such as a folder or a named pipe; no
// permission; larger than a side file may be; a read error).
FileReadResult ReadWholeFile(const std::string& fileName, std::string& contents);

} // namespace qhe
