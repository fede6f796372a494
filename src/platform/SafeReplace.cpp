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
#include "platform/SaveFiles.h"

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

TargetState StateOf(const struct stat& st) {
    TargetState state;
    state.exists = true;
    state.size = st.st_size;
    state.mtimeSec = st.st_mtim.tv_sec;
    state.mtimeNsec = st.st_mtim.tv_nsec;
    state.ctimeSec = st.st_ctim.tv_sec;
    state.ctimeNsec = st.st_ctim.tv_nsec;
    state.device = st.st_dev;
    state.inode = st.st_ino;
    state.mode = st.st_mode;
    return state;
}

TargetState StateOfPath(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? StateOf(st) : TargetState{};
}

// Opens the target itself for writing, which happens only once the new contents are safe in the
// save journal. It is neither truncated nor lengthened here: the disk space it will need is
// reserved beyond its end without changing its length, so a refused save leaves it exactly as
// it was. An existing file is opened without O_CREAT, which a sticky folder may refuse for
// another user's file.
int OpenInPlace(SavePlan& plan, int64_t size, bool exists, FileIdentity readSource, bool reserveAll) {
    if (exists && readSource.inode != 0 && readSource == FileIdentity{plan.seen.device, plan.seen.inode})
        return kMappedInPlace;
    plan.targetFd = ::open(plan.target.c_str(), O_WRONLY | O_CLOEXEC | (exists ? 0 : O_CREAT), 0666);
    if (plan.targetFd < 0) return ErrorCodeFromErrno(errno, true);
    int code = 0;
    // Only the growth: the holes a sparse file has stay holes.
    if (size > plan.seen.size &&
        ::fallocate(plan.targetFd, FALLOC_FL_KEEP_SIZE, plan.seen.size, size - plan.seen.size) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS && errno != EINVAL)
        code = ErrorCodeFromErrno(errno, true);
    if (code == 0) code = plan.journal.Create(plan.target, reserveAll ? size : -1);
    if (code != 0) {
        ::close(plan.targetFd);
        plan.targetFd = -1;
        plan.journal.Remove();
        return code;
    }
    // The reservation may have moved the change time: that was this save's own doing.
    struct stat st {};
    if (exists && ::fstat(plan.targetFd, &st) == 0 && st.st_size == plan.seen.size) plan.seen = StateOf(st);
    if (!exists) plan.seen = StateOfPath(plan.target);
    plan.fd = plan.journal.DataFd();
    plan.inPlace = true;
    plan.tempName.clear();
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

int BeginSaveHeld(const std::string& name, SavePlan& plan, int64_t size, FileIdentity readSource,
                  bool reserveAll) {
    plan.target = ResolveTarget(name);
    RemoveStaleTemporaries(plan.target);
    struct stat st {};
    const bool exists = ::stat(plan.target.c_str(), &st) == 0;
    if (exists) {
        plan.seen = StateOf(st);
        // Writing to a pipe or device could block for ever, and a folder is no file.
        if (!S_ISREG(st.st_mode)) return kNotRegularFile;
        // A renamed temporary file would replace even a file its owner made read-only.
        if (IsReadOnlyFile(plan.target)) return ErrorCodeFromErrno(EACCES, true);
        // A new file would part the hard links: they all keep sharing the written data.
        if (st.st_nlink > 1) return OpenInPlace(plan, size, exists, readSource, reserveAll);
        plan.mode = st.st_mode & 07777;
        plan.replacesFile = true;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        plan.mode = 0666 & ~mask;
    }
    std::string pattern = TemporaryPattern(plan.target);
    plan.fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (plan.fd < 0) {
        // No room for a second file beside the target: write it in place instead.
        if (errno == EACCES || errno == EPERM || errno == EROFS)
            return OpenInPlace(plan, size, exists, readSource, reserveAll);
        return ErrorCodeFromErrno(errno, true);
    }
    plan.tempName = pattern;
    if (plan.replacesFile && !TakeOverOwnerAndAttributes(plan, st)) {
        // A new file would lose the owner, group or an attribute: keep the file itself.
        ::close(plan.fd);
        ::unlink(plan.tempName.c_str());
        plan.fd = -1;
        plan.replacesFile = false;
        return OpenInPlace(plan, size, exists, readSource, reserveAll);
    }
    return 0;
}

// Writes the sealed journal into the target: the commit of an in-place save.
int CommitInPlace(SavePlan& plan) {
    int64_t finalSize = plan.patchSize;
    if (!plan.patch) {
        // The whole new contents were written through plan.fd, which now stands at their end.
        finalSize = ::lseek(plan.fd, 0, SEEK_CUR);
        if (finalSize < 0) return ErrorCodeFromErrno(errno, true);
        plan.journal.AddRun(0, finalSize, 0);
    }
    int code = plan.journal.Seal(finalSize);
    if (code == 0) code = plan.journal.ApplyTo(plan.targetFd);
    if (code == 0) {
        // A write by someone other than the owner makes the kernel clear setuid and setgid; the
        // owner gets them back, anybody else is told.
        struct stat st {};
        const unsigned idBits = plan.seen.mode & (S_ISUID | S_ISGID);
        if (idBits != 0 && ::fstat(plan.targetFd, &st) == 0 && (st.st_mode & idBits) != idBits &&
            (::fchmod(plan.targetFd, plan.seen.mode & 07777) != 0 ||
             (::fstat(plan.targetFd, &st) == 0 && (st.st_mode & idBits) != idBits)))
            plan.setIdLost = true;
    }
    if (::close(plan.targetFd) != 0 && code == 0) code = ErrorCodeFromErrno(errno, true);
    plan.targetFd = -1;
    if (code == 0)
        plan.journal.Remove();
    else if (plan.journal.Sealed())
        plan.journal.Keep(); // the target may be part written: the next open completes it
    return code;
}

} // namespace

