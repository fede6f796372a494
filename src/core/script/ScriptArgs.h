#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qhe {

// The argument forms of the script language.

// The largest magnitude of a script number: the largest Document (a mapped file) there can
// be, so that addresses and counts of any Document can be written and sums of two stay exact.
inline constexpr int64_t kMaxScriptNumber = INT64_MAX / 4;

// A signed integer: optional leading blanks, optional sign, decimal digits or hex digits after
// "$", "0x" or "x" (either case). Anything else, and a magnitude above kMaxScriptNumber, is not
// a number. Whether it fits the Document is the executing pass's business.
std::optional<int64_t> ParseScriptNumber(std::string_view text);

// A number, 1 when the text is empty.
std::optional<int64_t> ParseScriptCount(std::string_view text);

// Two hex digits per byte, pairs separated by exactly one blank; empty gives no bytes and a
// single digit left over at the end is ignored. std::nullopt on any other deviation.
std::optional<std::string> ParseScriptHex(std::string_view text);

// One pattern of VERIFY: its bytes and, per byte, whether it must match ("??" matches any).
struct VerifyPattern {
    std::string bytes;
    std::string mustMatch; // '\1' where the byte counts, '\0' for "??"
};

// Result of reading a verify list: the patterns, or which error the list has.
struct VerifyList {
    enum class Error { None, EmptyPattern, BadHex };
    std::vector<VerifyPattern> patterns;
    Error error = Error::None;
};

// Patterns separated by "OR" (any case); each pattern is hex pairs or "??", blanks between
// the pairs being optional.
VerifyList ParseVerifyList(std::string_view text);

// True when pattern stands at the 0-based offset of bytes (all of it inside them).
bool VerifyMatches(const VerifyPattern& pattern, const uint8_t* bytes, int64_t size, int64_t offset);

// The two sides of "<find> BY <replacement>": split at the first " BY " (any case), or else
// at the first " BY" (so a text ending in " BY" has an empty replacement). std::nullopt when
// neither occurs.
std::optional<std::pair<std::string, std::string>> SplitAtBy(std::string_view text);

} // namespace qhe
