#include "platform/SmallFile.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/ErrorCodes.h"
#include "platform/FileIO.h"

namespace qhe::platform {

int ReadSmallFile(const std::string& name, int64_t maxBytes, std::string& out) {
    const int fd = OpenForReading(name, false);
    if (fd < 0) return -fd;
    struct stat st {};
    int code = ::fstat(fd, &st) == 0 ? 0 : LastErrorCode(false);
    if (code == 0 && st.st_size > maxBytes) code = kSideFileTooLarge;
    std::string text;
    int64_t got = 0;
    // One byte more than the file should hold, so that its end (or its growth) is seen; a
    // file that reports no size (as some kernel files do) grows the buffer as it reads.
    int64_t want = st.st_size + 1;
    while (code == 0) {
        text.resize(static_cast<size_t>(want));
        const int64_t n = ReadFully(fd, reinterpret_cast<uint8_t*>(text.data()) + got, want - got);
        if (n < 0) {
            code = static_cast<int>(-n);
            break;
        }
        got += n;
        if (got < want) break; // the end of the file
        if (got > maxBytes) code = kSideFileTooLarge;
        want = std::min(want * 2, maxBytes + 1);
    }
    text.resize(static_cast<size_t>(got));
    if (const int closeCode = CloseFile(fd); code == 0) code = closeCode;
    if (code == 0) out = std::move(text);
    return code;
}

int CheckSideFileTarget(const std::string& name) {
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0) return 0; // nothing there yet: the write creates it
    return S_ISREG(st.st_mode) ? 0 : kNotRegularFile;
}

} // namespace qhe::platform
