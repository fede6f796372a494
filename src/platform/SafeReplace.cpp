#include "platform/SafeReplace.h"

#include <cerrno>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ErrorCodes.h"
#include "platform/ExtendedAttributes.h"
#include "platform/FileIO.h"

namespace qhe::platform {
namespace {

// The path that a write to name really changes: symbolic links resolved, so a link
// stays a link and its target gets the new contents.
std::string ResolveTarget(const std::string& name) {
    char resolved[PATH_MAX];
    struct stat st {};
    if (::lstat(name.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(name.c_str(), resolved))
        return resolved;
    return name;
}

// Makes sure the file holds disk space for size bytes without changing any byte it has:
// fallocate where the file system knows it, else zeros written past the old end. On failure
// the file gets back its old length and modification time.
int ReserveSpace(int fd, int64_t size) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return ErrorCodeFromErrno(errno, true);
    if (size <= 0) return 0;
    int err = ::fallocate(fd, 0, 0, size) == 0 ? 0 : errno;
    if (err == EOPNOTSUPP || err == ENOSYS || err == EINVAL) {
        err = 0;
        static constexpr uint8_t kZeros[64 * 1024] = {};
        for (off_t at = st.st_size; at < size && err == 0;) {
            const ssize_t put =
                ::pwrite(fd, kZeros, static_cast<size_t>(std::min<int64_t>(size - at, sizeof kZeros)), at);
            if (put > 0)
                at += put;
            else if (put == 0)
                err = ENOSPC;
            else if (errno != EINTR)
                err = errno;
        }
    }
    if (err == 0) return 0;
    (void)!::ftruncate(fd, st.st_size);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(fd, times);
    return ErrorCodeFromErrno(err, true);
}

// Opens the target itself for writing. It is not truncated: the new bytes are written over
// the old ones and the file is cut to the new length only when all of them are written, with
// the signals that would end the process held back until then. An existing file is opened
// without O_CREAT, which a sticky folder may refuse for another user's file.
int OpenInPlace(SavePlan& plan, int64_t size, bool exists) {
    plan.fd = ::open(plan.target.c_str(), O_WRONLY | O_CLOEXEC | (exists ? 0 : O_CREAT), 0666);
    if (plan.fd < 0) return ErrorCodeFromErrno(errno, true);
    if (const int code = ReserveSpace(plan.fd, size); code != 0) {
        ::close(plan.fd);
        plan.fd = -1;
        return code;
    }
    plan.inPlace = true;
    plan.tempName.clear();
    plan.signalHold = SignalHold::Take();
    return 0;
}

// Gives the new temporary file the owner and group of the file it is to replace, then that
// file's extended attributes (the owner first, as changing it clears a file capability).
// False when one of them is refused (giving a file away is for the administrator alone).
bool TakeOverOwnerAndAttributes(const SavePlan& plan, const struct stat& target) {
    struct stat temp {};
    if (::fstat(plan.fd, &temp) != 0) return false;
    if ((temp.st_uid != target.st_uid || temp.st_gid != target.st_gid) &&
        ::fchown(plan.fd, target.st_uid, target.st_gid) != 0)
        return false;
    return CopyExtendedAttributes(plan.target, plan.fd) == 0;
}

} // namespace

int BeginSave(const std::string& name, SavePlan& plan, int64_t size) {
    plan = SavePlan{};
    plan.target = ResolveTarget(name);
    struct stat st {};
    const bool exists = ::stat(plan.target.c_str(), &st) == 0;
    if (exists) {
        // Writing to a pipe or device could block for ever, and a folder is no file.
        if (!S_ISREG(st.st_mode)) return kNotRegularFile;
        // A renamed temporary file would replace even a file its owner made read-only.
        if (IsReadOnlyFile(plan.target)) return ErrorCodeFromErrno(EACCES, true);
        // A new file would part the hard links: they all keep sharing the written data.
        if (st.st_nlink > 1) return OpenInPlace(plan, size, exists);
        plan.mode = st.st_mode & 07777;
        plan.replacesFile = true;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        plan.mode = 0666 & ~mask;
    }
    const std::string folder = FolderOf(plan.target);
    const std::string base = plan.target.substr(plan.target.find_last_of('/') + 1);
    std::string pattern = folder.empty() ? std::string(".") : folder;
    pattern.append("/.").append(base).append(".qhe32-XXXXXX");
    plan.fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (plan.fd < 0) {
        // No room for a second file beside the target: write it in place instead.
        if (errno == EACCES || errno == EPERM || errno == EROFS) return OpenInPlace(plan, size, exists);
        return ErrorCodeFromErrno(errno, true);
    }
    plan.tempName = pattern;
    if (plan.replacesFile && !TakeOverOwnerAndAttributes(plan, st)) {
        // A new file would lose the owner, group or an attribute: keep the file itself.
        ::close(plan.fd);
        ::unlink(plan.tempName.c_str());
        plan.fd = -1;
        plan.replacesFile = false;
        return OpenInPlace(plan, size, exists);
    }
    return 0;
}

int ReserveSpaceFor(SavePlan& plan, int64_t size) {
    return plan.inPlace ? 0 : ReserveSpace(plan.fd, size); // in place it was reserved already
}

int CommitSave(SavePlan& plan) {
    int code = 0;
    if (plan.inPlace) {
        // Cut off what is left of longer old contents only now that all new bytes are written.
        const off_t written = ::lseek(plan.fd, 0, SEEK_CUR);
        if (written < 0 || ::ftruncate(plan.fd, written) != 0) code = ErrorCodeFromErrno(errno, true);
    } else {
        // Writing clears a file capability: the attributes are given again. The mode comes
        // after the owner (set in BeginSave), whose change would clear setuid and setgid bits.
        if (plan.replacesFile)
            if (const int error = CopyExtendedAttributes(plan.target, plan.fd); error != 0)
                code = ErrorCodeFromErrno(error, true);
        if (code == 0) ::fchmod(plan.fd, plan.mode);
    }
    if (code == 0 && ::fsync(plan.fd) != 0 && errno != EINVAL && errno != EROFS)
        code = ErrorCodeFromErrno(errno, true);
    if (::close(plan.fd) != 0 && code == 0) code = ErrorCodeFromErrno(errno, true);
    plan.fd = -1;
    if (plan.inPlace) {
        plan.signalHold.Release(); // the file is whole: a held-back signal may end the process now
        return code;
    }
    if (code == 0 && ::rename(plan.tempName.c_str(), plan.target.c_str()) != 0)
        code = ErrorCodeFromErrno(errno, true);
    if (code != 0) ::unlink(plan.tempName.c_str());
    return code;
}

void AbortSave(SavePlan& plan) {
    if (plan.fd >= 0) ::close(plan.fd);
    plan.fd = -1;
    if (!plan.inPlace && !plan.tempName.empty()) ::unlink(plan.tempName.c_str());
    plan.signalHold.Release();
}

} // namespace qhe::platform
