#pragma once
#include <cstdint>

namespace qhe {

// TQZDynArray: owns one contiguous block of count x element-size bytes. Every operation
// answers false instead of throwing when memory cannot be had, and leaves the old block valid.
// In AddressSanitizer builds the page rest behind the block is poisoned; the block itself
// is left accessible after Allocate and Resize (its owner may poison unused parts).
class TQZDynArray {
  public:
    explicit TQZDynArray(int32_t elementSize = 1) : elementSize_(elementSize) {}
    ~TQZDynArray() { Release(); }
    TQZDynArray(TQZDynArray&& other) noexcept;
    TQZDynArray& operator=(TQZDynArray&& other) noexcept;
    TQZDynArray(const TQZDynArray&) = delete;
    TQZDynArray& operator=(const TQZDynArray&) = delete;

    // A count of 0 leaves the array empty and answers false.
    bool Allocate(int64_t count);
    // Contents up to the smaller size survive; the data may move.
    bool Resize(int64_t count);
    void Release();

    uint8_t* Data() { return data_; }
    const uint8_t* Data() const { return data_; }
    int32_t ElementSize() const { return elementSize_; }
    int64_t Count() const { return count_; }
    uint32_t ByteSize() const { return byteSize_; }
    bool Empty() const { return data_ == nullptr; }

  private:
    // Byte size of count elements when it fits the 32-bit byte size, else 0.
    uint64_t BytesFor(int64_t count) const;

    uint8_t* data_ = nullptr;
    int32_t elementSize_;
    int64_t count_ = 0;
    uint32_t byteSize_ = 0;
};

} // namespace qhe
