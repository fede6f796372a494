#include "core/document/DynArray.h"

#include <utility>

#include "platform/PageMemory.h"

namespace qhe {

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
    return true;
}

bool TQZDynArray::Resize(int64_t count) {
    if (!data_) return Allocate(count);
    const uint64_t bytes = BytesFor(count);
    if (bytes == 0) return false;
    void* block = platform::ResizePages(data_, byteSize_, bytes);
    if (!block) return false;
    data_ = static_cast<uint8_t*>(block);
    count_ = count;
    byteSize_ = static_cast<uint32_t>(bytes);
    return true;
}

void TQZDynArray::Release() {
    platform::ReleasePages(data_, byteSize_);
    data_ = nullptr;
    count_ = 0;
    byteSize_ = 0;
}

} // namespace qhe
