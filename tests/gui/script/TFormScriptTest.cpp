#include "gui/script/TFormScript.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "core/text/Format.h"
#include "core/text/Messages.h"
#include "editor/MainCommands.h"

namespace qhe {
namespace {

class TFormScriptTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(commands.Files().AllocateDocument());
        commands.View().SetGridSize(8, 4);
        Document& doc = commands.State().doc;
        const std::string bytes = "..MZ..";
        doc.SetSize(static_cast<int32_t>(bytes.size()));
        std::copy(bytes.begin(), bytes.end(), doc.Buffer());
        doc.FileName = "x.bin";
        commands.Files().AfterOpen();
    }
    QString SelectedText() { return form.Memo()->textCursor().selectedText(); }

    test::FakeUi ui;
    MainCommands commands{ui};
    TFormScript form{commands.State(), {}};
};

// Written as a new user would: commands from the menu, their arguments typed over the
// selected template, checked, run, and the save question when the window closes.
TEST_F(TFormScriptTest, InsertCheckExecuteAndTheSaveQuestion) {
    form.show();
    EXPECT_EQ(form.windowTitle().toStdString(), Msg(2121));
    form.InsertCommand("FINDhexstring1");
    EXPECT_EQ(SelectedText(), "<hex string>");
    QTest::keyClicks(form.Memo(), "4D 5A");
    form.InsertCommand("ADR2"); // before the line with the caret
    QTest::keyClicks(form.Memo(), "0");
    form.Memo()->moveCursor(QTextCursor::End);
    QTest::keyClick(form.Memo(), Qt::Key_Return);
    form.InsertCommand("OVERWRITEhexstring1"); // in place of the blank last line
    QTest::keyClicks(form.Memo(), "41");
    EXPECT_EQ(form.Memo()->toPlainText(), "ADR 0\nFIND 4D 5A\nOVERWRITE 41");

    form.findChild<QPushButton*>("ButtonSyntax")->click();
    EXPECT_EQ(ui.messages.back().text, Msg(2120));
    form.findChild<QPushButton*>("ButtonExecute")->click();
    EXPECT_EQ(ui.messages.back().text, Msg(2131));
    EXPECT_EQ(commands.State().doc.Buffer()[2], 'A');
    EXPECT_EQ(commands.State().view.CursorPosition(), 4);

    // A failing line is selected.
    form.InsertCommand("QUIT1");
    form.Memo()->moveCursor(QTextCursor::End);
    form.Memo()->insertPlainText("\nBAD");
    form.findChild<QPushButton*>("ButtonSyntax")->click();
    EXPECT_EQ(SelectedText(), "BAD");

    // Unsaved and unnamed: message 2122; its default Cancel keeps the window open.
    form.reject();
    EXPECT_EQ(ui.messages.back().text, Msg(2122));
    EXPECT_TRUE(form.isVisible());
    ui.answers = {mrNo};
    form.reject();
    EXPECT_FALSE(form.isVisible());
}

// A long script shows at once; its tail follows while the event loop runs, and until then the
// run, the save and the modified state take the whole script.
TEST_F(TFormScriptTest, ALongScriptShowsAtOnceAndItsTailFollows) {
    std::vector<std::string> lines;
    for (int i = 0; i < 50000; ++i)
        lines.push_back("ADR " + std::to_string(i % 6));
    form.SetLines(lines);
    form.SetModified(false);
    EXPECT_TRUE(form.Filling());
    EXPECT_LT(form.Memo()->document()->blockCount(), 50000);
    EXPECT_TRUE(form.Memo()->isReadOnly());
    EXPECT_EQ(form.Lines(), lines);
    EXPECT_FALSE(form.Modified());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Filling(); }, 30000));
    EXPECT_EQ(form.Memo()->document()->blockCount(), 50000);
    EXPECT_EQ(form.Lines(), lines);
    EXPECT_FALSE(form.Memo()->isReadOnly());
    EXPECT_FALSE(form.Modified());
}

} // namespace
} // namespace qhe
