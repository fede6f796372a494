#include "FindTestFixture.h"

#include <algorithm>
#include <random>

#include "core/text/Ansi.h"
#include "core/text/Format.h"

namespace qhe {
namespace {

using test::FindTest;

class ReplaceTest : public FindTest {
  protected:
    // The search state after a confirmed replace dialog with these strings.
    void SetStrings(const std::string& find, const std::string& replacement) {
        state().search.findString = find;
        state().search.replaceString = replacement;
        state().actions.SetEnabled("Replaceagaindown1", true);
    }
    std::string Bytes() {
        const Document& doc = state().doc;
        return std::string(reinterpret_cast<const char*>(doc.Buffer()), static_cast<size_t>(doc.Size()));
    }
    // Answers the next replace dialog with the current options and the two strings.
    void AnswerReplaceDialog(const std::string& find, const std::string& replacement, bool all) {
        ui.replaceDialog = [find, replacement, all](const ReplaceDialogRequest& request) {
            return std::optional<ReplaceDialogResult>(
                ReplaceDialogResult{request.options, find, replacement, all});
        };
    }
    std::string CountMemo(int64_t count) { return FormatMsg(2063, {count}); }
    bool Enabled(const char* name) { return state().actions.Enabled(name); }
};

// Replace once through F4: '_' is the cursor, '{' the hit that is expected to be replaced.
struct ReplaceOnceCase {
    const char* markup;
    const char* find;
    const char* replacement;
    const char* after;   // the Document afterwards ("" with no hit: unchanged)
    int64_t cursorAfter; // on the replacement's last byte (its start when empty)
    bool cursorOnLastHit = false;
};

class ReplaceOnceCases : public ReplaceTest, public ::testing::WithParamInterface<ReplaceOnceCase> {};

TEST_P(ReplaceOnceCases, ReplacesTheFirstHitFromTheCursor) {
    const ReplaceOnceCase& c = GetParam();
    const Markup m = Open(c.markup);
    SetStrings(c.find, c.replacement);
    if (c.cursorOnLastHit) state().lastFoundAddress = m.cursor;
    ASSERT_TRUE(commands.Execute("Replaceagaindown1"));
    EXPECT_EQ(ui.progress.created, ui.progress.destroyed);
    EXPECT_EQ(ui.progress.caption, "正在替换...");
    EXPECT_EQ(ui.busyDepth, 0);
    if (m.expected == 0) {
        EXPECT_EQ(Bytes(), m.bytes);
        EXPECT_EQ(NotFoundMessages(), 1);
        EXPECT_FALSE(Enabled("Replaceundo1"));
        return;
    }
    EXPECT_EQ(Bytes(), c.after);
    EXPECT_EQ(state().lastReplaceAddress, m.expected);
    EXPECT_EQ(state().search.replaceUndoBytes, c.find);
    EXPECT_EQ(Cursor(), c.cursorAfter);
    EXPECT_TRUE(state().doc.Modified);
    EXPECT_TRUE(Enabled("Replaceundo1"));
    EXPECT_EQ(ui.progress.texts.back(), "正在替换") << "the box says it is replacing now";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplaceOnceCases,
    ::testing::Values(ReplaceOnceCase{"x_{AB}AB", "AB", "CD", "xCDAB", 3},     // equal length
                      ReplaceOnceCase{"_x{AB}AB", "AB", "C", "xCAB", 2},       // shorter
                      ReplaceOnceCase{"_x{AB}y", "AB", "", "xy", 2},           // deleted
                      ReplaceOnceCase{"_x{A}y", "A", "ABC", "xABCy", 4},       // longer
                      ReplaceOnceCase{"_{AB}", "AB", "", "", 1},               // everything
                      ReplaceOnceCase{"_ABx{AB}", "AB", "Z", "ABxZ", 4, true}, // not the last hit again
                      ReplaceOnceCase{"x_AyA", "AB", "Z", "", 0}));            // not found

TEST_F(ReplaceTest, F4AfterALongerReplacementContinuesBehindIt) {
    Open("_AxA");
    SetStrings("A", "AA");
    ASSERT_TRUE(commands.Execute("Replaceagaindown1"));
    EXPECT_EQ(Bytes(), "AAxA");
    EXPECT_EQ(Cursor(), 2);
    ASSERT_TRUE(commands.Execute("Replaceagaindown1"));
    EXPECT_EQ(Bytes(), "AAxAA") << "the A just written is not found again";
    EXPECT_EQ(Cursor(), 5);
}

TEST_F(ReplaceTest, F4AfterADeletionFindsTheHitThatFollowsDirectly) {
    Open("_ABABx");
    SetStrings("AB", "");
    ASSERT_TRUE(commands.Execute("Replaceagaindown1"));
    ASSERT_TRUE(commands.Execute("Replaceagaindown1"));
    EXPECT_EQ(Bytes(), "x");
}

// Replace all from the start of the Document ('_' is ignored here, the scope is "begin").
struct ReplaceAllCase {
    const char* doc;
    const char* find;
    const char* replacement;
    const char* after;
    int64_t count;
    int64_t cursorAfter;
};

class ReplaceAllCases : public ReplaceTest, public ::testing::WithParamInterface<ReplaceAllCase> {};

TEST_P(ReplaceAllCases, ReplacesEveryHitAndReportsTheCount) {
    const ReplaceAllCase& c = GetParam();
    Open(c.doc);
    state().options.scope = false;
    SetStrings(c.find, c.replacement);
    commands.Replace().ReplaceAllCommand();
    EXPECT_EQ(Bytes(), c.after);
    ASSERT_EQ(ui.memos.size(), 1u);
    EXPECT_EQ(ui.memos[0].first, "信息");
    EXPECT_EQ(ui.memos[0].second, CountMemo(c.count));
    if (c.count > 0) {
        EXPECT_EQ(Cursor(), c.cursorAfter);
    }
    EXPECT_EQ(state().doc.Modified, c.count > 0);
    EXPECT_EQ(ui.progress.created, ui.progress.destroyed);
}

INSTANTIATE_TEST_SUITE_P(Table, ReplaceAllCases,
                         ::testing::Values(ReplaceAllCase{"AAA", "A", "AB", "ABABAB", 3, 6},
                                           ReplaceAllCase{"ABCAB", "AB", "", "C", 2, 1},
                                           ReplaceAllCase{"ABAB", "AB", "", "", 2, 1},
                                           ReplaceAllCase{"xABxABx", "AB", "CD", "xCDxCDx", 2, 6},
                                           ReplaceAllCase{"AAAA", "AA", "B", "BB", 2, 2},
                                           ReplaceAllCase{"AAA", "AA", "BBB", "BBBA", 1, 3},
                                           ReplaceAllCase{"xyz", "A", "BB", "xyz", 0, 0},
                                           ReplaceAllCase{"AxA", "A", "", "x", 2, 1}));

TEST_F(ReplaceTest, ReplaceAllFromTheCursorReplacesAHitStartingThere) {
    Open("AB_ABAB");
    SetStrings("AB", "X");
    state().lastFoundAddress = 3; // F4 would skip this hit; replace all does not
    commands.Replace().ReplaceAllCommand();
    EXPECT_EQ(Bytes(), "ABXX");
}

TEST_F(ReplaceTest, ReplaceAllStartsBehindTheReplacementTheCursorStandsOn) {
    Open("_AxA");
    SetStrings("A", "AA");
    ASSERT_TRUE(commands.Execute("Replaceagaindown1")); // cursor on the second A of AA
    commands.Replace().ReplaceAllCommand();
    EXPECT_EQ(Bytes(), "AAxAA");
}

// Replace all against a plain std::vector oracle on random data, over the three loops.
std::string OracleReplaceAll(const std::string& data, size_t start, const std::string& find,
                             const std::string& repl, int64_t limit, int64_t& count) {
    std::string out = data.substr(0, start);
    count = 0;
    size_t p = start;
    while (p + find.size() <= data.size() && count < limit) {
        if (data.compare(p, find.size(), find) == 0) {
            out += repl;
            p += find.size();
            ++count;
        } else {
            out += data[p++];
        }
    }
    return out + data.substr(std::min(p, data.size()));
}

TEST_F(ReplaceTest, ReplaceAllMatchesAPlainOracleOnRandomData) {
    std::mt19937 random(20261207);
    const std::vector<std::string> replacements = {"", "a", "ab", "ba", "abc", "xyzw", "aaaaaaa"};
    for (int round = 0; round < 60; ++round) {
        std::string data(static_cast<size_t>(random() % 2000 + 1), ' ');
        for (char& c : data)
            c = "abc"[random() % 3];
        std::string find(static_cast<size_t>(random() % 3 + 1), ' ');
        for (char& c : find)
            c = "ab"[random() % 2];
        const std::string& repl = replacements[random() % replacements.size()];
        const size_t start = random() % data.size();
        OpenBytes(data, static_cast<int64_t>(start) + 1);
        state().lastFoundAddress = state().lastReplaceAddress = 0;
        SetStrings(find, repl);
        int64_t first = 0, count = 0;
        bool cancelled = false;
        NoProgress progress;
        commands.Replace().ReplaceAll(static_cast<int64_t>(start) + 1, first, count, cancelled, progress);
        int64_t expectedCount = 0;
        const std::string expected = OracleReplaceAll(data, start, find, repl, INT64_MAX, expectedCount);
        ASSERT_EQ(Bytes(), expected) << "round " << round << " find " << find << " repl " << repl;
        ASSERT_EQ(count, expectedCount);
        ASSERT_FALSE(cancelled);
        if (count > 0) {
            ASSERT_EQ(state().search.replaceUndoBytes, find);
            ASSERT_EQ(
                expected.compare(static_cast<size_t>(state().lastReplaceAddress - 1), repl.size(), repl), 0);
        }
    }
}

// The same with the find options: case-insensitive, jokers, dense and overlapping candidates,
// and Documents large enough for several chunks of vector scanning.
TEST_F(ReplaceTest, ReplaceAllWithFindOptionsMatchesABruteForceOracle) {
    std::mt19937 random(1208);
    const std::vector<std::string> alphabets = {"a", "ab", "aAb", "aB?c"};
    for (int round = 0; round < 80; ++round) {
        const std::string& alphabet = alphabets[random() % alphabets.size()];
        std::string data(static_cast<size_t>(random() % 40000 + 1), ' ');
        for (char& c : data)
            c = alphabet[random() % alphabet.size()];
        std::string find(static_cast<size_t>(random() % 4 + 1), ' '), repl(random() % 7, 'R');
        for (char& c : find)
            c = alphabet[random() % alphabet.size()];
        const bool caseSensitive = random() % 2, jokerOn = random() % 2;
        const auto matches = [&](size_t at) {
            for (size_t k = 0; k < find.size(); ++k) {
                const auto d = static_cast<uint8_t>(data[at + k]), f = static_cast<uint8_t>(find[k]);
                if (!(jokerOn && f == '?') && (caseSensitive ? d != f : AnsiUpper(d) != AnsiUpper(f)))
                    return false;
            }
            return true;
        };
        const size_t start = random() % data.size();
        std::string expected = data.substr(0, start), lastOld;
        int64_t expectedCount = 0;
        size_t p = start;
        for (; p + find.size() <= data.size();)
            if (matches(p)) {
                lastOld = data.substr(p, find.size());
                expected += repl;
                p += find.size();
                ++expectedCount;
            } else {
                expected += data[p++];
            }
        expected += data.substr(p);

        OpenBytes(data, static_cast<int64_t>(start) + 1);
        state().options.caseSensitive = caseSensitive;
        state().options.jokerFind = jokerOn;
        state().options.jokerByte = '?';
        SetStrings(find, repl);
        int64_t first = 0, count = 0;
        bool cancelled = false;
        NoProgress progress;
        commands.Replace().ReplaceAll(static_cast<int64_t>(start) + 1, first, count, cancelled, progress);
        ASSERT_TRUE(Bytes() == expected) << "round " << round << " find " << find << " repl " << repl;
        ASSERT_EQ(count, expectedCount);
        if (count > 0) {
            ASSERT_EQ(state().search.replaceUndoBytes, lastOld);
            ASSERT_EQ(
                expected.compare(static_cast<size_t>(state().lastReplaceAddress - 1), repl.size(), repl), 0);
            ASSERT_EQ(expected.compare(static_cast<size_t>(first - 1), repl.size(), repl), 0);
        }
    }
}

// A progress box that cancels at its nth gauge or text change after a text appeared.
class CancelAfter final : public Progress {
  public:
    CancelAfter(std::string text, int calls) : text_(std::move(text)), calls_(calls) {}
    bool SetProgress(int64_t, int64_t, int) override {
        if (armed_ && --calls_ <= 0) cancelled_ = true;
        return true;
    }
    void SetText(const std::string& text, int) override { armed_ = armed_ || text == text_; }
    void SetCaption(const std::string&) override {}
    void EnableCancel(bool) override {}
    bool Cancelled() const override { return cancelled_; }

