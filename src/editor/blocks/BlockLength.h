#pragma once
#include "core/text/Translation.h"
#include <cstdint>
#include <optional>
#include <string>

#include "core/text/MessageIds.h"

namespace qhe {

// Texts of the mark-n-bytes dialog (TFormBlockN).
inline constexpr OwnText kTextBlockNCaption{QHE_TR_NOOP("Texts", "标记块所包含的字符个数")};
inline constexpr OwnText kTextBlockNPrompt{QHE_TR_NOOP("Texts", "输入要标记的字符个数<n>")};
inline constexpr int kHelpBlockN = 56;

// The number field's text read as a signed 32-bit integer: decimal with an optional "-", or
// hexadecimal digits after a leading "$". Blanks around the number are ignored; nullopt when
// the text is not such a number.
std::optional<int64_t> ParseBlockLength(const std::string& text);

// True when n bytes from the cursor position cur may be marked in a Document of size bytes:
// 1 <= n < size and the last byte cur + n - 1 lies in the Document.
bool BlockLengthFits(int64_t n, int64_t cur, int64_t size);

// The check of the dialog's OK button: the length to mark, or nullopt when the dialog must
// show message 2024 and stay open.
std::optional<int64_t> CheckBlockLength(const std::string& text, int64_t cur, int64_t size);

} // namespace qhe
