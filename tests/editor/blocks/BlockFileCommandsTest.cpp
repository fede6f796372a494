#include <filesystem>
#include <sys/stat.h>

#include "TempDir.h"
#include "core/text/Format.h"
#include "editor/OwnTexts.h"
#include "editor/blocks/BlockTestFixture.h"

namespace qhe::test {
namespace {

class BlockFileTest : public BlockTest {
  protected:
    // A file of size bytes that takes no disk space.
    std::string SparseFile(const std::string& name, int64_t size) {
        const std::string path = dir.File(name);
        WriteFileBytes(path, {});
        std::filesystem::resize_file(path, static_cast<uintmax_t>(size));
        return path;
    }

    // Inserts the file through the open dialog.
    void InsertThroughDialog(const std::string& path) {
        ui.openFiles.push_back(OpenChoice{path, false});
        blocks.Insertfile1Click();
    }

    // The Document, block, cursor, capacity and flags are exactly as they were.
    void ExpectUnchanged(const std::string& markup, uint32_t capacity) {
        EXPECT_EQ(Markup(), markup);
        EXPECT_EQ(state.doc.Capacity(), capacity);
        EXPECT_FALSE(state.doc.Modified);
        EXPECT_EQ(ui.busyDepth, 0);
    }

    TempDir dir;
};

TEST_F(BlockFileTest, InsertFilePutsItsBytesBeforeTheCursor) {
    const std::string path = dir.File("in.bin");
    WriteFileBytes(path, {'x', 'y', 'z'});
    Load("a[b]c_def");
    state.doc.CurrentDir = dir.Path();
    InsertThroughDialog(path);
    // The cursor goes after the inserted bytes; the block keeps its numbers.
    EXPECT_EQ(Markup(), "a[b]cxyz_def");
    EXPECT_TRUE(state.doc.Modified);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.busyDepth, 0);
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].title, Msg(319));
    EXPECT_EQ(ui.fileDialogs[0].filters, (std::vector<std::string>{"*.*", "*.exe"}));
    EXPECT_EQ(ui.fileDialogs[0].initialDir, dir.Path());
}

TEST_F(BlockFileTest, InsertFileIntoAnEmptyDocumentAndAtTheLastByte) {
    const std::string path = dir.File("in.bin");
    WriteFileBytes(path, {'x', 'y'});
    Open(0);
    EXPECT_TRUE(blocks.InsertFile(path));
    EXPECT_EQ(Markup(), "x_y");
    Load("ab_c");
    EXPECT_TRUE(blocks.InsertFile(path));
    EXPECT_EQ(Markup(), "abxy_c");
}

TEST_F(BlockFileTest, LargeInsertGrowsTheBufferAndKeepsTheTail) {
    const std::vector<uint8_t> content = RandomBytes(700 * 1024, 7);
    const std::string path = dir.File("big.bin");
    WriteFileBytes(path, content);
    Load("ab_cd");
    ASSERT_TRUE(blocks.InsertFile(path));
    std::vector<uint8_t> expected = {'a', 'b'};
    expected.insert(expected.end(), content.begin(), content.end());
    expected.insert(expected.end(), {'c', 'd'});
    EXPECT_TRUE(Bytes() == expected);
    EXPECT_EQ(ui.progress.caption, Msg(2020));
    EXPECT_EQ(ui.progress.created, ui.progress.destroyed);
}

TEST_F(BlockFileTest, RefusedInsertsLeaveTheDocumentExactlyAsItWas) {
    const std::string empty = dir.File("empty.bin");
    WriteFileBytes(empty, {});
    const std::string missing = dir.File("missing.bin");
    struct Case {
        std::string path;
        std::string message;
    } cases[] = {
        {missing, FormatMsg(2002, {missing})}, // with its folder
        {empty, FormatMsg(2002, {empty})},
        {SparseFile("huge.bin", 3LL << 30), Format(kTextFileTooLarge, {"huge.bin"})},
        {dir.Path(), Format(kTextNotRegularRead, {FileNameOnly(dir.Path())})}, // a folder
        {"/dev/zero", Format(kTextNotRegularRead, {"zero"})},                  // a device never ends
        // Fits alone, but not beside the Document's bytes: the Document cannot grow.
        {SparseFile("edge.bin", kMaxDocumentSize - 2), Msg(2004)},
    };
    for (const auto& c : cases) {
        Load("a[b]c_d");
        const uint32_t capacity = state.doc.Capacity();
        EXPECT_FALSE(blocks.InsertFile(c.path)) << c.path;
        ExpectUnchanged("a[b]c_d", capacity);
        ASSERT_EQ(ui.messages.size(), 1u) << c.path;
        EXPECT_EQ(ui.messages[0].text, c.message);
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
    }
}

