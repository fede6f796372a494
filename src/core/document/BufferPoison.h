#pragma once
#include <cstddef>
#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#define QHE32_POISON_BUFFERS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QHE32_POISON_BUFFERS 1
#endif
#endif

#ifdef QHE32_POISON_BUFFERS
#include <sanitizer/asan_interface.h>
#endif

namespace qhe {

// In AddressSanitizer builds, bytes of a buffer that hold no data are marked so that any
// read or write of them is reported; in other builds these do nothing.
inline void PoisonBytes(const uint8_t* at, int64_t n) {
#ifdef QHE32_POISON_BUFFERS
    if (at && n > 0) ASAN_POISON_MEMORY_REGION(at, static_cast<size_t>(n));
#else
    (void)at, (void)n;
#endif
}

inline void UnpoisonBytes(const uint8_t* at, int64_t n) {
#ifdef QHE32_POISON_BUFFERS
    if (at && n > 0) ASAN_UNPOISON_MEMORY_REGION(at, static_cast<size_t>(n));
#else
    (void)at, (void)n;
#endif
}

} // namespace qhe
