#include "editor/file/FileCommands.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "core/text/Format.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"

namespace qhe {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

class FileCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(files.AllocateDocument()); }

    // Opens name through the open dialog.
    bool OpenViaDialog(const std::string& name, bool readOnly = false) {
        ui.openFiles.push_back(OpenChoice{name, readOnly});
        files.Open1Click();
        return doc().IsOpen && doc().FileName == name;
    }
    // Changes the first byte as an editing command would.
    void Edit(uint8_t value) {
        doc().SetByte(1, value);
        doc().Modified = true;
    }
    Document& doc() { return state.doc; }
    std::vector<uint8_t> Bytes() { return {doc().Buffer(), doc().Buffer() + doc().Size()}; }

    test::TempDir dir;
    test::FakeUi ui;
    EditorState state{ui};
    FileCommands files{state};
};

TEST_F(FileCommandsTest, StartsClosedAndNewMakesNoName) {
    files.Close1Click();
    EXPECT_EQ(state.caption, "QHE32");
    EXPECT_FALSE(state.actions.Enabled("Save1"));
    EXPECT_TRUE(state.actions.Enabled("New1"));
    files.New1Click();
    EXPECT_EQ(doc().FileName, "NoName1");
    EXPECT_EQ(doc().Size(), 0);
    EXPECT_EQ(doc().Capacity(), 512u * 1024);
    EXPECT_EQ(state.caption, "QHE32 - NoName1");
    EXPECT_FALSE(state.actions.Enabled("Reload1"));
    state.options.newEOF = true;
    files.New1Click();
    EXPECT_EQ(doc().FileName, "NoName2");
    EXPECT_EQ(Bytes(), std::vector<uint8_t>{0x1A});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileCommandsTest, OpenShowsTheFileAndRemembersIt) {
    const std::string name = dir.File("data.bin");
    WriteFileBytes(name, {1, 2, 3});
    ASSERT_TRUE(OpenViaDialog(name));
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(state.caption, "QHE32 - data.bin");
    EXPECT_EQ(doc().CurrentDir, dir.Path());
    EXPECT_EQ(state.recent.Files().front(), name);
    EXPECT_TRUE(state.actions.Enabled("Save1"));
    EXPECT_TRUE(state.actions.Enabled("Reload1"));
    EXPECT_FALSE(state.actions.Enabled("Replaceundo1"));
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].title, Msg(319));
    EXPECT_TRUE(ui.fileDialogs[0].readOnlyBox);
    EXPECT_EQ(ui.progress.caption, Msg(2020));
}

TEST_F(FileCommandsTest, ReadOnlyOpeningAndAttribute) {
    const std::string name = dir.File("ro.bin");
    WriteFileBytes(name, {1});
    ASSERT_TRUE(OpenViaDialog(name, true));
    EXPECT_TRUE(doc().ReadOnly);
    EXPECT_EQ(state.status[3], Msg(2097));
    EXPECT_FALSE(state.actions.Enabled("Save1"));
    ASSERT_EQ(chmod(name.c_str(), 0444), 0);
    ASSERT_TRUE(files.OpenDocument(name, OpenSender::Recent, false));
    EXPECT_TRUE(doc().ReadOnly);
    EXPECT_EQ(state.status[3], Msg(2098));
    EXPECT_FALSE(state.actions.Enabled("QZBtnSave"));
}

TEST_F(FileCommandsTest, SharingViolationOffersReadOnlyOpening) {
    const std::string name = dir.File("shared.bin");
    WriteFileBytes(name, {4, 5});
    const int holder = open(name.c_str(), O_RDWR);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    ASSERT_EQ(fcntl(holder, F_OFD_SETLK, &lock), 0);
    ui.answers.push_back(mrYes);
    ASSERT_TRUE(OpenViaDialog(name));
    close(holder);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "读取错误\nshared.bin\nError 32: File sharing violation");
    EXPECT_EQ(ui.messages[1].text, FormatMsg(2000, {"shared.bin"}));
    EXPECT_TRUE(doc().ReadOnly);
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{4, 5}));
}

TEST_F(FileCommandsTest, FailedOrCancelledLoadKeepsTheOpenDocument) {
    const std::string name = dir.File("keep.bin"), big = dir.File("big.bin");
    WriteFileBytes(name, {1, 2, 3});
    WriteFileBytes(big, test::RandomBytes(4 << 20));
    ASSERT_TRUE(OpenViaDialog(name));
    Edit(9);
    ui.answers.push_back(mrNo); // do not save before opening the next file
    ui.cancelAfterUpdates = 2;
    files.OpenDocument(big, OpenSender::Recent, false);
    EXPECT_EQ(ui.messages.back().text, FormatMsg(2011, {"big.bin"}));
    ui.answers.push_back(mrNo);
    files.OpenDocument(dir.File("missing.bin"), OpenSender::Recent, false);
    EXPECT_EQ(ui.messages.back().text, "读取错误\nmissing.bin\nError 2: 文件未发现");
    EXPECT_EQ(doc().FileName, name);
    EXPECT_TRUE(doc().Modified);
    EXPECT_TRUE(doc().IsOpen);
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{9, 2, 3}));
    EXPECT_EQ(state.caption, "QHE32 - keep.bin");
}

