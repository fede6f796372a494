#include "editor/blocks/BlockTestFixture.h"
#include "editor/clipboard/StringCommands.h"

namespace qhe::test {
namespace {

using S = std::string;

// Insert string and overwrite string on a markup (see BlockTest), the dialog answering with
// bytes and count.
struct Case {
    bool overwrite;
    const char* before;
    std::string bytes;
    int64_t count;
    const char* after;
    std::vector<int> messages;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << (c.overwrite ? "overwrite " : "insert ") << c.bytes << " on " << c.before;
}

class StringCommandTest : public BlockTest, public ::testing::WithParamInterface<Case> {
  protected:
    StringCommands strings{state};
};

TEST_P(StringCommandTest, GivesTheMarkup) {
    const Case& c = GetParam();
    Load(c.before);
    ui.insertDialog = [&](const InsertDialogRequest& request) -> std::optional<InsertDialogResult> {
        EXPECT_EQ(request.overwrite, c.overwrite);
        return InsertDialogResult{c.bytes, c.count, true, false};
    };
    if (c.overwrite)
        strings.Overwritestring1Click();
    else
        strings.Insert1Click();
    EXPECT_EQ(Markup(), c.after);
    EXPECT_EQ(MessageIds(), c.messages);
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_EQ(state.doc.Modified, std::string(c.before) != c.after);
}

const Case kCases[] = {
    // The cursor ends after the inserted bytes.
    {false, "abc_def", "XY", 3, "abcXYXYXY_def", {}},
    {false, "abc_d", "XY", 1, "abcXY_d", {}},
    {false, "_a", "X", 2, "XX_a", {}},
    // A block reaching the insert position is dropped; one wholly before it stays.
    {false, "a[bc]_d", "X", 1, "a[bc]X_d", {}},
    {false, "a[bc_d]e", "X", 1, "abcX_de", {2021}},
    {false, "_a[bc]d", "X", 1, "X_abcd", {2021}},
    // Overwrite: from the cursor on, never past the last byte; the block stays.
    {true, "ab_cdef", "XYZ", 1, "abXYZ_f", {}},
    {true, "abc_def", "XYZ", 1, "abcXY_Z", {}},
    {true, "abcd_ef", "XYZ", 1, "abcd_ef", {2028}},
    {true, "a[b_cd]ef", "XY", 1, "a[bXY]_ef", {}},
};

INSTANTIATE_TEST_SUITE_P(Strings, StringCommandTest, ::testing::ValuesIn(kCases));

class StringTest : public BlockTest {
  protected:
    StringCommands strings{state};
};

TEST_F(StringTest, DialogOpensWithTheRememberedChoicesAndStoresTheNewOnes) {
    Load("ab_c");
    state.options.insHex = true;
    state.options.unicodeIns = false;
    state.options.byteOrder = 1;
    InsertDialogRequest seen;
    ui.insertDialog = [&](const InsertDialogRequest& request) -> std::optional<InsertDialogResult> {
        seen = request;
        // The right-arrow aid reads the Document at the cursor.
        EXPECT_EQ(request.documentByteAt(0), uint8_t('c'));
        EXPECT_EQ(request.documentByteAt(1), std::nullopt);
        return InsertDialogResult{"X", 1, false, true};
    };
    strings.Insert1Click();
    EXPECT_TRUE(seen.hex);
    EXPECT_FALSE(seen.utf16);
    EXPECT_EQ(seen.byteOrder, 1);
    EXPECT_FALSE(state.options.insHex);
    EXPECT_TRUE(state.options.unicodeIns);
}

TEST_F(StringTest, CancelChangesNothing) {
    Load("ab_c");
    strings.Insert1Click();
    strings.Overwritestring1Click();
    EXPECT_EQ(Markup(), "ab_c");
    EXPECT_FALSE(state.doc.Modified);
}

TEST_F(StringTest, TotalsPastTwoGigabytesAreRefusedWithoutOverflow) {
    Load("ab_c");
    for (int64_t count : {int64_t{INT32_MAX}, int64_t{1} << 62, INT64_MAX}) {
        ui.messages.clear();
        EXPECT_FALSE(strings.InsertRepeated(3, count, "XY"));
        EXPECT_EQ(MessageIds(), std::vector<int>{2004});
        EXPECT_EQ(Markup(), "ab_c");
    }
    EXPECT_FALSE(state.doc.Modified);
}

TEST_F(StringTest, InsertAndOverwriteDisableAnUndoTheyReach) {
    struct Check {
        bool overwrite;
        int64_t cursor;
        bool undoKept;
    };
    // The last replacement stands at 5..6.
    for (const Check c : {Check{false, 6, false}, Check{false, 7, true}, Check{true, 3, true},
                          Check{true, 4, false}, Check{true, 7, true}}) {
        Load("abcdefghij");
        view.ShowAddress(c.cursor, true, false);
        state.lastReplaceAddress = 5;
        state.lastReplaceLength = 2;
        state.actions.SetEnabled("Replaceundo1", true);
        if (c.overwrite)
            strings.OverwriteBytes(c.cursor, "XY");
        else
            strings.InsertRepeated(c.cursor, 1, "XY");
        EXPECT_EQ(state.actions.Enabled("Replaceundo1"), c.undoKept) << c.cursor;
    }
}

} // namespace
} // namespace qhe::test
