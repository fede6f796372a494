#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FakeUi.h"
#include "SmallTmpfs.h"
#include "TempDir.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/EditorState.h"
#include "editor/OwnTexts.h"
#include "editor/edit/UndoCommands.h"
#include "editor/file/FileCommands.h"
#include "editor/navigation/NavigationCommands.h"
#include "core/search/DocumentSearch.h"
#include "editor/view/KeyboardEditing.h"

#include <random>

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

// A mapped file in pieces against a plain vector: random inserts, deletes and overwrites through
// the editing service with undo and redo, reads and searches across piece borders, then a save.
TEST_F(MappedFileTest, EditsInPiecesMatchAByteVectorThroughUndoSearchAndSave) {
    std::vector<uint8_t> model(1 << 20);
    std::mt19937 rng(11);
    for (auto& b : model)
        b = static_cast<uint8_t>("ABAB"[rng() % 4]); // dense, periodic hits for the searches
    const std::string name = dir.File("pieces.img");
    test::WriteFileBytes(name, model);
    state.options.mapFromMB = 1;
    ASSERT_TRUE(files.OpenDocument(name, OpenSender::CommandLine, false));
    ASSERT_TRUE(state.doc.IsMapped());
    auto pick = [&](int64_t lo, int64_t hi) { return std::uniform_int_distribution<int64_t>(lo, hi)(rng); };
    // Each step as the bytes it removed and inserted at its place, for undo and redo.
    struct Step {
        int64_t pos;
        std::vector<uint8_t> removed, inserted;
    };
    std::vector<Step> history;
    size_t at = 0; // steps done
    auto apply = [&](int64_t pos, const std::vector<uint8_t>& out, const std::vector<uint8_t>& in) {
        model.erase(model.begin() + pos - 1, model.begin() + pos - 1 + static_cast<int64_t>(out.size()));
        model.insert(model.begin() + pos - 1, in.begin(), in.end());
    };
    for (int step = 0; step < 3000; ++step) {
        const auto size = static_cast<int64_t>(model.size());
        const int kind = static_cast<int>(pick(0, 9));
        if (kind == 0 && at > 0) {
            UndoCommands(state).Undo1Click();
            const Step& undone = history[--at];
            apply(undone.pos, undone.inserted, undone.removed);
        } else if (kind == 1 && at < history.size()) {
            UndoCommands(state).Redo1Click();
            const Step& redone = history[at++];
            apply(redone.pos, redone.removed, redone.inserted);
        } else {
            const int64_t pos = pick(1, size), n = pick(1, std::min<int64_t>(size - pos + 1, 6));
            std::vector<uint8_t> bytes(static_cast<size_t>(n));
            for (auto& b : bytes)
                b = static_cast<uint8_t>("ABZ"[rng() % 3]);
            Step done{pos, {}, {}};
            if (kind >= 5) done.removed.assign(model.begin() + pos - 1, model.begin() + pos - 1 + n);
            if (kind < 5 || kind >= 8) done.inserted = bytes;
            state.editor.BeginStep("edit");
            if (kind < 5)
                ASSERT_TRUE(state.editor.Insert(pos, bytes.data(), n, ReplaceUndoRule::Keep));
            else if (kind < 8)
                state.editor.Delete(pos, n, true, ReplaceUndoRule::Keep);
            else
                ASSERT_TRUE(state.editor.Overwrite(pos, bytes.data(), n, ReplaceUndoRule::Keep));
            state.editor.EndStep();
            apply(pos, done.removed, done.inserted);
            history.resize(at++);
            history.push_back(std::move(done));
        }
        ASSERT_EQ(state.doc.Size(), static_cast<int64_t>(model.size())) << step;
        if (step % 100 != 99) continue;
        std::vector<uint8_t> now;
        ASSERT_TRUE(state.doc.ReadBytes(1, state.doc.Size(), now));
        ASSERT_EQ(now, model) << step;
        // Searches over the pieces give what the engine gives over one buffer.
        TQSearch pieces, flat;
        const std::string pattern = step % 200 == 99 ? "BZA" : "ABZB";
        const SearchRequest r{{reinterpret_cast<const uint8_t*>(pattern.data()), pattern.size()}};
        const int64_t low = pick(1, 1000), high = state.doc.Size() - pick(0, 1000);
        bool cancel = false;
        int64_t last = 0, flatLast = 0;
        EXPECT_EQ(SearchForwardIn(pieces, state.doc, r, low, high, cancel),
                  flat.SearchForward(r.pattern, model.data(), low, high, true, false, 0, {}, cancel));
        EXPECT_EQ(SearchBackwardIn(pieces, state.doc, r, low, high, cancel),
                  flat.SearchBackward(r.pattern, model.data(), low, high, true, false, 0, {}, cancel));
        EXPECT_EQ(
            CountForwardIn(pieces, state.doc, r, low, high, cancel, last),
            flat.CountForward(r.pattern, model.data(), low, high, true, false, 0, {}, cancel, flatLast));
        EXPECT_EQ(last, flatLast);
        EXPECT_EQ(
            CountBackwardIn(pieces, state.doc, r, low, high, cancel, last),
            flat.CountBackward(r.pattern, model.data(), low, high, true, false, 0, {}, cancel, flatLast));
        EXPECT_EQ(last, flatLast);
    }
    EXPECT_FALSE(state.doc.Contiguous());
    files.Save1Click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(test::ReadFileBytes(name), model);
    EXPECT_TRUE(state.doc.Contiguous()); // mapped afresh over the file just written
    EXPECT_FALSE(state.doc.Modified);
}

