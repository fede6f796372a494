#include "gui/dialogs/TFormHash.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "editor/MainCommands.h"
#include "editor/tools/HashCommands.h"

namespace qhe {
namespace {

// Digests shown after 计算 go when a later pass reads pages that another program cut off.
TEST(HashDialog, DigestsGoWhenAPassReadsLostPages) {
    test::TempDir dir{"/var/tmp"};
    const std::string name = dir.File("cut.bin");
    std::ofstream(name, std::ios::binary) << std::string(2 << 20, 'x');
    test::FakeUi ui;
    MainCommands commands(ui);
    ASSERT_TRUE(commands.Files().AllocateDocument());
    EditorState& s = commands.State();
    s.options.mapFromMB = 1;
    s.options.hashes = "sha256";
    ASSERT_TRUE(commands.Files().OpenDocument(name, OpenSender::CommandLine, false));
    HashDialogModel model(s);
    TFormHash dialog(model, nullptr);
    dialog.Compute();
    ASSERT_NE(dialog.findChild<QLineEdit*>("sha256"), nullptr);
    ASSERT_EQ(truncate(name.c_str(), 4096), 0);
    dialog.Compute();
    EXPECT_EQ(dialog.findChild<QLineEdit*>("sha256"), nullptr);
    EXPECT_EQ(ui.messages.size(), 1u);
}

} // namespace
} // namespace qhe
