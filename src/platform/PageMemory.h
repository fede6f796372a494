#pragma once
#include <cstddef>

namespace qhe::platform {

// Large buffers straight from the kernel's page allocator. Resizing remaps pages instead of
// copying them, so growing a 1 GiB buffer by 128 KiB costs no copy of the contents.
// Sizes are rounded up to whole pages internally. All answer nullptr on failure.
void* AllocatePages(size_t bytes);
// Contents up to the smaller size survive; the block may move. On failure the old block
// stays valid and nullptr is answered.
void* ResizePages(void* block, size_t oldBytes, size_t newBytes);
void ReleasePages(void* block, size_t bytes);
// Faults in the pages holding block up to bytes further, ready for writing, as a write to each
// would, without changing their contents. False where the system cannot.
bool PrefaultPages(void* block, size_t bytes);
// The bytes a block of the given size really maps (whole pages).
size_t MappedBytes(size_t bytes);

} // namespace qhe::platform
