#include <gtest/gtest.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "editor/MainCommands.h"

namespace qhe {
namespace {

// The block items as the window sees them: executed by name through the facade.
class BlockEnablingTest : public ::testing::Test {
  protected:
    void OpenFile(const std::vector<uint8_t>& bytes) {
        const std::string name = dir.File("data.bin");
        test::WriteFileBytes(name, bytes);
        ASSERT_TRUE(commands.StartUp({name}));
    }
    void CursorTo(int64_t pos) { commands.View().ShowAddress(pos, true, false); }
    bool Enabled(const std::string& name) { return commands.State().actions.Enabled(name); }
    void ExpectGroup(bool on) {
        for (const char* name : {"Blockdelete1", "QZBtnDel", "Blockcopy1", "Blockcopyovwr1", "Blockmove1",
                                 "Writeblock1", "QZBtnCut", "QZBtnCopy"})
            EXPECT_EQ(Enabled(name), on) << name;
        // Print1 follows the Document, not the block.
        EXPECT_EQ(Enabled("Print1"), commands.PrintAvailable());
    }

    test::FakeUi ui;
    MainCommands commands{ui};
    test::TempDir dir;
};

TEST_F(BlockEnablingTest, ItemsFollowTheDocumentAndTheBlock) {
    ASSERT_TRUE(commands.StartUp({}));
    for (const char* name : {"Blockmark1", "Blockunmark1", "Insertfile1", "Deletefromcursor1"})
        EXPECT_FALSE(Enabled(name)) << name; // no Document
    ExpectGroup(false);

    OpenFile({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_TRUE(Enabled("Blockmark1"));
    EXPECT_TRUE(Enabled("Insertfile1"));
    EXPECT_FALSE(Enabled("Blockunmark1"));
    EXPECT_TRUE(Enabled("Blocknchars1"));
    ExpectGroup(false);

    CursorTo(3);
    EXPECT_TRUE(commands.Execute("Blockmark1"));
    EXPECT_TRUE(Enabled("Blockunmark1"));
    ExpectGroup(false);
    CursorTo(5);
    EXPECT_TRUE(commands.Execute("Blockmark1"));
    ExpectGroup(true);

    EXPECT_TRUE(commands.Execute("Blockunmark1"));
    EXPECT_FALSE(Enabled("Blockunmark1"));
    ExpectGroup(false);
    EXPECT_FALSE(commands.Execute("Blockdelete1"));

    CursorTo(2);
    commands.Execute("Blockmark1");
    CursorTo(4);
    commands.Execute("Blockmark1");
    EXPECT_TRUE(commands.Execute("QZBtnDel"));
    const auto& doc = commands.State().doc;
    EXPECT_EQ(std::vector<uint8_t>(doc.Buffer(), doc.Buffer() + doc.Size()),
              (std::vector<uint8_t>{1, 5, 6, 7, 8}));
    EXPECT_TRUE(doc.Modified);
    ExpectGroup(false);

    commands.State().doc.Modified = false;
    CursorTo(2);
    commands.Execute("Blockmark1");
    commands.Execute("Blockmark1");
    ExpectGroup(true);
    EXPECT_TRUE(commands.Execute("Close1"));
    ExpectGroup(false);
    EXPECT_FALSE(Enabled("Blockunmark1"));
    EXPECT_FALSE(Enabled("Blockmark1"));
}

TEST_F(BlockEnablingTest, CursorDeletionsNeedBytesWhenTheMenuOpens) {
    OpenFile({1, 2, 3});
    commands.MenuOpened("Edit1");
    EXPECT_TRUE(Enabled("Deletefromcursor1"));
    EXPECT_TRUE(Enabled("Deletetocursor1"));
    CursorTo(3);
    EXPECT_TRUE(commands.Execute("Deletetocursor1")); // on the last byte: empties the Document
    EXPECT_EQ(commands.State().doc.Size(), 0);
    commands.MenuOpened("Edit1");
    EXPECT_FALSE(Enabled("Deletefromcursor1"));
    EXPECT_FALSE(Enabled("Deletetocursor1"));
}

} // namespace
} // namespace qhe
