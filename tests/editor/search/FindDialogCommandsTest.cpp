#include "FindTestFixture.h"

#include <sstream>

#include "core/search/SearchPattern.h"
#include "editor/HeadlessUi.h"

namespace qhe {
namespace {

using test::FindTest;

FindOptions Options(bool down, bool fromCursor) {
    FindOptions o;
    o.findDown = down;
    o.scopeFromCursor = fromCursor;
    return o;
}

TEST_F(FindTest, FindDialogGetsTheStoredOptionsAndTheCursorBytes) {
    Open("xy_zw");
    state().options.caseSensitive = false;
    state().options.jokerFind = true;
    state().options.jokerByte = 0x3F;
    state().options.findHex = false;
    state().options.unicodeFind = true;
    state().options.findDown = false;
    state().options.scope = false;
    state().options.byteOrder = 1;
    ASSERT_TRUE(commands.Execute("Find1"));
    // Cancelled (no answer): nothing searched.
    EXPECT_TRUE(ui.messages.empty());
    AnswerDialog(FindOptions{}, "z");
    ASSERT_TRUE(commands.Execute("QZBtnFind"));
    ASSERT_EQ(requests.size(), 1u);
    const FindDialogRequest& r = requests[0];
    EXPECT_FALSE(r.count);
    EXPECT_EQ(r.byteOrder, 1);
    const FindOptions expected{false, true, 0x3F, false, true, false, false};
    EXPECT_EQ(r.options, expected);
    ASSERT_TRUE(r.documentByteAt);
    EXPECT_EQ(r.documentByteAt(0), std::optional<uint8_t>('z'));
    EXPECT_EQ(r.documentByteAt(1), std::optional<uint8_t>('w'));
    EXPECT_EQ(r.documentByteAt(2), std::nullopt);
}

TEST_F(FindTest, ConfirmedFindStoresOptionsAndPatternThenSearches) {
    Open("ab_cd{AB}");
    FindOptions chosen = Options(true, true);
    chosen.caseSensitive = false;
    chosen.findHex = false;
    chosen.unicodeFind = true;
    chosen.jokerByte = 0x2A;
    AnswerDialog(chosen, "ab");
    ASSERT_TRUE(commands.Execute("Find1"));
    EXPECT_EQ(Cursor(), 5);
    EXPECT_EQ(state().search.findString, "ab");
    EXPECT_FALSE(state().options.caseSensitive);
    EXPECT_FALSE(state().options.findHex);
    EXPECT_TRUE(state().options.unicodeFind);
    EXPECT_EQ(state().options.jokerByte, 0x2A);
    EXPECT_TRUE(state().actions.Enabled("Findagaindown1"));
    EXPECT_TRUE(state().actions.Enabled("Findagainup1"));
}

TEST_F(FindTest, ScopeFromTheDocumentEndsAppliesToTheDialogOnly) {
    Open("{AB}x_xABx");
    AnswerDialog(Options(true, false), "AB");
    ASSERT_TRUE(commands.Execute("Find1"));
    EXPECT_EQ(Cursor(), 1) << "down from the beginning, not from the cursor";
    ASSERT_TRUE(commands.Execute("Findagaindown1"));
    EXPECT_EQ(Cursor(), 5) << "F3 starts at the cursor";

    MoveCursor(2);
    AnswerDialog(Options(false, false), "AB");
    ASSERT_TRUE(commands.Execute("Find1"));
    EXPECT_EQ(Cursor(), 5) << "up from the end";
    EXPECT_EQ(NotFoundMessages(), 0);
}

TEST_F(FindTest, Utf16PatternFromTheDialogIsFoundInWideText) {
    Open(std::string("_AB") + std::string("A\0B\0", 4));
    AnswerDialog(Options(true, true), std::string("A\0B\0", 4));
    ASSERT_TRUE(commands.Execute("Find1"));
    EXPECT_EQ(Cursor(), 3);
}

TEST_F(FindTest, CancelledFindDisablesFindAgainButCancelledCountDoesNot) {
    Open("_AB");
    SetPattern("AB");
    ASSERT_TRUE(commands.Execute("Count1")); // no answer: Cancel
    EXPECT_TRUE(state().actions.Enabled("Findagaindown1"));
    ASSERT_TRUE(commands.Execute("Find1"));
    EXPECT_FALSE(state().actions.Enabled("Findagaindown1"));
    EXPECT_FALSE(state().actions.Enabled("Findagainup1"));
    EXPECT_EQ(state().search.findString, "AB") << "the pattern survives a cancelled dialog";
    EXPECT_TRUE(ui.memos.empty());
}

TEST_F(FindTest, NotFoundFromTheDialogShowsTheMessage) {
    Open("_xyz");
    AnswerDialog(Options(true, true), "AB");
    ASSERT_TRUE(commands.Execute("Find1"));
    EXPECT_EQ(NotFoundMessages(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
    EXPECT_EQ(Cursor(), 1);
}

struct CountCase {
    const char* markup; // '_' the cursor, '{' where the cursor ends (none: it stays)
    const char* pattern;
    bool down;
    bool fromCursor;
    const char* memo;
};

class CountCases : public FindTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(CountCases, CountAndCursor) {
    const CountCase& c = GetParam();
    const Markup m = Open(c.markup);
    AnswerDialog(Options(c.down, c.fromCursor), c.pattern);
    ASSERT_TRUE(commands.Execute("Count1"));
    ASSERT_EQ(ui.memos.size(), 1u);
    EXPECT_EQ(ui.memos[0].first, "信息");
    EXPECT_EQ(ui.memos[0].second, c.memo);
    EXPECT_EQ(Cursor(), m.expected > 0 ? m.expected : m.cursor);
    EXPECT_EQ(requests.at(0).count, true);
    EXPECT_FALSE(state().actions.Enabled("Findagaindown1")) << "Count leaves the menu items alone";
}

INSTANTIATE_TEST_SUITE_P(Table, CountCases,
                         ::testing::Values(CountCase{"_AA{A}A", "AA", true, true, "现有的已发现:2"},
                                           CountCase{"{A}AA_A", "AA", false, false, "现有的已发现:2"},
                                           CountCase{"_{A}AAA", "AA", false, false, "现有的已发现:2"},
                                           CountCase{"AB_xx{AB}", "AB", true, true, "现有的已发现:1"},
                                           CountCase{"AB_xx{AB}", "AB", true, false, "现有的已发现:2"},
                                           CountCase{"{AB}x_AB", "AB", false, true, "现有的已发现:1"},
                                           CountCase{"x_yz", "AB", true, false, "现有的已发现:0"}));

TEST_F(FindTest, CountShowsThousandsSeparators) {
    OpenBytes(std::string(1234, 'A'), 1);
    AnswerDialog(Options(true, true), "A");
    ASSERT_TRUE(commands.Execute("Count1"));
    ASSERT_EQ(ui.memos.size(), 1u);
    EXPECT_EQ(ui.memos[0].second, "现有的已发现:1,234");
    EXPECT_EQ(Cursor(), 1234);
}

TEST_F(FindTest, CancelledCountShowsNoTotal) {
    OpenBytes(std::string(4 * 1024 * 1024, 'x'), 5);
    AnswerDialog(Options(true, true), "x");
    ui.cancelAfterUpdates = 1;
    ASSERT_TRUE(commands.Execute("Count1"));
    EXPECT_TRUE(ui.memos.empty());
    EXPECT_EQ(Cursor(), 5);
    EXPECT_EQ(ui.progress.created, ui.progress.destroyed);
}

TEST(HeadlessFindDialog, AnswersCancelAndSaysWhich) {
    std::ostringstream out;
    HeadlessUi ui(out);
    FindDialogRequest request;
    request.count = true;
    EXPECT_FALSE(ui.RunFindDialog(request).has_value());
    EXPECT_EQ(out.str(), "统计:\n  -> 取消\n");
}

struct CheckCase {
    FindEntries entries;
    FindCheck::Outcome outcome;
    int messageId;
    FindField focus;
    std::string pattern;
};

TEST(FindDialogChecks, MessageFocusAndPattern) {
    auto text = [](std::string t, bool utf16 = false, int order = 0) {
        FindEntries e;
        e.jokerText = "2E";
        e.text = std::move(t);
        e.utf16 = utf16;
        e.byteOrder = order;
        return e;
    };
    auto hex = [](std::string h, bool caseSensitive = true, std::string joker = "2E") {
        FindEntries e;
        e.jokerText = std::move(joker);
        e.textForm = false;
        e.hexText = std::move(h);
        e.caseSensitive = caseSensitive;
        e.text = "unused";
        return e;
    };
    using O = FindCheck::Outcome;
    const std::vector<CheckCase> cases = {
        {hex("41", true, ""), O::Error, 2053, FindField::Joker, ""},
        {hex("41", true, "2E 2F"), O::Error, 2053, FindField::Joker, ""},
        {hex("", true, "G1"), O::Error, 2053, FindField::Joker, ""}, // before the empty hex field
        {text(""), O::Error, 2055, FindField::Text, ""},
        {text("AB"), O::Accept, 0, FindField::None, "AB"},
        {text("AB", true, 0), O::Accept, 0, FindField::None, std::string("A\0B\0", 4)},
        {text("AB", true, 1), O::Accept, 0, FindField::None, std::string("\0A\0B", 4)},
        {text("é"), O::Accept, 0, FindField::None, "\xE9"},
        {hex(""), O::Error, 2054, FindField::Hex, ""},
        {hex("4"), O::Error, 2054, FindField::Hex, ""},
        {hex("41 4G"), O::Error, 2054, FindField::Hex, ""},
        {hex("41 0d"), O::Accept, 0, FindField::None, "A\r"},
        {hex("41", false), O::AskCase, 2094, FindField::Hex, "A"},
        {hex("E9", false), O::AskCase, 2094, FindField::Hex, "\xE9"},
        {hex("30 31", false), O::Accept, 0, FindField::None, "01"},
    };
    for (const CheckCase& c : cases) {
        const FindCheck check = CheckFindEntries(c.entries);
        const std::string label = c.entries.textForm ? c.entries.text : c.entries.hexText;
        EXPECT_EQ(check.outcome, c.outcome) << label;
        EXPECT_EQ(check.messageId, c.messageId) << label;
        EXPECT_EQ(check.focus, c.focus) << label;
        if (c.outcome != O::Error) {
            EXPECT_EQ(check.pattern, c.pattern) << label;
        }
    }
    // Text patterns are not asked about case, whatever letters they hold.
    FindEntries lower = text("ab");
    lower.caseSensitive = false;
    EXPECT_EQ(CheckFindEntries(lower).outcome, O::Accept);
    EXPECT_EQ(CheckFindEntries(hex("41", true, "3f")).jokerByte, 0x3F);
}

TEST(FindDialogChecks, TextsAndCaptions) {
    EXPECT_EQ(FindCheckText(2053), Msg(2053));
    EXPECT_FALSE(FindCheckText(2094).empty());
    EXPECT_EQ(Msg(FindDialogCaptionId(false)), "查找");
    EXPECT_EQ(Msg(FindDialogCaptionId(true)), "统计");
    EXPECT_EQ(FindDialogHelpContext(false), 51);
    EXPECT_EQ(FindDialogHelpContext(true), 52);
    EXPECT_EQ(Msg(ScopeEndCaptionId(true)), "开始(&B)");
    EXPECT_EQ(Msg(ScopeEndCaptionId(false)), "结束(&E)");
    EXPECT_EQ(Msg(Utf16CaptionId(0)), "作为Unicode Latin(UTF-&16LE)");
    EXPECT_EQ(Msg(Utf16CaptionId(1)), "作为Unicode Latin(UTF-&16BE)");
}

TEST(FindDialogChecks, OptionsRoundTripThroughThePreferences) {
    OptionsSettings settings;
    const FindOptions chosen{false, true, 0x41, false, true, false, false};
    StoreFindOptions(chosen, settings);
    EXPECT_EQ(FindOptionsOf(settings), chosen);
    EXPECT_FALSE(settings.caseSensitive);
    EXPECT_TRUE(settings.jokerFind);
    EXPECT_EQ(settings.jokerByte, 0x41);
    EXPECT_FALSE(settings.findHex || settings.findDown || settings.scope);
    EXPECT_TRUE(settings.unicodeFind);
}

} // namespace
} // namespace qhe
