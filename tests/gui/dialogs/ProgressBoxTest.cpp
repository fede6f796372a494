#include "gui/dialogs/ProgressBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace qhe {
namespace {

class ProgressBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner.resize(400, 300);
        owner.show();
    }
    std::unique_ptr<TProgressBox> Box(bool withCancel = true, bool withGauge = true,
                                      const QString& text = QStringLiteral("file.bin")) {
        auto box = std::make_unique<TProgressBox>(&owner, withCancel, withGauge, text,
                                                  QStringLiteral("正在读取文件"));
        box->ShowNow();
        return box;
    }
    QWidget owner;
};

TEST_F(ProgressBoxTest, OwnerDisabledWhileShownAndEnabledAfterDestruction) {
    auto box = Box();
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_TRUE(box->CancelButton()->isEnabled()) << "the box must stay usable";
    box.reset();
    EXPECT_TRUE(owner.isEnabled());
}

TEST_F(ProgressBoxTest, HidingEnablesTheOwner) {
    auto box = Box();
    box->hide();
    EXPECT_TRUE(owner.isEnabled());
}

TEST_F(ProgressBoxTest, OwnerDisabledBySomeoneElseStaysDisabled) {
    owner.setEnabled(false);
    Box().reset();
    EXPECT_FALSE(owner.isEnabled());
}

TEST_F(ProgressBoxTest, RefusesToBeClosedByTheUser) {
    auto box = Box();
    EXPECT_FALSE(box->close());
    EXPECT_TRUE(box->isVisible());
    // No window manager frame (some add close, minimise and maximise buttons to any dialog):
    // the box draws its own caption bar.
    EXPECT_TRUE(box->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(box->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint));
    EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(box->Caption()->text(), QStringLiteral("正在读取文件"));
    EXPECT_LT(box->Caption()->geometry().bottom(), box->Label()->y());
    EXPECT_FALSE(box->Cancelled());
}

TEST_F(ProgressBoxTest, EscapeAndTheCancelButtonCancel) {
    auto byKey = Box();
    QTest::keyClick(byKey.get(), Qt::Key_Escape);
    EXPECT_TRUE(byKey->Cancelled());
    byKey.reset();
    auto byButton = Box();
    EXPECT_EQ(byButton->CancelButton()->text(), QStringLiteral("取消"));
    QTest::mouseClick(byButton->CancelButton(), Qt::LeftButton);
    EXPECT_TRUE(byButton->Cancelled());
}

TEST_F(ProgressBoxTest, DisabledCancelIgnoresEscape) {
    auto box = Box();
    box->EnableCancel(false);
    QTest::keyClick(box.get(), Qt::Key_Escape);
    EXPECT_FALSE(box->Cancelled());
    box->EnableCancel(true);
    QTest::keyClick(box.get(), Qt::Key_Escape);
    EXPECT_TRUE(box->Cancelled());
}

TEST_F(ProgressBoxTest, GaugeMovesOnlyToNewMultiplesOfTheStep) {
    auto box = Box();
    struct Step {
        int64_t done, total;
        int step;
        bool moved;
        int shown;
    } steps[] = {{1, 1000, 5, false, 0},  {50, 1000, 5, true, 5},   {51, 1000, 5, false, 5},
                 {75, 1000, 5, false, 5}, {333, 1000, 0, true, 33}, {0, 0, 5, true, 100}};
    for (const Step& s : steps) {
        EXPECT_EQ(box->SetProgress(s.done, s.total, s.step), s.moved) << s.done << "/" << s.total;
        EXPECT_EQ(box->Gauge()->value(), s.shown) << s.done << "/" << s.total;
    }
}

// Pending events (a click on Cancel, among others) run only when the gauge moved, when a text
// is shown, and on SetCaption and EnableCancel.
TEST_F(ProgressBoxTest, PendingEventsRunOnlyWhenTheRulesSay) {
    auto box = Box();
    QCoreApplication::processEvents();
    int delivered = 0;
    auto post = [&] {
        QMetaObject::invokeMethod(
            &owner, [&] { ++delivered; }, Qt::QueuedConnection);
    };
    struct Call {
        const char* name;
        std::function<void()> call;
        bool runsEvents;
    } calls[] = {
        {"gauge unchanged", [&] { box->SetProgress(1, 1000, 5); }, false},
        {"gauge off step", [&] { box->SetProgress(75, 1000, 5); }, false},
        {"gauge moved", [&] { box->SetProgress(100, 1000, 5); }, true},
        {"text not due", [&] { box->SetText("x", 2); }, false},
        {"text due", [&] { box->SetText("y", 2); }, true},
        {"caption", [&] { box->SetCaption("c"); }, true},
        {"enable cancel", [&] { box->EnableCancel(true); }, true},
    };
    for (const Call& c : calls) {
        delivered = 0;
        post();
        c.call();
        EXPECT_EQ(delivered == 1, c.runsEvents) << c.name;
        QCoreApplication::processEvents();
    }
}

// Input to every other window is blocked by disabling it, not by making the box modal: a modal
// box would take over an activation the window manager gives the owner meanwhile.
TEST_F(ProgressBoxTest, BlocksInputToOtherWindowsWhileShown) {
    QWidget other;
    other.show();
    QLineEdit field(&owner);
    field.show();
    field.setFocus();
    auto box = Box();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(other.isEnabled());
    box.reset();
    EXPECT_TRUE(other.isEnabled());
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(owner.focusWidget(), &field) << "the owner's focus comes back";
}

TEST_F(ProgressBoxTest, EmptyTotalShowsAHundred) {
    auto box = Box();
    EXPECT_TRUE(box->SetProgress(0, 0, 5));
    EXPECT_EQ(box->Gauge()->value(), 100);
}

TEST_F(ProgressBoxTest, TextChangesEveryNthCall) {
    auto box = Box();
    box->SetText("a", 3);
    box->SetText("b", 3);
    EXPECT_EQ(box->Label()->text(), QStringLiteral("file.bin"));
    box->SetText("c", 3);
    EXPECT_EQ(box->Label()->text(), QStringLiteral("c"));
    box->SetCaption("新标题");
    EXPECT_EQ(box->windowTitle(), QStringLiteral("新标题"));
    EXPECT_EQ(box->Caption()->text(), QStringLiteral("新标题"));
}

TEST_F(ProgressBoxTest, ElementsFollowTheOptions) {
    auto bare = Box(false, true, QString());
    EXPECT_EQ(bare->Label(), nullptr);
    EXPECT_EQ(bare->CancelButton(), nullptr);
    bare->SetText("ignored", 1);
    QTest::keyClick(bare.get(), Qt::Key_Escape);
    EXPECT_FALSE(bare->Cancelled());
    auto full = Box();
    EXPECT_GT(full->height(), bare->height());
    EXPECT_EQ(full->width(), bare->width());
    EXPECT_EQ(full->Label()->x(), full->Gauge()->x());
    EXPECT_GT(full->CancelButton()->y(), full->Gauge()->geometry().bottom());
    EXPECT_LE(full->CancelButton()->geometry().bottom(), full->height());
}

} // namespace
} // namespace qhe
