#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>

#include "TempDir.h"
#include "core/text/Format.h"
#include "editor/OwnTexts.h"
#include "gui/DialogDriver.h"
#include "gui/FormMain.h"
#include "gui/compare/FormCompare.h"

namespace qhe {
namespace {

TFormCompare* OpenCompareWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TFormCompare*>(window); form && form->isVisible()) return form;
    return nullptr;
}

// The keys walk the ranges with both sides in step, and goto in the editor moves the main
// window's cursor onto the range.
TEST(CompareWindow, KeysWalkTheRangesAndGotoInTheEditorMovesItsCursor) {
    test::TempDir dir;
    std::vector<uint8_t> a(5000);
    for (size_t i = 0; i < a.size(); ++i)
        a[i] = static_cast<uint8_t>(i * 7 + i / 251);
    std::vector<uint8_t> b = a;
    b[100] ^= 1;
    b.insert(b.begin() + 3000, {1, 2, 3});
    test::WriteFileBytes(dir.File("a.bin"), a);
    test::WriteFileBytes(dir.File("b.bin"), b);
    TFormMain window({dir.File("a.bin")});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.IsOpen);
    window.Commands().State().options.compareResync = true;
    std::string error;
    window.Commands().Compare().show(CompareSession::OfFiles(dir.File("a.bin"), dir.File("b.bin"),
                                                             window.Commands().Compare().Options(), error));
    TFormCompare* form = OpenCompareWindow();
    ASSERT_NE(form, nullptr);
    form->RunToEnd();
    EXPECT_EQ(form->SummaryText().toStdString(),
              Format(kTextCompareSizes, {5000, 5003}) + Format(kTextCompareDiffer, {2, 4}));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    EXPECT_EQ(form->Session().Current(), 0); // the first range is shown at once
    QTest::keyClick(form, Qt::Key_F8);
    EXPECT_EQ(form->Session().Current(), 1);
    EXPECT_EQ(form->CursorA(), 3000);
    EXPECT_EQ(form->CursorB(), 3000);
    // The rows above the insertion stand next to B's bytes 3 on (out of step: marked); from
    // the row after it on both sides are in step.
    const std::vector<bool> shifted = form->ShiftedRows();
    const auto firstInStep = std::find(shifted.begin(), shifted.end(), false);
    EXPECT_NE(firstInStep, shifted.begin());
    EXPECT_NE(firstInStep, shifted.end());
    EXPECT_EQ(std::find(firstInStep, shifted.end(), true), shifted.end());
    QTest::keyClick(form, Qt::Key_Down); // past the insertion both sides go on in step
    EXPECT_EQ(form->CursorB(), 3019);
    QTest::keyClick(form, Qt::Key_Up);
    QTest::keyClick(form, Qt::Key_F8); // no further: stays on the last range
    EXPECT_EQ(form->Session().Current(), 1);
    QTest::keyClick(form, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(window.Commands().State().view.CursorPosition(), 3001);
    // The editor comes up over the compare window, which is not kept above it.
    WAIT_UNTIL(QApplication::activeWindow() == &window);
    EXPECT_EQ(form->windowHandle()->transientParent(), nullptr);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_F7);
    EXPECT_EQ(form->CursorA(), 100);
    form->close();
    WAIT_UNTIL(!OpenCompareWindow());
}

// The panes are headed by their files' names; the list of ranges is as wide as its columns and
// shows several rows; Go To says why it refuses an offset; an edit in the editor after the
// compare brings the hint and the button to compare again.
TEST(CompareWindow, NamesListGotoAndTheHintThatTheCompareIsOld) {
    test::TempDir dir;
    std::vector<uint8_t> a(4000, 0x41), b = a;
    for (size_t at = 100; at < 4000; at += 300)
        b[at] = 0x42;
    test::WriteFileBytes(dir.File("a.bin"), a);
    test::WriteFileBytes(dir.File("b.bin"), b);
    TFormMain window({dir.File("a.bin")});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.IsOpen);
    std::string error;
    window.Commands().Compare().show(CompareSession::OfFiles(dir.File("a.bin"), dir.File("b.bin"),
                                                             window.Commands().Compare().Options(), error));
    TFormCompare* form = OpenCompareWindow();
    ASSERT_NE(form, nullptr);
    form->RunToEnd();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    EXPECT_TRUE(form->findChild<QLabel*>("SideNameA")->text().endsWith("a.bin"));
    EXPECT_TRUE(form->findChild<QLabel*>("SideNameB")->text().endsWith("b.bin"));
    auto* list = form->findChild<QTableView*>("ListDiffs");
    // Every column as wide as its texts, all of them side by side in view.
    const QFontMetrics metrics = list->fontMetrics();
    int widths = 0;
    for (int column = 0; column < 6; ++column) {
        int text = 0;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            text = std::max(text,
                            metrics.horizontalAdvance(list->model()->index(row, column).data().toString()));
        EXPECT_GT(list->columnWidth(column), text) << column;
        widths += column < 5 ? list->columnWidth(column) : text;
    }
    EXPECT_LE(widths, list->viewport()->width());
    EXPECT_GE(list->viewport()->height(), 6 * list->verticalHeader()->defaultSectionSize());

    QString shown;
    test::WhenModalShows([&shown](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText("zz");
        test::WhenModalShows([&shown](QWidget* box) {
            for (QLabel* label : box->findChildren<QLabel*>())
                shown += label->text();
            test::PressKey(box, Qt::Key_Return);
        });
        test::PressKey(dialog, Qt::Key_Return);
    });
    QTest::keyClick(form, Qt::Key_G, Qt::ControlModifier);
    WAIT_UNTIL(!shown.isEmpty());
    EXPECT_TRUE(shown.contains("zz")) << shown.toStdString();

    auto* hint = form->findChild<QLabel*>("StaleHint");
    auto* again = form->findChild<QPushButton*>("CompareAgain");
    EXPECT_TRUE(hint->isHidden());
    EditorState& state = window.Commands().State();
    const uint8_t x = 0x42;
    state.editor.BeginStep("edit");
    ASSERT_TRUE(state.editor.Overwrite(101, &x, 1, ReplaceUndoRule::Keep));
    state.editor.EndStep();
    state.doc.Modified = true;
    WAIT_UNTIL(!hint->isHidden());
    EXPECT_EQ(hint->text().toStdString(), kTextCompareStale.str());
    QTest::mouseClick(again, Qt::LeftButton);
    form->RunToEnd();
    EXPECT_TRUE(hint->isHidden());
    EXPECT_EQ(form->Session().RangeCount(), 12); // the edited byte now agrees
    form->close();
    WAIT_UNTIL(!OpenCompareWindow());
}

} // namespace
} // namespace qhe
