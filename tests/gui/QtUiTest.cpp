#include "gui/QtUi.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/DialogDriver.h"
#include "gui/dialogs/ProgressBox.h"

namespace qhe {
namespace {

TEST(QtUi, BusyShowsTheWaitCursorAndTheStatusText) {
    QtUi ui;
    std::vector<std::string> panel;
    ui.SetStatusHandler([&](const std::string& text) { panel.push_back(text); });
    ui.BeginBusy("正在插入");
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.EndBusy();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(panel, (std::vector<std::string>{"正在插入", ""}));
    ui.EndBusy(); // unbalanced: ignored
    EXPECT_EQ(panel.size(), 2u);
}

TEST(QtUi, WaitCursorDoesNotStack) {
    QtUi ui;
    ui.SetWaitCursor(true);
    ui.SetWaitCursor(true);
    ui.SetWaitCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtUi, ProgressBoxIsShownOverTheActiveWindow) {
    QWidget main;
    main.show();
    QApplication::setActiveWindow(&main);
    QtUi ui;
    auto progress = ui.CreateProgress(true, true, "file.bin", "正在读取文件");
    auto* box = dynamic_cast<TProgressBox*>(progress.get());
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(main.isEnabled());
    EXPECT_EQ(box->Label()->text(), QStringLiteral("file.bin"));
    progress.reset();
    EXPECT_TRUE(main.isEnabled());
}

TEST(QtUi, DialogsShowTheNormalCursorOverTheHourglass) {
    QtUi ui;
    ui.SetWaitCursor(true);
    Qt::CursorShape duringDialog = Qt::WaitCursor;
    test::WhenModalShows([&](QWidget* window) {
        duringDialog = QGuiApplication::overrideCursor()->shape();
        test::PressKey(window, Qt::Key_Return);
    });
    ui.ShowError("错误");
    EXPECT_EQ(duringDialog, Qt::ArrowCursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.SetWaitCursor(false);
}

// A long operation may have to ask something while its progress box is up.
TEST(QtUi, MessageBoxOverAProgressBoxCanBeAnswered) {
    QtUi ui;
    auto progress = ui.CreateProgress(true, true, "file.bin", "正在读取文件");
    test::PressKeyOnNextModal(Qt::Key_Escape);
    EXPECT_EQ(ui.AskYesNoCancel("继续?"), mrCancel);
    EXPECT_FALSE(progress->Cancelled()) << "the Escape belonged to the message box";
}

TEST(QtUi, SelectFromListAndInputTextConvertUtf8) {
    QtUi ui;
    test::WhenModalShows([](QWidget* window) {
        window->findChild<QListWidget*>()->setCurrentRow(1);
        test::PressKey(window, Qt::Key_Return);
    });
    int index = 0;
    EXPECT_TRUE(ui.SelectFromList("书签", {"一", "二"}, false, 0, index));
    EXPECT_EQ(index, 1);

    test::PressKeyOnNextModal(Qt::Key_Return);
    std::string value = "值";
    EXPECT_TRUE(ui.InputText("标题", "提示", value, 0));
    EXPECT_EQ(value, "值");
}

TEST(QtUi, HelpHandlerReachesTheDialogs) {
    QtUi ui;
    int shown = -1;
    ui.SetHelpHandler([&](int context) { shown = context; });
    test::WhenModalShows([](QWidget* window) {
        window->findChild<QPushButton*>(QStringLiteral("ButtonHelp"))->click();
        test::PressKey(window, Qt::Key_Escape);
    });
    ui.ShowMemo("信息", "text", 14);
    EXPECT_EQ(shown, 14);
}

} // namespace
} // namespace qhe
