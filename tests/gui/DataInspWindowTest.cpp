#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsFileName.h"
#include "editor/blocks/BlockMarking.h"
#include "gui/DataInspWindow.h"
#include "gui/DialogDriver.h"
#include "gui/FormMain.h"
#include "gui/MainView.h"

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
        WAIT_UNTIL(window.Commands().State().doc.IsOpen);
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
    WAIT_UNTIL(again.Inspector() != nullptr);
    // Closing the tool window unchecks the menu item.
    again.Inspector()->close();
    WAIT_UNTIL(again.Inspector() == nullptr);
    EXPECT_FALSE(again.Action("DataInspector1")->isChecked());
}

// Ctrl+C in the inspector copies the values selected there, even with a block marked in the
// main window (whose Copy shortcut also serves its tool windows).
TEST(InspectorWindow, CtrlCCopiesTheSelectedValuesNotTheBlock) {
    test::TempDir dir;
    const std::string name = dir.File("c.bin");
    test::WriteFileBytes(name, {0x12, 0x34, 0x56, 0x78, 0xFF});
    TFormMain window({name});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.IsOpen);
    BlockMarking(window.Commands().State()).SetBlock(1, 2);
    if (!window.Inspector()) window.Action("DataInspector1")->trigger();
    ASSERT_NE(window.Inspector(), nullptr);
    auto* memo = window.Inspector()->findChild<QPlainTextEdit*>("Memo1");
    window.Inspector()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.Inspector()));
    memo->setFocus(Qt::MouseFocusReason);
    memo->selectAll();
    QApplication::clipboard()->clear();
    QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), memo->textCursor().selection().toPlainText());
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("13330\n"));
    window.close();
}

} // namespace
} // namespace qhe
