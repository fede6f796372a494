#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "core/text/Format.h"
#include "editor/EditorState.h"
#include "editor/OwnTexts.h"
#include "editor/file/FileCommands.h"
#include "platform/SafeReplace.h"

namespace qhe {
namespace {

using test::ReadFileBytes;

class InterruptedSaveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("XDG_STATE_HOME", dir.File("state").c_str(), 1);
        ASSERT_TRUE(files.AllocateDocument());
        state.options.mapFromMB = 1;
        test::WriteFileBytes(name, old);
    }
    void TearDown() override { ::unsetenv("XDG_STATE_HOME"); }
    void Overwrite(int64_t pos, uint8_t value) {
        state.editor.BeginStep("edit");
        ASSERT_TRUE(state.editor.Overwrite(pos, &value, 1, ReplaceUndoRule::Keep));
        state.editor.EndStep();
        state.doc.Modified = true;
    }
    size_t FilesInFolder() const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir.Path()), {}));
    }

    test::TempDir dir{"/var/tmp"};
    const std::string name = dir.File("big.bin");
    const std::vector<uint8_t> old = test::RandomBytes(3 << 20, 5);
    test::FakeUi ui;
    EditorState state{ui};
    FileCommands files{state};
};

// Another program appends to a mapped file while its changed pages are being saved: nothing is
// written over it, and the user is asked; No keeps the other program's bytes, Yes writes the
// Document's, at its length.
TEST_F(InterruptedSaveTest, AFileChangedDuringTheSaveIsAskedAbout) {
    ASSERT_TRUE(files.OpenDocument(name, OpenSender::CommandLine, false));
    ASSERT_TRUE(state.doc.IsMapped());
    Overwrite(5, 0xAA);
    bool appended = false;
    ui.progress.onSetProgress = [&] {
        if (appended) return;
        appended = true;
        const int fd = ::open(name.c_str(), O_WRONLY | O_APPEND);
        ASSERT_EQ(::write(fd, "15 more bytes!!", 15), 15);
        ::close(fd);
    };
    ui.answers = {mrNo};
    files.Save1Click();
    EXPECT_EQ(ui.Count(Format(kTextChangedOnDisk, {"big.bin"})), 1);
    EXPECT_EQ(ReadFileBytes(name).size(), old.size() + 15);
    EXPECT_EQ(ReadFileBytes(name)[4], old[4]);
    EXPECT_TRUE(state.doc.Modified);

    ui.answers = {mrYes};
    files.Save1Click();
    auto expected = old;
    expected[4] = 0xAA;
    EXPECT_EQ(ReadFileBytes(name), expected);
    EXPECT_FALSE(state.doc.Modified);
    EXPECT_EQ(FilesInFolder(), 1u);
}

// A save killed after its journal was sealed, with the file part written: opening the file
// completes the save first and says so.
TEST_F(InterruptedSaveTest, OpeningTheFileCompletesAnInterruptedSave) {
    auto saved = old;
    saved[100] ^= 0xFF;
    saved[2 << 20] ^= 0xFF;
    const pid_t child = ::fork();
    if (child == 0) {
        platform::SavePlan plan;
        if (platform::BeginPatchSave(name, plan, static_cast<int64_t>(saved.size())) != 0) ::_exit(1);
        plan.journal.Append(0, saved.data(), 4096);
        plan.journal.Append(2 << 20, saved.data() + (2 << 20), 4096);
        plan.journal.Seal(static_cast<int64_t>(saved.size()));
        ::pwrite(plan.targetFd, saved.data(), 4096, 0); // the first run only
        ::raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_NE(ReadFileBytes(name), saved);

    ASSERT_TRUE(files.OpenDocument(name, OpenSender::CommandLine, false));
    EXPECT_EQ(ui.Count(Format(kTextSaveCompleted, {name})), 1);
    EXPECT_EQ(ReadFileBytes(name), saved);
    EXPECT_EQ(state.doc.GetByte(101), saved[100]);
    EXPECT_EQ(FilesInFolder(), 1u);
}

} // namespace
} // namespace qhe
