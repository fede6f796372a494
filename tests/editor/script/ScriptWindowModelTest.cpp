#include "editor/script/ScriptWindowModel.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <fstream>
#include <iterator>

#include "FakeUi.h"
#include "TempDir.h"
#include "core/text/Format.h"
#include "core/text/Messages.h"
#include "editor/MainCommands.h"
#include "editor/SideFileTexts.h"
#include "editor/script/ScriptInsertMenu.h"

namespace qhe::test {
namespace {

class FakeScriptEditor final : public ScriptEditorView {
  public:
    std::vector<std::string> lines;
    bool modified = false;
    std::vector<int> selected;

    std::vector<std::string> Lines() const override { return lines; }
    void SetLines(const std::vector<std::string>& l) override { lines = l; }
    bool Modified() const override { return modified; }
    void SetModified(bool m) override { modified = m; }
    void SelectLine(int index) override { selected.push_back(index); }
};

std::string FileBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class ScriptWindowModelTest : public ::testing::Test {
  protected:
    void Open(const std::string& bytes) {
        ASSERT_TRUE(commands.Files().AllocateDocument());
        commands.View().SetGridSize(8, 4);
        Document& doc = commands.State().doc;
        ASSERT_TRUE(doc.EnsureRoom(static_cast<int64_t>(bytes.size())));
        doc.SetSize(static_cast<int32_t>(bytes.size()));
        std::copy(bytes.begin(), bytes.end(), doc.Buffer());
        doc.FileName = dir.File("data.bin");
        std::ofstream(doc.FileName, std::ios::binary) << bytes;
        commands.Files().AfterOpen();
    }

    TempDir dir;
    FakeUi ui;
    MainCommands commands{ui};
    FakeScriptEditor editor;
    ScriptWindowModel model{commands.State(), editor};
};

TEST(ScriptInsertMenuTest, CommandsGoBeforeTextInPlaceOfBlankLinesOrAtTheEnd) {
    struct Case {
        std::vector<std::string> lines;
        int caret;
        const char* caption;
        std::vector<std::string> after;
        int line, from, length;
    };
    const Case cases[] = {
        {{"ADR 1", "EXIT"}, 1, "&FIND <hex string>", {"ADR 1", "FIND <hex string>", "EXIT"}, 1, 5, 12},
        {{"ADR 1", "  "}, 1, "ADR&EOF (转到文件结尾)", {"ADR 1", "ADREOF"}, 1, 0, 0},
        {{"ADR 1"}, 1, "&CHARCON <QCT 文件名>", {"ADR 1", "CHARCON <QCT 文件名>"}, 1, 8, 9},
        {{}, 0, "&JOKERON <hex char> (用于查找、替换；如 2E)", {"JOKERON <hex char>"}, 0, 8, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        std::vector<std::string> lines = c.lines;
        const CommandInsertion plan = PlanCommandInsertion(lines, c.caret, c.caption);
        ApplyCommandInsertion(lines, plan);
        EXPECT_EQ(lines, c.after);
        EXPECT_EQ(plan.line, c.line);
        EXPECT_EQ(plan.selectFrom, c.from);
        EXPECT_EQ(plan.selectLength, c.length);
    }
    EXPECT_EQ(ScriptInsertItems().size(), 26u);
    // Line 2 of three, each line ended by CR LF: characters, not bytes, are counted.
    EXPECT_EQ(ScriptLineSelection({"MSG 文件", "", "ADR 1"}, 2, 2), std::make_pair(10, 5));
    EXPECT_EQ(ScriptLineSelection({"ADR 1"}, 1, 1), std::nullopt);
}

TEST_F(ScriptWindowModelTest, TheSaveQuestionFollowsTheAnswerAndTheName) {
    editor.lines = {"ADR 1"};
    EXPECT_TRUE(model.AskSaveScript()); // not modified: no question
    EXPECT_TRUE(ui.messages.empty());
    editor.modified = true;
    ui.answers = {mrYes}; // then the save dialog is cancelled: the window stays open
    EXPECT_FALSE(model.AskSaveScript());
    EXPECT_EQ(ui.messages.back().text, Msg(2122));
    ui.answers = {mrNo};
    EXPECT_TRUE(model.AskSaveScript());
    EXPECT_FALSE(model.CanClose()); // default Cancel
    ui.answers = {mrYes};
    ui.saveFiles = {dir.File("a.qsc")};
    EXPECT_TRUE(model.AskSaveScript());
    EXPECT_EQ(model.Caption(), Msg(2121) + " - a.qsc");
    editor.modified = true;
    ui.answers = {mrYes};
    EXPECT_TRUE(model.AskSaveScript());
    EXPECT_EQ(ui.messages.back().text, FormatMsg(2025, {"a.qsc"}));
    model.autoRun = true;
    editor.modified = true;
    EXPECT_TRUE(model.CanClose());
}

TEST_F(ScriptWindowModelTest, ScriptFilesAreAnsiTextWithCrLf) {
    editor.lines = {"FINDASC \xC3\xA9t\xC3\xA9", "", "EXIT"}; // "été"
    model.scriptFileName = dir.File("s.qsc");
    ASSERT_TRUE(model.SaveScript());
    EXPECT_EQ(FileBytes(dir.File("s.qsc")), "FINDASC \xE9t\xE9\r\n\r\nEXIT\r\n");
    editor.lines.clear();
    editor.modified = true;
    ASSERT_TRUE(model.LoadScript(dir.File("s.qsc")));
    EXPECT_EQ(editor.lines, (std::vector<std::string>{"FINDASC \xC3\xA9t\xC3\xA9", "", "EXIT"}));
    EXPECT_FALSE(editor.modified);
    EXPECT_FALSE(model.LoadScript(dir.File("none.qsc")));
    EXPECT_EQ(ui.messages.back().text, FormatMsg(2129, {"none.qsc"}));
    EXPECT_FALSE(model.SaveEnabled()); // the name is forgotten
    // A folder is refused like a missing file (the stream reader used to abort on it).
    EXPECT_FALSE(model.LoadScript(dir.Path()));
    EXPECT_EQ(ui.messages.back().text, FormatMsg(2129, {FileNameOnly(dir.Path())}));
    // A script above the side files' limit says so, with the limit.
    std::ofstream(dir.File("huge.qsc")) << std::string((16 << 20) + 1, ';');
    EXPECT_FALSE(model.LoadScript(dir.File("huge.qsc")));
    EXPECT_EQ(ui.messages.back().text, Format(kTextSideFileTooLarge, {"huge.qsc"}));
}

TEST_F(ScriptWindowModelTest, ButtonsReportSuccessOrSelectTheFailingLine) {
    Open("abc");
    model.Execute(); // an empty editor does nothing
    EXPECT_TRUE(ui.messages.empty());
    editor.lines = {"ADR 1", "", "", "REM", "FIND 7A", "OVERWRITE 41"};
    EXPECT_EQ(model.Execute(), ScriptWindowNext::Stay);
    EXPECT_EQ(editor.selected, std::vector<int>{4});
    EXPECT_EQ(ui.messages.back().text, FormatMsg(2106, {5, "FIND 7A"}) + "\n\n" + FormatMsg(2126, {1}));
    editor.lines = {"; only a comment"};
    model.Execute();
    EXPECT_EQ(ui.messages.back().text, Msg(2131));
    model.Check();
    EXPECT_EQ(ui.messages.back().text, Msg(2120));
    model.autoRun = true;
    EXPECT_EQ(model.Execute(), ScriptWindowNext::Close);
}

TEST_F(ScriptWindowModelTest, ABatchRunSavesAModifiedDocumentOnly) {
    Open("abc");
    model.batchMode = model.autoRun = true;
    editor.lines = {"VERIFY 61 62"};
    EXPECT_EQ(model.Execute(), ScriptWindowNext::EndProgram);
    EXPECT_EQ(FileBytes(dir.File("data.bin")), "abc");
    EXPECT_FALSE(commands.State().doc.Modified);
    editor.lines = {"MSG shown only interactively", "OVERWRITE 41"};
    EXPECT_EQ(model.Execute(), ScriptWindowNext::EndProgram);
    EXPECT_EQ(FileBytes(dir.File("data.bin")), "Abc");
    EXPECT_TRUE(ui.memos.empty());
    EXPECT_EQ(model.batchStatus, 0);
    editor.lines = {"OVERWRITE 42", "FIND 7A"}; // an error: nothing is written, status 1
    EXPECT_EQ(model.Execute(), ScriptWindowNext::Stay);
    EXPECT_EQ(FileBytes(dir.File("data.bin")), "Abc");
    EXPECT_EQ(model.batchStatus, 1);
    // A final save that fails (the file replaced by a folder): status 3.
    std::filesystem::remove(dir.File("data.bin"));
    std::filesystem::create_directory(dir.File("data.bin"));
    editor.lines = {"OVERWRITE 43"};
    EXPECT_EQ(model.Execute(), ScriptWindowNext::EndProgram);
    EXPECT_EQ(model.batchStatus, 3);
}

} // namespace
} // namespace qhe::test
