#include "editor/HeadlessUi.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace qhe {
namespace {

class HeadlessUiTest : public ::testing::Test {
  protected:
    std::ostringstream out;
    HeadlessUi ui{out};
};

TEST_F(HeadlessUiTest, QuestionsAnswerTheirDefault) {
    EXPECT_FALSE(ui.AskYesNo("现在保存?"));
    EXPECT_EQ(ui.AskYesNoCancel("现在保存?"), mrCancel);
    EXPECT_EQ(ui.MessageBox("x", MsgKind::Warning, mbAbort | mbRetry | mbIgnore, mrRetry, 0, true), mrRetry);
    // Without a default, Enter presses the first button shown.
    EXPECT_EQ(ui.MessageBox("x", MsgKind::Custom, mbNo | mbCancel, mrNone, 0, false), mrNo);
}

TEST_F(HeadlessUiTest, MessagesGoToTheStreamWithTheirCaption) {
    ui.ShowError("读取错误\ndata.bin\nError 2: 文件未发现");
    ui.ShowInfo("块已失效       ");
    EXPECT_EQ(out.str(), "错误: 读取错误\n  data.bin\n  Error 2: 文件未发现\n信息: 块已失效\n");
}

TEST_F(HeadlessUiTest, QuestionsShowTheAnswerGiven) {
    ui.AskYesNo("a.bin 已经修改。 现在保存?");
    ui.MessageBox("m", MsgKind::Warning, mbOK, mrOk, 0, true);
    ui.MessageBox("m", MsgKind::Custom, mbOK, mrOk, 0, false);
    EXPECT_EQ(out.str(), "确认: a.bin 已经修改。 现在保存?\n  -> 否\n警告: m\nQHE32: m\n");
}

TEST_F(HeadlessUiTest, DialogsAnswerCancel) {
    std::string value = "keep";
    EXPECT_FALSE(ui.InputText("转到", "地址", value, 0));
    EXPECT_EQ(value, "keep");
    int index = 3;
    EXPECT_FALSE(ui.SelectFromList("书签", {"a", "b"}, true, 0, index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(ui.ChooseOpenFile({"打开文件", {"*.*"}, "", "", true}).has_value());
    EXPECT_FALSE(ui.ChooseSaveFile({"文件另存为", {"*.*"}, "", "", false}).has_value());
    EXPECT_NE(out.str().find("转到: 地址\n  -> 取消\n"), std::string::npos);
    EXPECT_NE(out.str().find("打开文件:\n  -> 取消\n"), std::string::npos);
}

TEST(HeadlessUiPlain, MessagesKeepTheirTextAndStopCancelsEveryBox) {
    std::ostringstream out;
    bool stop = false;
    HeadlessHooks hooks;
    hooks.plainMessages = true;
    hooks.stopRequested = [&stop] { return stop; };
    HeadlessUi ui(out, hooks);
    ui.ShowError("写入错误\na.bin\nError 5: 文件访问拒绝   ");
    EXPECT_FALSE(ui.AskYesNo("现在保存?"));
    EXPECT_EQ(out.str(), "写入错误\na.bin\nError 5: 文件访问拒绝   \n现在保存?\n");
    const auto progress = ui.CreateProgress(true, true, "", "");
    EXPECT_FALSE(progress->Cancelled());
    stop = true;
    EXPECT_TRUE(progress->Cancelled());
    // A write that must not stop half-way turns cancel off: the request waits until it is back on.
    progress->EnableCancel(false);
    EXPECT_FALSE(progress->Cancelled());
    progress->EnableCancel(true);
    EXPECT_TRUE(progress->Cancelled());
}

TEST_F(HeadlessUiTest, MemoWritesCaptionAndText) {
    ui.ShowMemo("脚本", "line 1\nline 2", 0);
    EXPECT_EQ(out.str(), "脚本: line 1\n  line 2\n");
}

TEST_F(HeadlessUiTest, ProgressNeverCancelsAndFollowsTheGaugeRule) {
    auto progress = ui.CreateProgress(true, true, "data.bin", "正在读文件");
    auto* headless = dynamic_cast<HeadlessProgress*>(progress.get());
    ASSERT_NE(headless, nullptr);
    EXPECT_EQ(headless->Caption(), "正在读文件");
    EXPECT_EQ(headless->Text(), "data.bin");
    EXPECT_FALSE(progress->SetProgress(1, 1000, 5));
    EXPECT_TRUE(progress->SetProgress(50, 1000, 5));
    EXPECT_EQ(headless->Percent(), 5);
    progress->SetText("a", 2);
    EXPECT_EQ(headless->Text(), "data.bin");
    progress->SetText("b", 2);
    EXPECT_EQ(headless->Text(), "b");
    EXPECT_FALSE(progress->Cancelled());
    EXPECT_TRUE(out.str().empty());
}

TEST(MessageCaptionTest, CaptionsComeFromTheCatalogue) {
    EXPECT_EQ(MessageCaption(MsgKind::Warning), "警告");
    EXPECT_EQ(MessageCaption(MsgKind::Error), "错误");
    EXPECT_EQ(MessageCaption(MsgKind::Information), "信息");
    EXPECT_EQ(MessageCaption(MsgKind::Confirmation), "确认");
    EXPECT_EQ(MessageCaption(MsgKind::Custom), "QHE32");
}

} // namespace
} // namespace qhe
