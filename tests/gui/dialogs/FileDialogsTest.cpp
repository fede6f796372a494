#include "gui/dialogs/FileDialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "gui/DialogDriver.h"

namespace qhe {
namespace {

TEST(TFormOSE, EachPatternIsItsOwnDescription) {
    EXPECT_EQ(TFormOSE::NameFilters({"*.*", "*.exe"}), (QStringList{"*.* (*)", "*.exe (*.exe)"}));
    EXPECT_EQ(TFormOSE::NameFilters({"*.qbm"}), QStringList{"*.qbm (*.qbm)"});
    EXPECT_TRUE(TFormOSE::NameFilters({}).isEmpty());
}

class TFormOSETest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QFile file(folder.filePath(QStringLiteral("data.bin")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    FileDialogRequest Request(bool readOnlyBox) {
        FileDialogRequest request;
        request.title = "打开文件";
        request.filters = {"*.*", "*.exe"};
        request.initialDir = QFile::encodeName(folder.path()).toStdString();
        request.readOnlyBox = readOnlyBox;
        return request;
    }
    QTemporaryDir folder;
    TFormOSE dialogs;
};

TEST_F(TFormOSETest, OpenDialogCarriesTheReadOnlyCheckBoxAndKeepsItsState) {
    test::WhenModalShows([](QWidget* window) {
        auto* dialog = static_cast<QFileDialog*>(window);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("打开文件"));
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("CheckBoxReadOnly"));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("以只读模式打开(&R)"));
        EXPECT_FALSE(box->isChecked());
        box->setChecked(true);
        dialog->selectFile(QStringLiteral("data.bin"));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept checks the name
    });
    const auto first = dialogs.Open(Request(true), nullptr);
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(first->readOnly);
    EXPECT_EQ(first->fileName, QFile::encodeName(folder.filePath(QStringLiteral("data.bin"))).toStdString());

    bool checkedAgain = false;
    test::WhenModalShows([&](QWidget* window) {
        checkedAgain = window->findChild<QCheckBox*>(QStringLiteral("CheckBoxReadOnly"))->isChecked();
        static_cast<QDialog*>(window)->reject();
    });
    EXPECT_FALSE(dialogs.Open(Request(true), nullptr).has_value());
    EXPECT_TRUE(checkedAgain);
}

TEST_F(TFormOSETest, OpenDialogWithoutTheBoxAnswersWritable) {
    test::WhenModalShows([](QWidget* window) {
        EXPECT_EQ(window->findChild<QCheckBox*>(QStringLiteral("CheckBoxReadOnly")), nullptr);
        static_cast<QFileDialog*>(window)->selectFile(QStringLiteral("data.bin"));
        static_cast<QDialog*>(window)->accept();
    });
    const auto choice = dialogs.Open(Request(false), nullptr);
    ASSERT_TRUE(choice.has_value());
    EXPECT_FALSE(choice->readOnly);
}

TEST_F(TFormOSETest, SaveDialogAddsTheDefaultExtension) {
    test::WhenModalShows([](QWidget* window) {
        auto* dialog = static_cast<QFileDialog*>(window);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->selectFile(QStringLiteral("marks"));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept checks the name
    });
    FileDialogRequest request = Request(false);
    request.filters = {"*.qbm"};
    request.defaultExt = "qbm";
    const auto name = dialogs.Save(request, nullptr);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, QFile::encodeName(folder.filePath(QStringLiteral("marks.qbm"))).toStdString());
}

} // namespace
} // namespace qhe
