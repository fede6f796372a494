#include "core/tools/Hashes.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include <libdeflate.h>
#include <openssl/evp.h>
#include <xxhash.h>

namespace qhe {
namespace {

struct HashInfo {
    HashKind kind;
    const char* name;
    const char* title;
    int cost; // relative time per byte, to share the digests out between two threads
};

constexpr HashInfo kHashes[kHashKinds] = {
    {HashKind::Crc32, "crc32", "CRC-32", 1},
    {HashKind::Md5, "md5", "MD5", 6},
    {HashKind::Sha1, "sha1", "SHA-1", 4},
    {HashKind::Sha256, "sha256", "SHA-256", 5},
    {HashKind::Sha512, "sha512", "SHA-512", 7},
    {HashKind::Sha3_256, "sha3-256", "SHA3-256", 12},
    {HashKind::Blake2b512, "blake2b512", "BLAKE2b-512", 6},
    {HashKind::Xxh64, "xxh64", "XXH64", 1},
    {HashKind::Xxh3_128, "xxh3-128", "XXH3-128", 1},
};

const HashInfo& InfoOf(HashKind kind) {
    return kHashes[static_cast<int>(kind)];
}

std::string Hex(const uint8_t* bytes, size_t n) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text(2 * n, '0');
    for (size_t i = 0; i < n; ++i) {
        text[2 * i] = kDigits[bytes[i] >> 4];
        text[2 * i + 1] = kDigits[bytes[i] & 15];
    }
    return text;
}

// One running digest.
class Digest {
  public:
    explicit Digest(HashKind kind) : kind_(kind) {
        switch (kind) {
        case HashKind::Crc32:
            break;
        case HashKind::Xxh64:
            xxh64_ = XXH64_createState();
            XXH64_reset(xxh64_, 0);
            break;
        case HashKind::Xxh3_128:
            xxh3_ = XXH3_createState();
            XXH3_128bits_reset(xxh3_);
            break;
        default:
            evp_ = EVP_MD_CTX_new();
            EVP_DigestInit_ex(evp_, Method(kind), nullptr);
        }
    }
    ~Digest() {
        if (evp_) EVP_MD_CTX_free(evp_);
        if (xxh64_) XXH64_freeState(xxh64_);
        if (xxh3_) XXH3_freeState(xxh3_);
    }
    Digest(const Digest&) = delete;
    Digest& operator=(const Digest&) = delete;

    void Update(const uint8_t* data, size_t n) {
        if (evp_)
            EVP_DigestUpdate(evp_, data, n);
        else if (xxh64_)
            XXH64_update(xxh64_, data, n);
        else if (xxh3_)
            XXH3_128bits_update(xxh3_, data, n);
        else
            crc_ = static_cast<uint32_t>(libdeflate_crc32(crc_, data, n));
    }

    std::string Finish() {
        if (evp_) {
            uint8_t out[EVP_MAX_MD_SIZE];
            unsigned n = 0;
            EVP_DigestFinal_ex(evp_, out, &n);
            return Hex(out, n);
        }
        if (xxh64_) {
            XXH64_canonical_t out;
            XXH64_canonicalFromHash(&out, XXH64_digest(xxh64_));
            return Hex(out.digest, sizeof out.digest);
        }
        if (xxh3_) {
            XXH128_canonical_t out;
            XXH128_canonicalFromHash(&out, XXH3_128bits_digest(xxh3_));
            return Hex(out.digest, sizeof out.digest);
        }
        const uint8_t out[4] = {static_cast<uint8_t>(crc_ >> 24), static_cast<uint8_t>(crc_ >> 16),
                                static_cast<uint8_t>(crc_ >> 8), static_cast<uint8_t>(crc_)};
        return Hex(out, 4);
    }

    HashKind Kind() const { return kind_; }

  private:
    static const EVP_MD* Method(HashKind kind) {
        switch (kind) {
        case HashKind::Md5:
            return EVP_md5();
        case HashKind::Sha1:
            return EVP_sha1();
        case HashKind::Sha256:
            return EVP_sha256();
        case HashKind::Sha512:
            return EVP_sha512();
        case HashKind::Sha3_256:
            return EVP_sha3_256();
        default:
            return EVP_blake2b512();
        }
    }

