#include "editor/MainCommands.h"

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "TempDir.h"

namespace qhe {
namespace {

class ChecksumCommandsTest : public ::testing::Test {
  protected:
    void Open(const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(commands.StartUp({}));
        name = dir.File("sum.bin");
        test::WriteFileBytes(name, bytes);
        ASSERT_TRUE(commands.Files().OpenDocument(name, OpenSender::CommandLine, false));
    }
    test::FakeUi ui;
    MainCommands commands{ui};
    test::TempDir dir;
    std::string name;
};

TEST_F(ChecksumCommandsTest, FileChecksumsInTheMemo) {
    Open({'1', '2', '3', '4', '5', '6', '7', '8', '9'});
    commands.MenuOpened("Tools1");
    ASSERT_TRUE(commands.Execute("CalculateCRC321"));
    ASSERT_EQ(ui.memos.size(), 1u);
    EXPECT_EQ(ui.memos[0].first, "CRC16/32");
    EXPECT_EQ(ui.memos[0].second,
              "文件: " + name +
                  " (9 Bytes)\r\nCRC32 (PKZIP) of file: CBF43926\r\nCRC16 (Standard) of file: BB3D");
    EXPECT_EQ(ui.progress.caption, "CRC16/32 of file...");
}

TEST_F(ChecksumCommandsTest, BlockAddsTwoLinesAndItsCancelShowsNothing) {
    Open({0, '1', '2', '3', '4', '5', '6', '7', '8', '9'});
    commands.State().block.begin = 2;
    commands.State().block.end = 10;
    ASSERT_TRUE(commands.Execute("CalculateCRC321"));
    ASSERT_EQ(ui.memos.size(), 1u);
    const std::string& text = ui.memos[0].second;
    EXPECT_NE(text.find("of file: "), std::string::npos);
    EXPECT_NE(
        text.find(
            "\r\nCRC32 (PKZIP) of selected block: CBF43926\r\nCRC16 (Standard) of selected block: BB3D"),
        std::string::npos);
}

TEST_F(ChecksumCommandsTest, CancelledBlockPassShowsNothing) {
    // 520 KiB: the file pass moves the gauge once (100 %); the block's first 256 KiB chunk
    // moves it to 50 %, where the box is cancelled.
    Open(std::vector<uint8_t>(520 * 1024, 7));
    commands.State().block.begin = 1;
    commands.State().block.end = 512 * 1024;
    ui.progress.gaugeValues.clear(); // the load's own progress
    ui.cancelAfterUpdates = 2;
    ASSERT_TRUE(commands.Execute("CalculateCRC321"));
    EXPECT_EQ(ui.progress.gaugeValues, (std::vector<int>{100, 50}));
    EXPECT_TRUE(ui.memos.empty()); // the file's results are dropped too
}

TEST(ChecksumText, HexWithoutLeadingZeros) {
    EXPECT_EQ(ChecksumCommands::BlockText(0xD202EF8D, 0x0BB3),
              "\r\nCRC32 (PKZIP) of selected block: D202EF8D\r\nCRC16 (Standard) of selected block: BB3");
}

} // namespace
} // namespace qhe
