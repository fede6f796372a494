#include "gui/FormMain.h"
#include "core/text/Format.h"
#include "editor/OwnTexts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSizeGrip>
#include <QStatusBar>
#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <QTimer>
#include <QWindow>
#include <QTest>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "gui/DialogDriver.h"
#include "gui/MainView.h"
#include "gui/grid/TQZStrGrid.h"
#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsFileName.h"

namespace qhe {
namespace {

// Starts the real main window with a file on the command line, as a user would.
TEST(FormMain, OpensTheCommandLineFileAndShowsItsName) {
    test::TempDir dir;
    const std::string name = dir.File("sample.bin");
    test::WriteFileBytes(name, {0x41, 0x42, 0x43});
    TFormMain window({name});
    window.show();
    WAIT_UNTIL(window.windowTitle() == QString("QHE32 - sample.bin[*]"));
    EXPECT_EQ(window.Commands().State().doc.Size(), 3);
    ASSERT_NE(window.Action("Save1"), nullptr);
    EXPECT_TRUE(window.Action("Save1")->isEnabled());
    EXPECT_TRUE(window.Action("Close1")->isEnabled());
    EXPECT_TRUE(window.Action("Print1")->isEnabled()); // a non-empty Document
    // The modified mark follows the save point: typing sets it, undo back to it clears it.
    EXPECT_FALSE(window.isWindowModified());
    QTest::keyClick(window.View()->TextGrid(), Qt::Key_Z);
    EXPECT_TRUE(window.isWindowModified());
    window.Action("Undo1")->trigger();
    EXPECT_FALSE(window.isWindowModified());
    window.Action("Redo1")->trigger();
    window.Action("Save1")->trigger();
    EXPECT_FALSE(window.isWindowModified());

    // Close through the File menu: caption and enabling go back to the empty state.
    window.Action("Close1")->trigger();
    EXPECT_EQ(window.windowTitle(), QString("QHE32[*]"));
    EXPECT_FALSE(window.Action("Save1")->isEnabled());
    EXPECT_TRUE(window.Action("New1")->isEnabled());

    // Closing the window writes the settings and the recent files for the next start.
    window.Commands().State().options.newEOF = true;
    EXPECT_TRUE(window.close());
    const ProfileSession saved(SettingsFileName());
    EXPECT_EQ(saved.ReadString(kMruSection, "0", ""), name);
    EXPECT_TRUE(saved.ReadBool(kOptionsSection, "NewEOF", false));
    EXPECT_EQ(saved.ReadString(kOptionsSection, "CurrentDir", ""), dir.Path());

    TFormMain next({});
    next.show();
    WAIT_UNTIL(next.Commands().State().doc.HasBuffer());
    EXPECT_TRUE(next.Commands().State().options.newEOF);
    EXPECT_EQ(next.Commands().State().recent.Files().front(), name);
    EXPECT_EQ(next.Commands().State().doc.CurrentDir, dir.Path());
}

} // namespace
} // namespace qhe

namespace qhe {
namespace {

// Resizing the window snaps the panes to whole cells, never fewer than 8 x 8.
TEST(FormMain, ResizeSnapsToWholeCellsAndAtLeastEight) {
    test::TempDir dir;
    const std::string name = dir.File("r.bin");
    test::WriteFileBytes(name, std::vector<uint8_t>(5000, 7));
    TFormMain window({name});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.IsOpen);
    const ViewState& view = window.Commands().State().view;
    EXPECT_EQ(view.Cols, 17);
    EXPECT_EQ(view.Rows, 19);
    window.resize(120, 100);
    WAIT_UNTIL(view.Cols == 8);
    WAIT_UNTIL(view.Rows == 8);
    const QSize small = window.size();
    window.resize(small.width() + 200, small.height() + 150);
    WAIT_UNTIL(view.Cols > 8 && view.Rows > 8);
    // The window takes exactly the size of whole cells.
    WAIT_UNTIL(window.View()->TextGrid()->width() == window.View()->TextGrid()->ColsWidth(view.Cols));
    window.Commands().State().doc.Modified = false;
}

} // namespace
} // namespace qhe

