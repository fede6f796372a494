#include "editor/file/SendToShortcut.h"

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "platform/Paths.h"
#include "platform/Shortcuts.h"

namespace qhe {
namespace {

class SendToTest : public ::testing::Test {
  protected:
    test::FakeUi ui;
    test::TempDir dir;
    SendToShortcut page{ui, "/opt/qhe32/qhe32", dir.Path()};
};

TEST_F(SendToTest, CreateFindsAndRemoves) {
    page.Scan();
    EXPECT_TRUE(page.CreateEnabled());
    EXPECT_FALSE(page.RemoveEnabled());
    ui.inputs.push_back(std::string("Hex.Editor")); // cut before the dot
    page.CreateClick();
    EXPECT_EQ(page.Found(), "Hex.desktop");
    EXPECT_FALSE(page.CreateEnabled());
    EXPECT_TRUE(page.RemoveEnabled());
    platform::ShortcutProperties read;
    ASSERT_TRUE(platform::ReadShortcut("Hex.desktop", dir.Path(), read));
    EXPECT_EQ(read.target, "/opt/qhe32/qhe32");
    EXPECT_EQ(read.workingDir, "/opt/qhe32");
    EXPECT_EQ(read.name, "Hex");
    EXPECT_EQ(read.iconFile, kDesktopId);
    page.RemoveClick();
    EXPECT_TRUE(page.CreateEnabled());
}

TEST_F(SendToTest, EmptyAndExistingNamesAskAgainAndCancelCreatesNothing) {
    platform::ShortcutProperties other;
    other.target = "/usr/bin/other";
    ASSERT_TRUE(platform::CreateShortcut("Taken.desktop", dir.Path(), other));
    page.Scan();
    ui.inputs = {std::string(""), std::string("Taken"), std::nullopt};
    EXPECT_TRUE(page.CreateSendToShortcut("QHE32"));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Please enter a name for this link.");
    EXPECT_EQ(ui.messages[1].text,
              "Shell link with this name already existing.\r\nPlease select a different name.");
    page.Scan();
    EXPECT_TRUE(page.CreateEnabled());
}

TEST_F(SendToTest, TwoShortcutsRemoveTheFirstOnly) {
    platform::ShortcutProperties mine;
    mine.target = "/opt/qhe32/qhe32";
    ASSERT_TRUE(platform::CreateShortcut("a.desktop", dir.Path(), mine));
    ASSERT_TRUE(platform::CreateShortcut("b.desktop", dir.Path(), mine));
    page.Scan();
    EXPECT_EQ(page.Found(), "a.desktop");
    page.RemoveClick();
    EXPECT_EQ(page.Found(), "b.desktop");
    EXPECT_TRUE(page.RemoveEnabled());
}

TEST(Shortcuts, SpecialFolders) {
    EXPECT_NE(platform::SpecialFolder("sendto").find("/applications"), std::string::npos);
    EXPECT_NE(platform::SpecialFolder("STARTUP").find("/autostart"), std::string::npos);
    EXPECT_EQ(platform::SpecialFolder("/some/folder"), "/some/folder");
}

} // namespace
} // namespace qhe
