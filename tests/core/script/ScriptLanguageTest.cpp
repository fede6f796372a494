#include "core/script/ScriptArgs.h"
#include "core/script/ScriptCommand.h"
#include "core/script/ScriptError.h"
#include "core/script/ScriptLine.h"

#include <gtest/gtest.h>

#include "core/text/Format.h"
#include "core/text/Messages.h"

namespace qhe {
namespace {

TEST(ScriptLanguageTest, LinesSplitIntoWordArgumentsAndRawArguments) {
    struct Case {
        const char* line;
        const char* word;
        const char* args;
        const char* raw;
    };
    const Case cases[] = {
        {"  FIND 41 42  \r", "FIND", "41 42", "41 42  \r"},
        {"FINDASC  a b ", "FINDASC", "a b", " a b "},
        {"ADREOF", "ADREOF", "", ""},
        {"\tADR\t5 ", "ADR\t5", "", ""}, // only a blank separates
        {"REPLACEASC a BY b ", "REPLACEASC", "a BY b", "a BY b "},
    };
    for (const Case& c : cases) {
        const ScriptLine line = SplitScriptLine(c.line);
        EXPECT_EQ(line.word, c.word) << c.line;
        EXPECT_EQ(line.args, c.args) << c.line;
        EXPECT_EQ(line.rawArgs, c.raw) << c.line;
    }
    EXPECT_TRUE(IsScriptComment(SplitScriptLine("   ")));
    EXPECT_TRUE(IsScriptComment(SplitScriptLine(";FIND zz")));
    EXPECT_TRUE(IsScriptComment(SplitScriptLine("rem anything %x")));
    EXPECT_FALSE(IsScriptComment(SplitScriptLine("REMARK")));
    EXPECT_EQ(LookupScriptOp("fInD"), ScriptOp::Find);
    EXPECT_EQ(LookupScriptOp("FINDX"), std::nullopt);
}

// Addresses and counts reach beyond 32 bits (files of many GiB are mapped); the numbers of
// 32 bits keep their values.
TEST(ScriptLanguageTest, NumbersAreSigned64BitDecimalOrHex) {
    const std::pair<const char*, std::optional<int64_t>> cases[] = {
        {"16", 16},
        {"$10", 16},
        {"0x10", 16},
        {"x1f", 31},
        {"  -5", -5},
        {"+$a", 10},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"-$80000000", INT32_MIN},
        {"2147483648", int64_t{1} << 31},
        {"$80000000", int64_t{1} << 31},
        {"$FFFFFFFF", 0xFFFFFFFF},
        {"$100000000", int64_t{1} << 32},
        {"99999999999", 99999999999},
        {"$1FFFFFFFFFFFFFFF", kMaxScriptNumber},
        {"-$1FFFFFFFFFFFFFFF", -kMaxScriptNumber},
        {"$2000000000000000", {}},
        {"99999999999999999999999", {}},
        {"", {}},
        {"$", {}},
        {"12 ", {}},
        {"1e3", {}},
        {"--1", {}},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseScriptNumber(text), value) << text;
    EXPECT_EQ(ParseScriptCount(""), 1);
}

TEST(ScriptLanguageTest, HexStringsNeedPairsSeparatedByOneBlank) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"41 42", "AB"}, {"4d 5A", "MZ"}, {"", ""},      {"41 4", "A"}, {"4", ""},
        {"41  42", {}},  {"4142", {}},    {"41 4G", {}}, {"41 G", {}},  {"4-", {}},
    };
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(ParseScriptHex(text), bytes) << text;
}

TEST(ScriptLanguageTest, VerifyListsMatchAnyPatternWithWildcards) {
    const uint8_t file[] = {0x4D, 0x5A, 0x90, 0x00};
    const auto matches = [&](const char* list, int64_t offset) {
        const VerifyList parsed = ParseVerifyList(list);
        EXPECT_EQ(parsed.error, VerifyList::Error::None) << list;
        for (const auto& p : parsed.patterns)
            if (VerifyMatches(p, file, 4, offset)) return true;
        return false;
    };
    EXPECT_TRUE(matches("50 4B OR 4D 5A", 0));
    EXPECT_TRUE(matches("4d ?? 90", 0));
    EXPECT_TRUE(matches("4D5A", 0)); // blanks between pairs are optional, in the check and the match
    EXPECT_FALSE(matches("50 4B or 4D 5B", 0));
    EXPECT_FALSE(matches("00 00", 3)); // the pattern must lie wholly inside the Document
    EXPECT_EQ(ParseVerifyList("4D OR").error, VerifyList::Error::EmptyPattern);
    EXPECT_EQ(ParseVerifyList("").error, VerifyList::Error::EmptyPattern);
    EXPECT_EQ(ParseVerifyList("4D 5").error, VerifyList::Error::BadHex);
    EXPECT_EQ(ParseVerifyList("4? ?5").error, VerifyList::Error::BadHex);
}

TEST(ScriptLanguageTest, ByFindsTheFirstSeparatorInAnyCase) {
    using Sides = std::pair<std::string, std::string>;
    EXPECT_EQ(SplitAtBy("41 by 42"), Sides("41", "42"));
    EXPECT_EQ(SplitAtBy("41 BY"), Sides("41", ""));
    EXPECT_EQ(SplitAtBy("a  BY b "), Sides("a ", "b "));
    EXPECT_EQ(SplitAtBy("41 42"), std::nullopt);
}

