#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "gui/FormMain.h"
#include "gui/script/TFormScript.h"

namespace qhe {
namespace {

// Runs the event loop until done holds (at most 30 s); QTRY_* would return silently here.
template <typename F> bool WaitFor(F done) {
    return QTest::qWaitFor(done, 30000);
}

// The script menu and Ctrl+F9 on the real main window: the editor's script runs at once on
// the open file and the main window's cursor ends where the script stopped.
TEST(ScriptWiring, CtrlF9RunsTheEditorsScript) {
    test::TempDir dir;
    const std::string name = dir.File("data.bin");
    test::WriteFileBytes(name, {0, 1, 2, 3, 4, 5});
    TFormMain window({name});
    window.show();
    ASSERT_TRUE(WaitFor([&] { return window.Commands().State().doc.IsOpen; }));
    TFormScript* script = window.Script();
    ASSERT_NE(script, nullptr);
    QAction* executeActive = window.Action("Executeactive1");

    // An empty editor: nothing to run.
    window.Commands().MenuOpened("Script1");
    EXPECT_FALSE(executeActive->isEnabled());
    EXPECT_TRUE(window.Action("Editor1")->isEnabled());

    script->Memo()->setPlainText("ADR 3\nOVERWRITE 41 42\nADR- 1");
    window.Commands().MenuOpened("Script1");
    ASSERT_TRUE(executeActive->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.focusWidget(), Qt::Key_F9, Qt::ControlModifier);
    const Document& doc = window.Commands().State().doc;
    ASSERT_TRUE(WaitFor([&] { return doc.Buffer()[4] == 'B'; }));
    EXPECT_EQ(doc.Buffer()[3], 'A');
    EXPECT_TRUE(WaitFor([&] { return !script->isVisible(); })); // a run started by Ctrl+F9 closes the window
    // Offset 4 (written up to 5, then one back) is cursor position 5.
    EXPECT_EQ(window.Commands().State().view.CursorPosition(), 5);

    // Editor1 shows the window without running; the text stayed.
    window.Action("Editor1")->trigger();
    EXPECT_TRUE(script->isVisible());
    EXPECT_EQ(script->Memo()->toPlainText(), "ADR 3\nOVERWRITE 41 42\nADR- 1");
    QCoreApplication::processEvents(); // a run it had posted would happen now
    EXPECT_EQ(doc.Buffer()[5], 5);     // not run again
    script->SetModified(false);        // no save question
    script->reject();
    EXPECT_FALSE(script->isVisible());

    // Without a Document, Ctrl+F9 is disabled.
    window.Commands().State().doc.Modified = false; // no save question
    window.Action("Close1")->trigger();
    window.Commands().MenuOpened("Script1");
    EXPECT_FALSE(executeActive->isEnabled());
}

// "qhe32 FILE /s=SCRIPT ARG": the script runs with its parameter, the modified file is saved
// and the program ends.
TEST(ScriptWiring, CommandLineScriptSavesAndEndsTheProgram) {
    test::TempDir dir;
    const std::string name = dir.File("patch.bin");
    const std::string scriptName = dir.File("patch.qsc");
    test::WriteFileBytes(name, {0, 0, 0, 0});
    test::WriteFileBytes(scriptName, {'A', 'D', 'R', ' ', '%', '1', '\r', '\n', 'O', 'V',  'E',
                                      'R', 'W', 'R', 'I', 'T', 'E', ' ',  '7',  'A', '\r', '\n'});
    TFormMain window({name, "-S" + scriptName, "2"});
    window.show();
    ASSERT_TRUE(WaitFor([&] { return !window.isVisible(); }));
    EXPECT_EQ(test::ReadFileBytes(name), (std::vector<uint8_t>{0, 0, 0x7A, 0}));
    EXPECT_FALSE(window.Script()->isVisible());
}

} // namespace
} // namespace qhe
