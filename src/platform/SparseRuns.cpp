#include "platform/SparseRuns.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ErrorCodes.h"

namespace qhe::platform {

bool HoleFinder::HoleAt(int64_t offset, int64_t& end) {
    if (offset < begin_ || offset >= end_) {
        begin_ = offset;
        const off_t data = ::lseek(fd_, offset, SEEK_DATA);
        if (data < 0) {
            // ENXIO: no data from offset on. Anything else: holes unknown here, all is data.
            hole_ = errno == ENXIO;
            end_ = INT64_MAX;
        } else if (data > offset) {
            hole_ = true;
            end_ = data;
        } else {
            const off_t hole = ::lseek(fd_, offset, SEEK_HOLE);
            hole_ = false;
            end_ = hole > offset ? hole : INT64_MAX;
        }
    }
    end = end_;
    return hole_;
}

namespace {

// Writes zeros over [from, to) of fd; answers 0 or an errno value.
int WriteZeros(int fd, int64_t from, int64_t to) {
    static constexpr uint8_t kZeros[64 * 1024] = {};
    while (from < to) {
        const ssize_t put =
            ::pwrite(fd, kZeros, static_cast<size_t>(std::min<int64_t>(to - from, sizeof kZeros)), from);
        if (put > 0)
            from += put;
        else if (put == 0)
            return ENOSPC;
        else if (errno != EINTR)
            return errno;
    }
    return 0;
}

} // namespace

int ReserveRanges(int fd, const std::vector<FileRange>& ranges) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return ErrorCodeFromErrno(errno, true);
    int err = 0;
    bool fallocates = true;
    for (const FileRange& range : ranges) {
        if (range.size <= 0) continue;
        if (fallocates) {
            err = ::fallocate(fd, 0, range.offset, range.size) == 0 ? 0 : errno;
            if (err == EOPNOTSUPP || err == ENOSYS || err == EINVAL) {
                fallocates = false;
                err = 0;
            }
        }
        // Without fallocate only what lies past the old end may be written (as zeros).
        if (!fallocates)
            err = WriteZeros(fd, std::max<int64_t>(range.offset, st.st_size), range.offset + range.size);
        if (err != 0) break;
    }
    if (err == 0) return 0;
    (void)!::ftruncate(fd, st.st_size);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(fd, times);
    return ErrorCodeFromErrno(err, true);
}

void ReadAhead(int fd, int64_t offset, int64_t size) {
    if (size > 0) ::posix_fadvise(fd, offset, size, POSIX_FADV_WILLNEED);
}

} // namespace qhe::platform
