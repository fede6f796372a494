#include "editor/settings/OptionsModel.h"

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "editor/MainCommands.h"

namespace qhe {
namespace {

TEST(BlockColors, NamedColoursAndTheirIndex) {
    ASSERT_EQ(BlockColors().size(), 18u);
    EXPECT_STREQ(BlockColors()[BlockColorIndex(255)].name, "clRed");
    EXPECT_STREQ(BlockColors()[BlockColorIndex(0)].name, "clBlack");
    EXPECT_EQ(BlockColorIndex(0x123456), -1);
}

TEST(OptionsDefaults, TouchOnlyTheAppearance) {
    OptionsValues values;
    values.fontSize = 14;
    values.cols = 32;
    values.mru = 9;
    values.textGridLeft = true;
    values.colorBlock = 0xFF0000;
    values.byteOrder = 1;
    values.baseAddress = 1;
    RestoreDefaults(values);
    EXPECT_EQ(values.fontSize, 8);
    EXPECT_EQ(values.cols, 17);
    EXPECT_EQ(values.mru, 5);
    EXPECT_FALSE(values.textGridLeft);
    EXPECT_EQ(values.colorBlock, 255);
    EXPECT_EQ(values.byteOrder, 1); // not an appearance setting
    EXPECT_EQ(values.baseAddress, 1);
}

class OptionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(commands.StartUp({}));
        const std::string name = dir.File("o.bin");
        test::WriteFileBytes(name, std::vector<uint8_t>(100, 1));
        ASSERT_TRUE(commands.Files().OpenDocument(name, OpenSender::CommandLine, false));
    }
    test::FakeUi ui;
    MainCommands commands{ui};
    test::TempDir dir;
};

TEST_F(OptionsTest, OkAppliesAtOnceAndReportsWhatTheWindowMustRedo) {
    OptionsChange seen;
    commands.optionsApplied = [&](const OptionsChange& change) { seen = change; };
    for (int i = 0; i < 5; ++i)
        commands.State().recent.Add("/f" + std::to_string(i));
    ui.optionsDialog = [](const OptionsValues& current, int page) {
        EXPECT_EQ(page, 0);
        OptionsValues v = current;
        v.baseAddress = 1;
        v.mru = 2;
        v.undoLimitMB = 0;
        v.fontSize = 12;
        v.blankForCC = true;
        v.dataInsp.doubleFloat = true;
        return std::optional<OptionsValues>(v);
    };
    ASSERT_TRUE(commands.Execute("QZBtnOptions"));
    const EditorState& s = commands.State();
    EXPECT_EQ(s.view.BaseAddress, 1);
    EXPECT_EQ(s.view.addressCells[0], "       1"); // the address column counts from 1 at once
    EXPECT_EQ(s.recent.Files().size(), 2u);
    EXPECT_EQ(s.options.undoLimitMB, 0); // undo off
    EXPECT_EQ(CurrentOptions(s).undoLimitMB, 0);
    EXPECT_TRUE(s.view.BlankForCC);
    EXPECT_EQ(s.view.TextCell(0, 0), " ");
    EXPECT_TRUE(seen.grid);
    EXPECT_FALSE(seen.toolBar);
    EXPECT_TRUE(seen.inspectorLabels);
}

TEST_F(OptionsTest, CancelChangesNothing) {
    ui.optionsDialog = [](const OptionsValues&, int) { return std::optional<OptionsValues>(); };
    const OptionsValues before = CurrentOptions(commands.State());
    bool applied = false;
    commands.optionsApplied = [&](const OptionsChange&) { applied = true; };
    commands.Execute("Options1");
    EXPECT_FALSE(applied);
    EXPECT_EQ(CurrentOptions(commands.State()).fontSize, before.fontSize);
}

} // namespace
} // namespace qhe