int BeginSave(const std::string& name, SavePlan& plan, int64_t size, FileIdentity readSource, bool reserveAll) {
    plan = SavePlan{};
    // Held from the start: a signal during the save ends it cleanly instead of killing the
    // process with its temporary file left behind.
    plan.signalHold = SignalHold::Take();
    const int code = BeginSaveHeld(name, plan, size, readSource, reserveAll);
    if (code != 0) AbortSave(plan);
    return code;
}

int BeginPatchSave(const std::string& name, SavePlan& plan, int64_t size) {
    plan = SavePlan{};
    plan.signalHold = SignalHold::Take();
    plan.target = ResolveTarget(name);
    plan.patch = true;
    plan.patchSize = size;
    struct stat st {};
    int code = ::stat(plan.target.c_str(), &st) == 0 ? 0 : ErrorCodeFromErrno(errno, true);
    if (code == 0) {
        plan.seen = StateOf(st);
        code = OpenInPlace(plan, -1, true, {}, true);
    }
    if (code != 0) AbortSave(plan);
    return code;
}

int CommitSave(SavePlan& plan) {
    // The last look at the target before it is replaced or written.
    const TargetState now = StateOfPath(plan.target);
    if (now != plan.seen) {
        AbortSave(plan);
        return kTargetChanged;
    }
    if (plan.inPlace) {
        const int code = CommitInPlace(plan);
        if (code != 0) AbortSave(plan);
        plan.signalHold.Release(); // the file is whole: a held-back signal may end the process now
        return code;
    }
    int code = 0;
    // Writing clears a file capability: the attributes are given again. The mode comes after
    // the owner (set in BeginSave), whose change would clear setuid and setgid bits.
    if (plan.replacesFile)
        if (const int error = CopyExtendedAttributes(plan.target, plan.fd); error != 0)
            code = ErrorCodeFromErrno(error, true);
    if (code == 0) ::fchmod(plan.fd, plan.mode);
    if (code == 0 && ::fsync(plan.fd) != 0 && errno != EINVAL && errno != EROFS)
        code = ErrorCodeFromErrno(errno, true);
    if (::close(plan.fd) != 0 && code == 0) code = ErrorCodeFromErrno(errno, true);
    plan.fd = -1;
    if (code == 0 && StateOfPath(plan.target) != plan.seen) code = kTargetChanged;
    if (code == 0 && ::rename(plan.tempName.c_str(), plan.target.c_str()) != 0)
        code = ErrorCodeFromErrno(errno, true);
    if (code != 0) {
        ::unlink(plan.tempName.c_str());
    } else {
        // Without this a power cut soon after could bring the old file back.
        FlushFolderOf(plan.target);
    }
    plan.tempName.clear();
    plan.signalHold.Release();
    return code;
}

void AbortSave(SavePlan& plan) {
    if (plan.targetFd >= 0) ::close(plan.targetFd);
    plan.targetFd = -1;
    if (plan.inPlace) {
        plan.fd = -1; // the journal's own
        plan.journal.Remove();
    } else if (plan.fd >= 0) {
        ::close(plan.fd);
    }
    plan.fd = -1;
    if (!plan.tempName.empty()) ::unlink(plan.tempName.c_str());
    plan.tempName.clear();
    plan.signalHold.Release();
}

} // namespace qhe::platform
