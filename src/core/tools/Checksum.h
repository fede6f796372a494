#pragma once
#include "core/document/ByteRuns.h"
#include "core/util/Progress.h"

#include <cstddef>
#include <cstdint>

namespace qhe {

// CRC-32/ISO-HDLC (the PKZIP and zlib CRC; check value of "123456789" is 0xCBF43926),
// continuing from crc, the finished CRC of the bytes before (0 for none).
uint32_t Crc32(uint32_t crc, const uint8_t* data, size_t size);

// Outcome of a checksum pass; completed is false when it was cancelled.
struct ChecksumResult {
    bool completed = true;
    uint32_t crc32 = 0;
    uint16_t crc16 = 0;
};

// CRC-32 and CRC-16/ARC over the same bytes in one pass. Each chunk is reported to progress
// (SetProgress(done, size, 5)) and the pass stops when it is cancelled.
ChecksumResult ComputeChecksums(const uint8_t* data, int64_t size, Progress* progress);
// The same over size bytes taken run by run (a Document in pieces).
ChecksumResult ComputeChecksums(const RunSource& runs, int64_t size, Progress* progress);

} // namespace qhe