// A save that streams more than one writer buffer (written directly to disk where the file
// system allows), with a shifted tail that does not end on a block, comes out byte for byte.
TEST_F(MappedFileTest, StreamedSaveAcrossWriterBuffersKeepsEveryByte) {
    std::vector<uint8_t> model((17 << 20) + 4097);
    std::mt19937 rng(5);
    for (auto& b : model)
        b = static_cast<uint8_t>(rng());
    const std::string name = dir.File("several.img");
    test::WriteFileBytes(name, model);
    state.options.mapFromMB = 1;
    ASSERT_TRUE(files.OpenDocument(name, OpenSender::CommandLine, false));
    const uint8_t typed[3] = {1, 2, 3};
    state.editor.BeginStep("edit");
    ASSERT_TRUE(state.editor.Insert(2, typed, 3, ReplaceUndoRule::Keep));
    state.editor.Delete(9 << 20, 5000, true, ReplaceUndoRule::Keep);
    state.editor.EndStep();
    model.insert(model.begin() + 1, typed, typed + 3);
    model.erase(model.begin() + (9 << 20) - 1, model.begin() + (9 << 20) - 1 + 5000);
    files.Save1Click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(test::ReadFileBytes(name) == model);
}

// A streamed save with no room for the new file leaves the old one as it was, and the pieces.
TEST_F(MappedFileTest, StreamedSaveOnAFullDiskKeepsTheFileAndTheEdit) {
    test::SmallTmpfs disk(dir.File("disk"), "size=3m");
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs (" << disk.Error() << ")";
    const std::string name = dir.File("disk/two.img");
    const std::vector<uint8_t> before(2 << 20, 0x5A);
    test::WriteFileBytes(name, before);
    state.options.mapFromMB = 1;
    ASSERT_TRUE(files.OpenDocument(name, OpenSender::CommandLine, false));
    const uint8_t byte = 0x01;
    ASSERT_TRUE(state.editor.Insert(1, &byte, 1, ReplaceUndoRule::Keep));
    test::FillUp(dir.File("disk/filler"));
    files.Save1Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("two.img"), std::string::npos);
    EXPECT_EQ(test::ReadFileBytes(name), before);
    EXPECT_TRUE(state.doc.Modified);
    EXPECT_EQ(state.doc.Size(), (2 << 20) + 1);
    EXPECT_EQ(state.doc.GetByte(1), 0x01);
    EXPECT_EQ(state.doc.GetByte(2), 0x5A);
}

// A file in pieces with a second hard link cannot be written over itself: refused, untouched.
TEST_F(MappedFileTest, FileInPiecesIsNotWrittenOverItselfInPlace) {
    const std::string name = dir.File("linked.img");
    const std::vector<uint8_t> before(2 << 20, 0x33);
    test::WriteFileBytes(name, before);
    ASSERT_EQ(link(name.c_str(), dir.File("other-link.img").c_str()), 0);
    state.options.mapFromMB = 1;
    ASSERT_TRUE(files.OpenDocument(name, OpenSender::CommandLine, false));
    state.editor.Delete(1, 1, true, ReplaceUndoRule::Keep);
    files.Save1Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, Format(kTextMappedInPlace, {"linked.img"}));
    EXPECT_EQ(test::ReadFileBytes(name), before);
    EXPECT_TRUE(state.doc.Modified);
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

    KeyboardEditing keys(state);
    state.view.Overwrite = false;
    state.view.TextMode = true;
    keys.KeyPress(U'F'); // opened read-only: no byte changes
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, Msg(kMsgFileIsReadOnly));
    EXPECT_FALSE(state.doc.Modified);
    EXPECT_EQ(state.doc.GetByte(1), 0x00);
    ui.messages.clear();

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
