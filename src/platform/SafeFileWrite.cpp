#include "platform/SafeFileWrite.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace qhe {

namespace {

int WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t written = write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// Writes, flushes and closes fd; the first error wins.
int FinishFile(int fd, std::string_view data) {
    int error = WriteAll(fd, data);
    if (error == 0 && fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    return error;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int EnsureFolder(const std::string& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return 0;
    std::filesystem::create_directories(folder, error);
    if (error) return error.value() != 0 ? error.value() : ENOTDIR;
    return std::filesystem::is_directory(folder, error) ? 0 : ENOTDIR;
}

// A symbolic link is replaced through its target so the link itself survives.
std::string ResolveLink(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr) return path;
    return resolved;
}

int OpenTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target + ".tmp" + std::to_string(getpid()) + "_" + std::to_string(counter++);
        int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

int WriteInPlace(const std::string& path, std::string_view data) {
    int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return errno;
    return FinishFile(fd, data);
}

} // namespace

int WriteFileSafely(const std::string& path, std::string_view data) {
    if (path.empty()) return ENOENT;
    const std::string target = ResolveLink(path);
    if (int error = EnsureFolder(FolderOf(target)); error != 0) return error;

    struct stat old {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return EISDIR;
    if (exists && !S_ISREG(old.st_mode)) return WriteInPlace(target, data);

    std::string tempPath;
    int fd = OpenTemporary(target, tempPath);
    if (fd < 0) {
        int error = errno;
        if (exists && (error == EACCES || error == EPERM) && access(target.c_str(), W_OK) == 0) {
            return WriteInPlace(target, data);
        }
        return error;
    }
    if (exists) fchmod(fd, old.st_mode & 07777);
    int error = FinishFile(fd, data);
    if (error == 0 && rename(tempPath.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) unlink(tempPath.c_str());
    return error;
}

} // namespace qhe
