#include "platform/ExtendedAttributes.h"

#include <algorithm>
#include <cerrno>
#include <sys/xattr.h>
#include <vector>

namespace qhe::platform {
namespace {

// The attribute names of a file, or -errno. A file system without attributes has none.
int ListNames(const std::string* path, int fd, std::vector<std::string>& names) {
    names.clear();
    std::vector<char> list;
    for (;;) {
        const ssize_t size = path ? ::listxattr(path->c_str(), nullptr, 0) : ::flistxattr(fd, nullptr, 0);
        if (size < 0) return errno == ENOTSUP ? 0 : -errno;
        list.resize(static_cast<size_t>(size));
        const ssize_t got = size == 0 ? 0
                            : path    ? ::listxattr(path->c_str(), list.data(), list.size())
                                      : ::flistxattr(fd, list.data(), list.size());
        if (got >= 0) {
            list.resize(static_cast<size_t>(got));
            break;
        }
        if (errno != ERANGE) return -errno; // ERANGE: one was added since the size was asked
    }
    for (auto at = list.begin(); at != list.end();) {
        const auto end = std::find(at, list.end(), '\0');
        if (end != at) names.emplace_back(at, end);
        at = end == list.end() ? end : end + 1;
    }
    return 0;
}

// The value of one attribute, or -errno (-ENODATA when the file does not have it).
int ReadValue(const std::string* path, int fd, const std::string& name, std::string& value) {
    for (;;) {
        const ssize_t size = path ? ::getxattr(path->c_str(), name.c_str(), nullptr, 0)
                                  : ::fgetxattr(fd, name.c_str(), nullptr, 0);
        if (size < 0) return -errno;
        value.resize(static_cast<size_t>(size));
        const ssize_t got = size == 0 ? 0
                            : path    ? ::getxattr(path->c_str(), name.c_str(), value.data(), value.size())
                                      : ::fgetxattr(fd, name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<size_t>(got));
            return 0;
        }
        if (errno != ERANGE) return -errno;
    }
}

} // namespace

int CopyExtendedAttributes(const std::string& from, int toFd) {
    std::vector<std::string> wanted, present;
    if (const int error = ListNames(&from, -1, wanted); error != 0) return -error;
    if (const int error = ListNames(nullptr, toFd, present); error != 0) return -error;
    std::string value, current;
    for (const std::string& name : wanted) {
        if (const int error = ReadValue(&from, -1, name, value); error == -ENODATA)
            continue; // removed meanwhile
        else if (error != 0)
            return -error;
        // Unchanged values are left alone: a new file often gets the same security label by
        // itself, and the user may have no right to set one.
        if (ReadValue(nullptr, toFd, name, current) == 0 && current == value) continue;
        if (::fsetxattr(toFd, name.c_str(), value.data(), value.size(), 0) != 0) return errno;
    }
    for (const std::string& name : present)
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
            ::fremovexattr(toFd, name.c_str()) != 0 && errno != ENODATA)
            return errno;
    return 0;
}

} // namespace qhe::platform
