#include "core/document/DynArray.h"

#include <utility>

#include "core/document/BufferPoison.h"
#include "platform/PageMemory.h"

namespace qhe {
namespace {

// The addresses of a mapping outlive it: marks must not stay behind for whatever the
// kernel maps there next.
void UnpoisonMapping(const uint8_t* data, uint32_t bytes) {
    UnpoisonBytes(data, static_cast<int64_t>(platform::MappedBytes(bytes)));
}

// The page rest behind the last byte is no part of the array.
void PoisonPageRest(const uint8_t* data, uint32_t bytes) {
    if (data) PoisonBytes(data + bytes, static_cast<int64_t>(platform::MappedBytes(bytes) - bytes));
}

} // namespace

TQZDynArray::TQZDynArray(TQZDynArray&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), elementSize_(other.elementSize_),
      count_(std::exchange(other.count_, 0)), byteSize_(std::exchange(other.byteSize_, 0)) {}

TQZDynArray& TQZDynArray::operator=(TQZDynArray&& other) noexcept {
    if (this != &other) {
        Release();
        data_ = std::exchange(other.data_, nullptr);
        elementSize_ = other.elementSize_;
        count_ = std::exchange(other.count_, 0);
        byteSize_ = std::exchange(other.byteSize_, 0);
    }
    return *this;
}

uint64_t TQZDynArray::BytesFor(int64_t count) const {
    if (count <= 0 || elementSize_ <= 0) return 0;
    const uint64_t bytes = static_cast<uint64_t>(count) * static_cast<uint64_t>(elementSize_);
    return bytes > UINT32_MAX ? 0 : bytes;
}

bool TQZDynArray::Allocate(int64_t count) {
    const uint64_t bytes = BytesFor(count);
    if (bytes == 0) return false;
    void* block = platform::AllocatePages(bytes);
    if (!block) return false;
    Release();
    data_ = static_cast<uint8_t*>(block);
    count_ = count;
    byteSize_ = static_cast<uint32_t>(bytes);
    UnpoisonMapping(data_, byteSize_);
    PoisonPageRest(data_, byteSize_);
    return true;
}

bool TQZDynArray::Resize(int64_t count) {
    if (!data_) return Allocate(count);
    const uint64_t bytes = BytesFor(count);
    if (bytes == 0) return false;
    UnpoisonMapping(data_, byteSize_);
    void* block = platform::ResizePages(data_, byteSize_, bytes);
    if (block) {
        data_ = static_cast<uint8_t*>(block);
        count_ = count;
        byteSize_ = static_cast<uint32_t>(bytes);
        UnpoisonMapping(data_, byteSize_);
    }
    PoisonPageRest(data_, byteSize_);
    return block != nullptr;
}

void TQZDynArray::Release() {
    UnpoisonMapping(data_, byteSize_);
    platform::ReleasePages(data_, byteSize_);
    data_ = nullptr;
    count_ = 0;
    byteSize_ = 0;
}

} // namespace qhe
