#include "editor/compare/CompareSide.h"

#include <linux/magic.h>
#include <sys/vfs.h>

#include <algorithm>

#include "core/compare/FileHoles.h"
#include "core/document/FileTransfer.h"

namespace qhe {
namespace {

// File systems whose files are made as they are read: their sizes say nothing of their bytes.
bool MadeWhenRead(const std::string& name) {
    struct statfs fs {};
    if (::statfs(name.c_str(), &fs) != 0) return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

} // namespace

int CompareSide::Open(const std::string& name) {
    if (MadeWhenRead(name)) return Read(name);
    if (const int code = mapping_.Open(name, false); code != 0) return code;
    // A size of 0 may hide bytes that only reading brings.
    if (mapping_.Size() == 0 && !mapping_.IsDevice()) {
        mapping_.Close();
        return Read(name);
    }
    data_ = mapping_.Data();
    size_ = mapping_.Size();
    info_ = mapping_.Info();
    return 0;
}

int CompareSide::Read(const std::string& name) {
    const int fd = platform::OpenForReading(name, false);
    if (fd < 0) return -fd;
    info_ = platform::StatOpenFile(fd);
    int code = 0;
    for (int64_t got = 0, room = 64 << 10;; room = std::min(2 * room, kMaxRead + 1)) {
        copy_.resize(static_cast<size_t>(room));
        const int64_t n = platform::ReadFully(fd, copy_.data() + got, room - got);
        if (n < 0) {
            code = static_cast<int>(-n);
            break;
        }
        got += n;
        if (got < room) {
            copy_.resize(static_cast<size_t>(got));
            break;
        }
        if (room > kMaxRead) {
            code = kErrFileTooLarge;
            break;
        }
    }
    platform::CloseFile(fd);
    if (code != 0) {
        copy_ = {};
        return code;
    }
    data_ = copy_.data();
    size_ = static_cast<int64_t>(copy_.size());
    return 0;
}

void CompareSide::Adopt(std::vector<uint8_t> bytes) {
    mapping_.Close();
    copy_ = std::move(bytes);
    data_ = copy_.data();
    size_ = static_cast<int64_t>(copy_.size());
    info_ = {};
}

HoleSource CompareSide::Holes() const {
    return mapping_.IsOpen() && size_ > 0 ? FileHoles(mapping_.Fd(), size_) : HoleSource();
}

} // namespace qhe
