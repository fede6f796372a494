#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

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
    QTest::keyClick(form, Qt::Key_Down); // past the insertion both sides go on in step
    EXPECT_EQ(form->CursorB(), 3019);
    QTest::keyClick(form, Qt::Key_Up);
    QTest::keyClick(form, Qt::Key_F8); // no further: stays on the last range
    EXPECT_EQ(form->Session().Current(), 1);
    QTest::keyClick(form, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(window.Commands().State().view.CursorPosition(), 3001);
    QTest::keyClick(form, Qt::Key_F7);
    EXPECT_EQ(form->CursorA(), 100);
    form->close();
    WAIT_UNTIL(!OpenCompareWindow());
}

} // namespace
} // namespace qhe
