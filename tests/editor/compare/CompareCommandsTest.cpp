#include <gtest/gtest.h>

#include <unistd.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "core/text/Format.h"
#include "editor/OwnTexts.h"
#include "core/text/Translation.h"
#include "editor/compare/CompareCommands.h"
#include "editor/file/FileCommands.h"

namespace qhe {
namespace {

class CompareCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(files.AllocateDocument());
        WriteText(a, "0123456789abcdefgh");
        WriteText(b, "0X23456YZ9abcdefgh!");
        compare.show = [this](std::shared_ptr<CompareSession> s) { shown = std::move(s); };
    }
    static void WriteText(const std::string& name, const std::string& text) {
        test::WriteFileBytes(name, std::vector<uint8_t>(text.begin(), text.end()));
    }
    // Runs the shown session to its end a few bytes at a time.
    CompareSession& Finish() {
        EXPECT_TRUE(shown);
        while (!shown->Finished())
            shown->Advance(3);
        return *shown;
    }

    test::TempDir dir;
    std::string a = dir.File("a.bin"), b = dir.File("b.bin");
    test::FakeUi ui;
    EditorState state{ui};
    FileCommands files{state};
    CompareCommands compare{state};
    std::shared_ptr<CompareSession> shown;
};

TEST_F(CompareCommandsTest, WithoutADocumentBothFilesAreChosenAndTheRangesWalked) {
    ui.openFiles = {OpenChoice{a, false}, OpenChoice{b, false}};
    compare.Comparefiles1Click();
    CompareSession& s = Finish();
    EXPECT_EQ(s.Ranges(), (std::vector<DiffRange>{{1, 1, 1, 1}, {7, 7, 2, 2}, {18, 18, 0, 1}}));
    EXPECT_EQ(s.Summary(), Format(kTextCompareSizes, {18, 19}) + Format(kTextCompareDiffer, {3, 4}));
    EXPECT_EQ(s.Caption(), Format(kTextCompareCaption, {"a.bin", "b.bin"}));
    // Moving between ranges stops at both ends.
    EXPECT_TRUE(s.First());
    EXPECT_FALSE(s.Previous());
    EXPECT_TRUE(s.Next());
    EXPECT_TRUE(s.Last());
    EXPECT_FALSE(s.Next());
    EXPECT_EQ(s.Current(), 2);
    EXPECT_EQ(s.RangeHolding(0, 8), 1);
    EXPECT_EQ(s.RangeHolding(0, 9), -1);
    EXPECT_EQ(s.RangeHolding(1, 18), 2);
    EXPECT_EQ(s.RangeFrom(2), 1);
    EXPECT_EQ(s.Status(7, 7), Format(kTextCompareStatus, {"3", "3", "00000007", "37", "00000007", "59"}));
    // The list saved as the command line prints it.
    ui.saveFiles = {dir.File("list.txt")};
    compare.SaveList(s);
    const std::vector<uint8_t> list = test::ReadFileBytes(dir.File("list.txt"));
    EXPECT_EQ(std::string(list.begin(), list.end()),
              "00000001 00000001 1 1 31 58\n00000007 00000007 2 2 3738 595a\n00000012 00000012 0 1 - 21\n");
    EXPECT_FALSE(compare.GotoInEditor(s, 1)); // A is no open Document
    // Go To takes hex offsets of A and says why it refuses anything else.
    EXPECT_EQ(compare.ReadOffset(s, "$11"), 17);
    EXPECT_FALSE(compare.ReadOffset(s, "zz"));
    EXPECT_FALSE(compare.ReadOffset(s, "12"));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, Format(kTextCompareBadOffset, {"zz", "11"}));
    // A file rewritten since: the compare is out of date.
    EXPECT_EQ(compare.StaleNote(s), "");
    WriteText(b, "changed");
    EXPECT_EQ(compare.StaleNote(s), kTextCompareStale.str());
}

// English names one difference (and one byte) in the singular: the counts pick the variant of
// the text; without a translation the Chinese text stands for every count.
TEST_F(CompareCommandsTest, CountsOfOnePickTheirOwnTexts) {
    WriteText(b, "0123456789abcdeXgh");
    ui.openFiles = {OpenChoice{a, false}, OpenChoice{b, false}};
    compare.Comparefiles1Click();
    CompareSession& s = Finish();
    EXPECT_EQ(s.Summary(), Format(kTextCompareSizes, {18, 18}) + Format(kTextCompareDiffer, {1, 1}));
    InstallTranslation(
        [](const char* context, const char* text) { return std::string(context) + "|" + text; });
    EXPECT_EQ(s.Summary(), Format(std::string("Texts|") + kTextCompareSizes.source, {18, 18}) +
                               Format(std::string("TextsBothOne|") + kTextCompareDiffer.source, {1, 1}));
    InstallTranslation(nullptr);
}

