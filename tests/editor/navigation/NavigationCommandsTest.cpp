#include "editor/navigation/NavigationCommands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "core/text/Format.h"
#include "core/text/Messages.h"
#include "editor/MainCommands.h"
#include "editor/SideFileTexts.h"
#include "platform/SmallFile.h"

namespace qhe {
namespace {

TEST(GotoTarget, ModesBasesAndLimits) {
    struct Case {
        const char* text;
        int mode;
        int64_t cursor;
        int base;
        std::optional<int64_t> target;
    } cases[] = {
        {"0", 0, 50, 0, 1},
        {"1", 0, 50, 1, 1},
        {"0", 0, 50, 1, std::nullopt},
        {"$10", 0, 50, 0, 17},
        {"49", 2, 50, 0, 1},
        {"50", 2, 50, 0, std::nullopt},
        {"50", 1, 50, 0, 100},
        {"51", 1, 50, 0, std::nullopt},
        {"abc", 0, 50, 0, std::nullopt},
        {"", 0, 50, 0, std::nullopt},
        {"$FFFFFFFF", 2, 50, 0, 51},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NavigationCommands::GotoTarget(c.text, c.mode, c.cursor, 100, c.base), c.target) << c.text;
}

TEST(BookmarkFile, LinesAtAnyLineEndAndAtMostNine) {
    EXPECT_EQ(NavigationCommands::ParseBookmarkFile("1 header\r\n4097 table 2\r\n"),
              (std::vector<std::string>{"1 header", "4097 table 2"}));
    EXPECT_EQ(NavigationCommands::ParseBookmarkFile("1 a\r2 b\n3 c"),
              (std::vector<std::string>{"1 a", "2 b", "3 c"}));
    std::string many;
    for (int i = 1; i <= 12; ++i)
        many += std::to_string(i) + " x\n";
    EXPECT_EQ(NavigationCommands::ParseBookmarkFile(many).size(), 9u);
}

class NavigationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(commands.StartUp({}));
        name = dir.File("n.bin");
        test::WriteFileBytes(name, std::vector<uint8_t>(1000, 5));
        ASSERT_TRUE(commands.Files().OpenDocument(name, OpenSender::CommandLine, false));
    }
    int64_t Cursor() { return commands.State().view.CursorPosition(); }
    test::FakeUi ui;
    MainCommands commands{ui};
    test::TempDir dir;
    std::string name;
};

TEST_F(NavigationTest, GotoStaysOpenOnABadValueAndRemembersTheMode) {
    ui.gotoTexts = {"5000", "$100"};
    ui.gotoMode = 0;
    ASSERT_TRUE(commands.Execute("Goto1"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, Msg(2034));
    EXPECT_EQ(Cursor(), 257);
    ui.gotoTexts = {"10"};
    ui.gotoMode = 2;
    commands.Execute("Goto1");
    EXPECT_EQ(Cursor(), 247);
    EXPECT_EQ(commands.State().options.gotoMode, 2);
}

TEST_F(NavigationTest, JumpWidthEnablesTheJumpsAndCancelDisablesThem) {
    EXPECT_FALSE(commands.State().actions.Enabled("Jumpdown1"));
    ui.jumpTexts = {"1000", "100"}; // a width equal to Size is refused
    commands.Execute("Jumpwidth1");
    EXPECT_EQ(ui.messages.back().text, Msg(2033));
    ASSERT_TRUE(commands.State().actions.Enabled("Jumpdown1"));
    commands.Execute("Jumpdown1");
    commands.Execute("Jumpdown1");
    EXPECT_EQ(Cursor(), 201);
    commands.Execute("Jumpup1");
    EXPECT_EQ(Cursor(), 101);
    commands.Execute("Jumpup1");
    commands.Execute("Jumpup1"); // before the start: refused, cursor unchanged
    EXPECT_EQ(Cursor(), 1);
    EXPECT_EQ(ui.messages.back().text, Msg(2034));
    commands.Execute("Jumpwidth1"); // cancelled
    EXPECT_FALSE(commands.State().actions.Enabled("Jumpdown1"));
    EXPECT_EQ(commands.State().jumpWidth, 100);
}

TEST_F(NavigationTest, RememberedAddressAndItsDifference) {
    commands.View().ShowAddress(40, true, false);
    commands.Execute("Rememberaddress1");
    commands.View().ShowAddress(24, true, false);
    commands.Execute("Displaydifference1");
    ASSERT_EQ(ui.memos.size(), 1u);
    EXPECT_EQ(ui.memos[0].second, FormatMsg(2035, {39, -16}) + "\r\n" + FormatMsg(2036, {39u, 0xFFFFFFF0u}));
    EXPECT_NE(ui.memos[0].second.find("FFFFFFF0"), std::string::npos);
    commands.Execute("Gotoremembered1");
    EXPECT_EQ(Cursor(), 40);
}

TEST_F(NavigationTest, BookmarksAddChooseSaveLoadAndRemove) {
    commands.View().ShowAddress(17, true, false);
    commands.MenuOpened("Bookmarks1"); // opening the menu enables Add for a non-empty Document
    ui.inputs.push_back(std::string("  table 2  "));
    commands.Execute("Add1");
    ASSERT_EQ(commands.State().bookmarks, (std::vector<std::string>{"17 table 2"}));
    const auto* item = commands.State().actions.Find("Bookmark1");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->visible);
    EXPECT_EQ(item->caption, "&1 16: table 2"); // the text pane shows decimal addresses
    commands.Execute("ModusText1");
    commands.MenuOpened("Bookmarks1");
    EXPECT_EQ(commands.State().actions.Find("Bookmark1")->caption, "&1 $10: table 2");
    commands.View().ShowAddress(500, true, false);
    commands.Execute("Bookmark1");
    EXPECT_EQ(Cursor(), 17);
    // Save and load keep inner blanks.
    const std::string file = dir.File("marks.qbm");
    ui.saveFiles.push_back(file);
    commands.Execute("Savetofile1");
    EXPECT_EQ(test::ReadFileBytes(file),
              (std::vector<uint8_t>{'1', '7', ' ', 't', 'a', 'b', 'l', 'e', ' ', '2', '\r', '\n'}));
    commands.Execute("Removeall1");
    EXPECT_FALSE(commands.State().actions.Find("Bookmark1")->visible);
    ui.openFiles.push_back(OpenChoice{file, false});
    commands.Execute("Loadfromfile1");
    EXPECT_EQ(commands.State().bookmarks, (std::vector<std::string>{"17 table 2"}));
    // A bookmark past the end of a shorter file asks to be removed.
    commands.State().bookmarks.push_back("5000 far");
    commands.Execute("Bookmark2"); // not visible yet: the menu was not rebuilt, the command still checks
    commands.Execute("Remove1");   // rebuilds, then offers the list; Cancel keeps both
    EXPECT_EQ(commands.State().bookmarks.size(), 2u);
    ui.answers.push_back(mrYes);
    commands.Execute("Bookmark2");
    EXPECT_EQ(ui.messages.back().text, Msg(2100));
    EXPECT_EQ(commands.State().bookmarks.size(), 1u);
}