namespace qhe {
namespace {

// The mouse wheel over a pane scrolls three rows per notch and stops at both ends.
TEST(FormMain, WheelScrollsThreeRowsPerNotch) {
    test::TempDir dir;
    const std::string name = dir.File("w.bin");
    test::WriteFileBytes(name, std::vector<uint8_t>(17 * 40, 1));
    TFormMain window({name});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.IsOpen);
    const ViewState& view = window.Commands().State().view;
    TQZStrGrid* grid = window.View()->TextGrid();
    auto turn = [&](int delta) {
        QWheelEvent wheel(QPointF(5, 5), grid->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid, &wheel);
    };
    turn(-120);
    EXPECT_EQ(view.TopAddress, 1 + 3 * 17);
    turn(-60);
    turn(-60); // two half notches make one
    EXPECT_EQ(view.TopAddress, 1 + 6 * 17);
    for (int i = 0; i < 10; ++i)
        turn(-120);
    EXPECT_EQ(view.LastVisible, 17 * 40); // stops at the end
    for (int i = 0; i < 20; ++i)
        turn(120);
    EXPECT_EQ(view.TopAddress, 1);
    EXPECT_LE(view.CursorPosition(), 17 * 40);
}

} // namespace
} // namespace qhe

namespace qhe {
namespace {

// The scroll bar: the view follows only when a scroll action ends; dragging shows a hint.
TEST(FormMain, ScrollBarMovesTheViewWhenTheActionEnds) {
    test::TempDir dir;
    const std::string name = dir.File("s.bin");
    test::WriteFileBytes(name, std::vector<uint8_t>(17 * 1000, 2));
    TFormMain window({name});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.IsOpen);
    const EditorState& state = window.Commands().State();
    QScrollBar* bar = window.View()->ScrollBar();
    ASSERT_TRUE(bar->isEnabled());
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_GT(state.view.TopAddress, 1);
    EXPECT_EQ((state.view.TopAddress - 1) % 17, 0);
    const int64_t top = state.view.TopAddress;
    // Dragging the thumb only shows the hint...
    emit bar->sliderPressed();
    emit bar->sliderMoved(17 * 500 + 1);
    EXPECT_EQ(state.view.TopAddress, top);
    EXPECT_EQ(state.status[3], "Scrolling...");
    // ...and the release moves the view there, with the cursor in the top row's first cell.
    bar->setSliderPosition(17 * 500 + 1); // the bar counts positions from 1
    emit bar->sliderReleased();
    EXPECT_EQ(state.view.TopAddress, 17 * 500 + 1);
    EXPECT_EQ(state.view.CursorPosition(), 17 * 500 + 1);
    EXPECT_EQ(state.status[3], "");
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(state.view.LastVisible, 17 * 1000);
}

} // namespace
} // namespace qhe

namespace qhe {
namespace {

// The window is created with the size of its grid, so a window manager that reports the first
// size late (while a load at start-up runs its progress box) does not resize the grid.
TEST(FormMain, FirstSizeIsTheGridsAndALateReportOfItChangesNothing) {
    test::TempDir dir;
    const std::string name = dir.File("slow.bin");
    test::WriteFileBytes(name, std::vector<uint8_t>(3 * 1024 * 1024, 5));
    TFormMain window({name});
    const QSize first = window.size();
    struct LateReport : QObject {
        TFormMain* window;
        QSize size;
        bool sent = false;
        bool eventFilter(QObject* object, QEvent* event) override {
            if (!sent && event->type() == QEvent::Show && object->objectName() == "ProgressBox") {
                sent = true;
                window->windowHandle()->resize(size); // delivered by the progress box's pending events
            }
            return false;
        }
    } late;
    late.window = &window;
    late.size = first;
    qApp->installEventFilter(&late);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Commands().State().doc.IsOpen; }));
    // A snap the late size started has run (or none was started).
    const auto* snap = window.findChild<QTimer*>(QStringLiteral("SnapTimer"));
    ASSERT_NE(snap, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !snap->isActive(); }));
    qApp->removeEventFilter(&late);
    EXPECT_TRUE(late.sent);
    EXPECT_EQ(window.size(), first);
    EXPECT_EQ(window.Commands().State().view.Cols, 17);
    EXPECT_EQ(window.Commands().State().view.Rows, 19);
}

} // namespace
} // namespace qhe

