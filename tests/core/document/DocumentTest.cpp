#include "core/document/Document.h"
#include "core/document/BufferPoison.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace qhe {
namespace {

constexpr int64_t KiB = 1024;

// In AddressSanitizer builds the data bytes are accessible and the bytes from Size to
// Capacity are poisoned.
void ExpectPoisonedPastSize(const Document& doc) {
#ifdef QHE32_POISON_BUFFERS
    const uint8_t* data = doc.Buffer();
    ASSERT_EQ(__asan_region_is_poisoned(const_cast<uint8_t*>(data), static_cast<size_t>(doc.Size())),
              nullptr);
    for (int64_t at : {int64_t{doc.Size()}, int64_t{doc.Size()} + 1, int64_t{doc.Capacity()} - 1})
        if (at < int64_t{doc.Capacity()}) {
            EXPECT_TRUE(__asan_address_is_poisoned(data + at)) << at << " of size " << doc.Size();
        }
#else
    (void)doc;
#endif
}

TEST(CapacityFor, StepsAndFloor) {
    struct Case {
        int64_t size, capacity;
    } cases[] = {
        {0, 512 * KiB},
        {1, 512 * KiB},
        {384 * KiB - 1, 512 * KiB},
        {512 * KiB - 1, 512 * KiB},
        {512 * KiB, 640 * KiB},
        {640 * KiB - 1, 640 * KiB},
        {640 * KiB, 768 * KiB},
        {kMaxDocumentSize, int64_t{1} << 31},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Document::CapacityFor(c.size), c.capacity) << c.size;
    // Every capacity leaves at least one spare byte and never overflows the 32-bit size.
    EXPECT_EQ(Document::CapacityFor(kMaxDocumentSize + 1), 0);
}

class DocumentOps : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(doc.Allocate()); }
    void Fill(int64_t n) {
        ASSERT_TRUE(doc.InsertGap(1, n));
        for (int64_t i = 1; i <= n; ++i)
            doc.SetByte(i, static_cast<uint8_t>(i));
    }
    Document doc;
};

TEST_F(DocumentOps, InsertGrowsOnlyWhenRoomRunsOut) {
    EXPECT_EQ(doc.Capacity(), 512 * KiB);
    Fill(512 * KiB - 1);
    EXPECT_EQ(doc.Capacity(), 512 * KiB);
    // Size reaches Capacity exactly without a reallocation...
    ASSERT_TRUE(doc.InsertGap(1, 1));
    EXPECT_EQ(doc.Size(), 512 * KiB);
    EXPECT_EQ(doc.Capacity(), 512 * KiB);
    // ...and the next byte grows by one 128 KiB step.
    ASSERT_TRUE(doc.InsertGap(doc.Size() + 1, 1));
    EXPECT_EQ(doc.Capacity(), 640 * KiB);
}

TEST_F(DocumentOps, DeleteShrinksAboveTheFloorOnly) {
    Fill(1024 * KiB);
    EXPECT_EQ(doc.Capacity(), 1024 * KiB + 128 * KiB);
    ASSERT_TRUE(doc.DeleteRange(1, 300 * KiB));
    EXPECT_EQ(doc.Size(), 724 * KiB);
    EXPECT_EQ(doc.Capacity(), 768 * KiB);
    EXPECT_EQ(doc.GetByte(1), static_cast<uint8_t>(300 * KiB + 1));
    ASSERT_TRUE(doc.DeleteRange(1, 600 * KiB));
    EXPECT_EQ(doc.Capacity(), 512 * KiB);
    ASSERT_TRUE(doc.DeleteRange(1, 1));
    EXPECT_EQ(doc.Capacity(), 512 * KiB);
}

TEST_F(DocumentOps, RemoveBytesNeverShrinks) {
    Fill(1024 * KiB);
    const uint32_t capacity = doc.Capacity();
    ASSERT_TRUE(doc.RemoveBytes(1, 600 * KiB));
    EXPECT_EQ(doc.Capacity(), capacity);
    EXPECT_EQ(doc.Size(), 424 * KiB);
    EXPECT_EQ(doc.GetByte(1), static_cast<uint8_t>(600 * KiB + 1));
    EXPECT_FALSE(doc.RemoveBytes(doc.Size(), 2));
}

