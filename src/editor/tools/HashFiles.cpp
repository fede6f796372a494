#include "editor/tools/HashFiles.h"

#include "core/document/FileTransfer.h"
#include "editor/file/FileCommands.h"
#include "platform/FileIO.h"
#include "platform/FileMapping.h"

#include <algorithm>
#include <vector>

namespace qhe {
namespace {

constexpr int kReadFault = 30; // the message of a read fault

// Hashes a file of known size through a mapping, in steps so that pages already hashed can be
// dropped from it. Answers 0, kReadFault when pages could not be read (another program cut the
// file short), or -1 when it cannot be mapped at all.
int HashMapped(const std::string& name, int64_t size, MultiHasher& hasher) {
    platform::FileMapping file;
    if (file.Open(name, false) != 0 || file.Size() != size) return -1;
    constexpr int64_t kStep = int64_t{64} << 20;
    for (int64_t at = 0; at < file.Size(); at += kStep)
        hasher.Update(file.Data() + at, static_cast<size_t>(std::min(kStep, file.Size() - at)));
    return file.ReadFaults() > 0 ? kReadFault : 0;
}

// Hashes whatever reading fd gives up to its end: files of /proc and /sys tell a size of 0 or
// of a page and cannot be mapped, yet read as text. Answers 0 or the read's error code.
int HashStream(int fd, MultiHasher& hasher) {
    std::vector<uint8_t> buffer(size_t{1} << 20);
    for (;;) {
        const int64_t got = platform::ReadFully(fd, buffer.data(), static_cast<int64_t>(buffer.size()));
        if (got < 0) return static_cast<int>(-got);
        if (got == 0) return 0;
        hasher.Update(buffer.data(), static_cast<size_t>(got));
    }
}

// The digests of one file: 0, or the code of the error (of opening or of reading).
int HashFile(const std::string& name, MultiHasher& hasher) {
    int64_t size = 0;
    bool device = false;
    const int fd = platform::OpenFileOrDevice(name, false, size, device);
    if (fd < 0) return -fd;
    int code = size > 0 ? HashMapped(name, size, hasher) : -1;
    if (code < 0) code = HashStream(fd, hasher);
    platform::CloseFile(fd);
    return code;
}

} // namespace

int HashFilesToDescriptor(const CommandLine& line, int out, std::string& errors) {
    int status = 0;
    for (const std::string& name : line.files) {
        MultiHasher hasher(line.hashes);
        if (const int code = HashFile(name, hasher); code != 0) {
            errors += "qhe32: " + FileErrorMessage(kErrOpen, code, name) + "\n";
            status = 2;
            continue;
        }
        std::string text;
        for (const std::string& digest : hasher.Finish())
            text += DigestLine(digest, name);
        if (const int code = platform::WriteFully(out, reinterpret_cast<const uint8_t*>(text.data()),
                                                  static_cast<int64_t>(text.size()));
            code != 0)
            return 2;
    }
    return status;
}

} // namespace qhe
