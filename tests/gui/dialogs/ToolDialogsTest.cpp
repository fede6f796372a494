#include "gui/dialogs/ToolDialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "editor/tools/NumberTools.h"

namespace qhe {
namespace {

class ToolDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(state.doc.Allocate());
        ASSERT_TRUE(state.doc.InsertGap(1, 2));
        state.doc.SetByte(1, 0x0F);
        state.doc.IsOpen = true;
    }
    test::FakeUi ui;
    EditorState state{ui};
};

TEST_F(ToolDialogsTest, BitDialogTogglesAndShowsTheValue) {
    BitDialogModel model(state);
    TFormBit dialog(model, nullptr);
    EXPECT_TRUE(dialog.Bit(0)->isChecked());
    EXPECT_FALSE(dialog.Bit(7)->isChecked());
    dialog.findChild<QPushButton*>("ButtonToggleAll")->click();
    EXPECT_EQ(model.value, 0xF0);
    EXPECT_EQ(dialog.Value()->text(), "十进制: 240  十六进制: F0  二进制: 11110000");
    dialog.Bit(7)->click();
    EXPECT_EQ(model.value, 0x70);
    dialog.findChild<QPushButton*>("ButtonReread")->click();
    EXPECT_EQ(model.value, 0x0F);
}

TEST_F(ToolDialogsTest, EncodeDialogShowsHereAndStaysOpen) {
    state.options.encodeWhere = 2;
    state.options.encodeAs = 2;
    EncodeDialogModel model(state, "1000");
    TFormEncode dialog(model, nullptr);
    EXPECT_TRUE(dialog.Here()->isEnabled());
    dialog.findChild<QPushButton*>("ButtonOK")->click();
    EXPECT_EQ(dialog.Here()->text(), "E8 03");
    EXPECT_EQ(dialog.result(), 0); // still open
    dialog.findChild<QRadioButton*>("QZRadioBtnOver")->setChecked(true);
    EXPECT_FALSE(dialog.Here()->isEnabled());
    dialog.findChild<QPushButton*>("ButtonOK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.bytes, (std::vector<uint8_t>{0xE8, 0x03}));
    EXPECT_EQ(model.where, 1);
}

} // namespace
} // namespace qhe
