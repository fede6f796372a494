#include "editor/tools/CharConversion.h"

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

class CharConversionTest : public ::testing::Test {
  protected:
    void Open(const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(commands.StartUp({}));
        const std::string name = dir.File("c.bin");
        test::WriteFileBytes(name, bytes);
        ASSERT_TRUE(commands.Files().OpenDocument(name, OpenSender::CommandLine, false));
    }
    std::vector<uint8_t> Bytes() {
        const Document& doc = commands.State().doc;
        return {doc.Buffer(), doc.Buffer() + doc.Size()};
    }
    test::FakeUi ui;
    MainCommands commands{ui};
    test::TempDir dir;
};

TEST(CharTableCells, NormalisedToTwoUpperCaseDigits) {
    EXPECT_EQ(CharTableDialogModel::NormalizeCell("7"), "07");
    EXPECT_EQ(CharTableDialogModel::NormalizeCell("a"), "0A");
    EXPECT_EQ(CharTableDialogModel::NormalizeCell("c4"), "C4");
    EXPECT_EQ(CharTableDialogModel::NormalizeCell(""), "");
    EXPECT_TRUE(CharTableDialogModel::AcceptsKey("", false, 'f'));
    EXPECT_TRUE(CharTableDialogModel::AcceptsKey("4", false, '1'));
    EXPECT_FALSE(CharTableDialogModel::AcceptsKey("41", false, '1'));
    EXPECT_TRUE(CharTableDialogModel::AcceptsKey("41", true, '1'));
    EXPECT_FALSE(CharTableDialogModel::AcceptsKey("", false, 'g'));
}

TEST_F(CharConversionTest, ConvertsFromTheCursorAndCountsTheChanges) {
    Open({'a', 'b', 'a', 'b'});
    commands.View().SetCursorCell(2, 0); // position 3
    ui.charTableDialog = [](CharTableDialogModel& model) {
        model.targets['a'] = "41";
        model.fromCursor = true;
        model.GridToTable();
        return true;
    };
    ASSERT_TRUE(commands.Execute("Charconversion1"));
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{'a', 'b', 'A', 'b'}));
    EXPECT_EQ(ui.messages.back().text, FormatMsg(2063, {1}));
    EXPECT_TRUE(commands.State().doc.Modified);
}

TEST_F(CharConversionTest, IdentityTableChangesNothingAndKeepsModified) {
    Open({1, 2, 3});
    ui.charTableDialog = [](CharTableDialogModel&) { return true; };
    ASSERT_TRUE(commands.Execute("Charconversion1"));
    EXPECT_EQ(ui.messages.back().text, FormatMsg(2063, {0}));
    EXPECT_FALSE(commands.State().doc.Modified);
    // Cancel converts nothing and says nothing.
    ui.charTableDialog = nullptr;
    const size_t shown = ui.messages.size();
    commands.Execute("Charconversion1");
    EXPECT_EQ(ui.messages.size(), shown);
}

TEST_F(CharConversionTest, SaveLoadAndTheirFailures) {
    Open({0});
    EditorState& state = commands.State();
    CharTableDialogModel model(state);
    model.targets[0xC4] = "41";
    model.tableModified = true;
    const std::string table = dir.File("t.qct");
    ui.saveFiles.push_back(table);
    ASSERT_TRUE(model.Save());
    EXPECT_EQ(test::ReadFileBytes(table), (std::vector<uint8_t>{'C', '4', ';', '4', '1', '\r', '\n'}));
    EXPECT_EQ(state.options.convTable, table);
    EXPECT_EQ(model.Caption(), table + " - " + Msg(2079));
    EXPECT_FALSE(model.tableModified);
    // Loading a malformed file: message 2005, identity table, no file name; the grid stays.
    const std::string bad = dir.File("bad.qct");
    test::WriteFileBytes(bad, {'c', '4', ',', '4', '1'});
    ui.openFiles.push_back(OpenChoice{bad, false});
    model.Load();
    EXPECT_EQ(ui.messages.back().text, FormatMsg(2005, {"bad.qct"}));
    EXPECT_EQ(state.options.convTable, "");
    EXPECT_EQ(state.charTable[0xC4], 0xC4);
    EXPECT_EQ(model.targets[0xC4], "41");
    ui.openFiles.push_back(OpenChoice{table, false});
    model.Load();
    EXPECT_EQ(state.charTable[0xC4], 0x41);
    // Unsaved edits are offered for saving before Clear; Cancel keeps them.
    model.targets[1] = "02";
    model.tableModified = true;
    ui.answers.push_back(mrCancel);
    model.Clear();
    EXPECT_EQ(model.targets[1], "02");
    ui.answers.push_back(mrNo);
    model.Clear();
    EXPECT_EQ(model.targets[1], "");
    EXPECT_EQ(state.charTable[0xC4], 0xC4);
}

TEST_F(CharConversionTest, UnreadableTableAtStartIsForgotten) {
    commands.State().options.convTable = dir.File("missing.qct");
    ConversionCommands(commands.State()).LoadTableAtStart();
    EXPECT_EQ(ui.messages.back().text, FormatMsg(2005, {"missing.qct"}));
    EXPECT_EQ(commands.State().options.convTable, "");
    EXPECT_EQ(commands.State().charTable[7], 7);
}

TEST_F(CharConversionTest, PipesAndOversizedTablesAreRefusedWithTheirOwnTexts) {
    const std::string pipe = dir.File("pipe.qct");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EditorState& state = commands.State();
    state.options.convTable = pipe; // named in the settings: start-up must not wait for a writer
    ConversionCommands(state).LoadTableAtStart();
    EXPECT_EQ(ui.messages.back().text, Format(kTextSideFileNotRegular, {"pipe.qct"}));
    EXPECT_EQ(state.options.convTable, "");
    Open({0});
    CharTableDialogModel model(state);
    ui.saveFiles.push_back(pipe); // nor may saving wait for a reader
    EXPECT_FALSE(model.Save());
    EXPECT_EQ(ui.messages.back().text, Format(kTextSideFileNotRegular, {"pipe.qct"}));
    const std::string big = dir.File("big.qct");
    test::WriteFileBytes(big, {});
    std::filesystem::resize_file(big, platform::kSideFileMaxBytes + 1);
    ui.openFiles.push_back(OpenChoice{big, false});
    model.Load();
    EXPECT_EQ(ui.messages.back().text, Format(kTextSideFileTooLarge, {"big.qct"}));
}

} // namespace
} // namespace qhe