TEST_F(CompareCommandsTest, AModifiedDocumentIsComparedAsItStandsAndGotoMovesItsCursor) {
    ASSERT_TRUE(files.OpenDocument(a, OpenSender::CommandLine, false));
    const uint8_t x = 'X';
    state.editor.BeginStep("edit");
    ASSERT_TRUE(state.editor.Insert(2, &x, 1, ReplaceUndoRule::Keep)); // "0X123..."
    state.editor.EndStep();
    state.doc.Modified = true;
    state.options.compareResync = true;
    state.options.compareResyncRun = 4;
    ui.openFiles = {OpenChoice{b, false}};
    compare.Comparefiles1Click();
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    CompareSession& s = Finish();
    EXPECT_EQ(s.Caption(), Format(kTextCompareCaption, {"a.bin", "b.bin"}) + kTextCompareUnsaved);
    // The inserted X matches B; "1" of A is a range alone, then 7 8 against Y Z.
    EXPECT_EQ(s.Ranges(), (std::vector<DiffRange>{{2, 2, 1, 0}, {8, 7, 2, 2}, {19, 18, 0, 1}}));
    EXPECT_EQ(s.AlignedB(5), 4);
    EXPECT_TRUE(compare.GotoInEditor(s, 8));
    EXPECT_EQ(state.view.CursorPosition(), 9);
    // Editing on does not touch the window's copy, which is then out of date; comparing again
    // sees the edit.
    EXPECT_EQ(compare.StaleNote(s), "");
    state.editor.BeginStep("edit");
    state.editor.Delete(2, 1, true, ReplaceUndoRule::Keep);
    state.editor.EndStep();
    EXPECT_EQ(s.Size(0), 19);
    EXPECT_EQ(compare.StaleNote(s), kTextCompareStale.str());
    compare.SetResync(false);
    shown = compare.Again(s);
    EXPECT_EQ(Finish().Ranges().size(), 3u);
    // A file that cannot be opened: the reason, no window.
    shown.reset();
    ui.openFiles = {OpenChoice{dir.File("none.bin"), false}};
    compare.Comparefiles1Click();
    EXPECT_FALSE(shown);
    ASSERT_EQ(ui.messages.size(), 1u);
}

// A file cut short during the compare reads as zeros past its new end: no crash, and the
// summary says the result is not to be trusted.
TEST_F(CompareCommandsTest, AFileCutShortDuringTheCompareIsNamedInTheSummary) {
    const std::vector<uint8_t> bytes(256 << 10, 0x41);
    test::WriteFileBytes(a, bytes);
    test::WriteFileBytes(b, bytes);
    std::string error;
    auto session = CompareSession::OfFiles(a, b, {}, error);
    ASSERT_TRUE(session);
    ASSERT_EQ(truncate(b.c_str(), 4096), 0);
    while (!session->Finished())
        session->Advance(1 << 20);
    EXPECT_EQ(session->Ranges(),
              (std::vector<DiffRange>{{4096, 4096, (256 << 10) - 4096, (256 << 10) - 4096}}));
    EXPECT_NE(session->Summary().find(Format(kTextCompareFaults, {"b.bin"})), std::string::npos);
}

// The editor's unsaved bytes copied while their mapped file had lost pages (read as zeros):
// the summary names A and does not call the sides equal, though the zeros agree with B.
TEST_F(CompareCommandsTest, AnUnsavedMappedDocumentThatLostPagesIsNamedInTheSummary) {
    state.options.mapFromMB = 1;
    const std::vector<uint8_t> zeros(2 << 20, 0);
    test::WriteFileBytes(a, zeros);
    test::WriteFileBytes(b, zeros);
    ASSERT_TRUE(files.OpenDocument(a, OpenSender::CommandLine, false));
    ASSERT_TRUE(state.doc.IsMapped());
    const uint8_t zero = 0;
    state.editor.BeginStep("edit");
    ASSERT_TRUE(state.editor.Overwrite(1, &zero, 1, ReplaceUndoRule::Keep));
    state.editor.EndStep();
    state.doc.Modified = true;
    ASSERT_EQ(truncate(a.c_str(), 4096), 0);
    ui.openFiles = {OpenChoice{b, false}};
    compare.Comparefiles1Click();
    CompareSession& s = Finish();
    EXPECT_TRUE(s.Ranges().empty());
    EXPECT_EQ(s.Summary().find(kTextCompareSame.str()), std::string::npos) << s.Summary();
    EXPECT_NE(s.Summary().find(Format(kTextCompareFaults, {"a.bin"})), std::string::npos) << s.Summary();
}

} // namespace
} // namespace qhe
