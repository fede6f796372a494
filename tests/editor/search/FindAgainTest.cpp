#include "FindTestFixture.h"

#include <algorithm>

namespace qhe {
namespace {

using test::FindTest;

struct FindAgainCase {
    const char* markup; // '_' cursor, '{' expected hit (none: not found)
    const char* pattern;
    bool down;
    bool cursorOnLastHit; // the last hit starts at the cursor
    bool caseSensitive = true;
    bool joker = false;
};

class FindAgainCases : public FindTest, public ::testing::WithParamInterface<FindAgainCase> {};

TEST_P(FindAgainCases, HitOrNotFound) {
    const FindAgainCase& c = GetParam();
    const Markup m = Open(c.markup);
    state().options.caseSensitive = c.caseSensitive;
    state().options.jokerFind = c.joker;
    SetPattern(c.pattern);
    if (c.cursorOnLastHit) state().lastFoundAddress = m.cursor;
    ASSERT_TRUE(commands.Execute(c.down ? "Findagaindown1" : "Findagainup1"));
    if (m.expected > 0) {
        EXPECT_EQ(Cursor(), m.expected);
        EXPECT_EQ(state().lastFoundAddress, m.expected);
        EXPECT_EQ(NotFoundMessages(), 0);
    } else {
        EXPECT_EQ(Cursor(), m.cursor) << "the cursor stays";
        EXPECT_EQ(NotFoundMessages(), 1);
    }
    EXPECT_EQ(ui.progress.created, ui.progress.destroyed);
    EXPECT_EQ(ui.progress.caption, "正在搜索...");
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindAgainCases,
    ::testing::Values(
        // Down from the cursor: a hit on the cursor itself counts unless it is the last hit.
        FindAgainCase{"xx_{AB}AB", "AB", true, false}, FindAgainCase{"_xAB{AB}", "AB", true, true},
        FindAgainCase{"_x{AB}AB", "AB", true, false},
        // On the last hit the next one starts n bytes later; one byte on, hits may overlap.
        FindAgainCase{"_AA{AA}", "AA", true, true}, FindAgainCase{"A_{AA}A", "AA", true, false},
        FindAgainCase{"x_x{AB}", "AB", true, false}, FindAgainCase{"AB_xx", "AB", true, false},
        FindAgainCase{"AB_A", "AB", true, false},
        // Up: a hit ending on the cursor byte is found, one ending after it is not.
        FindAgainCase{"{AB}x_x", "AB", false, false}, FindAgainCase{"x{A_B}x", "AB", false, false},
        FindAgainCase{"xx_ABx", "AB", false, false}, FindAgainCase{"{AB}xx_AB", "AB", false, true},
        FindAgainCase{"A{A_A}A", "AA", false, false}, FindAgainCase{"{AA}_AA", "AA", false, true},
        // Case option.
        FindAgainCase{"_xAB{ab}", "ab", true, false, true},
        FindAgainCase{"_x{AB}ab", "ab", true, false, false},
        FindAgainCase{"_x{aB}ab", "Ab", true, false, false},
        FindAgainCase{"{\xE9t_\xC9}", "\xC9T\xC9", false, false, false}, // é folds to É in code page 1252
        // Joker '.', on and off.
        FindAgainCase{"_A.x{AXC}", "A.C", true, false, true, true},
        FindAgainCase{"_AXC{A.C}", "A.C", true, false, true, false},
        FindAgainCase{"{A\x01\x02}_D", "A..", false, false, true, true}));

TEST_F(FindTest, FindAgainAfterAReplacementStartsBehindIt) {
    const Markup m = Open("X_YXY");
    SetPattern("Y");
    state().search.replaceString = "XY";
    state().lastReplaceAddress = 1; // the cursor stands on its last byte
    ASSERT_TRUE(commands.Execute("Findagaindown1"));
    EXPECT_EQ(Cursor(), 4);
    (void)m;
}

TEST_F(FindTest, ReplaceStringWithoutAReplacementDoesNotMoveTheStart) {
    Open("_YXY");
    SetPattern("Y");
    state().search.replaceString = "XY"; // no replacement yet: lastReplaceAddress 0
    ASSERT_TRUE(commands.Execute("Findagaindown1"));
    EXPECT_EQ(Cursor(), 1);
}

TEST_F(FindTest, ReplaceModeKeepsTheStartWhereAnEmptyReplacementDeletedTheHit) {
    Open("xxABAB");
    state().search.findString = "AB";
    state().lastReplaceAddress = 3;
    state().lastFoundAddress = 3;
    test::FakeProgress::Log log;
    test::FakeProgress progress(log, -1);
    bool found = false, cancelled = false;
    int64_t p = 3;
    commands.Find().FindNext(p, found, cancelled, true, true, progress);
    EXPECT_TRUE(found);
    EXPECT_EQ(p, 3);
    p = 3;
    commands.Find().FindNext(p, found, cancelled, false, true, progress);
    EXPECT_EQ(p, 5) << "outside replace mode the last hit is skipped";
}

TEST_F(FindTest, UpwardSearchFromBehindTheLastByteSearchesFromTheLastByte) {
    Open("xAB");
    state().search.findString = "AB";
    test::FakeProgress::Log log;
    test::FakeProgress progress(log, -1);
    bool found = false, cancelled = false;
    int64_t p = 4;
    commands.Find().FindPrevious(p, found, cancelled, progress);
    EXPECT_TRUE(found);
    EXPECT_EQ(p, 2);
}

TEST_F(FindTest, FindAgainItemsWaitForAFindString) {
    Open("_AB");
    EXPECT_FALSE(state().actions.Enabled("Findagaindown1"));
    EXPECT_FALSE(state().actions.Enabled("Findagainup1"));
    EXPECT_FALSE(commands.Execute("Findagaindown1"));
    EXPECT_TRUE(state().actions.Enabled("Find1"));
    EXPECT_TRUE(state().actions.Enabled("QZBtnFind"));
    EXPECT_TRUE(state().actions.Enabled("Count1"));
}

TEST_F(FindTest, CancelledSearchEndsSilently) {
    OpenBytes(std::string(4 * 1024 * 1024, 'x') + "AB", 10);
    SetPattern("AB");
    ui.cancelAfterUpdates = 1;
    ASSERT_TRUE(commands.Execute("Findagaindown1"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(Cursor(), 10);
    EXPECT_EQ(state().lastFoundAddress, 0);
    EXPECT_EQ(ui.progress.created, ui.progress.destroyed);
}

TEST_F(FindTest, UpwardGaugeCountsTheBytesSearched) {
    OpenBytes(std::string(4 * 1024 * 1024, 'x'), 1);
    MoveCursor(state().doc.Size());
    SetPattern("AB");
    ui.progress.gaugeValues.clear();
    ASSERT_TRUE(commands.Execute("Findagainup1"));
    const auto& gauge = ui.progress.gaugeValues;
    ASSERT_FALSE(gauge.empty());
    EXPECT_TRUE(std::is_sorted(gauge.begin(), gauge.end()));
    EXPECT_GT(gauge.back(), 50);
    EXPECT_EQ(NotFoundMessages(), 1);
}

} // namespace
} // namespace qhe
