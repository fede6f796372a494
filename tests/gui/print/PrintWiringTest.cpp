#include "gui/FormMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsFileName.h"
#include "gui/DialogDriver.h"
#include "gui/help/HelpWindow.h"
#include "gui/print/FormPreview.h"
#include "gui/print/FormPrint.h"

namespace qhe {
namespace {

// Acts on the file dialog once it is the active modal window (the print dialog is modal before it).
void WhenFileDialogShows(std::function<void(QFileDialog*)> action, int attempts = 500) {
    QTimer::singleShot(5, [action = std::move(action), attempts]() mutable {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            dialog && dialog->isVisible())
            action(dialog);
        else if (attempts > 0)
            WhenFileDialogShows(std::move(action), attempts - 1);
    });
}

// Acts on the first modal dialog that is not the print dialog.
void WhenOtherModalShows(std::function<void(QWidget*)> action, int attempts = 500) {
    QTimer::singleShot(5, [action = std::move(action), attempts]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        // A dialog (the progress box, modal over the print dialog, is no dialog).
        if (modal && modal->isVisible() && !qobject_cast<TFormPrint*>(modal) && qobject_cast<QDialog*>(modal))
            action(modal);
        else if (attempts > 0)
            WhenOtherModalShows(std::move(action), attempts - 1);
    });
}

void ClickPreviewPrint(QWidget* dialog) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == "预览/打印") button->click();
}

// Printer output: a row wider than the page is refused with message 2089 and the dialog stays open;
// a row that fits shows the preview, after which the dialog closes.
TEST(PrintWiring, PrinterOutputRefusesTooWideRowsAndShowsThePreview) {
    test::TempDir dir;
    const std::string name = dir.File("p.bin");
    test::WriteFileBytes(name, std::vector<uint8_t>(300, 0x41));
    {
        ProfileSession profile(SettingsFileName());
        WritePrintSettings(profile, PrintSettings{});
        profile.Commit();
    }
    TFormMain window({name});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.Size() == 300);

    QString refusal;
    bool previewShown = false, keptOpen = false;
    test::WhenModalShows([&](QWidget* dialog) {
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            if (box->text().startsWith("改变方向输出到文件"))
                box->setChecked(false);                            // preselected without printers
        dialog->findChildren<QComboBox*>()[1]->setCurrentIndex(2); // font size 12
        dialog->findChildren<QComboBox*>()[2]->setEditText("99");
        WhenOtherModalShows([&](QWidget* box) {
            for (QLabel* label : box->findChildren<QLabel*>())
                refusal += label->text();
            static_cast<QDialog*>(box)->accept();
        });
        ClickPreviewPrint(dialog);
        keptOpen = dialog->isVisible();
        dialog->findChildren<QComboBox*>()[1]->setCurrentIndex(1); // font size 10: 16 bytes fit
        dialog->findChildren<QComboBox*>()[2]->setEditText("16");
        WhenOtherModalShows([&](QWidget* preview) {
            previewShown = qobject_cast<TFormPreview*>(preview) != nullptr;
            static_cast<QDialog*>(preview)->reject();
        });
        ClickPreviewPrint(dialog);
    });
    window.Action("Print1")->trigger();
    EXPECT_TRUE(refusal.contains("页面的宽度／高度不足")) << refusal.toStdString();
    EXPECT_TRUE(keptOpen);
    EXPECT_TRUE(previewShown);
}

// Print1 on an open file, output to a text file: the dialog's Preview/Print writes the dump with the
// bytes per row typed into the dialog, and OK stores that choice in section Printing.
TEST(PrintWiring, Print1WritesTheTextFileAndKeepsTheDialogsSettings) {
    test::TempDir dir;
    const std::string name = dir.File("abc.bin");
    test::WriteFileBytes(name, {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A});
    {
        ProfileSession profile(SettingsFileName());
        PrintSettings settings;
        settings.outputToFile = true;
        WritePrintSettings(profile, settings);
        profile.Commit();
    }
    TFormMain window({name});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.Size() == 10);
    ASSERT_TRUE(window.Action("Print1")->isEnabled());

    const std::string output = dir.File("dump.txt");
    bool outputChecked = false;
    test::WhenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<TFormPrint*>(modal);
        ASSERT_NE(dialog, nullptr);
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            if (box->text().startsWith("改变方向输出到文件")) outputChecked = box->isChecked();
        dialog->findChildren<QComboBox*>()[2]->setEditText("8");
        WhenFileDialogShows([&](QFileDialog* files) {
            files->selectFile(QString::fromStdString(output));
            static_cast<QDialog*>(files)->accept();
        });
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == "预览/打印") button->click();
    });
    window.Action("Print1")->trigger();

    EXPECT_TRUE(outputChecked);
    std::ifstream in(output, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "File: " + name +
                              "\r\nOutput by QHE32\r\n\r\nOffset hex. 00 01 02 03 04 05 06 07 \r\n"
                              "000000000:  41 42 43 44 45 46 47 48 ABCDEFGH\r\n"
                              "000000008:  49 4A                   IJ\r\n");
    const ProfileSession saved(SettingsFileName());
    EXPECT_EQ(ReadPrintSettings(saved).bytesPerRow, "8");
}

// Help from the modal print dialog opens over it (a viewer of the main window would be blocked
// behind it).
TEST(PrintWiring, HelpOfThePrintDialogOpensOverIt) {
    test::TempDir dir;
    const std::string name = dir.File("h.bin");
    test::WriteFileBytes(name, std::vector<uint8_t>(10, 0x41));
    TFormMain window({name});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.Size() == 10);
    bool shownOver = false;
    test::WhenModalShows([&](QWidget* dialog) {
        dialog->findChild<QPushButton*>("ButtonHelp")->click();
        for (HelpWindow* help : dialog->findChildren<HelpWindow*>())
            shownOver = shownOver || help->isVisible();
        static_cast<QDialog*>(dialog)->reject();
    });
    window.Action("Print1")->trigger();
    EXPECT_TRUE(shownOver);
}

} // namespace
} // namespace qhe
