#include <gtest/gtest.h>

#include "FakeUi.h"
#include "OpenBytes.h"
#include "core/text/Format.h"
#include "core/text/Messages.h"
#include "editor/MainCommands.h"
#include "editor/OwnTexts.h"
#include "editor/blocks/BlockMarking.h"

namespace qhe::test {
namespace {

// Copy as puts the block's text on the clipboard, refuses without a block and above the
// limit; paste from base64 inserts the decoded bytes and refuses other text.
TEST(CopyAsCommands, BlockAsTextAndBase64PastedBack) {
    FakeUi ui;
    MainCommands commands(ui);
    OpenBytesAs(commands, "xxabcxx", "c.bin");
    EditorState& s = commands.State();
    BlockMarking(s).SetBlock(3, 5);
    EXPECT_TRUE(s.actions.Enabled("CopyAs1"));
    commands.Execute("CopyAsFormat12");
    EXPECT_EQ(ui.clipboardText, "61 62 63");
    commands.Execute("CopyAsFormat8");
    EXPECT_EQ(ui.clipboardText, "YWJj");
    commands.View().ShowAddress(1, true, false);
    commands.Execute("Pastefrombase641");
    EXPECT_EQ(s.doc.Size(), 10);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.doc.Buffer()), 3), "abc");
    ui.clipboardText = "not base64!";
    commands.Execute("Pastefrombase641");
    EXPECT_EQ(ui.messages.back().text, kTextNotBase64);
    EXPECT_EQ(s.doc.Size(), 10);

    OpenBytesAs(commands, std::string(12 << 20, 'q'), "big.bin");
    BlockMarking(s).SetBlock(1, 12 << 20);
    commands.Execute("CopyAsFormat5"); // Java: some 13 characters a byte, past 128 MB
    EXPECT_EQ(ui.messages.back().text, Format(kTextCopyAsTooLarge, {int64_t{12} << 20, kMaxCopyAsMB}));
}

} // namespace
} // namespace qhe::test
