#include "core/tools/Checksum.h"
#include "core/tools/Crc16.h"
#include "ProgressRecorder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace qhe {
namespace {

// Byte-at-a-time references computed bit by bit from the polynomials.
uint32_t ReferenceCrc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFF;
    for (size_t k = 0; k < size; ++k) {
        crc ^= data[k];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return crc ^ 0xFFFFFFFF;
}

uint16_t ReferenceCrc16(const uint8_t* data, size_t size) {
    uint16_t crc = 0;
    for (size_t k = 0; k < size; ++k) {
        crc ^= data[k];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
}

const uint8_t* Ptr(const std::string& s) {
    return reinterpret_cast<const uint8_t*>(s.data());
}

TEST(ChecksumTest, CheckValues) {
    struct Case {
        std::string bytes;
        uint32_t crc32;
        uint16_t crc16;
    };
    const Case cases[] = {
        {"123456789", 0xCBF43926u, 0xBB3D},
        {std::string(1, '\0'), 0xD202EF8Du, 0},
        {"A", 0xD3D99E8Bu, 0x30C0},
    };
    for (const Case& c : cases) {
        const ChecksumResult r =
            ComputeChecksums(Ptr(c.bytes), static_cast<int64_t>(c.bytes.size()), nullptr);
        EXPECT_TRUE(r.completed);
        EXPECT_EQ(r.crc32, c.crc32) << c.bytes;
        EXPECT_EQ(r.crc16, c.crc16) << c.bytes;
    }
}

TEST(ChecksumTest, VariantsAgreeWithReferenceAtOddStartsAndLengths) {
    std::mt19937 rng(7);
    std::vector<uint8_t> data(70000);
    for (auto& b : data)
        b = static_cast<uint8_t>(rng());
    for (size_t start = 0; start < 9; ++start) {
        for (size_t size : {size_t{0}, size_t{1}, size_t{15}, size_t{16}, size_t{63}, size_t{64}, size_t{65},
                            size_t{127}, size_t{128}, size_t{129}, size_t{255}, size_t{256}, size_t{257},
                            size_t{511}, size_t{1000}, size_t{4097}, size_t{65537}}) {
            const uint8_t* p = data.data() + start;
            const uint16_t expected16 = ReferenceCrc16(p, size);
            EXPECT_EQ(Crc16ArcSliced(0, p, size), expected16) << start << " " << size;
            EXPECT_EQ(Crc16ArcFolded(0, p, size), expected16) << start << " " << size;
            EXPECT_EQ(Crc16ArcFoldedWide(0, p, size), expected16) << start << " " << size;
            EXPECT_EQ(Crc32(0, p, size), ReferenceCrc32(p, size)) << start << " " << size;
            // Continuing across a split at an odd place gives the same result.
            const size_t split = size / 3;
            EXPECT_EQ(Crc16Arc(Crc16Arc(0, p, split), p + split, size - split), expected16);
        }
    }
}

TEST(ChecksumTest, ProgressAndCancel) {
    std::vector<uint8_t> data(1'000'001, 0x5A);
    ProgressRecorder progress;
    const ChecksumResult full = ComputeChecksums(data.data(), static_cast<int64_t>(data.size()), &progress);
    EXPECT_TRUE(full.completed);
    EXPECT_EQ(full.crc16, ReferenceCrc16(data.data(), data.size()));
    ASSERT_GE(progress.calls.size(), 2u);
    EXPECT_EQ(progress.calls.back().done, 1'000'001);
    EXPECT_EQ(progress.calls.back().total, 1'000'001);

    ProgressRecorder cancelling(1);
    const ChecksumResult cancelled =
        ComputeChecksums(data.data(), static_cast<int64_t>(data.size()), &cancelling);
    EXPECT_FALSE(cancelled.completed);
    EXPECT_EQ(cancelling.calls.size(), 1u);
}

} // namespace
} // namespace qhe
