#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qhe {

// The digests the hash command offers, each from a well-kept library (OpenSSL's libcrypto,
// libxxhash, libdeflate for CRC-32). BLAKE3 is missing: Debian has no C library of it.
enum class HashKind { Crc32, Md5, Sha1, Sha256, Sha512, Sha3_256, Blake2b512, Xxh64, Xxh3_128 };
inline constexpr int kHashKinds = 9;

// The name on the command line and in the settings ("sha256", "xxh3-128" ...), and the name
// shown in the dialog ("SHA-256").
std::string_view HashName(HashKind kind);
std::string_view HashTitle(HashKind kind);
std::optional<HashKind> HashFromName(std::string_view name);

// One line of sha256sum's output, "<digest>  <name>\n". A name holding a newline, a carriage
// return or a backslash is written as sha256sum writes it, so that sha256sum -c reads it back:
// the line starts with a backslash and those characters become \n, \r and \\.
std::string DigestLine(std::string_view digest, std::string_view name);

// Computes several digests over the same bytes in one pass: each chunk is handed to every
// digest while it is in the cache, the digests split between this thread and a helper so that
// two cores share the work (the whole costs about as much as the slowest digest alone).
class MultiHasher {
  public:
    explicit MultiHasher(const std::vector<HashKind>& kinds);
    ~MultiHasher();
    MultiHasher(const MultiHasher&) = delete;
    MultiHasher& operator=(const MultiHasher&) = delete;

    void Update(const uint8_t* data, size_t size);
    // The digests in lower-case hex, in the order of kinds; the hasher is spent afterwards.
    std::vector<std::string> Finish();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The bytes a hash pass takes at a time: large enough for the libraries' fast loops, small
// enough to stay in the second-level cache while every digest reads them.
inline constexpr size_t kHashChunk = 256 << 10;

} // namespace qhe
