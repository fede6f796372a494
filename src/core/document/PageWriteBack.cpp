#include "core/document/PageWriteBack.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "core/document/FileTransfer.h"
#include "platform/FileIO.h"
#include "platform/SignalHold.h"

namespace qhe {
namespace {

constexpr int64_t kPiece = 1 << 20;

// Writes n bytes at offset; answers 0 or the error code.
int WriteAt(int fd, const uint8_t* from, int64_t n, int64_t offset) {
    while (n > 0) {
        const ssize_t done = ::pwrite(fd, from, static_cast<size_t>(n), offset);
        if (done < 0) {
            if (errno == EINTR) continue;
            return platform::LastErrorCode(true);
        }
        from += done;
        n -= done;
        offset += done;
    }
    return 0;
}

} // namespace

PageWriteOutcome WriteChangedPages(const std::string& name, const uint8_t* data, int64_t size,
                                   const ChangedRanges& changed, Progress& progress) {
    PageWriteOutcome out;
    if (progress.Cancelled()) {
        out.code = kErrWriteCancelled;
        return out;
    }
    const int fd = ::open(name.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        out.code = platform::LastErrorCode(true);
        return out;
    }
    // From the first write on the file is part old, part new until the last one: it is finished
    // whatever arrives meanwhile, and Cancel is off.
    const platform::SignalHold hold = platform::SignalHold::Take();
    progress.EnableCancel(false);
    const int64_t total = changed.Bytes();
    for (const auto& [begin, runEnd] : changed.Runs()) {
        const int64_t end = std::min(runEnd, size);
        for (int64_t at = begin; at < end && out.code == 0; at += kPiece) {
            const int64_t n = std::min(kPiece, end - at);
            out.code = WriteAt(fd, data + at, n, at);
            if (out.code != 0) {
                out.firstUnwritten = at;
                break;
            }
            ++out.writes;
            out.written += n;
            progress.SetProgress(out.written, total, 5);
        }
        if (out.code != 0) break;
    }
    if (::fdatasync(fd) != 0 && out.code == 0 && errno != EINVAL && errno != EROFS) {
        out.code = platform::LastErrorCode(true);
        out.firstUnwritten = changed.Runs().empty() ? 0 : changed.Runs().begin()->first;
    }
    const int closed = platform::CloseFile(fd);
    if (out.code == 0 && closed != 0) {
        out.code = closed;
        out.firstUnwritten = changed.Runs().empty() ? 0 : changed.Runs().begin()->first;
    }
    return out;
}

} // namespace qhe
