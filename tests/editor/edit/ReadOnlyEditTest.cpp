#include <gtest/gtest.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/MainCommands.h"
#include "editor/script/ScriptRun.h"

namespace qhe {
namespace {

// A file opened read-only, held in a buffer or mapped (MapFromMB=1): every way of changing its
// bytes is refused with the read-only message, once per command, and reading still works.
class ReadOnlyEditTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        original.assign((1 << 20) + 16, 'a');
        const std::string name = dir.File("readonly.bin");
        test::WriteFileBytes(name, original);
        ASSERT_TRUE(commands.Files().AllocateDocument());
        commands.View().SetGridSize(8, 4);
        state().options.mapFromMB = GetParam() ? 1 : 2048;
        ASSERT_TRUE(commands.Files().OpenDocument(name, OpenSender::OpenDialog, true));
        ASSERT_TRUE(state().doc.ReadOnly);
        ASSERT_EQ(state().doc.IsMapped(), GetParam());
        ui.messages.clear();
    }
    // The command was refused: one read-only message, the bytes and the caption as they were.
    void ExpectRefused(const char* what) {
        ASSERT_EQ(ui.messages.size(), 1u) << what;
        EXPECT_EQ(ui.messages[0].text, Msg(kMsgFileIsReadOnly)) << what;
        ui.messages.clear();
        ExpectUnchanged(what);
    }
    void ExpectUnchanged(const char* what) {
        EXPECT_FALSE(state().doc.Modified) << what;
        std::vector<uint8_t> now;
        ASSERT_TRUE(state().doc.ReadBytes(1, state().doc.Size(), now));
        EXPECT_EQ(now, original) << what;
        EXPECT_FALSE(state().journal.CanUndo()) << what;
    }
    // A command as a menu item runs it: one step.
    template <typename F> void AsCommand(F f) {
        state().editor.BeginStep("command");
        f();
        state().editor.EndStep();
    }
    EditorState& state() { return commands.State(); }

    std::vector<uint8_t> original;
    test::TempDir dir{"/var/tmp"};
    test::FakeUi ui;
    MainCommands commands{ui};
};

TEST_P(ReadOnlyEditTest, EveryEditIsRefusedWithTheReadOnlyMessageOnce) {
    for (const bool overwrite : {true, false}) {
        state().view.Overwrite = overwrite;
        state().view.TextMode = true;
        commands.KeyPress(U'Z');
        ExpectRefused("typed text");
        state().view.TextMode = false;
        commands.KeyPress(U'F');
        ExpectRefused("typed hex digit");
    }
    commands.KeyDown(Key::Delete, 0);
    ExpectRefused("delete key");
    ui.clipboardBytes = "xyz";
    AsCommand([&] { commands.Clipboard().Paste1Click(); });
    ExpectRefused("paste");
    state().search.findString = "a";
    state().search.replaceString = "bc";
    AsCommand([&] { commands.Replace().ReplaceAllCommand(); });
    ExpectRefused("replace all");
    AsCommand([&] { commands.Replace().Replaceagaindown1Click(true); });
    ExpectRefused("replace");
    // A command that edits without asking first: the editing service refuses and says so once.
    AsCommand([&] {
        const uint8_t b = 0;
        EXPECT_FALSE(state().editor.Overwrite(1, &b, 1, ReplaceUndoRule::Keep));
        EXPECT_FALSE(state().editor.Insert(1, &b, 1, ReplaceUndoRule::Keep));
        state().editor.Delete(1, 1, true, ReplaceUndoRule::Keep);
    });
    ExpectRefused("edits of one command");
}

TEST_P(ReadOnlyEditTest, ScriptsReadButDoNotWrite) {
    const ScriptRunResult read = ExecuteScript(state(), {"ADR 5", "VERIFY 61 61", "FIND 61"});
    EXPECT_EQ(read.outcome, ScriptOutcome::Completed);
    const ScriptRunResult write = ExecuteScript(state(), {"ADR 5", "OVERWRITE 00"});
    EXPECT_EQ(write.outcome, ScriptOutcome::Failed);
    EXPECT_EQ(write.lineIndex, 1);
    EXPECT_NE(write.error.find(Msg(kMsgFileIsReadOnly)), std::string::npos);
    EXPECT_TRUE(ui.messages.empty()); // the run's error is the message
    ExpectUnchanged("script");
}

INSTANTIATE_TEST_SUITE_P(LoadedAndMapped, ReadOnlyEditTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Mapped" : "Loaded"; });

} // namespace
} // namespace qhe
