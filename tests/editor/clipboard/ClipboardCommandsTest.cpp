#include <functional>
#include <map>

#include "core/text/Format.h"
#include "editor/blocks/BlockTestFixture.h"
#include "editor/clipboard/ClipboardCommands.h"
#include "editor/clipboard/ClipboardFormat.h"

namespace qhe::test {
namespace {

// A command on a markup (see BlockTest) with a clipboard holding private bytes or text.
struct Case {
    const char* command;
    const char* before;
    std::optional<std::string> privateBytes; // on the clipboard before
    std::optional<std::string> text;
    const char* after;
    std::vector<int> messages; // catalogue ids, in order
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << c.command << " on " << c.before;
}

class ClipboardTest : public BlockTest {
  protected:
    void Run(const std::string& command) {
        const std::map<std::string, std::function<void()>> table = {
            {"cut", [this] { clipboard.Cut1Click(true); }},
            {"copy", [this] { clipboard.Cut1Click(false); }},
            {"paste", [this] { clipboard.Paste1Click(); }},
            {"copyhex", [this] { clipboard.Copyhex1Click(); }},
            {"pastehex", [this] { clipboard.Pastefromhexstring1Click(); }},
        };
        table.at(command)();
    }
    std::vector<int> Ids() const {
        std::vector<int> ids;
        for (const auto& m : ui.messages) {
            int found = -1;
            for (int id : {2004, 2019, 2021, 2023, 2044, 2060, 2084, 2099})
                if (m.text == Msg(id) || m.text == FormatMsg(id, {32768}) || m.text == FormatMsg(id, {512}))
                    found = id;
            ids.push_back(found);
        }
        return ids;
    }

