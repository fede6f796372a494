#include <gtest/gtest.h>

#include "FakeUi.h"
#include "OpenBytes.h"
#include "editor/MainCommands.h"
#include "editor/blocks/BlockMarking.h"

namespace qhe::test {
namespace {

// The digests cover the block when one is marked, else the whole file; copy all gives the
// sha256sum lines; a cancel shows nothing; the choice is kept in the settings.
TEST(HashCommands, BlockOrWholeFileCopyAllCancelAndTheChoiceKept) {
    FakeUi ui;
    MainCommands commands(ui);
    OpenBytesAs(commands, "xxabcxx", "h.bin");
    EditorState& s = commands.State();
    s.options.hashes = "sha256,bogus,crc32";
    std::vector<std::pair<HashKind, std::string>> results;
    std::string all;
    ui.hashDialog = [&](HashDialogModel& model) {
        EXPECT_TRUE(model.Compute());
        results = model.Results();
        model.CopyAll();
        all = model.AllText();
        model.chosen[static_cast<size_t>(HashKind::Md5)] = true;
    };
    BlockMarking(s).SetBlock(3, 5); // "abc"
    commands.Execute("Hashes1");
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0], std::make_pair(HashKind::Crc32, std::string("352441c2")));
    EXPECT_EQ(results[1].second, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(ui.clipboardText, all);
    EXPECT_EQ(all.substr(0, 10), "352441c2  ");
    EXPECT_EQ(s.options.hashes, "crc32,md5,sha256");

    BlockMarking(s).Unmark(false);
    ui.hashDialog = [&](HashDialogModel& model) {
        EXPECT_NE(model.RangeText().find("7"), std::string::npos);
        EXPECT_TRUE(model.Compute());
        results = model.Results();
    };
    commands.Execute("Hashes1");
    EXPECT_EQ(results[0].second, "634ed062"); // crc32 of "xxabcxx"
    ui.cancelAfterUpdates = 0;
    ui.hashDialog = [&](HashDialogModel& model) { EXPECT_FALSE(model.Compute()); };
    commands.Execute("Hashes1");
}

} // namespace
} // namespace qhe::test
