#pragma once
#include <string>

#include "core/text/Translation.h"

namespace qhe {

// The numbered message catalogue (UTF-8): 1-219 operating-system and runtime error texts,
// 300-703 the dialog library, 2000-2143 the program's own messages. Line breaks are real '\n'.
// An id without a text gives the empty string.
const std::string& Msg(int id);

// "Error <code>: <catalogue text>" for codes up to 219, the empty string above.
std::string ErrorText(int code);

} // namespace qhe