TEST_F(NavigationTest, TenthBookmarkIsRefused) {
    commands.MenuOpened("Bookmarks1");
    for (int i = 0; i < 9; ++i) {
        ui.inputs.push_back(std::string("m"));
        commands.Execute("Add1");
    }
    commands.Execute("Add1");
    EXPECT_EQ(ui.messages.back().text, Msg(2103));
    EXPECT_EQ(commands.State().bookmarks.size(), 9u);
}

TEST_F(NavigationTest, PositionsNoDocumentCanHaveAreBadLines) {
    const std::string file = dir.File("odd.qbm");
    const std::string text = "-9223372036854775808 r\r\n0 zero\r\n2147483648 far\r\n2147483647 last\r\n";
    test::WriteFileBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
    ui.openFiles.push_back(OpenChoice{file, false});
    commands.Execute("Loadfromfile1");
    const auto caption = [&](int i) {
        return commands.State().actions.Find("Bookmark" + std::to_string(i))->caption;
    };
    EXPECT_EQ(caption(1), "&1 -9223372036854775808 r"); // a bad line shows as the file holds it
    EXPECT_EQ(caption(2), "&2 0 zero");
    EXPECT_EQ(caption(3), "&3 2147483648 far");
    EXPECT_EQ(caption(4), "&4 2147483646: last");
    ui.answers.push_back(mrNo);
    commands.Execute("Bookmark1");
    EXPECT_EQ(ui.messages.back().text, Msg(2100));
}

TEST_F(NavigationTest, BookmarkFilesThatAreNoPlainFilesOrTooLargeAreRefused) {
    commands.MenuOpened("Bookmarks1");
    ui.inputs.push_back(std::string("keep"));
    commands.Execute("Add1");
    const std::string pipe = dir.File("pipe.qbm");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ui.openFiles.push_back(OpenChoice{pipe, false}); // no writer ever comes
    commands.Execute("Loadfromfile1");
    EXPECT_EQ(ui.messages.back().text, Format(kTextSideFileNotRegular, {"pipe.qbm"}));
    ui.saveFiles.push_back(pipe); // no reader ever comes
    commands.Execute("Savetofile1");
    EXPECT_EQ(ui.messages.back().text, Format(kTextSideFileNotRegular, {"pipe.qbm"}));
    const std::string big = dir.File("big.qbm");
    test::WriteFileBytes(big, {});
    std::filesystem::resize_file(big, platform::kSideFileMaxBytes + 1);
    ui.openFiles.push_back(OpenChoice{big, false});
    commands.Execute("Loadfromfile1");
    EXPECT_EQ(ui.messages.back().text, Format(kTextSideFileTooLarge, {"big.qbm"}));
    EXPECT_EQ(commands.State().bookmarks, (std::vector<std::string>{"1 keep"}));
}

} // namespace
} // namespace qhe
