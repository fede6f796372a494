#include "editor/MainCommands.h"

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "core/text/Messages.h"

namespace qhe {
namespace {

TEST(MainCommands, ScriptSwitchForms) {
    struct Case {
        std::string argument;
        bool present;
        std::string script;
    } cases[] = {
        {"/s=run.qsc", true, "run.qsc"}, {"-Srun.qsc", true, "run.qsc"}, {"/S", true, ""},
        {"-s==x", true, "=x"},           {"/x=run.qsc", false, ""},      {"s", false, ""},
    };
    for (const auto& c : cases) {
        const ScriptSwitch parsed = ParseScriptSwitch(c.argument);
        EXPECT_EQ(parsed.present, c.present) << c.argument;
        EXPECT_EQ(parsed.scriptFile, c.script) << c.argument;
    }
}

TEST(MainCommands, VersionTextDropsZeroReleaseAndBuild) {
    EXPECT_EQ(VersionText("1.0.0"), "1.0");
    EXPECT_EQ(VersionText("2.5.1.0"), "2.51");
    EXPECT_EQ(VersionText("2.3.0.4"), "2.34");
    EXPECT_EQ(VersionText("10.20.30.40"), "10.20304"); // at most 8 characters
}

class MainCommandsTest : public ::testing::Test {
  protected:
    test::FakeUi ui;
    MainCommands commands{ui};
    test::TempDir dir;
};

TEST_F(MainCommandsTest, StartsWithoutADocumentAndOpensTheArgument) {
    EXPECT_EQ(commands.State().caption, "QHE32");
    EXPECT_FALSE(commands.State().actions.Enabled("Close1"));
    const std::string name = dir.File("arg.bin");
    test::WriteFileBytes(name, {1, 2});
    ASSERT_TRUE(commands.StartUp({name, "/s=job.qsc", "p1"}));
    EXPECT_EQ(commands.State().caption, "QHE32 - arg.bin");
    EXPECT_TRUE(ui.messages.empty()); // no question at start
    EXPECT_TRUE(commands.Script().present);
    EXPECT_EQ(commands.Script().scriptFile, "job.qsc");
    EXPECT_EQ(commands.ScriptParameters(), (std::vector<std::string>{"/s=job.qsc", "p1"}));
    EXPECT_EQ(commands.AboutText(), " 当前文件大小: 2 字节\n 内存已分配: 524,288 字节");
}

TEST_F(MainCommandsTest, DisabledAndUnknownCommandsDoNothing) {
    ASSERT_TRUE(commands.StartUp({}));
    EXPECT_FALSE(commands.Execute("Save1"));  // no Document
    EXPECT_FALSE(commands.Execute("Print1")); // no Document
    EXPECT_FALSE(commands.Execute("NoSuchItem"));
    EXPECT_TRUE(commands.Execute("New1"));
    EXPECT_EQ(commands.State().caption, "QHE32 - NoName1");
}

// Print1 (Ctrl+P) needs a non-empty Document: the menu, the item after every change and the command
// itself (its shortcut may come before the item is updated) all check it.
TEST_F(MainCommandsTest, PrintOnlyForANonEmptyDocument) {
    ASSERT_TRUE(commands.StartUp({}));
    int shown = 0;
    commands.showPrint = [&] { ++shown; };
    ASSERT_TRUE(commands.Execute("New1"));
    commands.Execute("Print1");
    commands.MenuOpened("File1");
    EXPECT_FALSE(commands.State().actions.Enabled("Print1"));
    EXPECT_EQ(shown, 0);

    const std::string name = dir.File("two.bin");
    test::WriteFileBytes(name, {1, 2});
    commands.Files().OpenDocument(name, OpenSender::CommandLine, false);
    commands.UpdatePrintItem();
    EXPECT_TRUE(commands.State().actions.Enabled("Print1"));
    EXPECT_TRUE(commands.Execute("Print1"));
    EXPECT_EQ(shown, 1);
    const DumpViewFacts facts = commands.PrintViewFacts();
    EXPECT_EQ(facts.topAddress, 1);
    EXPECT_EQ(facts.lastVisible, 2);

    ASSERT_TRUE(commands.State().doc.DeleteRange(1, 2)); // emptied by an edit
    commands.UpdatePrintItem();
    EXPECT_FALSE(commands.State().actions.Enabled("Print1"));
    commands.State().actions.SetEnabled("Print1", true); // a stale item still prints nothing
    commands.Execute("Print1");
    EXPECT_EQ(shown, 1);
}

// Executeactive1 (Ctrl+F9) needs an open Document and a script line; Editor1 always opens
// the window without running it.
TEST_F(MainCommandsTest, ScriptMenuRules) {
    ASSERT_TRUE(commands.StartUp({}));
    bool hasLines = true;
    std::vector<bool> shown; // autoRun of each showing
    commands.scriptHasLines = [&] { return hasLines; };
    commands.showScript = [&](bool autoRun) { shown.push_back(autoRun); };
    ActionRegistry& actions = commands.State().actions;

    commands.MenuOpened("Script1");
    EXPECT_FALSE(actions.Enabled("Executeactive1")); // no Document
    EXPECT_TRUE(commands.Execute("Editor1"));
    ASSERT_TRUE(commands.Execute("New1"));
    hasLines = false;
    commands.MenuOpened("Script1");
    EXPECT_FALSE(actions.Enabled("Executeactive1"));
    hasLines = true;
    commands.MenuOpened("Script1");
    EXPECT_TRUE(actions.Enabled("Executeactive1"));
    EXPECT_TRUE(commands.Execute("Executeactive1"));
    // The shortcut of an item enabled earlier checks again: no script, no run.
    hasLines = false;
    EXPECT_TRUE(commands.Execute("Executeactive1"));
    EXPECT_EQ(shown, (std::vector<bool>{false, true}));
}

TEST_F(MainCommandsTest, DroppingTwoFilesOpensNothing) {
    ASSERT_TRUE(commands.StartUp({}));
    const std::string a = dir.File("a.bin"), b = dir.File("b.bin");
    test::WriteFileBytes(a, {1});
    test::WriteFileBytes(b, {2});
    commands.DropFiles({a, b});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, Msg(2069));
    EXPECT_FALSE(commands.State().doc.IsOpen);
    commands.DropFiles({a});
    EXPECT_EQ(commands.State().doc.FileName, a);
}

TEST_F(MainCommandsTest, DropOpeningReadWriteClearsTheReadOnlyHint) {
    ASSERT_TRUE(commands.StartUp({}));
    const std::string a = dir.File("a.bin");
    test::WriteFileBytes(a, {1});
    commands.Files().OpenDocument(a, OpenSender::OpenDialog, true);
    EXPECT_EQ(commands.State().status[3], Msg(2097));
    commands.DropFiles({a});
    EXPECT_FALSE(commands.State().doc.ReadOnly);
    EXPECT_EQ(commands.State().status[3], "");
}

TEST_F(MainCommandsTest, RecentEntryOpensItsFile) {
    ASSERT_TRUE(commands.StartUp({}));
    const std::string a = dir.File("a.bin"), b = dir.File("b.bin");
    test::WriteFileBytes(a, {1});
    test::WriteFileBytes(b, {2});
    commands.Files().OpenDocument(a, OpenSender::CommandLine, false);
    commands.Files().OpenDocument(b, OpenSender::CommandLine, false);
    commands.OpenRecent("__MRU_1");
    EXPECT_EQ(commands.State().doc.FileName, a);
    EXPECT_EQ(commands.State().recent.Files().front(), a);
}

} // namespace
} // namespace qhe

namespace qhe {
namespace {

TEST(MainCommandsHelp, ContentsAndWhatsThisReachTheWindow) {
    test::FakeUi ui;
    MainCommands commands{ui};
    int shownContext = -1;
    bool whatsThis = false;
    commands.showHelp = [&](int context) { shownContext = context; };
    commands.enterWhatsThis = [&] { whatsThis = true; };
    EXPECT_TRUE(commands.Execute("Contents1"));
    EXPECT_EQ(shownContext, 0);
    EXPECT_TRUE(commands.Execute("QZBtnWhats"));
    EXPECT_TRUE(whatsThis);
}

} // namespace
} // namespace qhe
