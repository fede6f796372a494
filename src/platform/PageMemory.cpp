#include "platform/PageMemory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace qhe::platform {
namespace {

size_t RoundToPages(size_t bytes) {
    static const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
    return (bytes + page - 1) / page * page;
}

} // namespace

void* AllocatePages(size_t bytes) {
    if (bytes == 0) return nullptr;
    void* block =
        ::mmap(nullptr, RoundToPages(bytes), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    // No huge-page advice: where the kernel compacts memory on demand for such pages (its
    // default for advised ranges, and slow on virtual machines), the advice made loading a
    // 1 GiB file more than twice as slow as plain 4 KiB pages, and replace all on it slower still.
    return block == MAP_FAILED ? nullptr : block;
}

void* ResizePages(void* block, size_t oldBytes, size_t newBytes) {
    if (!block) return AllocatePages(newBytes);
    if (newBytes == 0) return nullptr;
    const size_t oldPages = RoundToPages(oldBytes), newPages = RoundToPages(newBytes);
    if (oldPages == newPages) return block;
    void* moved = ::mremap(block, oldPages, newPages, MREMAP_MAYMOVE);
    return moved == MAP_FAILED ? nullptr : moved;
}

bool PrefaultPages(void* block, size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    // The advice takes whole pages: widen the range to the pages holding its first and last byte.
    const uintptr_t start = reinterpret_cast<uintptr_t>(block);
    const uintptr_t first = start - start % RoundToPages(1);
    return ::madvise(reinterpret_cast<void*>(first), RoundToPages(start + bytes - first),
                     MADV_POPULATE_WRITE) == 0;
#else
    (void)block, (void)bytes;
    return false;
#endif
}

size_t MappedBytes(size_t bytes) {
    return RoundToPages(bytes);
}

void ReleasePages(void* block, size_t bytes) {
    if (block) ::munmap(block, RoundToPages(bytes));
}

} // namespace qhe::platform