namespace qhe {
namespace {

// A long hint is shortened with "..." to the room panel 3 really has (beside the size grip),
// also after the window became narrower.
TEST(FormMain, LongHintIsShortenedToThePanel) {
    TFormMain window({});
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Commands().State().doc.HasBuffer(); }));
    auto* panel = window.findChild<QLabel*>("StatusPanel3");
    ASSERT_NE(panel, nullptr);
    auto* grip = window.statusBar()->findChild<QSizeGrip*>();
    auto fits = [&] {
        const QString shown = panel->text();
        return shown.endsWith("...") &&
               panel->fontMetrics().horizontalAdvance(shown) <= panel->contentsRect().width() &&
               (!grip || panel->geometry().right() < grip->geometry().left());
    };
    window.Commands().State().SetHint(std::string(300, 'x'));
    EXPECT_TRUE(fits()) << panel->text().size() << " characters in " << panel->width() << " pixels";
    window.resize(window.width() - 150, window.height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Commands().State().view.Cols < 17; }));
    EXPECT_TRUE(fits()) << panel->text().size() << " characters in " << panel->width() << " pixels";
}

// Ctrl+A marks the whole file as the block; the block panel shows it while it is marked.
TEST(FormMain, CtrlAMarksEverythingAndTheBlockPanelShowsIt) {
    test::TempDir dir;
    const std::string name = dir.File("all.bin");
    test::WriteFileBytes(name, std::vector<uint8_t>(300, 0x41));
    TFormMain window({name});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.IsOpen);
    auto* panel = window.findChild<QLabel*>("StatusPanelBlock");
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isHidden());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.View()->TextGrid(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window.Commands().State().block.begin, 1);
    EXPECT_EQ(window.Commands().State().block.end, 300);
    EXPECT_EQ(panel->text().toStdString(), Format(kTextBlockStatus, {"0", "12B", 300}));
    EXPECT_FALSE(panel->isHidden());
    QTest::keyClick(window.View()->TextGrid(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_TRUE(panel->isHidden());
    // Both data panes offer the block and clipboard commands at the mouse.
    auto* menu = window.findChild<QMenu*>("ContextMenu");
    ASSERT_NE(menu, nullptr);
    for (const char* name : {"Cut1", "Copy1", "Copyhex1", "Paste1", "Blockmark1", "Blockunmark1", "Goto1"})
        EXPECT_TRUE(menu->actions().contains(window.Action(name))) << name;
    for (QWidget* pane : {static_cast<QWidget*>(window.View()->HexGrid()),
                          static_cast<QWidget*>(window.View()->TextGrid())}) {
        EXPECT_EQ(pane->contextMenuPolicy(), Qt::CustomContextMenu);
        emit pane->customContextMenuRequested(QPoint(5, 5));
        EXPECT_TRUE(menu->isVisible());
        menu->hide();
    }
    EXPECT_EQ(window.Action("SaveAs1")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(window.Action("Exit1")->shortcut(), QKeySequence("Ctrl+Q"));
}

// Redo answers to two keys; a hint set at run time reaches the status bar on hover and, for a
// tool button, its tip.
TEST(FormMain, RedoHasTwoKeysAndRunTimeHintsReachTheStatusBar) {
    TFormMain window({});
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Commands().State().doc.HasBuffer(); }));
    EXPECT_EQ(window.Action("Redo1")->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    EXPECT_EQ(window.Action("Undo1")->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});

    QAction* button = window.Action("QZBtnUndo");
    EXPECT_EQ(button->toolTip(), QString("撤销"));
    window.Commands().State().actions.SetHint("QZBtnUndo", "撤销: 替换全部 (1,024)");
    window.Commands().State().actions.SetHint("Undo1", "撤销: 替换全部 (1,024)");
    EXPECT_EQ(button->toolTip(), QString("撤销: 替换全部 (1,024)"));
    window.Action("Undo1")->showStatusText(&window);
    EXPECT_EQ(window.findChild<QLabel*>("StatusPanel3")->text(), QString("撤销: 替换全部 (1,024)"));
    // Nothing left to undo: the step's name goes from the tip and the status bar.
    window.Commands().State().actions.SetHint("QZBtnUndo", "");
    window.Commands().State().actions.SetHint("Undo1", "");
    EXPECT_EQ(button->toolTip(), QString("撤销"));
    window.Action("Undo1")->showStatusText(&window);
    EXPECT_EQ(window.findChild<QLabel*>("StatusPanel3")->text(), QString("撤销"));
}

} // namespace
} // namespace qhe
