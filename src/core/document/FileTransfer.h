#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/document/DynArray.h"
#include "core/text/MessageIds.h"
#include "core/util/Progress.h"
#include "platform/FileIO.h"

namespace qhe {

// Bytes per read or write call of every file transfer.
inline constexpr int64_t kTransferChunk = 128 * 1024;

// Result codes of the transfers (0 = success; below 250 an operating-system code; 250 or
// more a catalogue message id).
inline constexpr int kErrOpen = kMsgOpenFailed;
inline constexpr int kErrNoMemory = kMsgNoMemory;
inline constexpr int kErrRead = kMsgReadFailed;
inline constexpr int kErrClose = kMsgCloseFailed;
inline constexpr int kErrWrite = kMsgWriteFailed;
inline constexpr int kErrReadCancelled = kMsgReadCancelled;
inline constexpr int kErrWriteCancelled = kMsgWriteCancelled;
// The file has 2 GiB or more and cannot be held in the 32-bit Size (no catalogue text).
inline constexpr int kErrFileTooLarge = 2900;

// Creates the progress box of a transfer once its file is open (shown until destroyed).
using ProgressSource = std::function<std::unique_ptr<Progress>()>;

// A whole file read into a buffer of its own.
struct LoadedFile {
    TQZDynArray buffer{1};
    int32_t size = 0;
    platform::FileTime time;       // when the file was opened
    platform::FileTime changeTime; // its change time (ctime) then
    platform::FileIdentity identity;
    int64_t sizeAfter = 0; // the file's size once the read had finished
};

// Reads the whole file into a fresh buffer sized by the capacity rule, in 128 KiB chunks,
// reporting to progress after each chunk. With denyWrite a file that another program holds
// under a write lock fails with 32, anything but a plain file with kNotRegularFile. A file
// that grows meanwhile is read to the size it had at the start (out.sizeAfter tells). On
// failure out is left empty, so the caller's Document is untouched.
int LoadWholeFile(const std::string& name, bool denyWrite, const ProgressSource& progress, LoadedFile& out);

// Reads the whole file into dest, which has room for expectedSize bytes (the gap that the
// insert-file command opened). Fails with kErrRead when the file's size differs.
int ReadFileInto(const std::string& name, uint8_t* dest, int64_t expectedSize,
                 const ProgressSource& progress);

// How a finished write reached the disk.
struct WriteOutcome {
    int code = 0;
    bool inPlace = false;   // the target was overwritten directly (no temporary file possible)
    bool setIdLost = false; // in place: the kernel cleared its setuid/setgid bit (not its owner)
};

// Writes count bytes to name in 128 KiB chunks. The bytes go to a temporary file beside the
// target that replaces it only when complete, so an error, Cancel or a signal leaves the
// previous file as it was; only where no temporary file is possible is the target overwritten
// in place, through a save journal. kTargetChanged: another program changed the target
// meanwhile, and it was left alone.
WriteOutcome WriteBytesToFile(const std::string& name, const uint8_t* data, int64_t count,
                              const ProgressSource& progress);
// The same for count bytes of doc from position from, whether it is one run or in pieces.
class Document;
WriteOutcome WriteDocumentToFile(const std::string& name, const Document& doc, int64_t from, int64_t count,
                                 const ProgressSource& progress);

} // namespace qhe