    HashKind kind_;
    EVP_MD_CTX* evp_ = nullptr;
    XXH64_state_t* xxh64_ = nullptr;
    XXH3_state_t* xxh3_ = nullptr;
    uint32_t crc_ = 0;
};

} // namespace

std::string_view HashName(HashKind kind) {
    return InfoOf(kind).name;
}

std::string_view HashTitle(HashKind kind) {
    return InfoOf(kind).title;
}

std::optional<HashKind> HashFromName(std::string_view name) {
    for (const HashInfo& info : kHashes)
        if (name == info.name) return info.kind;
    return std::nullopt;
}

std::string DigestLine(std::string_view digest, std::string_view name) {
    std::string line;
    if (name.find_first_of("\n\r\\") != std::string_view::npos) line += '\\';
    line += digest;
    line += "  ";
    for (const char c : name) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else if (c == '\\')
            line += "\\\\";
        else
            line += c;
    }
    line += '\n';
    return line;
}

// The digests in two groups of about equal cost: this thread's and the helper's. The helper
// takes each chunk while this thread works on the same one, and both meet after it.
struct MultiHasher::Impl {
    std::vector<std::unique_ptr<Digest>> digests; // in the order asked for
    std::vector<Digest*> mine, helpers;
    std::thread helper;
    std::mutex mutex;
    std::condition_variable changed;
    const uint8_t* chunk = nullptr;
    size_t chunkSize = 0;
    uint64_t posted = 0, done = 0; // chunks handed to the helper, and finished by it
    bool stop = false;

    void Run() {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return stop || posted != done; });
            if (posted == done) return;
            const uint8_t* data = chunk;
            const size_t n = chunkSize;
            lock.unlock();
            for (Digest* digest : helpers)
                digest->Update(data, n);
            lock.lock();
            ++done;
            changed.notify_all();
        }
    }
    void Wait() {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return posted == done; });
    }
};

MultiHasher::MultiHasher(const std::vector<HashKind>& kinds) : impl_(std::make_unique<Impl>()) {
    for (HashKind kind : kinds)
        impl_->digests.push_back(std::make_unique<Digest>(kind));
    // The costliest first, each to the lighter side.
    std::vector<Digest*> order;
    for (auto& digest : impl_->digests)
        order.push_back(digest.get());
    std::stable_sort(order.begin(), order.end(),
                     [](Digest* x, Digest* y) { return InfoOf(x->Kind()).cost > InfoOf(y->Kind()).cost; });
    int mineCost = 0, helperCost = 0;
    for (Digest* digest : order) {
        const int cost = InfoOf(digest->Kind()).cost;
        if (mineCost <= helperCost) {
            impl_->mine.push_back(digest);
            mineCost += cost;
        } else {
            impl_->helpers.push_back(digest);
            helperCost += cost;
        }
    }
    if (!impl_->helpers.empty()) {
        try {
            impl_->helper = std::thread([this] { impl_->Run(); });
        } catch (const std::system_error&) {
            impl_->mine.insert(impl_->mine.end(), impl_->helpers.begin(), impl_->helpers.end());
            impl_->helpers.clear();
        }
    }
}

MultiHasher::~MultiHasher() {
    if (impl_->helper.joinable()) {
        {
            std::lock_guard lock(impl_->mutex);
            impl_->stop = true;
        }
        impl_->changed.notify_all();
        impl_->helper.join();
    }
}

void MultiHasher::Update(const uint8_t* data, size_t size) {
    // Alone, each digest takes the whole span in one call: the chunks exist only to keep the
    // helper's reads of the data hot in the shared cache.
    if (!impl_->helper.joinable()) {
        for (Digest* digest : impl_->mine)
            digest->Update(data, size);
        return;
    }
    for (size_t at = 0; at < size; at += kHashChunk) {
        const size_t n = std::min(kHashChunk, size - at);
        {
            std::lock_guard lock(impl_->mutex);
            impl_->chunk = data + at;
            impl_->chunkSize = n;
            ++impl_->posted;
            impl_->changed.notify_all();
        }
        for (Digest* digest : impl_->mine)
            digest->Update(data + at, n);
        impl_->Wait();
    }
}

std::vector<std::string> MultiHasher::Finish() {
    std::vector<std::string> out;
    for (auto& digest : impl_->digests)
        out.push_back(digest->Finish());
    return out;
}

} // namespace qhe
