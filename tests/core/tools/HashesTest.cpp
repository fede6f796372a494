#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/tools/Hashes.h"

namespace qhe {
namespace {

std::vector<HashKind> AllKinds() {
    std::vector<HashKind> kinds;
    for (int i = 0; i < kHashKinds; ++i)
        kinds.push_back(static_cast<HashKind>(i));
    return kinds;
}

// The published digests of "abc", all in one pass, and every name read back.
TEST(Hashes, KnownDigestsOfAbcInOnePass) {
    MultiHasher hasher(AllKinds());
    hasher.Update(reinterpret_cast<const uint8_t*>("abc"), 3);
    EXPECT_EQ(
        hasher.Finish(),
        (std::vector<std::string>{
            "352441c2", "900150983cd24fb0d6963f7d28e17f72", "a9993e364706816aba3e25717850c26c9cd0d89d",
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad",
            "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd"
            "45"
            "4d4423643ce80e2a9ac94fa54ca49f",
            "3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532",
            "ba80a53f981c4d0d6a2797b69f12f6e94c212f14685ac4b74b12bb6fdbffa2d17d87c5392aab792dc252d5de4533cc95"
            "18d38aa8dbf1925ab92386edd4009923",
            "44bc2cf5ad770999", "06b05ab6733a618578af5f94892f3950"}));
    for (HashKind kind : AllKinds())
        EXPECT_EQ(HashFromName(HashName(kind)), kind);
    EXPECT_FALSE(HashFromName("sha-256"));
}

// Fed in uneven pieces across chunk borders (both threads at work), or in one call, or each
// digest alone: the same digests.
TEST(Hashes, PiecesAndCompaniesDoNotChangeADigest) {
    std::vector<uint8_t> bytes(3 * kHashChunk + 12345);
    std::mt19937 rng(2);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(rng());
    MultiHasher whole(AllKinds());
    whole.Update(bytes.data(), bytes.size());
    const std::vector<std::string> expected = whole.Finish();
    MultiHasher pieces(AllKinds());
    for (size_t at = 0; at < bytes.size();) {
        const size_t n = std::min<size_t>(1 + rng() % (kHashChunk + 999), bytes.size() - at);
        pieces.Update(bytes.data() + at, n);
        at += n;
    }
    EXPECT_EQ(pieces.Finish(), expected);
    for (int i = 0; i < kHashKinds; ++i) {
        MultiHasher alone({static_cast<HashKind>(i)});
        alone.Update(bytes.data(), bytes.size());
        EXPECT_EQ(alone.Finish()[0], expected[static_cast<size_t>(i)]) << HashName(static_cast<HashKind>(i));
    }
}

} // namespace
} // namespace qhe
