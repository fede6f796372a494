#include "gui/dialogs/DialogPlacement.h"
#include "gui/dialogs/DialogUnits.h"

#include <QApplication>
#include <QDialog>
#include <QVBoxLayout>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace qhe {
namespace {

TEST(DialogUnits, MulDivRoundsToNearest) {
    struct Case {
        int a, b, c, expected;
    } cases[] = {{10, 7, 4, 18}, {1, 6, 4, 2}, {1, 5, 4, 1}, {3, 3, 2, 5},
                 {-3, 3, 2, -5}, {5, 0, 3, 0}, {1, 1, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(DialogUnits::MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b;
}

TEST(DialogUnits, FourHorizontalUnitsAreOneAverageCharacter) {
    const DialogUnits du(QApplication::font());
    EXPECT_EQ(du.X(4), du.AverageCharWidth());
    EXPECT_EQ(du.Y(8), du.CharHeight());
    const DialogUnits doubled(QApplication::font(), 192, 96);
    EXPECT_EQ(doubled.X(40), 2 * du.X(40));
}

TEST(DialogPlacement, CentresOverTheActiveWindowOrTheScreen) {
    const QRect screen(0, 0, 1000, 800);
    struct Case {
        const char* name;
        std::optional<QRect> active;
        QSize size;
        QPoint expected;
    } cases[] = {
        {"no active window", std::nullopt, {200, 100}, {400, 350}},
        {"over the active window", QRect(100, 100, 400, 300), {200, 100}, {200, 200}},
        {"negative x moves to the active left edge", QRect(-50, 100, 100, 300), {200, 100}, {400, 350}},
        {"negative y moves to the active top", QRect(300, 10, 400, 20), {200, 100}, {400, 10}},
        {"leaving the screen centres on it", QRect(900, 700, 200, 200), {300, 200}, {350, 300}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CenteredPosition(c.active, c.size, screen), c.expected) << c.name;
}

// A dialog laid out by a layout (options, encode) has no size of its own before it is shown;
// it is centred with the size it will be shown with, like the dialogs of fixed size.
TEST(DialogPlacement, LaidOutDialogIsCentredWithItsShownSize) {
    QWidget main;
    main.setGeometry(100, 100, 600, 400);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QDialog dialog(&main);
    auto* content = new QWidget;
    content->setMinimumSize(300, 200);
    (new QVBoxLayout(&dialog))->addWidget(content);
    CenterOverActiveWindow(&dialog);
    dialog.show();
    // The window frame is not known before the first show: allow its width.
    EXPECT_LE(std::abs(dialog.frameGeometry().center().x() - main.frameGeometry().center().x()), 4);
    EXPECT_LE(std::abs(dialog.frameGeometry().center().y() - main.frameGeometry().center().y()), 4);
}

} // namespace
} // namespace qhe