TEST_F(FileCommandsTest, SaveWritesAndKeepsTheOldTimeOnRequest) {
    const std::string name = dir.File("save.bin");
    WriteFileBytes(name, {1, 2});
    struct timespec old[2] = {{0, UTIME_OMIT}, {1000000000, 0}}; // 2001
    ASSERT_EQ(utimensat(AT_FDCWD, name.c_str(), old, 0), 0);
    ASSERT_TRUE(OpenViaDialog(name));
    Edit(7);
    state.options.oldFileTime = true;
    files.Save1Click();
    EXPECT_FALSE(doc().Modified);
    EXPECT_EQ(ReadFileBytes(name), (std::vector<uint8_t>{7, 2}));
    struct stat st {};
    ASSERT_EQ(stat(name.c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
    EXPECT_EQ(ui.progress.caption, Msg(2057));
}

TEST_F(FileCommandsTest, CancelledSaveKeepsFileAndModified) {
    const std::string name = dir.File("cancel.bin");
    const auto original = test::RandomBytes(3 << 20);
    WriteFileBytes(name, original);
    ASSERT_TRUE(OpenViaDialog(name));
    Edit(static_cast<uint8_t>(original[0] + 1));
    ui.cancelAfterUpdates = 3;
    files.Save1Click();
    EXPECT_EQ(ui.messages.back().text, FormatMsg(2058, {"cancel.bin"}));
    EXPECT_TRUE(doc().Modified);
    EXPECT_EQ(ReadFileBytes(name), original);
}

TEST_F(FileCommandsTest, FailedSaveAsKeepsNameAndStopsTheClose) {
    const std::string name = dir.File("a.bin");
    WriteFileBytes(name, {1});
    ASSERT_TRUE(OpenViaDialog(name, true)); // read-only: the save question goes to Save as
    Edit(2);
    ui.answers.push_back(mrYes);
    ui.saveFiles.push_back(dir.File("no/such/folder.bin"));
    files.Close1Click();
    EXPECT_TRUE(doc().IsOpen);
    EXPECT_EQ(doc().FileName, name);
    EXPECT_TRUE(doc().Modified);
    EXPECT_EQ(ui.messages.back().text, "写入错误\nfolder.bin\nError 2: 文件未发现");
}

TEST_F(FileCommandsTest, SaveAsRenamesAndClearsReadOnly) {
    const std::string name = dir.File("a.bin"), other = dir.File("b.bin");
    WriteFileBytes(name, {1});
    ASSERT_TRUE(OpenViaDialog(name, true));
    ui.saveFiles.push_back(other);
    files.SaveAs1Click();
    EXPECT_EQ(doc().FileName, other);
    EXPECT_FALSE(doc().ReadOnly);
    EXPECT_TRUE(state.actions.Enabled("Save1"));
    EXPECT_EQ(state.recent.Files().front(), other);
    EXPECT_EQ(state.caption, "QHE32 - b.bin");
    EXPECT_EQ(ui.fileDialogs.back().title, Msg(321));
    EXPECT_EQ(ReadFileBytes(other), std::vector<uint8_t>{1});
}

TEST_F(FileCommandsTest, ReloadReadsAgainOnlyAfterNo) {
    const std::string name = dir.File("r.bin");
    WriteFileBytes(name, {1, 2});
    ASSERT_TRUE(OpenViaDialog(name));
    Edit(5);
    ui.answers.push_back(mrNo);
    files.Reload1Click();
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{1, 2}));
    Edit(6);
    ui.answers.push_back(mrYes);     // save first
    ui.answers.push_back(mrYes);     // and overwrite the change made on disk
    WriteFileBytes(name, {3, 3, 3}); // changed on disk; a saved Document is not read again
    files.Reload1Click();
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{6, 2}));
    EXPECT_EQ(ReadFileBytes(name), (std::vector<uint8_t>{6, 2}));
    EXPECT_EQ(ui.Count(FormatMsg(2009, {"r.bin"})), 2);
}

