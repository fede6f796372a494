// The hex-byte field: validation against decoding and encoding, the typing filter and the
// regrouping after an edit, the right-arrow aid, and text to bytes.
#include "FuzzCheck.h"
#include "core/text/Ansi.h"
#include "core/text/HexBytes.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const char key = in.ConsumeIntegral<char>();
    const int caret = in.ConsumeIntegralInRange(-2, 300);
    const bool utf16 = in.ConsumeBool();
    const int byteOrder = in.ConsumeIntegralInRange(0, 1);
    const std::string document = in.ConsumeRandomLengthString(64);
    const std::string text = in.ConsumeRemainingBytesAsString();

    const auto bytes = qhe::HexToBytes(text);
    FUZZ_CHECK(bytes.has_value() == qhe::IsValidHex(text));
    if (bytes) {
        FUZZ_CHECK(!bytes->empty() && bytes->size() * 3 - 1 == text.size());
        FUZZ_CHECK(qhe::BytesToHex(*bytes) == qhe::AnsiUpperString(text));
        FUZZ_CHECK(qhe::HexGroups(text).size() == bytes->size());
    }
    FUZZ_CHECK(qhe::HexToBytes(qhe::BytesToHex(text)) == (text.empty() ? std::nullopt : std::optional(text)));

    const qhe::EditText field{text, caret};
    const qhe::HexKeyResult typed = qhe::FilterHexKey(field, key);
    if (typed.accepted) {
        FUZZ_CHECK(typed.caret >= 0 && typed.caret <= static_cast<int>(text.size()));
        FUZZ_CHECK(qhe::HexFieldKey(key) == typed.key);
    }
    const qhe::EditText normal = qhe::NormaliseHexText(field);
    FUZZ_CHECK(normal.caret >= 0 && normal.caret <= static_cast<int>(normal.text.size()));
    FUZZ_CHECK(normal.text.find("  ") == std::string::npos);
    FUZZ_CHECK(normal.text.empty() || (normal.text.front() != ' ' && normal.text.back() != ' '));
    if (bytes) FUZZ_CHECK(normal.text == text);

    const auto extended = qhe::AppendNextDocumentByte(text, [&](int64_t offset) -> std::optional<uint8_t> {
        FUZZ_CHECK(offset >= 0);
        if (static_cast<size_t>(offset) >= document.size()) return std::nullopt;
        return static_cast<uint8_t>(document[static_cast<size_t>(offset)]);
    });
    if (extended) {
        const auto grown = qhe::HexToBytes(*extended);
        FUZZ_CHECK(grown.has_value());
        FUZZ_CHECK(document.compare(0, grown->size(), *grown) == 0);
    }

    const std::string textBytes = qhe::TextToBytes(text, utf16, byteOrder);
    FUZZ_CHECK(textBytes.size() == qhe::Utf8ToAnsi(text).size() * (utf16 ? 2 : 1));
    const std::string asHex = qhe::TextFieldToHex(text);
    FUZZ_CHECK(asHex.empty() || qhe::IsValidHex(asHex));
    return 0;
}
