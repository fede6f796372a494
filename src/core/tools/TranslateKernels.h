#pragma once
#include "core/tools/CharTable.h"

namespace qhe::translate_detail {

// The processor-specific variants behind TranslateBytes, for tests and benchmarks. Each returns
// -1 without touching the bytes when this processor lacks the instructions it needs.
int64_t TranslateAvx512Vbmi(const CharTable& table, uint8_t* bytes, size_t count);
int64_t TranslateAvx2(const CharTable& table, uint8_t* bytes, size_t count);

} // namespace qhe::translate_detail
