#include "editor/tools/DataInspModel.h"

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "editor/file/FileCommands.h"
#include "editor/view/ViewCommands.h"

namespace qhe {
namespace {

class InspectorTest : public ::testing::Test {
  protected:
    // An open Document holding bytes, the cursor on position cursor.
    void Open(const std::vector<uint8_t>& bytes, int64_t cursor = 1) {
        ASSERT_TRUE(files.AllocateDocument());
        ASSERT_TRUE(state.doc.InsertGap(1, static_cast<int64_t>(bytes.size())));
        for (size_t i = 0; i < bytes.size(); ++i)
            state.doc.SetByte(static_cast<int64_t>(i) + 1, bytes[i]);
        files.AfterOpen();
        ViewCommands view(state);
        view.SetCursorCell(view.CellOfPosition(cursor));
    }
    void EnableAll() { state.dataInsp = {true, true, true, true, true, true, true, true, true}; }
    test::FakeUi ui;
    EditorState state{ui};
    FileCommands files{state};
};

TEST(InspectorLabels, EnabledKindsInDisplayOrder) {
    const InspectorLabels defaults = BuildInspectorLabels(DataInspSettings{});
    EXPECT_EQ(defaults.text, "word (+):\ninteger (±):\nlongint (±):\nIEEE single:\nbinary:");
    EXPECT_EQ(defaults.lineCount, 5);
    EXPECT_EQ(defaults.lineTypes[0], 2);
    EXPECT_EQ(defaults.lineTypes[4], 7);
    EXPECT_EQ(defaults.lineTypes[5], 255);
    const InspectorLabels none =
        BuildInspectorLabels({false, false, false, false, false, false, false, false, false});
    EXPECT_EQ(none.text, "");
    EXPECT_EQ(none.lineTypes[0], 255);
}

TEST_F(InspectorTest, ValuesAtTheCursorLevelWithTheirLabels) {
    EnableAll();
    Open({0x80, 0x00, 0x80, 0x7F, 0x12}, 1); // 7F800080: a signalling NaN
    EXPECT_EQ(InspectorValues(state, '.'),
              "-128\r\n128\r\n128\r\n128\r\n2139095168\r\nINVALID\r\n\r\n10000000\r\n0");
    // On the last byte only short, byte and binary have values; the other lines stay, empty.
    ViewCommands(state).SetCursorCell(4, 0);
    EXPECT_EQ(InspectorValues(state, '.'), "18\r\n18\r\n\r\n\r\n\r\n\r\n\r\n00010010\r\n0");
}

TEST_F(InspectorTest, ByteOrderAndBlockSize) {
    state.dataInsp = {false, false, true, true, false, false, false, false, true};
    Open({0x12, 0x34});
    EXPECT_EQ(InspectorValues(state, '.'), "13330\r\n13330\r\n0");
    state.options.byteOrder = 1;
    state.block.begin = 1;
    state.block.end = 2;
    EXPECT_EQ(InspectorValues(state, '.'), "4660\r\n4660\r\n2");
}

TEST_F(InspectorTest, NothingWithoutBytes) {
    EnableAll();
    EXPECT_EQ(InspectorValues(state, '.'), "");
    Open({});
    EXPECT_EQ(InspectorValues(state, '.'), "");
}

} // namespace
} // namespace qhe
