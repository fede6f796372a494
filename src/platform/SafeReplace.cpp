#include "platform/SafeReplace.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ErrorCodes.h"
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

int OpenInPlace(SavePlan& plan) {
    plan.fd = ::open(plan.target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (plan.fd < 0) return ErrorCodeFromErrno(errno, true);
    plan.inPlace = true;
    plan.tempName.clear();
    return 0;
}

} // namespace

int BeginSave(const std::string& name, SavePlan& plan) {
    plan = SavePlan{};
    plan.target = ResolveTarget(name);
    struct stat st {};
    const bool exists = ::stat(plan.target.c_str(), &st) == 0;
    if (exists) {
        // A renamed temporary file would replace even a file its owner made read-only.
        if (S_ISREG(st.st_mode) && IsReadOnlyFile(plan.target)) return ErrorCodeFromErrno(EACCES, true);
        if (!S_ISREG(st.st_mode) || st.st_nlink > 1) return OpenInPlace(plan);
        plan.mode = st.st_mode & 07777;
        plan.keepOwner = true;
        plan.uid = st.st_uid;
        plan.gid = st.st_gid;
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
        if (errno == EACCES || errno == EPERM || errno == EROFS) return OpenInPlace(plan);
        return ErrorCodeFromErrno(errno, true);
    }
    plan.tempName = pattern;
    return 0;
}

int CommitSave(SavePlan& plan) {
    int code = 0;
    if (::fsync(plan.fd) != 0 && errno != EINVAL && errno != EROFS) code = ErrorCodeFromErrno(errno, true);
    if (!plan.inPlace && code == 0) {
        ::fchmod(plan.fd, plan.mode);
        if (plan.keepOwner) (void)!::fchown(plan.fd, plan.uid, plan.gid);
    }
    if (::close(plan.fd) != 0 && code == 0) code = ErrorCodeFromErrno(errno, true);
    plan.fd = -1;
    if (plan.inPlace) return code;
    if (code == 0 && ::rename(plan.tempName.c_str(), plan.target.c_str()) != 0)
        code = ErrorCodeFromErrno(errno, true);
    if (code != 0) ::unlink(plan.tempName.c_str());
    return code;
}

void AbortSave(SavePlan& plan) {
    if (plan.fd >= 0) ::close(plan.fd);
    plan.fd = -1;
    if (!plan.inPlace && !plan.tempName.empty()) ::unlink(plan.tempName.c_str());
}

} // namespace qhe::platform
