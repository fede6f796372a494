#include "platform/PageMemory.h"

#include <sys/mman.h>
#include <unistd.h>

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
    if (block == MAP_FAILED) return nullptr;
    // Transparent huge pages cut the page-fault cost of filling a large buffer.
    if (bytes >= (size_t{4} << 20)) ::madvise(block, RoundToPages(bytes), MADV_HUGEPAGE);
    return block;
}

void* ResizePages(void* block, size_t oldBytes, size_t newBytes) {
    if (!block) return AllocatePages(newBytes);
    if (newBytes == 0) return nullptr;
    const size_t oldPages = RoundToPages(oldBytes), newPages = RoundToPages(newBytes);
    if (oldPages == newPages) return block;
    void* moved = ::mremap(block, oldPages, newPages, MREMAP_MAYMOVE);
    return moved == MAP_FAILED ? nullptr : moved;
}

size_t MappedBytes(size_t bytes) {
    return RoundToPages(bytes);
}

void ReleasePages(void* block, size_t bytes) {
    if (block) ::munmap(block, RoundToPages(bytes));
}

} // namespace qhe::platform
