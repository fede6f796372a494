#include <gtest/gtest.h>

#include <random>

#include "FakeUi.h"
#include "TempDir.h"
#include "editor/MainCommands.h"
#include "editor/edit/UndoCommands.h"

namespace qhe {
namespace {

// Replace all in a mapped file (MapFromMB=1 maps this 1.5 MiB file), through the user's
// command: the result, undo and redo, the save, and how many pieces the result takes.
class ReplaceInPiecesTest : public ::testing::Test {
  protected:
    void OpenMapped(const std::vector<uint8_t>& bytes) {
        const std::string name = dir.File("mapped.bin");
        test::WriteFileBytes(name, bytes);
        state().options.mapFromMB = 1;
        ASSERT_TRUE(commands.Files().OpenDocument(name, OpenSender::CommandLine, false));
        ASSERT_TRUE(state().doc.IsMapped());
    }
    void ReplaceAll(const std::string& find, const std::string& replacement, int64_t from = 1) {
        state().search.findString = find;
        state().search.replaceString = replacement;
        state().options.scope = from > 1;
        commands.View().ShowAddress(from, true, true);
        state().editor.BeginStep("replace all"); // as a menu command runs
        commands.Replace().ReplaceAllCommand();
        state().editor.EndStep();
    }
    std::vector<uint8_t> Bytes() {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(state().doc.ReadBytes(1, state().doc.Size(), bytes));
        return bytes;
    }
    EditorState& state() { return commands.State(); }

    test::TempDir dir{"/var/tmp"};
    test::FakeUi ui;
    MainCommands commands{ui};
};

// Hits left to right, each behind the one before, from 0-based start.
std::vector<uint8_t> Oracle(const std::vector<uint8_t>& data, size_t start, const std::string& find,
                            const std::string& replacement) {
    std::vector<uint8_t> out(data.begin(), data.begin() + static_cast<int64_t>(start));
    for (size_t p = start; p < data.size();) {
        if (p + find.size() <= data.size() && std::equal(find.begin(), find.end(), data.begin() + p)) {
            out.insert(out.end(), replacement.begin(), replacement.end());
            p += find.size();
        } else {
            out.push_back(data[p++]);
        }
    }
    return out;
}

TEST_F(ReplaceInPiecesTest, MatchesAPlainOracleThroughUndoRedoAndSave) {
    std::mt19937 random(77);
    std::vector<uint8_t> data((3 << 20) / 2);
    // Stretches of dense hits and stretches without any, so that runs are copied and kept.
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (i / 5000) % 3 == 0 ? static_cast<uint8_t>("ab"[random() % 2]) : static_cast<uint8_t>('c');
    OpenMapped(data);
    struct Case {
        std::string find, replacement;
        size_t start;
    };
    std::vector<uint8_t> now = data;
    for (const Case& c :
         {Case{"ab", "XYZ", 0}, Case{"XYZa", "", 777}, Case{"b", "Q", 12345}, Case{"cc", "c", 3}}) {
        const std::vector<uint8_t> before = now;
        now = Oracle(before, c.start, c.find, c.replacement);
        ReplaceAll(c.find, c.replacement, static_cast<int64_t>(c.start) + 1);
        ASSERT_EQ(Bytes(), now) << c.find;
        UndoCommands(state()).Undo1Click();
        ASSERT_EQ(Bytes(), before) << c.find;
        UndoCommands(state()).Redo1Click();
        ASSERT_EQ(Bytes(), now) << c.find;
    }
    EXPECT_FALSE(state().doc.Contiguous());
    commands.Files().Save1Click();
    EXPECT_TRUE(state().doc.Contiguous()); // mapped afresh
    ReplaceAll("no such bytes", "");       // finds nothing: leaves the mapping as it is
    EXPECT_TRUE(state().doc.Contiguous());
    EXPECT_EQ(test::ReadFileBytes(state().doc.FileName), now);
    EXPECT_TRUE(ui.messages.empty());
}

// 00 BY 01 02 over every byte: one long run, not a piece per hit, and one undo step.
TEST_F(ReplaceInPiecesTest, DenseHitsBecomeOneRunAndOneStep) {
    OpenMapped(std::vector<uint8_t>(3 << 19, 0));
    ReplaceAll(std::string(1, '\0'), "\x01\x02");
    ASSERT_EQ(state().doc.Size(), 3 << 20);
    EXPECT_LE(state().doc.PieceCount(), 8);
    EXPECT_EQ(state().doc.GetByte(1), 1);
    EXPECT_EQ(state().doc.GetByte(3 << 20), 2);
    EXPECT_TRUE(state().doc.Modified);
    EXPECT_EQ(state().journal.StepCount(), 1u);
    UndoCommands(state()).Undo1Click();
    EXPECT_EQ(Bytes(), std::vector<uint8_t>(3 << 19, 0));
    EXPECT_LE(state().doc.PieceCount(), 8);
}

} // namespace
} // namespace qhe
