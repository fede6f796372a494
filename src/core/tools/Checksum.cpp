#include "core/tools/Checksum.h"
#include "core/tools/Crc16.h"

#include <libdeflate.h>

#include <algorithm>

namespace qhe {

uint32_t Crc32(uint32_t crc, const uint8_t* data, size_t size) {
    return libdeflate_crc32(crc, data, size);
}

ChecksumResult ComputeChecksums(const uint8_t* data, int64_t size, Progress* progress) {
    return ComputeChecksums(RunsOf(data, size), size, progress);
}

ChecksumResult ComputeChecksums(const RunSource& runs, int64_t size, Progress* progress) {
    // Chunks small enough to stay in the L2 cache between the two CRCs, and to poll Cancel often.
    constexpr int64_t kChunk = 256 * 1024;
    ChecksumResult result;
    for (int64_t done = 0; done < size;) {
        const PieceTable::Span run = runs(done);
        const auto count = static_cast<size_t>(std::min({kChunk, size - done, run.size}));
        result.crc32 = Crc32(result.crc32, run.data, count);
        result.crc16 = Crc16Arc(result.crc16, run.data, count);
        done += static_cast<int64_t>(count);
        if (progress) {
            progress->SetProgress(done, size, 5);
            if (progress->Cancelled() && done < size) {
                result.completed = false;
                break;
            }
        }
    }
    return result;
}

} // namespace qhe
