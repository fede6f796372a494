#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/script/ScriptArgs.h"
#include "core/script/ScriptLine.h"

namespace qhe {

// The commands of the script language.
enum class ScriptOp {
    Adr,
    AdrPlus,
    AdrMinus,
    AdrEof,
    Del,
    Overwrite,
    Insert,
    Find,
    FindAsc,
    Replace,
    ReplaceAsc,
    ReplaceAll,
    ReplaceAllAsc,
    Verify,
    JokerOn,
    JokerOff,
    BitAnd,
    BitOr,
    BitXor,
    BitNot,
    BitShl,
    BitShr,
    CharCon,
    Msg,
    Exit
};

// A line's command with its arguments read: what the executing pass needs.
struct ScriptCommand {
    ScriptOp op = ScriptOp::Exit;
    int64_t number = 0; // ADR offset, ADR+/ADR- distance, DEL count, bit shift
    int64_t count = 1;  // bytes of a bitwise operation
    std::string bytes;  // FIND/OVERWRITE/INSERT/REPLACE bytes, the joker or bitwise operand byte
    std::string replacement;
    std::vector<VerifyPattern> patterns;
    std::string text; // CHARCON file name, MSG text
};

// The command of an upper- or lower-case word; std::nullopt for an unknown word.
std::optional<ScriptOp> LookupScriptOp(std::string_view word);

// The operation letter of a bitwise command (A, O, X, N, L, R).
char BitOperationLetter(ScriptOp op);

// Reads the arguments of op from line. Throws ScriptError with the argument error's message
// (2107-2112, 2118, 2136-2138).
ScriptCommand ParseScriptCommand(ScriptOp op, const ScriptLine& line);

// The checking pass's verdict on one line: throws ScriptError 2110 for an unknown command and
// the argument errors, except that arguments holding a run-time parameter ("%") are not read.
void CheckScriptLine(const ScriptLine& line);

} // namespace qhe
