#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "core/text/Format.h"
#include "editor/EditorState.h"
#include "editor/OwnTexts.h"
#include "editor/edit/UndoCommands.h"
#include "editor/file/FileCommands.h"
#include "editor/navigation/NavigationCommands.h"
#include "editor/view/KeyboardEditing.h"

namespace qhe {
namespace {

constexpr int64_t kGiB = int64_t{1} << 30;

class MappedFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(files.AllocateDocument()); }

    // A sparse file of size bytes with marks written at the given 0-based offsets.
    std::string SparseFile(int64_t size, const std::vector<std::pair<int64_t, uint8_t>>& marks) {
        const std::string name = dir.File("big.img");
        const int fd = open(name.c_str(), O_CREAT | O_RDWR | O_TRUNC, 0644);
        EXPECT_EQ(ftruncate(fd, size), 0);
        for (const auto& [offset, value] : marks)
            EXPECT_EQ(pwrite(fd, &value, 1, offset), 1);
        close(fd);
        return name;
    }
    uint8_t FileByte(const std::string& name, int64_t offset) {
        const int fd = open(name.c_str(), O_RDONLY);
        uint8_t b = 0;
        EXPECT_EQ(pread(fd, &b, 1, offset), 1);
        close(fd);
        return b;
    }
    // Disk blocks the file occupies (a sparse file only gets those written).
    int64_t AllocatedBytes(const std::string& name) {
        struct stat st {};
        stat(name.c_str(), &st);
        return int64_t{st.st_blocks} * 512;
    }
    void Overwrite(int64_t pos, uint8_t value) {
        state.editor.BeginStep("edit");
        ASSERT_TRUE(state.editor.Overwrite(pos, &value, 1, ReplaceUndoRule::Keep));
        state.editor.EndStep();
    }

    test::TempDir dir{"/var/tmp"};
    test::FakeUi ui;
    EditorState state{ui};
    FileCommands files{state};
};

TEST_F(MappedFileTest, FileAbove2GiBOpensMappedAndSaveWritesOnlyTheChangedPages) {
    const int64_t size = 5 * kGiB + 3;
    const std::string name = SparseFile(size, {{0, 0x11}, {3 * kGiB, 0x33}, {size - 1, 0x77}});
    const int64_t allocatedBefore = AllocatedBytes(name);
    ASSERT_TRUE(files.OpenDocument(name, OpenSender::CommandLine, false));
    const Document& doc = state.doc;
    ASSERT_TRUE(doc.IsMapped());
    EXPECT_EQ(doc.Size(), size);
    EXPECT_EQ(doc.GetByte(1), 0x11);
    EXPECT_EQ(doc.GetByte(3 * kGiB + 1), 0x33);
    EXPECT_EQ(doc.GetByte(size), 0x77);
    EXPECT_TRUE(ui.messages.empty());

    // Positions beyond 32 bits are reached by Goto and shown with more address digits.
    EXPECT_EQ(NavigationCommands::GotoTarget("$100000000", 0, 1, size, 0), (int64_t{1} << 32) + 1);
    EXPECT_EQ(NavigationCommands::GotoTarget("5368709122", 0, 1, size, 1), size - 1);
    EXPECT_FALSE(NavigationCommands::GotoTarget("5368709123", 0, 1, size, 0));
    EXPECT_EQ(state.view.AddressDigits, 9);

    Overwrite(2, 0xA2);
    Overwrite(4 * kGiB + 5, 0xB4);
    Overwrite(size, 0xC7);
    EXPECT_TRUE(doc.Modified);
    files.Save1Click();
    EXPECT_FALSE(doc.Modified);
    EXPECT_TRUE(doc.Changed().Empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(FileByte(name, 1), 0xA2);
    EXPECT_EQ(FileByte(name, 4 * kGiB + 4), 0xB4);
    EXPECT_EQ(FileByte(name, size - 1), 0xC7);
    EXPECT_EQ(FileByte(name, 3 * kGiB), 0x33);
    // Three pages were written, not the file.
    EXPECT_LE(AllocatedBytes(name) - allocatedBefore, 3 * 64 * 1024);

    // Undo is an edit of its own, saved the same way.
    UndoCommands(state).Undo1Click();
    files.Save1Click();
    EXPECT_EQ(FileByte(name, size - 1), 0x77);
    EXPECT_EQ(FileByte(name, 4 * kGiB + 4), 0xB4);
}

TEST_F(MappedFileTest, SizeChangesAreRefusedWithAClearMessageAndChangeNothing) {
    const std::string name = SparseFile(3 * 1024 * 1024, {{0, 0x41}});
    state.options.mapFromMB = 2; // from 2 MiB on, files are mapped
    ASSERT_TRUE(files.OpenDocument(name, OpenSender::CommandLine, false));
    ASSERT_TRUE(state.doc.IsMapped());
    const std::string refusal = Format(kTextSizeFixed, {"big.img"});
    KeyboardEditing keys(state);
    state.view.Overwrite = false;
    state.view.TextMode = true;
    keys.KeyPress(U'F');
    keys.KeyDown(Key::Delete, 0);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, refusal);
    EXPECT_EQ(ui.messages[1].text, refusal);
    EXPECT_EQ(state.doc.Size(), 3 * 1024 * 1024);
    EXPECT_EQ(state.doc.GetByte(1), 0x41);
    EXPECT_FALSE(state.doc.Modified);
    EXPECT_FALSE(state.journal.CanUndo());
}

// A loop device over an image file: opened read-only unless the open dialog says otherwise,
// never resized, and saved sector by sector after a question naming it.
TEST_F(MappedFileTest, BlockDeviceOpensReadOnlyAndIsWrittenInPlaceAfterAsking) {
    const std::string image = SparseFile(8 << 20, {{5, 0x55}});
    FILE* pipe = popen(("losetup -f --show " + image + " 2>&1").c_str(), "r");
    char line[256] = {};
    const bool read = pipe && fgets(line, sizeof line, pipe);
    const int status = pipe ? pclose(pipe) : -1;
    std::string device = read ? std::string(line, strcspn(line, "\n")) : std::string();
    if (status != 0 || device.rfind("/dev/", 0) != 0)
        GTEST_SKIP() << "no loop device here (losetup: " << device << ")";
    struct Detach {
        std::string device;
        ~Detach() { (void)!system(("losetup -d " + device).c_str()); }
    } detach{device};

    ASSERT_TRUE(files.OpenDocument(device, OpenSender::CommandLine, false));
    EXPECT_TRUE(state.doc.IsDevice());
    EXPECT_TRUE(state.doc.ReadOnly);
    EXPECT_FALSE(state.actions.Enabled("Save1"));
    EXPECT_EQ(state.doc.Size(), 8 << 20);
    EXPECT_EQ(state.doc.GetByte(6), 0x55);

    ui.openFiles.push_back(OpenChoice{device, false});
    files.Open1Click();
    ASSERT_FALSE(state.doc.ReadOnly);
    Overwrite(7, 0x66);
    ui.answers.push_back(mrNo);
    files.Save1Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(device), std::string::npos);
    EXPECT_EQ(FileByte(device, 6), 0x00); // No: nothing written
    ui.answers.push_back(mrYes);
    files.Save1Click();
    EXPECT_FALSE(state.doc.Modified);
    EXPECT_EQ(FileByte(device, 6), 0x66);
    EXPECT_EQ(FileByte(device, 5), 0x55);
}

} // namespace
} // namespace qhe
