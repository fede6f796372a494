#pragma once
#include <cstdint>

#include "core/document/ByteRuns.h"
#include <functional>
#include <string>
#include <string_view>

#include "core/print/DumpText.h"

namespace qhe {

// Lines of the text file end as in the program's other side files.
inline constexpr std::string_view kDumpLineEnd = "\r\n";

// The four head lines of the text file: "File: " + name, the credit line, an empty line and the
// column header line.
std::string DumpHeadLines(const std::string& fileName, const DumpFormat& format);

// Called after each chunk with the bytes done; answers false to cancel.
using DumpProgress = std::function<bool(uint64_t done)>;

// Writes the head lines and the rows of positions range.first .. range.last of buffer (1-based) to
// path through a temporary file that replaces an earlier file only when complete. Answers 0, the
// error code of the failing step, or kDumpCancelled; on failure or cancel an earlier file is kept.
inline constexpr int kDumpCancelled = -1;
int WriteDumpFile(const std::string& path, const std::string& fileName, const ByteView& buffer,
                  DumpRange range, const DumpFormat& format, const DumpProgress& progress = {});

// The whole of the file at path as the text file would hold it, written to the descriptor out.
// Answers 0 or the error code. A file that cannot be opened, is no plain file or is too large
// for a Document leaves error empty (the caller words the code as for opening it in the
// editor); a failed read or write fills error with a one-line reason.
int DumpFileToDescriptor(const std::string& path, const DumpFormat& format, int out, std::string& error);

} // namespace qhe