    ClipboardCommands clipboard{state, blocks};
};

class ClipboardCommandTest : public ClipboardTest, public ::testing::WithParamInterface<Case> {};

TEST_P(ClipboardCommandTest, GivesTheMarkup) {
    const Case& c = GetParam();
    Load(c.before);
    ui.clipboardBytes = c.privateBytes;
    ui.clipboardText = c.text;
    Run(c.command);
    EXPECT_EQ(Markup(), c.after);
    EXPECT_EQ(Ids(), c.messages);
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_EQ(state.doc.Modified, std::string(c.before) != c.after);
}

using S = std::string;
const Case kCases[] = {
    // Cut leaves the cursor on its old position (clamped to the new size).
    {"cut", "ab[cd]ef_gh", {}, {}, "abefg_h", {}},
    {"cut", "abc[de]_fgh", {}, {}, "abcfg_h", {}},
    {"cut", "ab[cde_f]", {}, {}, "a_b", {}},
    {"cut", "ab_cdef", {}, {}, "ab_cdef", {2023}},
    {"copy", "ab[cd]ef_gh", {}, {}, "ab[cd]ef_gh", {}},
    {"copy", "a[b_cdef", {}, {}, "a[b_cdef", {2023}}, // a half-set block is no block
    // Paste always inserts before the cursor and leaves the cursor on the first pasted byte.
    {"paste", "ab_cd", S("XY"), {}, "ab_XYcd", {}},
    {"paste", "ab_cd", {}, S("XY"), "ab_XYcd", {}},
    {"paste", "ab_cd", {}, S("XY\0Z", 4), "ab_XYcd", {}}, // text stops at its zero byte
    {"paste", "ab_cd", S("P"), S("T"), "ab_Pcd", {}},     // the private format comes first
    {"paste", "ab_cd", {}, {}, "ab_cd", {}},
    {"paste", "ab_cd", S(""), {}, "ab_cd", {}},
    {"paste", "a[b]c_d", S("X"), {}, "a[b]c_Xd", {}}, // a block before the cursor stays
    {"paste", "a[bc_d]", S("X"), {}, "abc_Xd", {2021}},
    {"paste", "a[b]_cd", S("X"), {}, "a[b]_Xcd", {}},
    {"pastehex", "ab_cd", {}, S("0a 41"), "ab\nA_cd", {}},
    {"pastehex", "ab_cd", {}, S("0A41"), "ab\nA_cd", {}},
    {"pastehex", "abc_d", {}, S("414243"), "abcABC_d", {}},
    {"pastehex", "abc_d", {}, S("4142"), "abcAB_d", {}},
    {"pastehex", "ab_cd", {}, S("0A 41 "), "ab_cd", {2099}},
    {"pastehex", "ab_cd", {}, S("0A4"), "ab_cd", {2099}},
    {"pastehex", "ab_cd", {}, S("0A-41"), "ab_cd", {2099}},
    {"pastehex", "ab_cd", {}, S("0G"), "ab_cd", {2099}},
    {"pastehex", "ab_cd", {}, {}, "ab_cd", {}}, // no text: nothing to insert
    {"pastehex", "a[bcd]_e", {}, S("41"), "a[bcd]A_e", {}},
    // An insert inside the block drops it, although the cursor ends after the block.
    {"pastehex", "a[bc_d]e", {}, S("41"), "abcA_de", {2021}},
    {"copyhex", "ab_cd", {}, {}, "ab_cd", {2023}},
};

INSTANTIATE_TEST_SUITE_P(Commands, ClipboardCommandTest, ::testing::ValuesIn(kCases));

TEST_F(ClipboardTest, CopyPutsThePrivateFormatAndPasteGivesItBack) {
    Load("_a[bxc]d");
    state.doc.SetByte(3, 0);
    clipboard.Cut1Click(false);
    ASSERT_TRUE(ui.clipboardBytes);
    EXPECT_EQ(EncodeQzBinary(*ui.clipboardBytes), S("\x03\0\0\0b\0c", 7));
    EXPECT_FALSE(ui.clipboardText); // no text alongside
    clipboard.Paste1Click();
    EXPECT_EQ(state.doc.Size(), 8);
    EXPECT_EQ(state.doc.GetByte(2), 0);
}

TEST_F(ClipboardTest, FailedCopyLeavesTheCutBlockInPlace) {
    Load("ab[cd]ef_gh");
    ui.failSet = true;
    clipboard.Cut1Click(true);
    EXPECT_EQ(Markup(), "ab[cd]ef_gh");
    EXPECT_EQ(Ids(), std::vector<int>{2060});
    EXPECT_FALSE(state.doc.Modified);
}

TEST_F(ClipboardTest, CutDisablesTheReplaceUndo) {
    Load("ab[cd]ef_gh");
    state.actions.SetEnabled("Replaceundo1", true);
    clipboard.Cut1Click(true);
    EXPECT_FALSE(state.actions.Enabled("Replaceundo1"));
}

TEST_F(ClipboardTest, PasteBeforeTheLastReplacementDisablesItsUndo) {
    Load("ab_cdefgh");
    state.lastReplaceAddress = 5;
    state.lastReplaceLength = 2;
    state.actions.SetEnabled("Replaceundo1", true);
    ui.clipboardBytes = "X";
    clipboard.Paste1Click();
    EXPECT_FALSE(state.actions.Enabled("Replaceundo1"));
}

TEST_F(ClipboardTest, CopyHexGivesTheCanonicalText) {
    Load("[ab]_c");
    state.doc.SetByte(1, 0x0A);
    state.doc.SetByte(2, 0xFF);
    clipboard.Copyhex1Click();
    EXPECT_EQ(ui.clipboardText, S("0A FF"));
    EXPECT_FALSE(ui.clipboardBytes);
    Load("[a]_c");
    clipboard.Copyhex1Click();
    EXPECT_EQ(ui.clipboardText, S("61"));
}

TEST_F(ClipboardTest, LargeHexCopyAsksFirst) {
    // 10923 bytes give 32768 characters: no question; one byte more asks 2084.
    Open(10924);
    BlockMarking(state).SetBlock(1, 10923);
    clipboard.Copyhex1Click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.clipboardText->size(), 32768u);
    ui.ClearClipboard();
    BlockMarking(state).SetBlock(1, 10924);
    ui.answers.push_back(mrNo);
    clipboard.Copyhex1Click();
    EXPECT_EQ(Ids(), std::vector<int>{2084});
    EXPECT_FALSE(ui.clipboardText);
    ui.answers.push_back(mrYes);
    clipboard.Copyhex1Click();
    EXPECT_EQ(ui.clipboardText->size(), 3u * 10924 - 1);
}

TEST_F(ClipboardTest, CancelledHexCopyLeavesTheClipboard) {
    Open(5000);
    BlockMarking(state).SetBlock(1, 5000);
    ui.clipboardBytes = "keep";
    ui.cancelAfterUpdates = 1;
    clipboard.Copyhex1Click();
    EXPECT_EQ(ui.clipboardBytes, S("keep"));
    EXPECT_EQ(ui.progress.destroyed, ui.progress.created);
}

TEST_F(ClipboardTest, SizeCheckAtExitOffersToEmptyALargeOwnedClipboard) {
    struct Check {
        std::optional<std::string> bytes, text;
        bool owned;
        int answer;
        bool asked, emptied;
    };
    const Check checks[] = {
        {std::string(508, 'x'), {}, true, mrYes, false, false}, // 512 bytes with the count
        {std::string(509, 'x'), {}, true, mrYes, true, true},
        {std::string(509, 'x'), {}, true, mrNo, true, false},
        {{}, std::string(511, 'x'), true, mrYes, false, false}, // 512 with the zero
        {{}, std::string(512, 'x'), true, mrYes, true, true},
        {std::string(600, 'x'), {}, false, mrYes, false, false}, // another program's data
    };
    for (const Check& c : checks) {
        ui.messages.clear();
        ui.clipboardBytes = c.bytes;
        ui.clipboardText = c.text;
        ui.ownsClipboard = c.owned;
        ui.answers = {c.answer};
        clipboard.ClipboardCheckAtExit();
        EXPECT_EQ(ui.Count(FormatMsg(2019, {512})), c.asked ? 1 : 0);
        EXPECT_EQ(!ui.clipboardBytes && !ui.clipboardText, c.emptied);
    }
}

TEST_F(ClipboardTest, PasteItemsFollowTheClipboardWhileADocumentIsOpen) {
    Load("ab_cd");
    clipboard.ClipboardChanged();
    EXPECT_FALSE(state.actions.Enabled("Paste1"));
    EXPECT_FALSE(state.actions.Enabled("Pastefromhexstring1"));
    ui.clipboardBytes = "x";
    clipboard.ClipboardChanged();
    EXPECT_TRUE(state.actions.Enabled("Paste1"));
    EXPECT_TRUE(state.actions.Enabled("QZBtnPaste"));
    EXPECT_FALSE(state.actions.Enabled("Pastefromhexstring1"));
    ui.SetClipboardText("41");
    clipboard.ClipboardChanged();
    EXPECT_TRUE(state.actions.Enabled("Pastefromhexstring1"));
}

} // namespace
} // namespace qhe::test
