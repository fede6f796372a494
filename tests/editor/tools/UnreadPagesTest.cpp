#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/MainCommands.h"
#include "editor/OwnTexts.h"
#include "editor/blocks/BlockMarking.h"
#include "editor/tools/HashCommands.h"

namespace qhe::test {
namespace {

constexpr int64_t kMiB = 1 << 20;
constexpr int64_t kLostPages = 3 * kMiB / 4096;

// A mapped file of 4 MiB ("MARK" at 101, "TAIL" at 3 MiB + 1) that another program cuts to
// 1 MiB after it was opened: the pages past the cut read as zeros and are counted.
class UnreadPagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string bytes(4 * kMiB, 'x');
        bytes.replace(100, 4, "MARK");
        bytes.replace(3 * kMiB, 4, "TAIL");
        std::ofstream(name, std::ios::binary) << bytes;
        ASSERT_TRUE(commands.Files().AllocateDocument());
        commands.View().SetGridSize(16, 8);
        s.options.mapFromMB = 1;
        ASSERT_TRUE(commands.Files().OpenDocument(name, OpenSender::CommandLine, false));
        ASSERT_TRUE(s.doc.IsMapped());
    }
    void Cut(int64_t size = kMiB) { ASSERT_EQ(truncate(name.c_str(), size), 0); }
    std::string Said(const OwnText& text, int64_t pages) { return Format(text, {"cut.bin", pages}); }
    void Find(bool down, const std::string& pattern) {
        s.search.findString = pattern;
        if (down)
            commands.Find().Findagaindown1Click(true);
        else
            commands.Find().Findagainup1Click(true);
    }

    TempDir dir{"/var/tmp"};
    const std::string name = dir.File("cut.bin");
    FakeUi ui;
    MainCommands commands{ui};
    EditorState& s = commands.State();
};

// A digest or checksum over zeros read for lost pages is not shown as the file's, on the pass
// that met them nor on a later one (which reads the same zeros without a new fault).
TEST_F(UnreadPagesTest, DigestsAndChecksumsOfACutFileAreNotShown) {
    s.options.hashes = "sha256";
    ui.hashDialog = [&](HashDialogModel& model) {
        ASSERT_TRUE(model.Compute());
        ASSERT_EQ(model.Results().size(), 1u);
        Cut();
        EXPECT_FALSE(model.Compute());
        EXPECT_TRUE(model.Results().empty());
        EXPECT_EQ(model.AllText(), "");
    };
    commands.Execute("Hashes1");
    EXPECT_EQ(s.doc.ReadFaults(), kLostPages);
    ui.hashDialog = [](HashDialogModel& model) { EXPECT_FALSE(model.Compute()); };
    commands.Execute("Hashes1");
    commands.Execute("CalculateCRC321");
    EXPECT_TRUE(ui.memos.empty());
    EXPECT_EQ(ui.Count(Said(kTextUnreadNoDigest, kLostPages)), 3);
}

// Find over lost pages says so instead of "not found"; a hit found past them comes with a
// warning; a count says its number may be wrong.
TEST_F(UnreadPagesTest, FindAndCountOverLostPagesSaySo) {
    Cut();
    commands.View().ShowAddress(s.doc.Size(), true, false);
    const int64_t seen = s.doc.ReadFaults();
    Find(false, "MARK");
    EXPECT_EQ(s.view.CursorPosition(), 101);
    EXPECT_EQ(ui.Count(Said(kTextUnreadResult, kLostPages - seen)), 1);

    Find(true, "TAIL"); // over the zeros read before, without a new fault
    EXPECT_EQ(ui.Count(Msg(2046)), 0);
    EXPECT_EQ(ui.Count(Said(kTextUnreadNotFound, kLostPages)), 1);

    ui.findDialog = [](const FindDialogRequest&) {
        FindOptions options;
        options.findHex = false;
        options.scopeFromCursor = false;
        return std::optional<FindDialogResult>(FindDialogResult{options, "MARK"});
    };
    commands.Execute("Count1");
    ASSERT_EQ(ui.memos.size(), 1u);
    EXPECT_EQ(ui.memos[0].second,
              FormatMsg(kMsgCountResult, {1}) + "\n\n" + Said(kTextUnreadResult, kLostPages));
}

// The view points lost pages out once per Document; copy as and the dump to a text file give
// their output and say it holds zeros.
TEST_F(UnreadPagesTest, ViewOnceCopyAsAndDumpSaySo) {
    Cut();
    commands.View().ShowAddress(s.doc.Size(), true, false);
    EXPECT_EQ(ui.Count(Said(kTextUnreadView, s.doc.ReadFaults())), 1);
    commands.View().ShowAddress(2 * kMiB, true, false);
    EXPECT_EQ(ui.messages.size(), 1u);

    BlockMarking(s).SetBlock(kMiB - 1, kMiB + 2);
    commands.Execute("CopyAsFormat12");
    EXPECT_EQ(ui.clipboardText, "78 78 00 00");
    EXPECT_EQ(ui.Count(Said(kTextUnreadResult, s.doc.ReadFaults())), 1);

    ui.saveFiles.push_back(dir.File("dump.txt"));
    EXPECT_TRUE(commands.OutputDump({DumpRangeKind::All, "16", false, false}));
    EXPECT_EQ(ui.Count(Said(kTextUnreadResult, kLostPages)), 1);
    EXPECT_TRUE(std::ifstream(dir.File("dump.txt")).good());

    // The file opened again is a new Document: its own lost pages are pointed out again.
    ASSERT_TRUE(commands.Files().OpenDocument(name, OpenSender::CommandLine, false));
    ASSERT_TRUE(s.doc.IsMapped());
    Cut(kMiB / 2);
    ui.messages.clear();
    commands.View().ShowAddress(s.doc.Size(), true, false);
    EXPECT_EQ(ui.Count(Said(kTextUnreadView, s.doc.ReadFaults())), 1);
}

} // namespace
} // namespace qhe::test
