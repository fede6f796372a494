// .qct text: parsing must never fail on a table's own output, and a parsed table survives a
// write and read unchanged. The translation kernels must agree with the portable loop.
#include "FuzzCheck.h"
#include "core/tools/CharTable.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    qhe::CharTable table{};
    if (qhe::ParseCharTable(text, table)) {
        const std::string written = qhe::FormatCharTable(table);
        qhe::CharTable again{};
        FUZZ_CHECK(qhe::ParseCharTable(written, again));
        FUZZ_CHECK(again == table);
        FUZZ_CHECK(qhe::FormatCharTable(again) == written);
    }

    // The input as a table (first 256 bytes) and the bytes to translate (the rest).
    FuzzedDataProvider in(data, size);
    for (auto& entry : table)
        entry = in.ConsumeIntegral<uint8_t>();
    const std::vector<uint8_t> bytes = in.ConsumeRemainingBytes<uint8_t>();
    std::vector<uint8_t> fast = bytes, portable = bytes;
    const int64_t changedFast = qhe::TranslateBytes(table, fast.data(), fast.size());
    const int64_t changedPortable = qhe::TranslateBytesPortable(table, portable.data(), portable.size());
    FUZZ_CHECK(fast == portable);
    FUZZ_CHECK(changedFast == changedPortable);
    return 0;
}
