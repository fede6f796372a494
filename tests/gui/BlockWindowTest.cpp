#include "gui/FormMain.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "gui/DialogDriver.h"
#include "gui/MainView.h"
#include "gui/grid/TQZStrGrid.h"

namespace qhe {
namespace {

// The block commands in the real window: shortcuts in the pane, menu items and the tool
// button follow the block.
TEST(BlockWindow, ShortcutsMarkAndDeleteTheBlock) {
    test::TempDir dir;
    const std::string name = dir.File("b.bin");
    test::WriteFileBytes(name, {'a', 'b', 'c', 'd', 'e', 'f'});
    TFormMain window({name});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window); // window shortcuts need the active window
    QApplication::processEvents();
    WAIT_UNTIL(window.Commands().State().doc.IsOpen);
    TQZStrGrid* grid = window.View()->HexGrid();
    grid->setFocus();
    if (QApplication::activeWindow() != &window)
        GTEST_SKIP() << "the platform plugin cannot activate windows";
    ASSERT_EQ(QApplication::focusWidget(), grid);
    ASSERT_TRUE(window.Action("Blockmark1")->isEnabled());
    ASSERT_EQ(window.Action("Blockmark1")->shortcut(), QKeySequence("Ctrl+B"));
    EXPECT_FALSE(window.Action("Blockdelete1")->isEnabled());
    EXPECT_FALSE(window.Action("QZBtnDel")->isEnabled());

    QTest::keyClick(grid, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_B, Qt::ControlModifier);
    const EditorState& state = window.Commands().State();
    EXPECT_EQ(state.block.begin, 1);
    EXPECT_EQ(state.block.end, 3);
    EXPECT_TRUE(window.Action("Blockdelete1")->isEnabled());
    EXPECT_TRUE(window.Action("QZBtnDel")->isEnabled());
    EXPECT_TRUE(window.Action("Blockunmark1")->isEnabled());

    QTest::keyClick(grid, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(state.doc.Size(), 3);
    EXPECT_EQ(state.doc.GetByte(1), 'd');
    EXPECT_FALSE(window.Action("Blockdelete1")->isEnabled());
    EXPECT_FALSE(window.Action("Blockunmark1")->isEnabled());
    EXPECT_EQ(state.view.HexCell(0, 0), "64");
    window.Commands().State().doc.Modified = false; // no save question on close
}

} // namespace
} // namespace qhe
