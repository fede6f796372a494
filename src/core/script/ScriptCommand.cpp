#include "core/script/ScriptCommand.h"

#include <array>
#include <utility>

#include "core/script/ScriptError.h"
#include "core/text/Ansi.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"

namespace qhe {
namespace {

constexpr std::array<std::pair<std::string_view, ScriptOp>, 25> kCommands{{
    {"ADR", ScriptOp::Adr},
    {"ADR+", ScriptOp::AdrPlus},
    {"ADR-", ScriptOp::AdrMinus},
    {"ADREOF", ScriptOp::AdrEof},
    {"DEL", ScriptOp::Del},
    {"OVERWRITE", ScriptOp::Overwrite},
    {"INSERT", ScriptOp::Insert},
    {"FIND", ScriptOp::Find},
    {"FINDASC", ScriptOp::FindAsc},
    {"REPLACE", ScriptOp::Replace},
    {"REPLACEASC", ScriptOp::ReplaceAsc},
    {"REPLACEALL", ScriptOp::ReplaceAll},
    {"REPLACEALLASC", ScriptOp::ReplaceAllAsc},
    {"VERIFY", ScriptOp::Verify},
    {"JOKERON", ScriptOp::JokerOn},
    {"JOKEROFF", ScriptOp::JokerOff},
    {"BITAND", ScriptOp::BitAnd},
    {"BITOR", ScriptOp::BitOr},
    {"BITXOR", ScriptOp::BitXor},
    {"BITNOT", ScriptOp::BitNot},
    {"BITSHL", ScriptOp::BitShl},
    {"BITSHR", ScriptOp::BitShr},
    {"CHARCON", ScriptOp::CharCon},
    {"MSG", ScriptOp::Msg},
    {"EXIT", ScriptOp::Exit},
}};

[[noreturn]] void Fail(int id, std::string_view arg) {
    throw ScriptError(FormatMsg(id, {arg}));
}
[[noreturn]] void Fail(int id) {
    throw ScriptError(Msg(id));
}

std::string Hex(int badHexId, std::string_view text) {
    auto bytes = ParseScriptHex(text);
    if (!bytes) Fail(badHexId, text);
    return std::move(*bytes);
}

int64_t Number(int id, std::string_view text) {
    const auto n = ParseScriptNumber(text);
    if (!n) Fail(id, text);
    return *n;
}

void ParseReplace(ScriptCommand& c, const ScriptLine& line, bool text) {
    auto sides = SplitAtBy(text ? std::string_view(line.rawArgs) : std::string_view(line.args));
    if (!sides) Fail(kMsgBadReplace);
    if (text) {
        c.bytes = Utf8ToAnsi(sides->first);
        c.replacement = Utf8ToAnsi(sides->second);
        return;
    }
    c.bytes = Hex(kMsgBadHex, TrimScriptText(sides->first));
    c.replacement = Hex(kMsgBadHex, TrimScriptText(sides->second));
}

// The two arguments of the bit commands: the text before the first blank and the rest.
std::pair<std::string_view, std::string_view> SplitAtFirstBlank(std::string_view args) {
    const size_t blank = args.find(' ');
    if (blank == std::string_view::npos) return {args, {}};
    return {args.substr(0, blank), args.substr(blank + 1)};
}

// BITAND, BITOR, BITXOR: the operand byte and the optional count, split at the first blank.
void ParseBitOperand(ScriptCommand& c, const ScriptLine& line) {
    const std::string_view args = line.args;
    const auto [operand, count] = SplitAtFirstBlank(args);
    const auto bytes = ParseScriptHex(operand);
    if (!bytes) Fail(kMsgBadHex, args);
    if (bytes->size() != 1) Fail(kMsgNotHexByte, args);
    c.bytes = *bytes;
    const auto n = ParseScriptCount(count);
    if (!n) Fail(kMsgBadCount, count);
    c.count = *n;
}

void ParseBitShift(ScriptCommand& c, const ScriptLine& line) {
    const std::string_view args = line.args;
    const auto [bits, count] = SplitAtFirstBlank(args);
    const auto n = ParseScriptNumber(bits);
    if (!n || *n < 0 || *n > 8) Fail(kMsgBadBitCount, args);
    c.number = *n;
    const auto k = ParseScriptCount(count);
    if (!k) Fail(kMsgBadCount, count);
    c.count = *k;
}

} // namespace

std::optional<ScriptOp> LookupScriptOp(std::string_view word) {
    if (word.size() > 13) return std::nullopt;
    char upper[13];
    for (size_t i = 0; i < word.size(); ++i) {
        const char ch = word[i];
        upper[i] = ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
    }
    const std::string_view key(upper, word.size());
    for (const auto& [name, op] : kCommands)
        if (name == key) return op;
    return std::nullopt;
}

char BitOperationLetter(ScriptOp op) {
    switch (op) {
    case ScriptOp::BitAnd:
        return 'A';
    case ScriptOp::BitOr:
        return 'O';
    case ScriptOp::BitXor:
        return 'X';
    case ScriptOp::BitShl:
        return 'L';
    case ScriptOp::BitShr:
        return 'R';
    default:
        return 'N';
    }
}

ScriptCommand ParseScriptCommand(ScriptOp op, const ScriptLine& line) {
    ScriptCommand c;
    c.op = op;
    const std::string& args = line.args;
    switch (op) {
    case ScriptOp::Adr:
        c.number = Number(kMsgBadAddress, args);
        break;
    case ScriptOp::AdrPlus:
    case ScriptOp::AdrMinus:
        c.number = Number(kMsgBadCount, args);
        break;
    case ScriptOp::AdrEof:
        if (!args.empty()) Fail(kMsgNoArguments, line.word);
        break;
    case ScriptOp::Del:
        c.number = Number(kMsgBadCount, args);
        if (c.number < 1) Fail(kMsgBadCount, args);
        break;
    case ScriptOp::Overwrite:
    case ScriptOp::Insert:
    case ScriptOp::Find:
        c.bytes = Hex(kMsgBadHex, args);
        break;
    case ScriptOp::FindAsc:
        c.bytes = Utf8ToAnsi(line.rawArgs);
        break;
    case ScriptOp::Replace:
    case ScriptOp::ReplaceAll:
        ParseReplace(c, line, false);
        break;
    case ScriptOp::ReplaceAsc:
    case ScriptOp::ReplaceAllAsc:
        ParseReplace(c, line, true);
        break;
    case ScriptOp::Verify: {
        VerifyList list = ParseVerifyList(args);
        if (list.error == VerifyList::Error::EmptyPattern) Fail(kMsgBadVerify);
        if (list.error == VerifyList::Error::BadHex) Fail(kMsgBadHex, args);
        c.patterns = std::move(list.patterns);
        break;
    }
    case ScriptOp::JokerOn:
        c.bytes = Hex(kMsgBadHex, args);
        if (c.bytes.size() != 1) Fail(kMsgBadJoker);
        break;
    case ScriptOp::BitAnd:
    case ScriptOp::BitOr:
    case ScriptOp::BitXor:
        ParseBitOperand(c, line);
        break;
    case ScriptOp::BitNot: {
        const auto n = ParseScriptCount(args);
        if (!n) Fail(kMsgBadCount, args);
        c.count = *n;
        break;
    }
    case ScriptOp::BitShl:
    case ScriptOp::BitShr:
        ParseBitShift(c, line);
        break;
    case ScriptOp::CharCon:
    case ScriptOp::Msg:
        c.text = args;
        break;
    case ScriptOp::JokerOff:
    case ScriptOp::Exit:
        break;
    }
    return c;
}

void CheckScriptLine(const ScriptLine& line) {
    const auto op = LookupScriptOp(line.word);
    if (!op) Fail(kMsgBadCommand, line.word);
    if (line.args.find('%') != std::string::npos) return;
    ParseScriptCommand(*op, line);
}

} // namespace qhe