  private:
    std::string text_;
    int calls_;
    bool armed_ = false;
    bool cancelled_ = false;
};

struct CancelCase {
    const char* find;
    const char* replacement;
    const char* stepText; // the cancel comes in the step showing this text
};

class ReplaceAllCancel : public ReplaceTest, public ::testing::WithParamInterface<CancelCase> {};

// Cancelling after some hits keeps exactly the replacements made, in a consistent Document:
// the oracle limited to that count gives the same bytes.
TEST_P(ReplaceAllCancel, KeepsTheReplacementsMadeAndNothingElse) {
    const CancelCase& c = GetParam();
    std::string data;
    for (int i = 0; i < 400; ++i)
        data += (i % 7 == 0) ? "AB" : "xy";
    for (int calls = 1; calls < 40; calls += 7) {
        OpenBytes(data);
        SetStrings(c.find, c.replacement);
        int64_t first = 0, count = 0;
        bool cancelled = false;
        CancelAfter progress(c.stepText, calls);
        commands.Replace().ReplaceAll(1, first, count, cancelled, progress);
        ASSERT_TRUE(cancelled);
        int64_t limitedCount = 0;
        EXPECT_EQ(Bytes(), OracleReplaceAll(data, 0, c.find, c.replacement, count, limitedCount));
        EXPECT_EQ(limitedCount, count);
    }
}

INSTANTIATE_TEST_SUITE_P(Loops, ReplaceAllCancel,
                         ::testing::Values(CancelCase{"AB", "CD", "正在搜索和替换"},
                                           CancelCase{"AB", "C", "正在搜索和替换"},
                                           CancelCase{"AB", "CDEFG", "步骤 2: 正在替换"}));

TEST_F(ReplaceTest, CancelWhileCountingChangesNothing) {
    const std::string data(5000, 'A');
    OpenBytes(data);
    SetStrings("A", "AB");
    int64_t first = 0, count = 0;
    bool cancelled = false;
    CancelAfter progress("步骤 1: 正在统计", 1);
    commands.Replace().ReplaceAll(1, first, count, cancelled, progress);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Bytes(), data);
}

TEST_F(ReplaceTest, TheCountMessageComesAlsoAfterACancel) {
    OpenBytes(std::string(3000, 'A'));
    state().options.scope = false;
    SetStrings("A", "B");
    ui.cancelAfterUpdates = 2;
    commands.Replace().ReplaceAllCommand();
    ASSERT_EQ(ui.memos.size(), 1u);
    const std::string after = Bytes();
    const int64_t made = std::count(after.begin(), after.end(), 'B');
    EXPECT_GT(made, 0);
    EXPECT_LT(made, 3000);
    EXPECT_EQ(ui.memos[0].second, CountMemo(made));
}

// The memory check of a longer replacement: need = k * d against the free memory plus the
// spare capacity.
TEST_F(ReplaceTest, TooLittleMemoryOffersTheFirstReplacementsThatFit) {
    const std::string data(10, 'A');
    for (const int reply : {int{mrYes}, int{mrNo}}) {
        OpenBytes(data);
        state().options.scope = false;
        // No free memory: the spare capacity holds room for three of the ten replacements.
        const int64_t spare = state().doc.Capacity() - state().doc.Size();
        std::string replacement(static_cast<size_t>(spare / 3) + 1, 'Z');
        replacement[0] = 'A';
        SetStrings("A", replacement);
        commands.Replace().freeMemory = [] { return uint64_t{0}; };
        ui.messages.clear();
        ui.answers = {reply};
        commands.Replace().ReplaceAllCommand();
        EXPECT_EQ(ui.Count(FormatMsg(2062, {int64_t{10}, int64_t{3}})), 1);
        const std::string expected =
            reply == mrYes ? replacement + replacement + replacement + "AAAAAAA" : data;
        EXPECT_TRUE(Bytes() == expected);
    }
}

TEST_F(ReplaceTest, MemoryCheckUsesSpareCapacityAndRefusesWhenNothingFits) {
    OpenBytes("AAAA");
    SetStrings("A", "AB");
    commands.Replace().freeMemory = [] { return uint64_t{0}; };
    int64_t first = 0, count = 0;
    bool cancelled = false;
    NoProgress progress;
    // The spare capacity of the buffer (at least 512 KiB) covers 4 extra bytes.
    commands.Replace().ReplaceAll(1, first, count, cancelled, progress);
    EXPECT_EQ(Bytes(), "ABABABAB");

    OpenBytes(std::string("A"));
    const int64_t capacity = state().doc.Capacity();
    SetStrings("A", std::string(static_cast<size_t>(capacity) + 2, 'Z'));
    commands.Replace().ReplaceAll(1, first, count, cancelled, progress);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(Bytes() == "A");
    EXPECT_EQ(ui.Count(Msg(2004)), 1);
}

// Undo.
TEST_F(ReplaceTest, UndoRestoresTheBytesAsTheyWere) {
    Open("_x{ab}y");
    state().options.caseSensitive = false;
    SetStrings("AB", "X");
    ASSERT_TRUE(commands.Execute("Replaceagaindown1"));
    EXPECT_EQ(Bytes(), "xXy");
    ASSERT_TRUE(commands.Execute("Replaceundo1"));
    EXPECT_EQ(Bytes(), "xaby") << "the matched bytes, not the pattern";
    EXPECT_FALSE(Enabled("Replaceundo1"));
    EXPECT_EQ(state().lastReplaceAddress, 0);
    EXPECT_EQ(Cursor(), 2);
}

TEST_F(ReplaceTest, UndoOfADeletionPutsTheBytesBackWhereverTheCursorIs) {
    Open("_xABy");
    SetStrings("AB", "");
    ASSERT_TRUE(commands.Execute("Replaceagaindown1"));
    EXPECT_EQ(Bytes(), "xy");
    MoveCursor(1);
    ASSERT_TRUE(commands.Execute("Replaceundo1"));
    EXPECT_EQ(Bytes(), "xABy");
}

TEST_F(ReplaceTest, UndoOfALongerReplacementShrinksBack) {
    Open("_xAy");
    SetStrings("A", "ABCD");
    ASSERT_TRUE(commands.Execute("Replaceagaindown1"));
    ASSERT_TRUE(commands.Execute("Replaceundo1"));
    EXPECT_EQ(Bytes(), "xAy");
}

TEST_F(ReplaceTest, UndoLeavesBytesTypedOverTheReplacementAlone) {
    Open("_xABy AB");
    SetStrings("AB", "CD");
    ASSERT_TRUE(commands.Execute("Replaceagaindown1"));
    state().doc.SetByte(3, 'Q'); // typed over in overwrite mode
    ASSERT_TRUE(commands.Execute("Replaceundo1"));
    EXPECT_EQ(Bytes(), "xCQy AB") << "no later occurrence is touched";
    EXPECT_EQ(NotFoundMessages(), 1);
    EXPECT_FALSE(Enabled("Replaceundo1"));
}

TEST_F(ReplaceTest, UndoAfterReplaceAllRestoresOnlyTheLastReplacement) {
    Open("_AxAxA");
    state().options.scope = false;
    SetStrings("A", "BB");
    ASSERT_TRUE(commands.Execute("Replaceagaindown1")); // enables undo
    commands.Replace().ReplaceAllCommand();
    EXPECT_EQ(Bytes(), "BBxBBxBB");
    ASSERT_TRUE(commands.Execute("Replaceundo1"));
    EXPECT_EQ(Bytes(), "BBxBBxA");
}

// The dialog and the enabling of the Search menu items.
TEST_F(ReplaceTest, DialogOkRunsF4AndEnablesReplaceAgain) {
    Open("_xAB");
    AnswerReplaceDialog("AB", "C", false);
    ASSERT_TRUE(commands.Execute("Replace1"));
    EXPECT_EQ(Bytes(), "xC");
    EXPECT_TRUE(Enabled("Replaceagaindown1"));
    EXPECT_TRUE(Enabled("Replaceundo1"));
    EXPECT_EQ(state().search.findString, "AB");
    EXPECT_EQ(state().search.replaceString, "C");
}

TEST_F(ReplaceTest, DialogReplaceAllButtonReplacesEverything) {
    Open("AB_AB");
    AnswerReplaceDialog("AB", "C", true);
    ASSERT_TRUE(commands.Execute("QZBtnReplace"));
    EXPECT_EQ(Bytes(), "ABC") << "from the cursor";
    EXPECT_EQ(ui.memos.size(), 1u);
}

TEST_F(ReplaceTest, DialogCancelAndFindDisableReplaceAgainAndUndo) {
    Open("_xAB");
    AnswerReplaceDialog("AB", "C", false);
    ASSERT_TRUE(commands.Execute("Replace1"));
    ui.replaceDialog = nullptr;
    ASSERT_TRUE(commands.Execute("Replace1"));
    EXPECT_FALSE(Enabled("Replaceagaindown1"));
    EXPECT_FALSE(Enabled("Replaceundo1"));

    MoveCursor(1);
    AnswerReplaceDialog("C", "D", false);
    ASSERT_TRUE(commands.Execute("Replace1"));
    EXPECT_TRUE(Enabled("Replaceundo1"));
    ASSERT_TRUE(commands.Execute("Find1")); // cancelled find dialog
    EXPECT_FALSE(Enabled("Replaceagaindown1"));
    EXPECT_FALSE(Enabled("Replaceundo1"));
}

TEST_F(ReplaceTest, SingleReplacementOfAnotherLengthDropsABlockBehindIt) {
    Open("_xABxyz");
    state().block.begin = 5; // both set: a complete block from 5 to 6
    state().block.end = 6;
    SetStrings("AB", "C");
    ASSERT_TRUE(commands.Execute("Replaceagaindown1"));
    EXPECT_EQ(ui.Count(Msg(2021)), 1);
}

// The executable patch.
const std::string kPascalDelay = "\xF7\xD0\xF7\xD2\xB9\x37";

TEST_F(ReplaceTest, PatchChangesTheFirstOccurrenceOnlyAndKeepsTheCursor) {
    std::string data(99, 'x');
    data += kPascalDelay + '\0' + kPascalDelay;
    OpenBytes(data, 7);
    ASSERT_TRUE(commands.Execute("Patch1"));
    EXPECT_EQ(state().doc.GetByte(105), 0x7E);
    EXPECT_EQ(state().doc.GetByte(112), 0x37) << "the second occurrence stays";
    EXPECT_EQ(ui.Count(Msg(2072)), 1);
    EXPECT_EQ(Cursor(), 7);
    EXPECT_TRUE(state().doc.Modified);
    EXPECT_FALSE(Enabled("Replaceundo1"));
    EXPECT_FALSE(Enabled("Replaceagaindown1"));
    EXPECT_EQ(state().search.findString, kPascalDelay);
}

TEST_F(ReplaceTest, PatchOfAFileWithoutTheCodeSaysSo) {
    OpenBytes("\xF7\xD0\xF7\xD2\xB9\x7E" + std::string(20, 'x'));
    ASSERT_TRUE(commands.Execute("Patch1"));
    EXPECT_EQ(ui.Count(Msg(2071)), 1);
    EXPECT_EQ(ui.Count(Msg(2072)), 0);
    EXPECT_FALSE(state().doc.Modified);
}

// Neither a case-insensitive search nor the joker may let the patch take other bytes for its
// code; the user's find options stay as they were.
TEST_F(ReplaceTest, PatchMatchesItsCodeExactlyWhateverTheFindOptions) {
    const std::string lookalike = "\xF7\xF0\xF7\xF2\xB9\x37"; // F0 and F2 are D0 and D2 in lower case
    const std::string jokered = "\xF7\x2E\xF7\xD2\xB9\x37";
    OpenBytes(lookalike + jokered + kPascalDelay);
    state().options.caseSensitive = false;
    state().options.jokerFind = true;
    state().options.jokerByte = 0xD0;
    ASSERT_TRUE(commands.Execute("Patch1"));
    EXPECT_EQ(ui.Count(Msg(2072)), 1);
    const std::string patched = "\xF7\xD0\xF7\xD2\xB9\x7E";
    std::string bytes;
    for (int64_t p = 1; p <= state().doc.Size(); ++p)
        bytes += static_cast<char>(state().doc.GetByte(p));
    EXPECT_EQ(bytes, lookalike + jokered + patched);
    EXPECT_FALSE(state().options.caseSensitive);
    EXPECT_TRUE(state().options.jokerFind);
}

TEST_F(ReplaceTest, PatchMenuItemNeedsBytes) {
    OpenBytes("");
    commands.MenuOpened("Tools1");
    EXPECT_FALSE(Enabled("Patch1"));
    OpenBytes("x");
    commands.MenuOpened("Tools1");
    EXPECT_TRUE(Enabled("Patch1"));
}

} // namespace
} // namespace qhe
