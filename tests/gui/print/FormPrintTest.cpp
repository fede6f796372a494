#include "gui/print/FormPrint.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTimer>
#include <QMessageBox>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QPrinter>

#include <cmath>

#include "gui/dialogs/MessageDialog.h"
#include "gui/print/ReportPainter.h"

#include <gtest/gtest.h>

namespace qhe {
namespace {

TEST(FormPrint, SettingsRoundTripAndUnitConversion) {
    PrintSettings settings;
    settings.fontSizeIndex = 2;
    settings.bytesPerRow = "24";
    settings.marginLeft = 2000;
    settings.landscape = true;
    settings.textBelow = true;
    TFormPrint dialog(settings, true, nullptr);
    PrintDialogValues values = dialog.Values();
    EXPECT_EQ(values.range, DumpRangeKind::Selection); // a block exists
    EXPECT_EQ(values.settings.fontSizeIndex, 2);
    EXPECT_EQ(values.settings.bytesPerRow, "24");
    EXPECT_EQ(values.settings.marginLeft, 2000);
    EXPECT_EQ(values.settings.marginTop, 1500);
    EXPECT_TRUE(values.settings.landscape);
    EXPECT_TRUE(values.settings.textBelow);
    EXPECT_FALSE(values.settings.offsetDecimal);
    EXPECT_FALSE(values.settings.outputToFile); // as the settings say, printers or not

    dialog.findChildren<QComboBox*>()[3]->setCurrentIndex(1); // the unit: inch
    values = dialog.Values();
    EXPECT_EQ(values.settings.unit, 1);
    EXPECT_EQ(values.settings.marginLeft, 79); // 20 mm
    EXPECT_EQ(values.settings.marginTop, 59);  // 15 mm
}

TEST(FormPrint, EmptyBytesPerRowKeepsTheDialogOpenWithoutRunningTheOutput) {
    TFormPrint dialog(PrintSettings{}, false, nullptr);
    EXPECT_EQ(dialog.Values().range, DumpRangeKind::CurrentPage);
    int runs = 0;
    dialog.onPreviewPrint = [&](const PrintDialogValues&) { return ++runs > 0; };
    dialog.findChildren<QComboBox*>()[2]->setEditText("");
    QString caption;
    QTimer::singleShot(0, [&caption] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                caption = box->windowTitle();
                box->accept();
            }
    });
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == "预览/打印") button->click();
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(caption, MessageDialog::Caption(MsgKind::Error)); // as every error box
    // A margin takes no sign.
    QLineEdit* margin = dialog.findChildren<QDoubleSpinBox*>()[0]->findChild<QLineEdit*>();
    margin->selectAll();
    QTest::keyClicks(margin, "-7");
    EXPECT_FALSE(margin->text().contains('-'));
}

TEST(FormPrint, MarginInsideThePrintersBorderBecomesTheBorder) {
    PrintSettings settings;
    settings.marginLeft = 0;
    TFormPrint dialog(settings, false, nullptr);
    QPrinter printer(QPrinter::HighResolution);
    dialog.ConfigurePrinter(printer);
    const PrinterPage page = PageOf(printer);
    const double border = std::round(page.offsetX * 25.4 / page.resolution * 100) / 100;
    EXPECT_DOUBLE_EQ(MarginFromSetting(dialog.Values().settings.marginLeft), border);
}

// The Help button carries "帮助(&H)" and asks for the dialog's topic 64 without closing it.
TEST(FormPrint, HelpButtonAsksForTheDialogsTopic) {
    TFormPrint dialog(PrintSettings{}, false, nullptr);
    int asked = 0;
    dialog.help = [&](int context) { asked = context; };
    auto* help = dialog.findChild<QPushButton*>("ButtonHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->text(), "帮助(&H)");
    help->click();
    EXPECT_EQ(asked, 64);
    EXPECT_EQ(dialog.result(), 0);
}

} // namespace
} // namespace qhe
