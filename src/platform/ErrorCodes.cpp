#include "platform/ErrorCodes.h"

#include <cerrno>

namespace qhe {

int ErrorCodeFromErrno(int err, bool writing) {
    // EAGAIN and EWOULDBLOCK share a value on Linux, so they are tested outside the switch.
    if (err == EAGAIN || err == EWOULDBLOCK) return kSharingViolation;
    switch (err) {
    case 0:
        return 0;
    case ENOENT:
        return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
        return 5;
    case EBADF:
        return 6;
    case ENOMEM:
        return 8;
    case EROFS:
        return 19;
    case EIO:
        return writing ? 29 : 30;
    case EEXIST:
        return 80;
    case EINVAL:
        return 87;
    // A file grown beyond what the file system allows is closest to a full disk.
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return 112;
    default:
        return 31;
    }
}

} // namespace qhe