TEST_F(BlockFileTest, FailedReadClosesTheGapAgain) {
    const std::string path = dir.File("big.bin");
    struct Case {
        int cancelAfter;
        bool shrinks; // another program cuts the file after the first chunk
        std::string firstLine;
    } cases[] = {
        {1, false, "读取已经取消:"}, // cancelled in the progress box
        {-1, true, "读取错误"},
    };
    for (const auto& c : cases) {
        WriteFileBytes(path, RandomBytes(400 * 1024, 3));
        Load("ab[cd]e_f");
        const uint32_t capacity = state.doc.Capacity();
        ui.cancelAfterUpdates = c.cancelAfter;
        if (c.shrinks) ui.progress.onSetProgress = [&] { std::filesystem::resize_file(path, 0); };
        EXPECT_FALSE(blocks.InsertFile(path));
        ExpectUnchanged("ab[cd]e_f", capacity);
        ASSERT_EQ(ui.messages.size(), 1u);
        const std::string& shown = ui.messages[0].text;
        EXPECT_EQ(shown.substr(0, shown.find('\n')), c.firstLine) << shown;
    }
}

TEST_F(BlockFileTest, CancelledOpenDialogDoesNothing) {
    Load("ab_c");
    blocks.Insertfile1Click();
    EXPECT_EQ(Markup(), "ab_c");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.fileDialogs.size(), 1u);
}

TEST_F(BlockFileTest, WriteBlockWritesJustTheBlock) {
    const std::string path = dir.File("out.bin");
    Load("ab[cde]f_g");
    state.doc.CurrentDir = dir.Path();
    ui.saveFiles.push_back(path);
    blocks.Writeblock1Click();
    EXPECT_EQ(ReadFileBytes(path), (std::vector<uint8_t>{'c', 'd', 'e'}));
    EXPECT_FALSE(state.doc.Modified);
    EXPECT_EQ(Markup(), "ab[cde]f_g");
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].title, Msg(321));
    EXPECT_EQ(ui.fileDialogs[0].initialDir, dir.Path());
    EXPECT_EQ(ui.progress.caption, Msg(2057));
}

TEST_F(BlockFileTest, WriteBlockWithoutABlockAsksNothing) {
    Load("ab[c_def");
    blocks.Writeblock1Click();
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BlockFileTest, WriteBlockToASpecialFileIsRefused) {
    const std::string pipe = dir.File("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    Load("a[bc]_d");
    ui.saveFiles.push_back(pipe);
    blocks.Writeblock1Click(); // used to block for ever
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, Format(kTextNotRegularWrite, {"pipe"}));
}

TEST_F(BlockFileTest, CancelledWriteKeepsThePreviousFile) {
    const std::string path = dir.File("out.bin");
    const std::vector<uint8_t> previous = {1, 2, 3};
    WriteFileBytes(path, previous);
    Load("ab[cd]_e");
    blocks.Writeblock1Click(); // Cancel in the save dialog
    EXPECT_EQ(ReadFileBytes(path), previous);
    // Cancel in the progress box of a block of several chunks.
    Open(300 * 1024);
    BlockMarking(state).SetBlock(1, 300 * 1024 - 1);
    ui.saveFiles.push_back(path);
    ui.cancelAfterUpdates = 1;
    blocks.Writeblock1Click();
    EXPECT_EQ(ReadFileBytes(path), previous);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, FormatMsg(2058, {"out.bin"}));
    EXPECT_FALSE(state.doc.Modified);
}

} // namespace
} // namespace qhe::test
