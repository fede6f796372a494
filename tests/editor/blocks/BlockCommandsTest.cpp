#include <functional>

#include "editor/blocks/BlockTestFixture.h"

namespace qhe::test {
namespace {

struct Case {
    const char* command;
    const char* before;
    const char* after;
    std::vector<int> messages; // catalogue ids, in order
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << c.command << " on " << c.before;
}

class BlockCommandTest : public BlockTest, public ::testing::WithParamInterface<Case> {
  protected:
    void Run(const std::string& command) {
        const std::map<std::string, std::function<void()>> table = {
            {"copy", [this] { blocks.Blockcopy1Click(BlockCopyKind::Copy); }},
            {"over", [this] { blocks.Blockcopy1Click(BlockCopyKind::CopyOverwrite); }},
            {"move", [this] { blocks.Blockcopy1Click(BlockCopyKind::Move); }},
            {"delete", [this] { blocks.Blockdelete1Click(); }},
            {"from", [this] { blocks.Deletefromcursor1Click(); }},
            {"to", [this] { blocks.Deletetocursor1Click(); }},
        };
        table.at(command)();
    }
};

TEST_P(BlockCommandTest, GivesTheMarkup) {
    const Case& c = GetParam();
    Load(c.before);
    Run(c.command);
    EXPECT_EQ(Markup(), c.after);
    EXPECT_EQ(MessageIds(), c.messages);
    EXPECT_EQ(ui.busyDepth, 0);
    // A command changes the Document exactly when it does something; a refused one leaves
    // Modified alone.
    EXPECT_EQ(state.doc.Modified, std::string(c.before) != c.after);
    // The block's items follow the block.
    EXPECT_EQ(state.actions.Enabled("Blockdelete1"), state.block.Complete());
    EXPECT_EQ(state.actions.Enabled("QZBtnDel"), state.block.Complete());
    EXPECT_EQ(state.actions.Enabled("Blockmove1"), state.block.Complete());
}

const Case kCopyCases[] = {
    {"copy", "ab[cd]ef_gh", "abcdef[_cd]gh", {}},
    {"copy", "_ab[cd]ef", "[_cd]abcdef", {}},
    {"copy", "ab[_cd]ef", "ab[_cd]cdef", {}}, // on the block's begin: a second copy before it
    {"copy", "ab[cd]_ef", "abcd[_cd]ef", {}}, // directly after the block
    {"copy", "ab[cd]efg_h", "abcdefg[_cd]h", {}},
    {"copy", "ab[c_d]ef", "ab[c_d]ef", {2026}},
    {"copy", "ab[cde_f]g", "ab[cde_f]g", {2026}},
    {"copy", "ab_cdef", "ab_cdef", {2023}},
    {"copy", "a[b_cdef", "a[b_cdef", {2023}}, // a half-set block is no block
    {"over", "ab[cd]ef_gh", "abcdef[_cd]", {}},
    {"over", "ab[cd]_ef", "abcd[_cd]", {}},
    {"over", "ab[cd]efg_h", "ab[cd]efg_h", {2028}},
    {"over", "ab[_cd]ef", "ab[_cd]ef", {2076}},
    {"over", "ab[c_d]ef", "ab[c_d]ef", {2026}},
    // The target overlaps the block from below: the block's old bytes arrive whole.
    {"over", "a_bc[def]gh", "a[_def]efgh", {}},
    {"over", "ab_c[def]g", "ab[_def]fg", {}},
    {"over", "[_abcd]ef", "[_abcd]ef", {2076}},
    {"move", "ab[cde]fghi_jkl", "abfghi[cde]_jkl", {}},
    {"move", "a_bcdefg[hi]jkl", "a[_hi]bcdefgjkl", {}},
    {"move", "[ab]cde_f", "cde[ab]_f", {}},
    {"move", "ab[cd]e_f", "abe[cd]_f", {}},
    {"move", "_abc[de]f", "[_de]abcf", {}},
    {"move", "_a[bcdef]", "[_bcdef]a", {}},
    {"move", "ab[_cd]ef", "ab[_cd]ef", {2076}},
    {"move", "ab[cd]_ef", "ab[cd]_ef", {2076}},
    {"move", "ab[c_d]ef", "ab[c_d]ef", {2026}},
    {"move", "_abcdef", "_abcdef", {2023}},
};

const Case kDeleteCases[] = {
    {"delete", "ab[cd]e_f", "ab_ef", {}},
    {"delete", "ab[c_d]", "a_b", {}},
    {"delete", "_[abc]", "", {}}, // the whole Document
    {"delete", "[a]b_c", "_bc", {}},
    {"delete", "ab_cd", "ab_cd", {2023}},
    {"from", "ab_cdef", "a_b", {}},
    {"from", "_abc", "", {}},
    {"from", "abc_d", "ab_c", {}},
    {"from", "[ab]cd_ef", "[ab]c_d", {}},
    {"from", "a[bc]_def", "a[b_c]", {}},
    {"from", "a[bc_de]f", "ab_c", {2021}},
    {"to", "ab_cdef", "_def", {}},
    {"to", "abc_d", "", {}},
    {"to", "_abc", "_bc", {}},
    {"to", "[ab]c_def", "_ef", {2021}},
    {"to", "abc_d[ef]", "_ef", {2021}}, // every byte moved: any block is dropped
};

INSTANTIATE_TEST_SUITE_P(CopyAndMove, BlockCommandTest, ::testing::ValuesIn(kCopyCases));
INSTANTIATE_TEST_SUITE_P(Deletions, BlockCommandTest, ::testing::ValuesIn(kDeleteCases));

// The items enabled exactly while a complete block exists and that this build provides.
const char* const kBlockItems[] = {"Blockdelete1",   "QZBtnDel",   "Blockcopy1",
                                   "Blockcopyovwr1", "Blockmove1", "Writeblock1"};

TEST_F(BlockTest, CtrlBMarksBeginThenEndThenStartsAgain) {
    Open(40);
    view.ShowAddress(20, true, false);
    blocks.Blockmark1Click();
    EXPECT_EQ(state.block.begin, 20);
    EXPECT_TRUE(state.actions.Enabled("Blockunmark1"));
    for (const char* item : kBlockItems)
        EXPECT_FALSE(state.actions.Enabled(item)) << item;
    view.ShowAddress(10, true, false);
    blocks.Blockmark1Click();
    EXPECT_EQ(BlockText(), "10..20");
    for (const char* item : kBlockItems)
        EXPECT_TRUE(state.actions.Enabled(item)) << item;
    EXPECT_TRUE(state.actions.Enabled("QZBtnCut")); // the clipboard items join the group
    EXPECT_FALSE(state.actions.Enabled("Print1")); // not in this build
    view.ShowAddress(30, true, false);
    blocks.Blockmark1Click();
    EXPECT_EQ(state.block.begin, 30);
    EXPECT_EQ(state.block.end, 0);
    for (const char* item : kBlockItems)
        EXPECT_FALSE(state.actions.Enabled(item)) << item;
    blocks.Blockunmark1Click();
    EXPECT_EQ(state.block.begin, 0);
    EXPECT_FALSE(state.actions.Enabled("Blockunmark1"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BlockTest, CommandsOnAnEmptyDocumentDoNothing) {
    Open(0);
    blocks.Blockmark1Click();
    blocks.Blocknchars1Click();
    blocks.Deletefromcursor1Click();
    blocks.Deletetocursor1Click();
    EXPECT_EQ(state.block.begin, 0);
    EXPECT_FALSE(state.actions.Enabled("Blockunmark1"));
    EXPECT_TRUE(ui.blockLengthRequests.empty());
    EXPECT_FALSE(state.doc.Modified);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BlockTest, MarkNBytesMarksFromTheCursor) {
    Load("abcd_efghij");
    ui.blockLengths = {std::nullopt, 10, 3};
    blocks.Blocknchars1Click(); // Cancel
    EXPECT_EQ(Markup(), "abcd_efghij");
    ASSERT_EQ(ui.blockLengthRequests.size(), 1u);
    EXPECT_EQ(ui.blockLengthRequests[0].cursor, 5);
    EXPECT_EQ(ui.blockLengthRequests[0].size, 10);
    EXPECT_EQ(ui.blockLengthRequests[0].text, "0");
    blocks.Blocknchars1Click(); // a length the dialog should have refused is never marked
    EXPECT_EQ(Markup(), "abcd_efghij");
    EXPECT_EQ(MessageIds(), std::vector<int>{2024});
    blocks.Blocknchars1Click();
    EXPECT_EQ(Markup(), "abcd[_efg]hij");
    EXPECT_TRUE(state.actions.Enabled("Blockunmark1"));
    for (const char* item : kBlockItems)
        EXPECT_TRUE(state.actions.Enabled(item)) << item;
}

TEST_F(BlockTest, DeleteBlockAnswersWhetherItDeletedOrdinarily) {
    Load("a[bc]_d");
    EXPECT_TRUE(blocks.DeleteBlock());
    EXPECT_EQ(Markup(), "a_d");
    EXPECT_FALSE(blocks.DeleteBlock()); // no block
    EXPECT_EQ(MessageIds(), std::vector<int>{2023});
    Load("[_ab]");
    EXPECT_FALSE(blocks.DeleteBlock()); // the whole Document
    EXPECT_EQ(state.doc.Size(), 0);
    EXPECT_TRUE(state.doc.Modified);
    EXPECT_FALSE(state.actions.Enabled("Blockunmark1"));
}

TEST_F(BlockTest, CopyAndMoveShowBusyTextsAndRefillTheCells) {
    Load("ab[cd]ef_gh");
    blocks.Blockcopy1Click(BlockCopyKind::Move);
    EXPECT_EQ(Markup(), "abef[cd]_gh");
    EXPECT_EQ(ui.busyTexts, (std::vector<std::string>{Msg(2032), Msg(2031), Msg(2031)}));
    for (int64_t p = 1; p <= state.doc.Size(); ++p) {
        const CellPos cell = view.CellOfPosition(p);
        EXPECT_EQ(v().TextCell(cell.col, cell.row), view.TextOf(state.doc.GetByte(p))) << p;
    }
}

TEST_F(BlockTest, GrowingBeyondTheLimitLeavesEverythingAsItWas) {
    Load("ab[cd]ef_gh");
    // A Size at the 2 GiB limit makes every growth fail before any byte is touched.
    const int32_t realSize = state.doc.Size();
    state.doc.SetSize(static_cast<int32_t>(kMaxDocumentSize - 1));
    blocks.Blockcopy1Click(BlockCopyKind::Copy);
    blocks.Blockcopy1Click(BlockCopyKind::Move);
    EXPECT_EQ(state.doc.Size(), kMaxDocumentSize - 1);
    state.doc.SetSize(realSize);
    EXPECT_EQ(Markup(), "ab[cd]ef_gh");
    EXPECT_EQ(MessageIds(), (std::vector<int>{2004, 2004}));
    EXPECT_FALSE(state.doc.Modified);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(BlockTest, EditsDisableReplaceUndoWhereTheReplacementIsTouched) {
    Load("ab[cd]efgh_ij");
    state.actions.SetTag("Replaceundo1", 0); // as a build with replace would have it
    state.actions.SetEnabled("Replaceundo1", true);
    state.lastReplaceAddress = 2;
    state.lastReplaceLength = 3;     // bytes 2..4
    blocks.Deletefromcursor1Click(); // from 9: the replacement stays
    EXPECT_TRUE(state.actions.Enabled("Replaceundo1"));
    view.ShowAddress(4, true, false);
    blocks.Deletefromcursor1Click(); // from 4: its last byte goes
    EXPECT_FALSE(state.actions.Enabled("Replaceundo1"));
    for (BlockCopyKind kind : {BlockCopyKind::Copy, BlockCopyKind::CopyOverwrite}) {
        Load("[ab]c_def");
        state.actions.SetEnabled("Replaceundo1", true);
        blocks.Blockcopy1Click(kind);
        EXPECT_FALSE(state.actions.Enabled("Replaceundo1"));
    }
}

} // namespace
} // namespace qhe::test
