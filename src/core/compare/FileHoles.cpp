#include "core/compare/FileHoles.h"

#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "platform/SparseRuns.h"

namespace qhe {

HoleSource FileHoles(int fd, int64_t size) {
    auto finder = std::make_shared<platform::HoleFinder>(fd);
    return [fd, size, finder](int64_t offset, int64_t& end) {
        const bool hole = finder->HoleAt(offset, end);
        end = std::min(end, size);
        if (!hole) return false;
        // A hole counts only while the file still reaches its end: past a new, shorter end of a
        // file cut short meanwhile the compare reads, and meets the failed read.
        struct stat st {};
        return ::fstat(fd, &st) == 0 && st.st_size >= end;
    };
}

} // namespace qhe
