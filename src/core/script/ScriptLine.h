#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qhe {

// One script line split by the lexical rules. Lines are UTF-8 text like every other text the
// user types; texts that become bytes (FINDASC, REPLACEASC) pass through the ANSI code page.
struct ScriptLine {
    std::string_view text; // the line without leading and trailing blanks and control characters
    std::string_view word; // the command word as typed: text up to its first blank
    std::string args;      // the rest of the line after that blank, trimmed
    std::string rawArgs;   // the same with inner and trailing blanks kept
};

// Splits a line; the views point into line, which must outlive the result.
ScriptLine SplitScriptLine(std::string_view line);

// True for a line that is skipped in both passes: an empty line, a command word beginning
// with ";" or the word REM in any case.
bool IsScriptComment(const ScriptLine& line);

// Replaces each "%d" in text by parameters[d]. Throws ScriptError 2127 for a "%" followed by
// anything but a digit and 2128 for a parameter that is missing or empty.
void SubstituteParameters(std::string& text, const std::vector<std::string>& parameters);

// Blanks and control characters, as the lexical rules trim them.
inline bool IsTrimmedChar(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
std::string_view TrimScriptText(std::string_view text);

} // namespace qhe
