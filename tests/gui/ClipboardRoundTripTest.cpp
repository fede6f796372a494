#include <gtest/gtest.h>

#include "TempDir.h"
#include "editor/MainCommands.h"
#include "editor/blocks/BlockMarking.h"
#include "gui/QtUi.h"

namespace qhe {
namespace {

// The clipboard commands over the real clipboard: a block copied in the private format comes
// back byte for byte, and a block copied as hex comes back through the hex paste.
class ClipboardRoundTrip : public ::testing::Test {
  protected:
    void OpenFile(const std::vector<uint8_t>& bytes) {
        const std::string name = dir.File("data.bin");
        test::WriteFileBytes(name, bytes);
        ASSERT_TRUE(commands.StartUp({name}));
    }
    std::vector<uint8_t> Bytes() {
        const Document& doc = commands.State().doc;
        return std::vector<uint8_t>(doc.Buffer(), doc.Buffer() + doc.Size());
    }
    void Mark(int64_t begin, int64_t end) { BlockMarking(commands.State()).SetBlock(begin, end); }
    // Pasting into a marked block would show message 2021 in a modal box.
    void Unmark() { BlockMarking(commands.State()).Unmark(false); }
    void CursorTo(int64_t pos) { commands.View().ShowAddress(pos, true, false); }

    test::TempDir dir;
    QtUi ui;
    MainCommands commands{ui};
};

TEST_F(ClipboardRoundTrip, CopyThenPasteInsertsTheSameBytes) {
    OpenFile({0x10, 0x00, 0xFF, 0x20});
    Mark(2, 3);
    ASSERT_TRUE(commands.Execute("Copy1"));
    Unmark();
    CursorTo(1);
    ASSERT_TRUE(commands.Execute("Paste1"));
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{0x00, 0xFF, 0x10, 0x00, 0xFF, 0x20}));
}

TEST_F(ClipboardRoundTrip, CutThenPasteMovesTheBlock) {
    OpenFile({1, 2, 3, 4, 5});
    Mark(1, 2);
    CursorTo(1);
    ASSERT_TRUE(commands.Execute("Cut1"));
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{3, 4, 5}));
    CursorTo(3);
    ASSERT_TRUE(commands.Execute("QZBtnPaste"));
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{3, 4, 1, 2, 5}));
}

TEST_F(ClipboardRoundTrip, HexCopyThenHexPaste) {
    OpenFile({0x0A, 0xFF, 0x00});
    Mark(1, 3);
    ASSERT_TRUE(commands.Execute("Copyhex1"));
    EXPECT_EQ(ui.ClipboardText(), std::string("0A FF 00"));
    Unmark();
    CursorTo(3);
    ASSERT_TRUE(commands.Execute("Pastefromhexstring1"));
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{0x0A, 0xFF, 0x0A, 0xFF, 0x00, 0x00}));
}

} // namespace
} // namespace qhe
