#include "gui/FormGeometryQt.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "core/settings/IniFile.h"
#include "core/settings/SettingsTestFiles.h"

namespace qhe {
namespace {

using test::TempFolder;

// A resizable window with a four-column table, as the character table window has.
struct TableWindow {
    TableWindow() {
        window.setObjectName("TFormCharTable");
        table = new QTableWidget(3, 4, &window);
        table->setObjectName("StringGridCharTable");
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(table);
    }
    std::vector<int> Widths() const {
        std::vector<int> widths;
        for (int column = 0; column < 4; ++column)
            widths.push_back(table->horizontalHeader()->sectionSize(column));
        return widths;
    }
    QDialog window;
    QTableWidget* table;
};

TEST(FormGeometryQt, SavesAndRestoresPlaceSizeAndColumnWidths) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    {
        TableWindow saved;
        saved.window.resize(420, 310);
        saved.window.move(30, 40);
        saved.table->horizontalHeader()->resizeSection(0, 64);
        saved.table->horizontalHeader()->resizeSection(1, 41);
        saved.table->horizontalHeader()->resizeSection(2, 42);
        saved.table->horizontalHeader()->resizeSection(3, 120);
        SaveFormGeometry(&saved.window, {}, file);
    }
    TQZIniFile ini(file);
    EXPECT_EQ(ini.ReadString("TFormCharTable", "StringGridCharTable", ""), "64,41,42,120");
    EXPECT_EQ(ini.ReadInteger("TFormCharTable", "Width", 0), 420);
    EXPECT_EQ(ini.ReadInteger("display", "resx", 0), ScreenInfoOf(nullptr).width);

    TableWindow restored;
    RestoreFormGeometry(&restored.window, {}, file);
    EXPECT_EQ(restored.window.size(), QSize(420, 310));
    EXPECT_EQ(restored.window.pos(), QPoint(30, 40));
    EXPECT_EQ(restored.Widths(), (std::vector<int>{64, 41, 42, 120}));
}

TEST(FormGeometryQt, AnotherScreenCentresTheWindowAndKeepsItsColumns) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    test::WriteText(file,
                    "[display]\r\nresx=1\r\nresy=1\r\nppi=1\r\n\r\n"
                    "[TFormCharTable]\r\nTop=5\r\nLeft=5\r\nWidth=999\r\nStringGridCharTable=10,10\r\n");
    TableWindow window;
    window.window.resize(200, 100);
    const std::vector<int> before = window.Widths();
    RestoreFormGeometry(&window.window, {}, file);
    EXPECT_EQ(window.window.size(), QSize(200, 100));
    EXPECT_NE(window.window.pos(), QPoint(5, 5));
    EXPECT_EQ(window.Widths(), before);
}

// The display section written by another form does not put a form never saved at (0, 0).
TEST(FormGeometryQt, AFormNeverSavedIsCentredNotPutInTheCorner) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    QDialog other;
    other.setObjectName("TFormInspect");
    SaveFormGeometry(&other, {}, file);
    TableWindow window;
    window.window.resize(200, 100);
    RestoreFormGeometry(&window.window, {}, file);
    EXPECT_NE(window.window.pos(), QPoint(0, 0));
}

TEST(FormGeometryQt, FewerWidthsThanColumnsRepeatTheLast) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    const ScreenInfo screen = ScreenInfoOf(nullptr);
    test::WriteText(file, "[display]\r\nresx=" + std::to_string(screen.width) + "\r\nresy=" +
                              std::to_string(screen.height) + "\r\nppi=" + std::to_string(screen.ppi) +
                              "\r\n\r\n[Grid]\r\nStringGridCharTable=70,33\r\n");
    TableWindow window;
    RestoreFormGeometry(&window.window, "Grid", file);
    EXPECT_EQ(window.Widths(), (std::vector<int>{70, 33, 33, 33}));
}

TEST(FormGeometryQt, AMaximizedWindowKeepsItsNormalSize) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    {
        TableWindow shown;
        shown.window.resize(300, 200);
        shown.window.move(50, 60);
        shown.window.show();
        shown.window.setWindowState(Qt::WindowMaximized);
        QApplication::processEvents();
        SaveFormGeometry(&shown.window, {}, file);
    }
    TQZIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("TFormCharTable", "WindowState", -1), 2);
    EXPECT_EQ(ini.ReadInteger("TFormCharTable", "Width", 0), 300);
    EXPECT_EQ(ini.ReadInteger("TFormCharTable", "Height", 0), 200);

    TableWindow restored;
    RestoreFormGeometry(&restored.window, {}, file);
    EXPECT_TRUE(restored.window.windowState() & Qt::WindowMaximized);
}

TEST(FormGeometryQt, CenterOnActiveFormPlacesTheDialogOverTheActiveWindow) {
    QWidget main;
    main.setGeometry(100, 100, 400, 300);
    main.show();
    main.activateWindow();
    QApplication::processEvents();
    if (QApplication::activeWindow() != &main) GTEST_SKIP() << "the platform plugin cannot activate windows";
    QDialog dialog;
    dialog.resize(200, 100);
    CenterOnActiveForm(&dialog);
    const QRect frame = main.frameGeometry();
    EXPECT_EQ(dialog.pos(), QPoint(frame.x() + frame.width() / 2 - 100, frame.y() + frame.height() / 2 - 50));
}

} // namespace
} // namespace qhe
