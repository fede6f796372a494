#include "platform/FileIO.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include "platform/ErrorCodes.h"

namespace qhe::platform {

namespace {

FileInfo InfoOf(const struct stat& st) {
    FileInfo info;
    info.exists = true;
    info.isRegular = S_ISREG(st.st_mode);
    info.size = st.st_size;
    info.mode = st.st_mode & 07777;
    info.linkCount = static_cast<unsigned>(st.st_nlink);
    info.modified = {st.st_mtim.tv_sec, st.st_mtim.tv_nsec, true};
    info.statusChanged = {st.st_ctim.tv_sec, st.st_ctim.tv_nsec, true};
    info.identity = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
    return info;
}

} // namespace

FileInfo StatFile(const std::string& name) {
    struct stat st {};
    if (name.empty() || ::stat(name.c_str(), &st) != 0) return {};
    return InfoOf(st);
}

FileInfo StatOpenFile(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return {};
    return InfoOf(st);
}

int LastErrorCode(bool writing) {
    return ErrorCodeFromErrno(errno, writing);
}

int OpenForReading(const std::string& name, bool denyWrite) {
    // Non-blocking, so that a named pipe without a writer cannot hang the program in open().
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return -LastErrorCode(false);
    // Only plain files are read: a pipe or device has no size and may never end.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -kNotRegularFile;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (denyWrite) {
        struct flock lock {};
        lock.l_type = F_RDLCK;
        lock.l_whence = SEEK_SET;
        // A read lock on the whole file conflicts exactly with another description's write lock.
        if (::fcntl(fd, F_OFD_SETLK, &lock) != 0) {
            const int err = errno;
            ::close(fd);
            if (err == EAGAIN || err == EACCES) return -kSharingViolation;
            // File systems without lock support still open for reading.
            if (err != ENOLCK && err != EINVAL && err != EOPNOTSUPP) return -ErrorCodeFromErrno(err, false);
            return OpenForReading(name, false);
        }
    }
    return fd;
}

namespace {

// Repeats readSome(done) until count bytes are in or the file ends; answers the bytes read or -code.
template <typename ReadSome> int64_t ReadLoop(int64_t count, ReadSome readSome) {
    int64_t done = 0;
    while (done < count) {
        const ssize_t got = readSome(done);
        if (got < 0) {
            if (errno == EINTR) continue;
            return -LastErrorCode(false);
        }
        if (got == 0) break;
        done += got;
    }
    return done;
}

} // namespace

int64_t ReadFully(int fd, uint8_t* dest, int64_t count) {
    return ReadLoop(count,
                    [&](int64_t done) { return ::read(fd, dest + done, static_cast<size_t>(count - done)); });
}

int64_t ReadFullyAt(int fd, uint8_t* dest, int64_t count, int64_t offset) {
    return ReadLoop(count, [&](int64_t done) {
        return ::pread(fd, dest + done, static_cast<size_t>(count - done), static_cast<off_t>(offset + done));
    });
}

bool BeginDirectWrites(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_DIRECT) != 0) return false;
    // Some file systems take the flag and refuse the writes: one block tells.
    void* block = std::aligned_alloc(kDirectAlignment, kDirectAlignment);
    bool taken = false;
    if (block) {
        std::memset(block, 0, kDirectAlignment);
        taken = ::pwrite(fd, block, kDirectAlignment, 0) == kDirectAlignment;
        std::free(block);
    }
    if (!taken) ::fcntl(fd, F_SETFL, flags);
    return taken;
}

int EndDirectWrites(int fd, int64_t size) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_DIRECT) != 0 || ::ftruncate(fd, size) != 0 ||
        ::lseek(fd, size, SEEK_SET) != size)
        return LastErrorCode(true);
    return 0;
}

int WriteFully(int fd, const uint8_t* src, int64_t count) {
    int64_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(fd, src + done, static_cast<size_t>(count - done));
        if (put < 0) {
            if (errno == EINTR) continue;
            return LastErrorCode(true);
        }
        if (put == 0) return ErrorCodeFromErrno(ENOSPC, true);
        done += put;
    }
    return 0;
}

int CloseFile(int fd) {
    return ::close(fd) == 0 ? 0 : LastErrorCode(true);
}

bool IsReadOnlyFile(const std::string& name) {
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0) return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return ::access(name.c_str(), W_OK) != 0;
}

bool SetModificationTime(const std::string& name, const FileTime& time) {
    if (!time.valid) return false;
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = static_cast<time_t>(time.seconds);
    times[1].tv_nsec = static_cast<long>(time.nanoseconds);
    return ::utimensat(AT_FDCWD, name.c_str(), times, 0) == 0;
}

bool IsNetworkPath(const std::string& path) {
    if (path.empty()) return false;
    if (path.rfind("//", 0) == 0) return true;
    struct statfs fs {};
    if (::statfs(path.c_str(), &fs) != 0) {
        const std::string folder = FolderOf(path);
        if (folder.empty() || folder == path || ::statfs(folder.c_str(), &fs) != 0) return false;
    }
    constexpr unsigned long kCifs = 0xFF534D42, kSmb2 = 0xFE534D42, kAfs = 0x5346414F, kFuse = 0x65735546;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case NFS_SUPER_MAGIC:
    case SMB_SUPER_MAGIC:
    case kCifs:
    case kSmb2:
    case kAfs:
    case kFuse: // sshfs and other network file systems come through FUSE
        return true;
    default:
        return false;
    }
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    char cwd[PATH_MAX];
    if (!::getcwd(cwd, sizeof cwd)) return path;
    std::string base(cwd);
    if (base.back() != '/') base += '/';
    return base + path;
}

} // namespace qhe::platform

namespace qhe::platform {

std::string FullPathName(const std::string& path) {
    if (path.find_first_of("*?") == std::string::npos) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved)) return resolved;
    }
    return AbsolutePath(path);
}

} // namespace qhe::platform
