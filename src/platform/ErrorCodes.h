#pragma once

namespace qhe {

// Catalogue code of a file opened while another process holds it under a write lock.
constexpr int kSharingViolation = 32;
// Codes of this program, beyond the catalogue (no catalogue text; the command layer words them):
// the name is not a plain file (a named pipe, device, socket or folder), so it is neither read
// nor written; a side file (settings, tables, bookmarks) is larger than its reader accepts.
constexpr int kNotRegularFile = 2901;
constexpr int kSideFileTooLarge = 2902;
// A mapped file with inserts or deletes cannot be written over itself in place (several hard
// links, or no temporary file possible beside it): its bytes would be read after being overwritten.
constexpr int kMappedInPlace = 2903;
// A save whose target another program changed (or created, or removed) while the new contents
// were being written: nothing was written over it.
constexpr int kTargetChanged = 2904;

// Maps an errno value onto the operating-system error codes of the message catalogue (1-219),
// so that ErrorText shows a fitting text. writing tells a failed write from a failed read for
// EIO (29 "写入错误" or 30 "读取错误"). Anything without a closer match is 31 "General failure";
// 0 stays 0 (no error).
int ErrorCodeFromErrno(int err, bool writing);

} // namespace qhe
