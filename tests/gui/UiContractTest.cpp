// One set of expectations run against every Ui: the Qt dialogs answered with Enter, the
// headless front end and the scripted fake of the command tests.
#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>

#include "gui/DialogDriver.h"
#include "FakeUi.h"
#include "editor/HeadlessUi.h"
#include "gui/QtUi.h"

namespace qhe {
namespace {

// A Ui together with the user who presses Enter on whatever the next dialog is.
struct UiUnderTest {
    virtual ~UiUnderTest() = default;
    virtual Ui& ui() = 0;
    virtual void UserWillPressEnter() {}
};

struct QtUiUnderTest final : UiUnderTest {
    QtUi qtUi;
    Ui& ui() override { return qtUi; }
    void UserWillPressEnter() override { test::PressKeyOnNextModal(Qt::Key_Return); }
};

struct FakeUiUnderTest final : UiUnderTest {
    test::FakeUi fake;
    Ui& ui() override { return fake; }
};

struct HeadlessUiUnderTest final : UiUnderTest {
    std::ostringstream out;
    HeadlessUi headless{out};
    Ui& ui() override { return headless; }
};

struct Implementation {
    const char* name;
    std::function<std::unique_ptr<UiUnderTest>()> make;
};

class UiContract : public ::testing::TestWithParam<Implementation> {
  protected:
    void SetUp() override { subject = GetParam().make(); }
    std::unique_ptr<UiUnderTest> subject;
};

TEST_P(UiContract, EnterAnswersTheDefaultButton) {
    Ui& ui = subject->ui();
    subject->UserWillPressEnter();
    ui.ShowInfo("信息");
    subject->UserWillPressEnter();
    EXPECT_FALSE(ui.AskYesNo("覆盖?"));
    subject->UserWillPressEnter();
    EXPECT_EQ(ui.AskYesNoCancel("保存?"), mrCancel);
    subject->UserWillPressEnter();
    EXPECT_EQ(ui.MessageBox("x", MsgKind::Warning, mbYes | mbNo, mrYes, 0, true), mrYes);
    subject->UserWillPressEnter();
    EXPECT_EQ(ui.MessageBox("x", MsgKind::Custom, mbAbort | mbRetry | mbIgnore, mrIgnore, 0, false),
              mrIgnore);
}

TEST_P(UiContract, ProgressBoxFollowsTheGaugeRuleAndNeverCancelsByItself) {
    auto progress = subject->ui().CreateProgress(true, true, "file.bin", "正在读取文件");
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(progress->Cancelled());
    struct Step {
        int64_t done, total;
        bool moved;
    } steps[] = {{1, 1000, false},  {50, 1000, true},   {51, 1000, false},
                 {500, 1000, true}, {1000, 1000, true}, {0, 0, false}};
    for (const Step& s : steps) {
        EXPECT_EQ(progress->SetProgress(s.done, s.total, 5), s.moved) << s.done << "/" << s.total;
        EXPECT_FALSE(progress->Cancelled());
    }
    progress->SetText("other.bin", 1);
    progress->SetCaption("正在写入文件");
    progress->EnableCancel(false);
    EXPECT_FALSE(progress->Cancelled());
}

TEST_P(UiContract, AnEmptyTotalIsComplete) {
    auto progress = subject->ui().CreateProgress(false, true, "", "c");
    EXPECT_TRUE(progress->SetProgress(0, 0, 5));
}

TEST_P(UiContract, BusyScopesBalance) {
    {
        BusyScope outer(&subject->ui(), "正在分配内存");
        BusyScope inner(&subject->ui(), "inner");
    }
    subject->ui().SetWaitCursor(true);
    subject->ui().SetWaitCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// The clipboard holds one kind of data at a time; the private format keeps zero bytes and text
// keeps the code page's bytes.
TEST_P(UiContract, ClipboardHoldsTheLastDataPlaced) {
    Ui& ui = subject->ui();
    ASSERT_TRUE(ui.SetClipboardBytes(std::string("A\0\xFF", 3)));
    EXPECT_EQ(ui.ClipboardBytes(), std::string("A\0\xFF", 3));
    EXPECT_EQ(ui.ClipboardText(), std::nullopt);
    EXPECT_TRUE(ui.OwnsClipboard());
    ASSERT_TRUE(ui.SetClipboardText("0A \xE9"));
    EXPECT_EQ(ui.ClipboardText(), std::string("0A \xE9"));
    EXPECT_EQ(ui.ClipboardBytes(), std::nullopt);
    ui.ClearClipboard();
    EXPECT_EQ(ui.ClipboardText(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    AllUis, UiContract,
    ::testing::Values(Implementation{"QtUi", [] { return std::make_unique<QtUiUnderTest>(); }},
                      Implementation{"FakeUi", [] { return std::make_unique<FakeUiUnderTest>(); }},
                      Implementation{"HeadlessUi", [] { return std::make_unique<HeadlessUiUnderTest>(); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qhe
