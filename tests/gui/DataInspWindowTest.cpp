#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsFileName.h"
#include "gui/FormMain.h"
#include "gui/MainView.h"
#include "gui/DataInspWindow.h"

namespace qhe {
namespace {

// The inspector follows the cursor, and its shown state survives a restart.
TEST(InspectorWindow, FollowsTheCursorAndComesBackAtStart) {
    test::TempDir dir;
    const std::string name = dir.File("i.bin");
    test::WriteFileBytes(name, {0x12, 0x34, 0x56, 0x78, 0xFF});
    {
        TFormMain window({name});
        window.show();
        QTRY_VERIFY(window.Commands().State().doc.IsOpen);
        ASSERT_EQ(window.Inspector(), nullptr);
        window.Action("DataInspector1")->trigger();
        ASSERT_NE(window.Inspector(), nullptr);
        EXPECT_TRUE(window.Action("DataInspector1")->isChecked());
        EXPECT_EQ(window.Inspector()->Labels(),
                  "word (+):\ninteger (±):\nlongint (±):\nIEEE single:\nbinary:");
        EXPECT_EQ(window.Inspector()->Values().split('\n').first(), "13330");
        QTest::keyClick(window.View()->TextGrid(), Qt::Key_Right);
        EXPECT_EQ(window.Inspector()->Values().split('\n').first(), "22068"); // 34 56
        EXPECT_EQ(window.Inspector()->Values().split('\n').last(), "00110100");
        window.close();
    }
    EXPECT_TRUE(ProfileSession(SettingsFileName()).ReadBool(kOptionsSection, "ShowDataInsp", false));
    TFormMain again({});
    again.show();
    QTRY_VERIFY(again.Inspector() != nullptr);
    // Closing the tool window unchecks the menu item.
    again.Inspector()->close();
    QTRY_VERIFY(again.Inspector() == nullptr);
    EXPECT_FALSE(again.Action("DataInspector1")->isChecked());
}

} // namespace
} // namespace qhe
