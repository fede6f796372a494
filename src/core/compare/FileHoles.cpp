#include "core/compare/FileHoles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace qhe {

HoleSource FileHoles(int fd, int64_t size) {
    return [fd, size](int64_t offset, int64_t& end) {
        const off_t data = ::lseek(fd, offset, SEEK_DATA);
        if (data < 0) {
            struct stat st {};
            // No data from offset on: a hole to the end, unless the file no longer reaches it.
            const bool hole = errno == ENXIO && ::fstat(fd, &st) == 0 && st.st_size >= size;
            end = size;
            return hole;
        }
        if (data > offset) {
            end = data;
            return true;
        }
        const off_t hole = ::lseek(fd, offset, SEEK_HOLE);
        end = hole > offset ? hole : size;
        return false;
    };
}

} // namespace qhe
