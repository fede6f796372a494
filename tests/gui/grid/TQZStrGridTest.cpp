#include "gui/grid/TQZStrGrid.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace qhe {
namespace {

TEST(TQZStrGrid, SizesFollowCellsAndGridLines) {
    TQZStrGrid grid;
    grid.SetDefaultColWidth(20);
    grid.SetDefaultRowHeight(15);
    EXPECT_EQ(grid.ColsWidth(17), 17 * 20 + 21);
    EXPECT_EQ(grid.RowsHeight(19), 19 * 15 + 23);
    grid.SetGridLineWidth(0);
    EXPECT_EQ(grid.ColsWidth(17), 17 * 20);
}

TEST(TQZStrGrid, SelectionAsksTheHandlerAndFollowsInTheSlave) {
    std::vector<std::string> cells(4 * 3);
    TQZStrGrid grid, slave;
    grid.SetCells(&cells, 4, 3);
    slave.SetCells(&cells, 4, 3);
    grid.SetSlaveGrid(&slave);
    grid.selectHandler = [](int col, int row) { return row * 4 + col < 10; }; // cells past the end refused
    EXPECT_TRUE(grid.SelectCell(1, 2));
    EXPECT_EQ(slave.SelectedCol(), 1);
    EXPECT_EQ(slave.SelectedRow(), 2);
    EXPECT_FALSE(grid.SelectCell(3, 2));
    EXPECT_EQ(grid.SelectedCol(), 1);
    EXPECT_FALSE(grid.SelectCell(4, 0)); // outside the grid
    grid.SetSlaveGrid(&grid);            // a grid is never its own slave
    EXPECT_EQ(grid.SlaveGrid(), &slave);
}

TEST(TQZStrGrid, PressesReportTheCell) {
    std::vector<std::string> cells(4 * 3);
    TQZStrGrid grid;
    grid.SetDefaultColWidth(20);
    grid.SetDefaultRowHeight(15);
    grid.SetCells(&cells, 4, 3);
    grid.resize(grid.sizeHint());
    QSignalSpy pressed(&grid, &TQZStrGrid::cellPressed);
    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, grid.CellRect(2, 1).center());
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed[0][0].toInt(), 2);
    EXPECT_EQ(pressed[0][1].toInt(), 1);
    EXPECT_EQ(grid.CellAt(QPoint(1000, 5)), QPoint(-1, -1));
}

} // namespace
} // namespace qhe
