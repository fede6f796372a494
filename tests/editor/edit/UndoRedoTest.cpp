#include "editor/edit/UndoCommands.h"

#include <gtest/gtest.h>

#include <random>

#include "FakeUi.h"
#include "OpenBytes.h"
#include "editor/OwnTexts.h"
#include "editor/MainCommands.h"
#include "editor/blocks/BlockMarking.h"
#include "editor/script/ScriptRun.h"

namespace qhe::test {
namespace {

class UndoRedoTest : public ::testing::Test {
  protected:
    void Open(const std::string& bytes) {
        OpenBytesAs(commands, bytes, "undo.bin");
        state().journal.Clear(); // a fresh history, as after loading
        state().journal.MarkSaved();
        state().editor.UpdateUndoItems();
    }
    std::string Bytes() {
        const Document& doc = state().doc;
        return std::string(reinterpret_cast<const char*>(doc.Buffer()), static_cast<size_t>(doc.Size()));
    }
    EditorState& state() { return commands.State(); }
    void Script(const std::string& text) {
        std::vector<std::string> lines;
        for (size_t from = 0; from <= text.size();) {
            const size_t end = std::min(text.find('\n', from), text.size());
            lines.push_back(text.substr(from, end - from));
            from = end + 1;
        }
        ExecuteScript(state(), lines);
    }

    // One random user action of any kind that may change bytes.
    void RandomAction(std::mt19937& rng) {
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        const int64_t size = state().doc.Size();
        switch (pick(0, 6)) {
        case 0: // switch pane or mode, then type
            if (pick(0, 1)) commands.KeyDown(Key::Tab, kModNone);
            if (pick(0, 3) == 0) commands.KeyDown(Key::Insert, kModNone);
            for (int n = pick(1, 3); n > 0; --n) {
                commands.KeyDown(Key::Other, kModNone);
                commands.KeyPress(state().view.TextMode ? U'a' + pick(0, 2) : U'0' + pick(0, 9));
                commands.DrainPostedKeys(kModNone);
            }
            break;
        case 1:
            commands.KeyDown(pick(0, 1) ? Key::Delete : Key::Backspace, kModNone);
            commands.DrainPostedKeys(kModNone);
            break;
        case 2:
            commands.MouseDown(state().view.TextMode ? Pane::Text : Pane::Hex, pick(0, 7), pick(0, 3));
            break;
        case 3: {
            static const char* const scripts[] = {"ADR %d\nINSERT 41 42", "ADR %d\nOVERWRITE 43 44",
                                                  "ADR %d\nDEL 2",        "REPLACEALL 61 BY 5A 5A",
                                                  "REPLACEALLASC b BY",   "REPLACEALL 61 62 BY 63 64",
                                                  "ADR %d\nBITXOR FF 2",  "ADR %d\nINSERT 45\nADR 0\nDEL 1"};
            std::string text = scripts[pick(0, 7)];
            if (const size_t at = text.find("%d"); at != std::string::npos)
                text.replace(at, 2, std::to_string(pick(0, static_cast<int>(size))));
            Script(text);
            break;
        }
        case 4:
            if (size < 2) break;
            {
                const int b = pick(1, static_cast<int>(size)), e = pick(b, static_cast<int>(size));
                commands.View().ShowAddress(pick(1, static_cast<int>(size)), true, false);
                BlockMarking(state()).SetBlock(b, e);
                static const char* const blockCommands[] = {"Blockdelete1", "Blockcopy1", "Blockmove1",
                                                            "Blockcopyovwr1"};
                commands.Execute(blockCommands[pick(0, 3)]);
            }
            break;
        case 5: // a save
            state().doc.Modified = false;
            state().journal.MarkSaved();
            saved = state().journal.StepCount();
            break;
        default:
            commands.Execute("Deletefromcursor1");
        }
    }

    FakeUi ui;
    MainCommands commands{ui};
    size_t saved = 0;
};

// Thousands of random sequences: undoing everything gives back every earlier state in turn
// (bytes and size), redoing everything the edited one; Modified follows the save point.
TEST_F(UndoRedoTest, RandomEditSequencesUndoAndRedoCompletely) {
    std::mt19937 rng(11);
    for (int round = 0; round < 1500; ++round) {
        std::string start(rng() % 20, 'a');
        for (char& c : start)
            c = static_cast<char>('a' + rng() % 3);
        Open(start);
        saved = 0;
        std::vector<std::string> states{start};
        for (int action = 0; action < 10; ++action) {
            RandomAction(rng);
            ui.answers.clear();
            // A joined typing step replaces the state it grew from.
            states.resize(state().journal.StepCount() + 1);
            states.back() = Bytes();
        }
        SCOPED_TRACE("round " + std::to_string(round));
        const size_t steps = states.size() - 1;
        for (size_t s = steps; s > 0; --s) {
            ASSERT_TRUE(state().actions.Enabled("Undo1"));
            ASSERT_TRUE(commands.Execute("Undo1"));
            ASSERT_EQ(Bytes(), states[s - 1]) << "after undoing step " << s;
            ASSERT_EQ(state().doc.Modified, s - 1 != saved);
        }
        EXPECT_FALSE(state().actions.Enabled("Undo1"));
        for (size_t s = 1; s <= steps; ++s) {
            ASSERT_TRUE(commands.Execute("Redo1"));
            ASSERT_EQ(Bytes(), states[s]) << "after redoing step " << s;
            ASSERT_EQ(state().doc.Modified, s != saved);
        }
        EXPECT_FALSE(state().actions.Enabled("Redo1"));
    }
}

TEST_F(UndoRedoTest, TypingIsOneStepUntilTheCursorMovesAndUndoReturnsToItsStart) {
    Open("0123456789");
    commands.View().ShowAddress(3, true, false);
    if (!state().view.TextMode) commands.KeyDown(Key::Tab, kModNone);
    for (char32_t c : U"xyz") {
        if (c == 0) break;
        commands.KeyPress(c);
        commands.DrainPostedKeys(kModNone);
    }
    commands.KeyDown(Key::Right, kModNone);
    commands.KeyPress(U'w');
    commands.DrainPostedKeys(kModNone);
    EXPECT_EQ(state().journal.StepCount(), 2u);
    EXPECT_EQ(state().actions.Find("Undo1")->hint, "撤销: 输入");
    commands.Execute("Undo1");
    commands.Execute("Undo1");
    EXPECT_EQ(Bytes(), "0123456789");
    EXPECT_EQ(state().view.CursorPosition(), 3);
    EXPECT_FALSE(state().doc.Modified);
    commands.Execute("Redo1");
    EXPECT_EQ(state().actions.Find("Redo1")->hint, "重做: 输入");
}

// A step too large for the journal says so until the next step, which clears the hint.
TEST_F(UndoRedoTest, TheTooLargeHintGoesWithTheNextStep) {
    Open(std::string(4096, 'a'));
    state().journal.SetLimit(1000);
    const auto step = [this](int64_t n) {
        const std::string bytes(static_cast<size_t>(n), 'b');
        state().editor.BeginStep("edit");
        state().editor.Overwrite(1, reinterpret_cast<const uint8_t*>(bytes.data()), n, ReplaceUndoRule::Keep);
        state().editor.EndStep();
    };
    step(2000);
    EXPECT_EQ(state().status[3], kTextStepTooBig);
    step(1);
    EXPECT_EQ(state().status[3], "");
}

} // namespace
} // namespace qhe::test
