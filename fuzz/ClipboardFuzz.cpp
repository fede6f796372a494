// The clipboard decoder: the private block and the hex string forms, checked against the encoders.
#include "FuzzCheck.h"
#include "editor/clipboard/ClipboardFormat.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    if (const auto bytes = qhe::DecodeQzBinary(input)) {
        FUZZ_CHECK(size >= 4);
        uint32_t count = 0;
        for (int i = 3; i >= 0; --i)
            count = count << 8 | data[i];
        FUZZ_CHECK(bytes->size() == count);
        FUZZ_CHECK(qhe::EncodeQzBinary(*bytes) == input.substr(0, 4 + count));
    } else {
        FUZZ_CHECK(size < 4 || qhe::EncodeQzBinary(input.substr(4)) != input);
    }
    // A block made of any bytes decodes to exactly those bytes.
    FUZZ_CHECK(qhe::DecodeQzBinary(qhe::EncodeQzBinary(input)) == std::string(input));

    if (const auto bytes = qhe::ParseClipboardHex(input)) {
        const auto hex = qhe::HexStringOf(*bytes);
        FUZZ_CHECK(hex.has_value());
        FUZZ_CHECK(qhe::ParseClipboardHex(*hex) == bytes);
    }
    if (const auto hex = qhe::HexStringOf(input))
        FUZZ_CHECK(qhe::ParseClipboardHex(*hex) == std::string(input));

    const int64_t blockSize = qhe::ClipboardBlockSize(input, input);
    FUZZ_CHECK(blockSize >= static_cast<int64_t>(size));
    return 0;
}
