#include "platform/FreeMemory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace qhe::platform {

uint64_t AvailableMemoryFromMeminfo(std::string_view meminfo) {
    std::istringstream lines{std::string(meminfo)};
    std::string key;
    uint64_t kib = 0;
    uint64_t total = 0;
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        if (!(fields >> key >> kib)) continue;
        if (key == "MemAvailable:" || key == "SwapFree:") total += kib * 1024;
    }
    return total;
}

uint64_t AvailableMemoryBytes() {
    std::ifstream file("/proc/meminfo");
    if (!file) return 0;
    std::ostringstream text;
    text << file.rdbuf();
    return AvailableMemoryFromMeminfo(text.str());
}

} // namespace qhe::platform
