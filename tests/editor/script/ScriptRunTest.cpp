#include "editor/script/ScriptRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "FakeUi.h"
#include "OpenBytes.h"
#include "TempDir.h"
#include "core/text/Format.h"
#include "core/text/Messages.h"
#include "editor/MainCommands.h"
#include "editor/script/ScriptInterpreter.h"

namespace qhe::test {
namespace {

std::vector<std::string> Lines(const std::string& script) {
    std::vector<std::string> lines;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The message of an error in line number (1-based) with the line's text and a detail.
std::string LineError(int number, const std::string& line, const std::string& detail) {
    return FormatMsg(2106, {number, line}) + "\n\n" + detail;
}

class ScriptRunTest : public ::testing::Test {
  protected:
    void Open(const std::string& bytes) { OpenBytesAs(commands, bytes, "script.bin"); }
    std::string Bytes() {
        const Document& doc = state().doc;
        return std::string(reinterpret_cast<const char*>(doc.Buffer()), static_cast<size_t>(doc.Size()));
    }
    int64_t Cursor() { return state().view.CursorPosition(); }
    EditorState& state() { return commands.State(); }
    ScriptRunResult Execute(const std::string& script, const ScriptRunOptions& options = {}) {
        return ExecuteScript(state(), Lines(script), options);
    }

    FakeUi ui;
    MainCommands commands{ui};
};

// The executing pass, one row per command and run-time error: the Document before, the script,
// the Document after, the cursor (the script address) and the error ("" = completed).
TEST_F(ScriptRunTest, CommandsChangeTheDocumentAndTheScriptAddress) {
    struct Case {
        std::string before;
        std::string script;
        std::string after;
        int64_t cursor;
        std::string error;
    };
    const std::string sixteen = "0123456789abcdef";
    const Case cases[] = {
        {"MZ..MZ", "ADR 0\nFIND 4D 5A", "MZ..MZ", 1, ""},
        {"..MZ", "fInD 4d 5a", "..MZ", 3, ""},
        {"..MZ", "ADR 3\nFIND 4D 5A", "..MZ", 4, LineError(2, "FIND 4D 5A", FormatMsg(2126, {3}))},
        {sixteen, "ADR $F\nADR 15", sixteen, 16, ""},
        {sixteen, "ADR 16", sixteen, 16, LineError(1, "ADR 16", FormatMsg(2116, {16}))},
        {sixteen, "ADR 15\nADR+ 2147483647", sixteen, 16,
         LineError(2, "ADR+ 2147483647", FormatMsg(2116, {int64_t{0x8000000E}}))},
        {sixteen, "ADR 5\nADR- 6", sixteen, 1, LineError(2, "ADR- 6", FormatMsg(2116, {-1}))},
        {sixteen, "ADR 2\nADREOF", sixteen, 16, ""},
        {"abcd", "ADR 2\nOVERWRITE 41 42", "abAB", 4, ""},
        {"abcd", "ADREOF\nOVERWRITE 41 42", "abcd", 4, LineError(2, "OVERWRITE 41 42", Msg(2115))},
        {"xyz", "ADR 1\nINSERT 41 42", "xAByz", 4, ""},
        {"xyz", "ADR 1\nDEL 2\nOVERWRITE 2D", "-", 1, ""}, // the cursor ends on the last byte
        {"xyz", "ADR 1\nDEL 3", "xyz", 2, LineError(2, "DEL 3", Msg(2114))},
        {"xyz", "ADR 1\nDEL 2147483647", "xyz", 2, LineError(2, "DEL 2147483647", Msg(2114))},
        {"xAyAz", "ADR 2\nREPLACE 41 BY", "xAyz", 4, ""},
        {"xAyAz", "REPLACE 41 BY 61 62", "xabyAz", 3, ""},
        {"xyz", "REPLACE 41 BY 42", "xyz", 1, ""},
        {"a-a-", "REPLACEASC a BY b ", "b -a-", 2, ""},
        {"a-a-", "ADR 1\nREPLACEALL 61 BY 41 42", "a-AB-", 4, ""},
        {"AAxA", "REPLACEALLASC A BY", "x", 1, ""},
        {"AXC", "JOKERON 58\nFIND 41 58 43\nJOKEROFF\nFIND 41 58 43", "AXC", 1, ""},
        {"ABC", "JOKERON 3F\nFIND 41 3F 44", "ABC", 1, LineError(2, "FIND 41 3F 44", FormatMsg(2126, {0}))},
        {"MZ\x90", "VERIFY 4D 5A OR 50 4B\nVERIFY 4D ?? 90", "MZ\x90", 1, ""},
        {"PK", "VERIFY 4D 5A OR 50 4B", "PK", 1, ""},
        {"PK", "ADR 1\nVERIFY 4B 00", "PK", 2, LineError(2, "VERIFY 4B 00", FormatMsg(2113, {1}))},
        {"\x0F\xF0\x81", "BITXOR FF 2", "\xF0\x0F\x81", 3, ""},
        {"\x0F\xF0\x81", "BITAND 81 3\nADR 0\nBITOR 10", "\x11\x80\x81", 2, ""},
        {"\x81\x81\x81", "BITSHL 1\nBITSHR 1 2", "\x02\x40\x40", 3, ""},
        {"\xFF\xFF", "BITSHL 8 2", std::string(2, '\0'), 2, ""},
        {std::string(3, '\0'), "ADR 1\nBITNOT 3", std::string(3, '\0'), 2,
         LineError(2, "BITNOT 3", Msg(2115))},
        {std::string(3, '\0'), "ADR 1\nBITNOT 0\nBITNOT -4", std::string(3, '\0'), 2, ""},
        {std::string(2, '\0'), "BITNOT 2147483647", std::string(2, '\0'), 1,
         LineError(1, "BITNOT 2147483647", Msg(2115))},
        {"abc", "; comment\n\nrem also\nREM\nADR 1\nEXIT\nADR 9", "abc", 2, ""},
        {"abc", "JUMP 1", "abc", 1, LineError(1, "JUMP 1", FormatMsg(2110, {"JUMP"})) + "\n\n" + Msg(2119)},
        {"abc", "ADR 1\nADR %1", "abc", 2, FormatMsg(2128, {"%", 1})},
        {"abc", "ADR 1\nADR %z", "abc", 2, FormatMsg(2127, {"%", "z"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        Open(c.before);
        const ScriptRunResult result = Execute(c.script);
        EXPECT_EQ(Bytes(), c.after);
        EXPECT_EQ(Cursor(), c.cursor);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.outcome, c.error.empty() ? ScriptOutcome::Completed : ScriptOutcome::Failed);
    }
}

TEST_F(ScriptRunTest, ACheckingErrorChangesNothingAndNamesItsLine) {
    Open("abcdef");
    const ScriptRunResult result = Execute("OVERWRITE 41\nADR 1\nOVERWRITE 42\nREM\nBAD 1\nEXIT");
    EXPECT_EQ(result.outcome, ScriptOutcome::Failed);
    EXPECT_EQ(result.lineIndex, 4);
    EXPECT_EQ(result.error, LineError(5, "BAD 1", FormatMsg(2110, {"BAD"})) + "\n\n" + Msg(2119));
    EXPECT_EQ(Bytes(), "abcdef");
    EXPECT_FALSE(state().doc.Modified);
    // The check button alone adds no 2119; EXIT does not end a check.
    const ScriptRunResult check = CheckScript(state(), Lines("EXIT\nBAD 1"));
    EXPECT_EQ(check.error, LineError(2, "BAD 1", FormatMsg(2110, {"BAD"})));
    // A NUL or other control byte in the line is shown, and the message goes on behind it.
    const ScriptRunResult withNul = Execute(std::string("BA\0D\x01 1", 8));
    EXPECT_EQ(withNul.error,
              LineError(1, "BA<00>D<01> 1", FormatMsg(2110, {"BA<00>D<01>"})) + "\n\n" + Msg(2119));
}

TEST_F(ScriptRunTest, ARunTimeErrorKeepsEarlierChangesAndTheCursorOnTheScriptAddress) {
    Open("abcdef");
    const ScriptRunResult result = Execute("OVERWRITE 41\nOVERWRITE 42\nADR 4\nREM x\nFIND 7A\nOVERWRITE 43");
    EXPECT_EQ(result.lineIndex, 4);
    EXPECT_EQ(result.error, LineError(5, "FIND 7A", FormatMsg(2126, {4})));
    EXPECT_EQ(Bytes(), "ABcdef");
    EXPECT_EQ(Cursor(), 5);
    EXPECT_TRUE(state().doc.Modified);
}

TEST_F(ScriptRunTest, ParametersAreTheArgumentsAfterTheScriptSwitch) {
    Open("abcdef");
    ScriptRunOptions options;
    options.parameters = {"/s=patch.qsc", "$2", "5A"};
    const ScriptRunResult result = Execute("ADR %1\nOVERWRITE %2 %2\nBITNOT %1", options);
    EXPECT_EQ(result.outcome, ScriptOutcome::Completed);
    EXPECT_EQ(Bytes(), "abZZ\x9A\x99");
}

TEST_F(ScriptRunTest, ScriptSearchesLeaveTheUserSearchOptionsAsTheyWere) {
    Open("aAbB");
    OptionsSettings& o = state().options;
    o.caseSensitive = false;
    o.scope = false;
    o.jokerFind = true;
    o.jokerByte = 'B'; // the user's joker would match any byte
    state().search.findString = "user";
    state().search.replaceString = "mine";
    // Case-sensitive although the user's option is not; the failing search restores too.
    EXPECT_EQ(Execute("FINDASC B\nADR 0\nREPLACEASC A BY x\nADR 0\nREPLACEALLASC a BY y\nFINDASC q").error,
              LineError(6, "FINDASC q", FormatMsg(2126, {0})));
    EXPECT_EQ(Bytes(), "yxbB");
    EXPECT_FALSE(o.caseSensitive);
    EXPECT_FALSE(o.scope);
    EXPECT_TRUE(o.jokerFind);
    EXPECT_EQ(o.jokerByte, 'B');
    EXPECT_EQ(state().search.findString, "user");
    EXPECT_EQ(state().search.replaceString, "mine");
}

TEST_F(ScriptRunTest, MessagesShowTheValuesAtTheScriptAddress) {
    Open(std::string("AB\0\0", 4));
    EXPECT_EQ(Execute("MSG byte $BYTE\\nword $WORD long $LONG\nADR 2\nMSG $INT/$LONG/$IEEE64.").outcome,
              ScriptOutcome::Completed);
    ASSERT_EQ(ui.memos.size(), 2u);
    EXPECT_EQ(ui.memos[0].first, Msg(2134));
    EXPECT_EQ(ui.memos[0].second, "byte 65\nword 16961 long 16961");
    EXPECT_EQ(ui.memos[1].second, "0//.");
    // A command-line run shows none.
    ScriptRunOptions batch;
    batch.batchMode = true;
    Execute("MSG $BYTE", batch);
    EXPECT_EQ(ui.memos.size(), 2u);
}

TEST_F(ScriptRunTest, CharconConvertsFromTheScriptAddressWithoutTouchingTheProgramTable) {
    TempDir dir;
    std::ofstream(dir.File("up.qct")) << "61;41\r\n62;42\r\n";
    std::ofstream(dir.File("bad.qct")) << "61;4\r\n";
    Open("abab");
    const CharTable userTable = state().charTable;
    EXPECT_EQ(Execute("ADR 1\nCHARCON " + dir.File("up.qct")).outcome, ScriptOutcome::Completed);
    EXPECT_EQ(Bytes(), "aBAB");
    EXPECT_EQ(state().charTable, userTable);
    const ScriptRunResult bad = Execute("CHARCON " + dir.File("bad.qct"));
    EXPECT_EQ(bad.error, FormatMsg(2130, {"bad.qct"}));
    EXPECT_EQ(Bytes(), "aBAB");
    EXPECT_EQ(state().charTable, userTable);
}

TEST_F(ScriptRunTest, AReplaceAllThatMemoryRefusesEndsTheScriptWithTheDocumentIntact) {
    Open("aaaa");
    ScriptProgress progress(ui);
    ScriptInterpreter interpreter(state(), progress);
    interpreter.freeMemory = [] { return uint64_t{0}; };
    const auto lines = Lines("REPLACEALLASC a BY " + std::string(600 * 1024, 'b') + "\nOVERWRITE 41");
    int line = 0;
    try {
        interpreter.RunScript(lines, line);
        ADD_FAILURE() << "the script went on";
    } catch (const ScriptFailure& failure) {
        EXPECT_EQ(std::string(failure.what()), FormatMsg(2106, {1, lines[0]}));
    }
    EXPECT_EQ(ui.Count(Msg(2004)), 1);
    EXPECT_EQ(Bytes(), "aaaa");
}

TEST_F(ScriptRunTest, TheProgressBoxFollowsTheLinesAndCancelStopsBetweenThem) {
    Open("abc");
    {
        ScriptProgress progress(ui);
        ScriptInterpreter interpreter(state(), progress);
        interpreter.textInterval = std::chrono::milliseconds(0);
        int line = 0;
        EXPECT_TRUE(interpreter.RunScript(Lines("ADR 1\nADR 2"), line));
        EXPECT_EQ(line, 2);
        EXPECT_EQ(ui.progress.caption, "Script Execution");
        EXPECT_EQ(ui.progress.texts, (std::vector<std::string>{" ", "Line 1 of 2", "Line 2 of 2"}));
        EXPECT_EQ(ui.progress.gaugeValues, (std::vector<int>{50, 100}));
    }
    ui.cancelAfterUpdates = 1; // Cancel is pressed when the gauge first moves, at line 2
    const ScriptRunResult result = Execute(std::string(300, '\n') + "OVERWRITE 41");
    EXPECT_EQ(result.outcome, ScriptOutcome::Cancelled);
    EXPECT_EQ(result.lineIndex, 2);
    EXPECT_EQ(Bytes(), "abc");
}

TEST_F(ScriptRunTest, TheWindowIsToldOfChangesOncePerRunNotPerLine) {
    Open(std::string(100, 'a'));
    int changes = 0;
    state().onChange = [&](unsigned) { ++changes; };
    std::string script;
    for (int i = 0; i < 50; ++i)
        script += "OVERWRITE 42\nBITXOR 01\n";
    EXPECT_EQ(Execute(script).outcome, ScriptOutcome::Completed);
    EXPECT_EQ(changes, 1);
    std::string expected;
    for (int i = 0; i < 50; ++i)
        expected += "B`";
    EXPECT_EQ(Bytes(), expected);
}

} // namespace
} // namespace qhe::test