TEST_F(DocumentOps, RangesPastTheEndAreRefused) {
    Fill(10);
    std::vector<uint8_t> out{1};
    EXPECT_FALSE(doc.ReadBytes(9, 3, out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(doc.DeleteRange(9, 3));
    EXPECT_EQ(doc.Size(), 10);
    const uint8_t three[3] = {7, 8, 9};
    EXPECT_FALSE(doc.WriteBytes(9, three, 3));
    EXPECT_TRUE(doc.WriteBytes(8, three, 3));
    EXPECT_EQ(doc.GetByte(10), 9);
    EXPECT_FALSE(doc.InsertGap(12, 1));
    EXPECT_TRUE(doc.InsertGap(11, 1)); // Size + 1 is a valid insertion point
    ASSERT_TRUE(doc.DeleteRange(1, doc.Size()));
    EXPECT_EQ(doc.Size(), 0);
}

TEST_F(DocumentOps, SizeLimitIsNeverExceeded) {
    // A gap that would pass the 32-bit Size fails before any memory is touched.
    EXPECT_FALSE(doc.InsertGap(1, kMaxDocumentSize + 1));
    EXPECT_FALSE(doc.EnsureRoom(int64_t{1} << 40));
    EXPECT_EQ(doc.Size(), 0);
    EXPECT_EQ(doc.Capacity(), 512 * KiB);
}

TEST(DocumentLimit, FullDocumentRefusesToGrowIntoItsLastSpareByte) {
    // The last capacity step holds 2^31 bytes, one more than Size may reach. The pages of the
    // buffer are never touched (in sanitizer builds only their shadow is).
    Document doc;
    ASSERT_TRUE(doc.Reallocate(int64_t{1} << 31));
    doc.SetSize(static_cast<int32_t>(kMaxDocumentSize));
    EXPECT_FALSE(doc.EnsureRoom(1));
    EXPECT_FALSE(doc.InsertGap(kMaxDocumentSize + 1, 1));
    EXPECT_EQ(doc.Size(), kMaxDocumentSize);
    doc.SetSize(static_cast<int32_t>(kMaxDocumentSize - 1));
    EXPECT_TRUE(doc.InsertGap(kMaxDocumentSize, 1));
    EXPECT_EQ(doc.Size(), kMaxDocumentSize);
}

// Random inserts, deletes and overwrites applied to the Document and to a plain vector
// must leave both holding the same bytes, with the capacity rule kept after every step.
TEST_F(DocumentOps, MatchesAPlainVector) {
    std::mt19937 rng(7);
    std::vector<uint8_t> oracle;
    for (int step = 0; step < 400; ++step) {
        const int64_t size = static_cast<int64_t>(oracle.size());
        const int op = static_cast<int>(rng() % 3);
        if (op == 0 || size == 0) {
            const int64_t pos = static_cast<int64_t>(rng() % (size + 1)) + 1;
            const int64_t n = static_cast<int64_t>(rng() % (200 * KiB)) + 1;
            ASSERT_TRUE(doc.InsertGap(pos, n));
            const uint8_t fill = static_cast<uint8_t>(rng());
            for (int64_t i = 0; i < n; ++i)
                doc.SetByte(pos + i, fill);
            oracle.insert(oracle.begin() + (pos - 1), static_cast<size_t>(n), fill);
        } else if (op == 1) {
            const int64_t pos = static_cast<int64_t>(rng() % size) + 1;
            const int64_t n = static_cast<int64_t>(rng() % (size - pos + 1)) + 1;
            doc.DeleteRange(pos, n);
            oracle.erase(oracle.begin() + (pos - 1), oracle.begin() + (pos - 1 + n));
        } else {
            const int64_t pos = static_cast<int64_t>(rng() % size) + 1;
            const std::vector<uint8_t> bytes(static_cast<size_t>(std::min<int64_t>(size - pos + 1, 5)), 0xEE);
            ASSERT_TRUE(doc.WriteBytes(pos, bytes.data(), static_cast<int64_t>(bytes.size())));
            std::copy(bytes.begin(), bytes.end(), oracle.begin() + (pos - 1));
        }
        ASSERT_EQ(doc.Size(), static_cast<int64_t>(oracle.size()));
        ASSERT_GE(doc.Capacity(), 512 * KiB);
        ASSERT_EQ(doc.Capacity() % (128 * KiB), 0u);
        ASSERT_LE(doc.Size(), static_cast<int64_t>(doc.Capacity()));
        ASSERT_TRUE(std::equal(oracle.begin(), oracle.end(), doc.Buffer()));
        ExpectPoisonedPastSize(doc);
    }
}

TEST_F(DocumentOps, StrayAccessPastSizeIsReportedInSanitizerBuilds) {
#ifndef QHE32_POISON_BUFFERS
    GTEST_SKIP() << "not an AddressSanitizer build";
#else
    Fill(1024 * KiB);
    ExpectPoisonedPastSize(doc);
    ASSERT_TRUE(doc.RemoveBytes(1, 10));
    ExpectPoisonedPastSize(doc);
    doc.SetSize(5);
    ExpectPoisonedPastSize(doc);
    ASSERT_TRUE(doc.Reallocate(640 * KiB));
    ExpectPoisonedPastSize(doc);
    ASSERT_TRUE(doc.DeleteRange(1, doc.Size()));
    ExpectPoisonedPastSize(doc);
    EXPECT_DEATH(static_cast<void>(*static_cast<volatile const uint8_t*>(doc.Buffer() + doc.Size())),
                 "use-after-poison");
#endif
}

} // namespace
} // namespace qhe
