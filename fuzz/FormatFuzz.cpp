// The message formatter with damaged formats and arguments of every kind: no crash, no runaway
// output, and the plain number forms agree with the C library.
#include "FuzzCheck.h"
#include "core/text/Format.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

qhe::FormatArg NextArg(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return qhe::FormatArg(in.ConsumeIntegral<int64_t>());
    case 1:
        return qhe::FormatArg(in.ConsumeFloatingPoint<double>());
    default:
        return qhe::FormatArg(in.ConsumeRandomLengthString(40));
    }
}

std::string Grouped(int64_t value) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%" PRIu64,
                  value < 0 ? ~static_cast<uint64_t>(value) + 1 : static_cast<uint64_t>(value));
    std::string text = digits;
    for (int i = static_cast<int>(text.size()) - 3; i > 0; i -= 3)
        text.insert(static_cast<size_t>(i), 1, ',');
    return value < 0 ? "-" + text : text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int64_t number = in.ConsumeIntegral<int64_t>();
    FUZZ_CHECK(qhe::FormatCount(number) == Grouped(number));
    char hex[32];
    std::snprintf(hex, sizeof hex, "%" PRIX64, static_cast<uint64_t>(number));
    FUZZ_CHECK(qhe::FormatHex(static_cast<uint64_t>(number)) == hex);

    const std::string format = in.ConsumeRandomLengthString(200);
    const qhe::FormatArg a = NextArg(in), b = NextArg(in), c = NextArg(in);
    std::string out;
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
        out = qhe::Format(format, {});
        break;
    case 1:
        out = qhe::Format(format, {a});
        break;
    case 2:
        out = qhe::Format(format, {a, b});
        break;
    default:
        out = qhe::Format(format, {a, b, c});
        break;
    }
    if (format.find('%') == std::string::npos) FUZZ_CHECK(out == format);
    // Widths are clamped, so no format of this length can ask for a huge text.
    FUZZ_CHECK(out.size() <= (format.size() + 1) * 5000);

    const std::string path = in.ConsumeRemainingBytesAsString();
    const std::string name = qhe::FileNameOnly(path);
    FUZZ_CHECK(name.size() <= path.size());
    FUZZ_CHECK(name.find('/') == std::string::npos);
    return 0;
}
