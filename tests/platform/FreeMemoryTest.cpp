#include "platform/FreeMemory.h"

#include <gtest/gtest.h>

namespace qhe::platform {
namespace {

TEST(FreeMemory, AddsAvailableMemoryAndFreeSwap) {
    const char* meminfo = "MemTotal:       16000000 kB\n"
                          "MemFree:          100000 kB\n"
                          "MemAvailable:     200000 kB\n"
                          "SwapTotal:       1000000 kB\n"
                          "SwapFree:          50000 kB\n";
    EXPECT_EQ(AvailableMemoryFromMeminfo(meminfo), uint64_t{250000} * 1024);
    EXPECT_EQ(AvailableMemoryFromMeminfo("MemFree: 5 kB\n"), 0u) << "free pages alone are not counted";
    EXPECT_EQ(AvailableMemoryFromMeminfo(""), 0u);
}

TEST(FreeMemory, ThisMachineHasSome) {
    EXPECT_GT(AvailableMemoryBytes(), 0u);
}

} // namespace
} // namespace qhe::platform
