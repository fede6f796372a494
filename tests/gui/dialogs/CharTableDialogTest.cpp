#include "gui/dialogs/TFormCharTable.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "core/text/Messages.h"
#include "editor/tools/CharConversion.h"

namespace qhe {
namespace {

class CharTableDialogTest : public ::testing::Test {
  protected:
    test::FakeUi ui;
    EditorState state{ui};
    CharTableDialogModel model{state};
};

TEST_F(CharTableDialogTest, ShowsBytesAndTargets) {
    state.charTable[0x41] = 0x61;
    model.FillFromTable();
    TFormCharTable dialog(model, nullptr);
    QTableWidget* grid = dialog.Grid();
    ASSERT_EQ(grid->rowCount(), 256);
    EXPECT_EQ(grid->item(0x41, 0)->text(), "41");
    EXPECT_EQ(grid->item(0x41, 1)->text(), "A");
    EXPECT_EQ(grid->item(0x80, 1)->text(), QString(QChar(0x20AC))); // the euro sign of the code page
    EXPECT_EQ(grid->item(0x80, 2)->text(), QString(QChar(0x00C7))); // Ç in code page 437
    EXPECT_EQ(grid->item(0x10, 1)->text(), "");                     // control bytes stay empty
    EXPECT_EQ(grid->item(0x41, 3)->text(), "61");
    EXPECT_EQ(grid->item(0x42, 3)->text(), "");
    EXPECT_EQ(dialog.windowTitle().toStdString(), Msg(2079));
}

TEST_F(CharTableDialogTest, TypedDigitBecomesTwoDigitsAndDropMaps) {
    TFormCharTable dialog(model, nullptr);
    QTableWidget* grid = dialog.Grid();
    dialog.show();
    grid->setCurrentCell(0x30, 3);
    grid->editItem(grid->item(0x30, 3));
    auto* editor = grid->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "7g"); // the letter is refused
    grid->setCurrentCell(0x31, 3);  // leaving the cell
    EXPECT_EQ(grid->item(0x30, 3)->text(), "07");
    EXPECT_TRUE(model.tableModified);
    dialog.MapByDrop(0xC4, 0x41);
    EXPECT_EQ(model.targets[0xC4], "41");
    // Convert takes the grid over into the program's table (after the save question: No).
    ui.answers.push_back(mrNo);
    dialog.findChild<QPushButton*>("ButtonConvert")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state.charTable[0x30], 0x07);
    EXPECT_EQ(state.charTable[0xC4], 0x41);
}

} // namespace
} // namespace qhe
