#pragma once
#include <cstdint>
#include <string_view>

namespace qhe::platform {

// Bytes that can still be allocated: MemAvailable plus SwapFree from /proc/meminfo. Answers 0
// when the file cannot be read, so a caller's memory check refuses rather than overcommits.
uint64_t AvailableMemoryBytes();

// The same sum taken from the text of a meminfo file (values in kB).
uint64_t AvailableMemoryFromMeminfo(std::string_view meminfo);

} // namespace qhe::platform