TEST(ScriptLanguageTest, ParametersAreReplacedOrNamed) {
    const std::vector<std::string> params = {"/s=x.qsc", "10", ""};
    std::string text = "%1 and %0";
    SubstituteParameters(text, params);
    EXPECT_EQ(text, "10 and /s=x.qsc");
    const auto error = [&](std::string t) {
        try {
            SubstituteParameters(t, params);
        } catch (const ScriptError& e) {
            EXPECT_EQ(e.Form(), ScriptErrorForm::NoHeader);
            return std::string(e.what());
        }
        return std::string("passed");
    };
    EXPECT_EQ(error("%x"), FormatMsg(2127, {"%", "x"}));
    EXPECT_EQ(error("5%"), FormatMsg(2127, {"%", ""}));
    EXPECT_EQ(error("%2"), FormatMsg(2128, {"%", 2})); // empty
    EXPECT_EQ(error("%9"), FormatMsg(2128, {"%", 9})); // missing
}

// The checking pass: one row per command and argument error.
TEST(ScriptLanguageTest, CheckingFindsEveryArgumentError) {
    struct Case {
        const char* line;
        std::string error; // "" when the line passes
    };
    const Case cases[] = {
        {"ADR $10", ""},
        {"ADR ten", FormatMsg(2107, {"ten"})},
        {"ADR $2000000000000000", FormatMsg(2107, {"$2000000000000000"})},
        {"ADR+ 3", ""},
        {"adr+ x", FormatMsg(2108, {"x"})},
        {"ADR- ", FormatMsg(2108, {""})},
        {"ADREOF", ""},
        {"AdrEof 1", FormatMsg(2136, {"AdrEof"})},
        {"DEL 1", ""},
        {"DEL 0", FormatMsg(2108, {"0"})},
        {"DEL -3", FormatMsg(2108, {"-3"})},
        {"OVERWRITE 41 42", ""},
        {"OVERWRITE 41  42", FormatMsg(2109, {"41  42"})},
        {"INSERT 4142", FormatMsg(2109, {"4142"})},
        {"FIND 4D 5A", ""},
        {"FIND ZZ", FormatMsg(2109, {"ZZ"})},
        {"FINDASC any text", ""},
        {"REPLACE 41 BY", ""},
        {"REPLACE 41 42", Msg(2111)},
        {"REPLACE 4 1 BY 42", FormatMsg(2109, {"4 1"})},
        {"REPLACE 41 BY 4X", FormatMsg(2109, {"4X"})},
        {"REPLACEASC a by b", ""},
        {"REPLACEASC a b", Msg(2111)},
        {"REPLACEALL 41 by 42 43", ""},
        {"REPLACEALLASC xy", Msg(2111)},
        {"VERIFY 4D 5A OR 50 4B", ""},
        {"VERIFY OR 4D", Msg(2112)},
        {"VERIFY 4D 5Z", FormatMsg(2109, {"4D 5Z"})},
        {"JOKERON 2E", ""},
        {"JOKERON 2E 2F", Msg(2118)},
        {"JOKERON 2", Msg(2118)},
        {"JOKERON QQ", FormatMsg(2109, {"QQ"})},
        {"JOKEROFF whatever", ""},
        {"BITAND 0F", ""},
        {"BITOR 80 $20", ""},
        {"BITXOR 0G 2", FormatMsg(2109, {"0G 2"})},
        {"BITXOR 4 2", FormatMsg(2137, {"4 2"})}, // a lone digit is no byte
        {"BITAND FF x", FormatMsg(2108, {"x"})},
        {"BITNOT", ""},
        {"BITNOT 3", ""},
        {"BITNOT -", FormatMsg(2108, {"-"})},
        {"BITSHL 8", ""},
        {"BITSHL 9", FormatMsg(2138, {"9"})},
        {"BITSHR -1 4", FormatMsg(2138, {"-1 4"})},
        {"BITSHR 2 y", FormatMsg(2108, {"y"})},
        {"CHARCON /no/such/table.qct", ""},
        {"MSG value $BYTE", ""},
        {"EXIT now", ""},
        {"GOTO 5", FormatMsg(2110, {"GOTO"})},
        {"GOTO %1", FormatMsg(2110, {"GOTO"})},
        {"BITNOT %1", ""}, // known only when executing
        {"ADR %1", ""},
    };
    for (const Case& c : cases) {
        std::string error;
        try {
            CheckScriptLine(SplitScriptLine(c.line));
        } catch (const ScriptError& e) {
            EXPECT_EQ(e.Form(), ScriptErrorForm::WithHeader) << c.line;
            error = e.what();
        }
        EXPECT_EQ(error, c.error) << c.line;
    }
}

TEST(ScriptLanguageTest, AsciiTextsKeepTheirBlanksAndBecomeAnsiBytes) {
    const ScriptCommand replace =
        ParseScriptCommand(ScriptOp::ReplaceAsc, SplitScriptLine("REPLACEASC a BY b "));
    EXPECT_EQ(replace.bytes, "a");
    EXPECT_EQ(replace.replacement, "b ");
    const ScriptCommand find =
        ParseScriptCommand(ScriptOp::FindAsc, SplitScriptLine("FINDASC  \xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(find.bytes, " \xE9t\xE9"); // "été" in the code page, the second blank kept
    const ScriptCommand hex = ParseScriptCommand(ScriptOp::Replace, SplitScriptLine("REPLACE 41  BY  42"));
    EXPECT_EQ(hex.bytes, "A");
    EXPECT_EQ(hex.replacement, "B");
}

} // namespace
} // namespace qhe
