#include "gui/dialogs/TFormOpt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "editor/file/SendToShortcut.h"
#include "gui/DialogDriver.h"
#include "gui/FormMain.h"

namespace qhe {
namespace {

TEST(OptionsDialog, LoadsEditsAndRestoresDefaults) {
    test::FakeUi ui;
    test::TempDir dir;
    SendToShortcut sendTo(ui, "/opt/qhe32/qhe32", dir.Path());
    OptionsValues current;
    current.cols = 40;
    current.undoLimitMB = 1024;
    current.colorBlock = 0xFF0000; // clBlue
    current.dataInsp.doubleFloat = true;
    TFormOpt dialog(current, 2, sendTo, QSize(60, 40), nullptr);
    EXPECT_EQ(dialog.Pages()->currentIndex(), 2);
    EXPECT_EQ(dialog.findChild<QSpinBox*>("SpinEditCols")->value(), 40);
    EXPECT_EQ(dialog.findChild<QComboBox*>("ComboBoxColor")->currentText(), "clBlue");
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("CheckBoxDIdouble")->isChecked());
    // The shortcut page has scanned: nothing there yet.
    EXPECT_TRUE(dialog.findChild<QPushButton*>("ButtonSendToCrea")->isEnabled());
    EXPECT_FALSE(dialog.findChild<QPushButton*>("ButtonSendToRemove")->isEnabled());
    dialog.findChild<QCheckBox*>("CheckBoxShowGrid")->setChecked(false);
    dialog.findChild<QPushButton*>("ButtonDefault")->click();
    const OptionsValues values = dialog.Values();
    EXPECT_EQ(values.cols, 17);
    EXPECT_EQ(values.colorBlock, 255);
    EXPECT_TRUE(values.showGrids);
    EXPECT_TRUE(values.dataInsp.doubleFloat); // not touched by the defaults
    EXPECT_EQ(values.undoLimitMB, 1024);      // a general setting, not the appearance
}

// The font size changes through the dialog: the panes are laid out again, the cursor stays
// on its byte.
TEST(OptionsDialog, FontSizeRelaysTheGridKeepingTheCursorByte) {
    test::TempDir dir;
    const std::string name = dir.File("f.bin");
    test::WriteFileBytes(name, std::vector<uint8_t>(2000, 3));
    TFormMain window({name});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.IsOpen);
    EditorState& state = window.Commands().State();
    window.Commands().View().ShowAddress(500, true, false);
    const int64_t cursor = state.view.CursorPosition();
    const int width = window.width();
    OptionsValues values = CurrentOptions(state);
    values.fontSize = 14;
    window.Commands().optionsApplied(ApplyOptions(state, values));
    EXPECT_EQ(state.view.Cols, 17);
    EXPECT_EQ(state.view.Rows, 19);
    EXPECT_EQ(state.view.CursorPosition(), cursor);
    EXPECT_GT(window.width(), width);
}

} // namespace
} // namespace qhe
