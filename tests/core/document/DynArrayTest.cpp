#include "core/document/DynArray.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qhe {
namespace {

TEST(TQZDynArray, AllocateResizeRelease) {
    TQZDynArray array(1);
    EXPECT_FALSE(array.Allocate(0)); // a count of 0 leaves it empty
    EXPECT_TRUE(array.Empty());
    ASSERT_TRUE(array.Allocate(1000));
    EXPECT_EQ(array.ByteSize(), 1000u);
    std::memset(array.Data(), 0x5A, 1000);
    // Growing keeps the contents (the block may move).
    ASSERT_TRUE(array.Resize(5 << 20));
    EXPECT_EQ(array.ByteSize(), 5u << 20);
    EXPECT_EQ(array.Data()[999], 0x5A);
    // Shrinking keeps the contents up to the new size.
    ASSERT_TRUE(array.Resize(10));
    EXPECT_EQ(array.Data()[9], 0x5A);
    array.Release();
    EXPECT_TRUE(array.Empty());
    EXPECT_EQ(array.ByteSize(), 0u);
}

TEST(TQZDynArray, SizesBeyondThe32BitByteSizeFailAndKeepTheBlock) {
    TQZDynArray array(4);
    ASSERT_TRUE(array.Allocate(16));
    uint8_t* before = array.Data();
    before[0] = 7;
    EXPECT_FALSE(array.Resize(int64_t{1} << 31)); // 8 GiB of 4-byte elements
    EXPECT_EQ(array.Data(), before);
    EXPECT_EQ(array.ByteSize(), 64u);
    EXPECT_EQ(array.Data()[0], 7);
}

TEST(TQZDynArray, MovingHandsTheBlockOver) {
    TQZDynArray a(1);
    ASSERT_TRUE(a.Allocate(100));
    a.Data()[0] = 3;
    TQZDynArray b = std::move(a);
    EXPECT_TRUE(a.Empty());
    EXPECT_EQ(b.Data()[0], 3);
    EXPECT_EQ(b.ByteSize(), 100u);
}

} // namespace
} // namespace qhe
