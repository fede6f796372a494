#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "gui/DialogDriver.h"
#include "gui/FormMain.h"
#include "gui/MainView.h"

namespace qhe {
namespace {

// Types into the real panes, as a user would, and saves: the bytes reach the file.
TEST(GridTyping, TextAndHexPanesWriteTheFile) {
    test::TempDir dir;
    const std::string name = dir.File("typed.bin");
    test::WriteFileBytes(name, std::vector<uint8_t>(40, 0));
    TFormMain window({name});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.IsOpen);
    MainView* view = window.View();
    window.Commands().State().view.Overwrite = true;

    // The text pane starts active: characters are bytes.
    ASSERT_TRUE(window.Commands().State().view.TextMode);
    QTest::keyClicks(view->TextGrid(), "Hi");
    // Tab switches to the hex pane: two digits are one byte.
    QTest::keyClick(view->TextGrid(), Qt::Key_Tab);
    ASSERT_FALSE(window.Commands().State().view.TextMode);
    QTest::keyClicks(view->HexGrid(), "4142");
    // A pending digit cancelled by Escape leaves the byte alone.
    QTest::keyClicks(view->HexGrid(), "7");
    QTest::keyClick(view->HexGrid(), Qt::Key_Escape);
    QTest::keyClick(view->HexGrid(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(view->HexGrid(), "FF");

    ASSERT_TRUE(window.Commands().State().doc.Modified);
    window.Action("Save1")->trigger();
    EXPECT_FALSE(window.Commands().State().doc.Modified);
    const auto bytes = test::ReadFileBytes(name);
    ASSERT_EQ(bytes.size(), 40u);
    EXPECT_EQ(bytes[0], 'H');
    EXPECT_EQ(bytes[1], 'i');
    EXPECT_EQ(bytes[2], 0x41);
    EXPECT_EQ(bytes[3], 0x42);
    EXPECT_EQ(bytes[4], 0x00);
    EXPECT_EQ(bytes[39], 0xFF);
    // The panes show what the file holds.
    EXPECT_EQ(window.Commands().State().view.HexCell(2, 0), "41");
    EXPECT_EQ(window.Commands().State().view.TextCell(1, 0), "i");
    window.Commands().State().doc.Modified = false;
}

} // namespace
} // namespace qhe
