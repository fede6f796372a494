#include "editor/edit/HitRewrite.h"

#include <cstring>

namespace qhe {
namespace {

// memmove for the short runs between dense hits without a library call: both ends of a run
// are loaded before either is stored, so overlapping runs move correctly.
template <typename Word> inline void MoveEnds(uint8_t* dst, const uint8_t* src, size_t len) {
    Word head, tail;
    std::memcpy(&head, src, sizeof(Word));
    std::memcpy(&tail, src + len - sizeof(Word), sizeof(Word));
    std::memcpy(dst, &head, sizeof(Word));
    std::memcpy(dst + len - sizeof(Word), &tail, sizeof(Word));
}

struct Bytes16 {
    uint64_t low, high;
};

inline void MoveBytes(uint8_t* dst, const uint8_t* src, int64_t length) {
    const auto len = static_cast<size_t>(length);
    if (len >= 16) {
        if (len <= 32)
            MoveEnds<Bytes16>(dst, src, len);
        else
            std::memmove(dst, src, len);
    } else if (len >= 8) {
        MoveEnds<uint64_t>(dst, src, len);
    } else if (len >= 4) {
        MoveEnds<uint32_t>(dst, src, len);
    } else if (len >= 2) {
        MoveEnds<uint16_t>(dst, src, len);
    } else if (len == 1) {
        *dst = *src;
    }
}

// Copies len bytes in whole 16-byte blocks from front to back, so up to 15 bytes behind
// dst + len are overwritten and read behind src + len. Each block is loaded before it is
// stored, so dst may lie below an overlapping src.
inline void CopyBlocks(uint8_t* dst, const uint8_t* src, int64_t len) {
    for (int64_t k = 0; k < len; k += 16) {
        Bytes16 block;
        std::memcpy(&block, src + k, 16);
        std::memcpy(dst + k, &block, 16);
    }
}

// Runs up to this length move in blocks; longer ones by memmove.
constexpr int64_t kBlockRun = 64;

// The replacement padded to whole blocks for CopyBlocks.
std::vector<uint8_t> PaddedBytes(const std::string& bytes) {
    std::vector<uint8_t> padded(bytes.begin(), bytes.end());
    padded.resize((bytes.size() + 15) / 16 * 16 + 16);
    return padded;
}

} // namespace

HitRewrite::HitRewrite(Document& doc, int64_t start, int64_t findLength, const std::string& replacement)
    : doc_(doc), n_(findLength), r_(static_cast<int64_t>(replacement.size())),
      replacement_(replacement.begin(), replacement.end()), padded_(PaddedBytes(replacement)), w_(start - 1),
      u_(start - 1) {}

bool HitRewrite::Grow(int64_t k) {
    const int64_t growth = k * (r_ - n_);
    if (!doc_.InsertGap(w_ + 1, growth)) return false;
    u_ += growth;
    // The gap must keep 16 bytes beyond what the next replacement adds.
    blockGap_ = 16 + r_ - n_;
    return true;
}

void HitRewrite::Take(const std::vector<int64_t>& hits) {
    if (r_ == n_) {
        for (const int64_t hit : hits)
            MoveBytes(doc_.WritableAt(hit + 1, n_), replacement_.data(), n_);
        return;
    }
    // Runs and the replacement go in 16-byte blocks while the gap u - w holds blockGap bytes or
    // more, so that a block running past its copy lands in the gap, never on bytes still to be
    // read; long runs go to memmove, which is faster for them.
    uint8_t* buffer = doc_.Buffer();
    const int64_t size = doc_.Size();
    for (const int64_t hit : hits) {
        const bool blocksFit = u_ - w_ >= blockGap_ && hit + 16 <= size;
        if (blocksFit && hit - u_ <= kBlockRun)
            CopyBlocks(buffer + w_, buffer + u_, hit - u_);
        else if (w_ != u_)
            MoveBytes(buffer + w_, buffer + u_, hit - u_);
        w_ += hit - u_;
        if (blocksFit)
            CopyBlocks(buffer + w_, padded_.data(), r_);
        else
            MoveBytes(buffer + w_, replacement_.data(), r_);
        w_ += r_;
        u_ = hit + n_;
    }
}

void HitRewrite::Finish() {
    if (w_ == u_) return;
    const int64_t size = doc_.Size();
    uint8_t* buffer = doc_.Buffer();
    std::memmove(buffer + w_, buffer + u_, static_cast<size_t>(size - u_));
    const int64_t freed = u_ - w_;
    doc_.EnsureRoom(-freed); // handing memory back may fail; the bytes are in place already
    doc_.SetSize(size - freed);
    u_ = w_;
}

} // namespace qhe