TEST_F(FileCommandsTest, SaveAsksBeforeOverwritingAnotherProgramsChange) {
    const std::string name = dir.File("shared.bin");
    WriteFileBytes(name, {1, 2});
    ASSERT_TRUE(OpenViaDialog(name));
    Edit(7);
    const std::string question = Format(kTextChangedOnDisk, {"shared.bin"});
    WriteFileBytes(name, {3, 3, 3});
    files.Save1Click(); // default No: nothing written
    ASSERT_EQ(ui.Count(question), 1);
    EXPECT_EQ(ui.messages.back().buttons, unsigned{mbYes | mbNo});
    EXPECT_EQ(ReadFileBytes(name), (std::vector<uint8_t>{3, 3, 3}));
    EXPECT_TRUE(doc().Modified);
    ui.answers.push_back(mrYes);
    files.Save1Click();
    EXPECT_EQ(ReadFileBytes(name), (std::vector<uint8_t>{7, 2}));
    EXPECT_FALSE(doc().Modified);
    // The own save is remembered: saving again asks nothing.
    Edit(8);
    files.Save1Click();
    EXPECT_EQ(ReadFileBytes(name), (std::vector<uint8_t>{8, 2}));
    // Same size, another time: asked again (default No).
    Edit(9);
    struct timespec other[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, name.c_str(), other, 0), 0);
    files.Save1Click();
    EXPECT_EQ(ui.Count(question), 3);
    EXPECT_EQ(ReadFileBytes(name), (std::vector<uint8_t>{8, 2}));
    // A file deleted meanwhile is simply written.
    ASSERT_EQ(unlink(name.c_str()), 0);
    files.Save1Click();
    EXPECT_EQ(ReadFileBytes(name), (std::vector<uint8_t>{9, 2}));
    EXPECT_EQ(ui.Count(question), 3);
    // Replaced by another file of the same size and time (a new inode): asked again.
    Edit(4);
    struct stat saved {};
    ASSERT_EQ(stat(name.c_str(), &saved), 0);
    const std::string replacement = dir.File("other.bin");
    WriteFileBytes(replacement, {5, 5});
    const struct timespec same[2] = {saved.st_atim, saved.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, replacement.c_str(), same, 0), 0);
    ASSERT_EQ(rename(replacement.c_str(), name.c_str()), 0);
    files.Save1Click();
    EXPECT_EQ(ui.Count(question), 4);
    EXPECT_EQ(ReadFileBytes(name), (std::vector<uint8_t>{5, 5}));
}

TEST_F(FileCommandsTest, FileGrowingWhileLoadedIsNamedAndKeptAsRead) {
    const std::string name = dir.File("log.bin");
    WriteFileBytes(name, {1, 2, 3});
    ui.progress.onSetProgress = [&] {
        ui.progress.onSetProgress = nullptr;
        std::ofstream(name, std::ios::app | std::ios::binary) << "tail";
    };
    ASSERT_TRUE(OpenViaDialog(name));
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{1, 2, 3}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, Format(kTextChangedWhileLoading, {"log.bin", 3, 7}));
    // The Document holds less than the file: a Save asks before dropping the tail.
    Edit(5);
    files.Save1Click();
    EXPECT_EQ(ui.Count(Format(kTextChangedOnDisk, {"log.bin"})), 1);
    EXPECT_EQ(ReadFileBytes(name).size(), 7u);
}

TEST_F(FileCommandsTest, SpecialFilesAreRefusedWithoutBlocking) {
    const std::string pipe = dir.File("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(files.OpenDocument(pipe, OpenSender::CommandLine, false));
    EXPECT_EQ(ui.messages.back().text, Format(kTextNotRegularRead, {"pipe"}));
    EXPECT_FALSE(files.OpenDocument(dir.Path(), OpenSender::CommandLine, false));
    EXPECT_EQ(ui.messages.back().text, Format(kTextNotRegularRead, {FileNameOnly(dir.Path())}));
    EXPECT_FALSE(doc().IsOpen);
    files.New1Click();
    ui.saveFiles.push_back(pipe);
    files.SaveAs1Click();
    EXPECT_EQ(ui.messages.back().text, Format(kTextNotRegularWrite, {"pipe"}));
    EXPECT_TRUE(doc().Untitled);
}

TEST_F(FileCommandsTest, CancelKeepsAModifiedDocumentOpen) {
    const std::string name = dir.File("m.bin");
    WriteFileBytes(name, {1});
    ASSERT_TRUE(OpenViaDialog(name));
    Edit(2);
    ui.answers.push_back(mrCancel);
    files.Close1Click();
    EXPECT_TRUE(doc().IsOpen);
    ui.answers.push_back(mrCancel);
    EXPECT_FALSE(files.OpenDocument(name, OpenSender::Drop, false)); // a drop asks too
    EXPECT_TRUE(doc().Modified);
}

} // namespace
} // namespace qhe
