// The numeric entry field: whatever the user types, pastes or leaves behind, the value stays in
// its range and the text the field shows reads back as that value's number.
#include "FuzzCheck.h"
#include "core/text/NumberField.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <string>

namespace {

void CheckShown(const qhe::NumberField& field) {
    const long double value = field.Value();
    std::fprintf(stderr, "min %.21Lg max %.21Lg value %.21Lg text \"%s\" hex %d\n", field.Min(), field.Max(),
                 value, field.Text().c_str(), field.Hex());
    FUZZ_CHECK(!std::isnan(value));
    FUZZ_CHECK(value >= field.Min() && value <= field.Max());
    FUZZ_CHECK(qhe::ReadNumberText(field.Text(), field.Hex()).has_value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    qhe::NumberField field(in.ConsumeBool() ? ',' : '.');
    // Whole-number bounds, as every dialog sets them; values may have fractions.
    const auto whole = [&] {
        return static_cast<long double>(
            in.ConsumeIntegralInRange<int64_t>(-1000000000000000000, 1000000000000000000));
    };
    const auto bound = [&] { return whole() / static_cast<long double>(in.ConsumeIntegralInRange(1, 1000)); };
    field.SetMax(whole());
    field.SetMin(whole());
    field.SetHex(in.ConsumeBool());
    field.SetDigitsInt(in.ConsumeIntegralInRange(-1, 20));
    field.SetDigitsFrac(in.ConsumeIntegralInRange(-1, 20));
    field.SetValue(bound());
    CheckShown(field);
    field.Enter();

    // A sequence of typed keys, pasted texts and focus changes.
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0: {
            const char key = in.ConsumeIntegral<char>();
            const int start = in.ConsumeIntegralInRange(-1, 40), length = in.ConsumeIntegralInRange(-1, 40);
            if (const auto accepted = field.FilterKey(key, start, length)) {
                std::string text = field.Text();
                const size_t at = std::min<size_t>(static_cast<size_t>(std::max(start, 0)), text.size());
                if (*accepted == '\b') {
                    if (at > 0) text.erase(at - 1, 1);
                } else {
                    text.insert(at, 1, *accepted);
                }
                field.SetText(text);
            }
            break;
        }
        case 1:
            field.SetText(in.ConsumeRandomLengthString(30));
            break;
        case 2:
            if (field.Validate()) CheckShown(field);
            break;
        case 3:
            field.Leave();
            CheckShown(field);
            field.Enter();
            break;
        case 4:
            field.Reformat();
            break;
        default:
            field.Revert();
            CheckShown(field);
            break;
        }
        const auto read = qhe::ReadNumberText(field.Text(), in.ConsumeBool());
        if (read) FUZZ_CHECK(!std::isnan(*read));
    }
    field.Leave();
    CheckShown(field);
    return 0;
}
