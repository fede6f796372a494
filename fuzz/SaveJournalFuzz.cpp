// The save journal's index reader on any file contents: the input is a data area followed by an
// index; in most runs a trailer sealing it with the right checksum is added, so that the fuzzer
// gets past the seal into the index itself. Whatever it accepts must lie inside the data area.
#include "FuzzCheck.h"
#include "platform/SaveJournal.h"

#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

uint64_t Fnv(const uint8_t* data, size_t n) {
    uint64_t hash = 14695981039346656037ull;
    for (size_t i = 0; i < n; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    return hash;
}

void Put64(std::string& out, uint64_t value) {
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const bool seal = data[0] != 0xFF;
    const size_t start = std::min<size_t>(data[1], size - 2);
    std::string file(reinterpret_cast<const char*>(data) + 2, size - 2);
    if (seal) {
        Put64(file, start);
        Put64(file, Fnv(data + 2 + start, size - 2 - start));
        file.append("SEALED01", 8);
    }
    const int fd = ::memfd_create("journal", MFD_CLOEXEC);
    if (fd < 0) return 0;
    FUZZ_CHECK(::write(fd, file.data(), file.size()) == static_cast<ssize_t>(file.size()));
    qhe::platform::JournalIndex index;
    if (qhe::platform::ReadJournalIndex(fd, index)) {
        FUZZ_CHECK(index.finalSize >= 0);
        for (const auto& run : index.runs) {
            FUZZ_CHECK(run.length >= 0 && run.dataOffset >= 0 && run.targetOffset >= 0);
            FUZZ_CHECK(run.dataOffset + run.length <= static_cast<int64_t>(file.size()));
        }
    }
    ::close(fd);
    return 0;
}
