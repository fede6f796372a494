#pragma once
#include <cstdint>
#include <string>

#include "core/text/Translation.h"

namespace qhe {

// A text with two counts in the chosen language. English names one thing in the singular, so
// such texts have variants for a first, a second or both counts of 1, each kept under a
// context of its own; Chinese has no plural, and every variant's source is the text itself.
// A count that is no count (a percentage) is passed as 0.
const std::string& Counted(const OwnText& text, int64_t first, int64_t second);

} // namespace qhe
