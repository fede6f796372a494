#include "editor/tools/NumberTools.h"

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "core/text/Format.h"
#include "core/text/Messages.h"
#include "editor/MainCommands.h"

namespace qhe {
namespace {

class NumberToolsTest : public ::testing::Test {
  protected:
    void Open(const std::vector<uint8_t>& bytes, int64_t cursor = 1) {
        ASSERT_TRUE(commands.StartUp({}));
        const std::string name = dir.File("n.bin");
        test::WriteFileBytes(name, bytes);
        ASSERT_TRUE(commands.Files().OpenDocument(name, OpenSender::CommandLine, false));
        commands.View().ShowAddress(cursor, true, false);
        commands.MenuOpened("Tools1");
    }
    std::vector<uint8_t> Bytes() {
        const Document& doc = commands.State().doc;
        return {doc.Buffer(), doc.Buffer() + doc.Size()};
    }
    // Encodes text as type into the Document with the output choice where.
    void Encode(const std::string& text, int type, int where) {
        ui.encodeDialog = [=](EncodeDialogModel& model) {
            model.as = type;
            model.where = where;
            return model.Confirm(text);
        };
        commands.Execute("Encode1");
    }
    test::FakeUi ui;
    MainCommands commands{ui};
    test::TempDir dir;
};

TEST_F(NumberToolsTest, DecodeLinesFollowTheBytesLeft) {
    Open({0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 0x11});
    struct Case {
        int64_t cursor;
        size_t lines;
    } cases[] = {{9, 1}, {8, 3}, {7, 3}, {6, 5}, {3, 5}, {2, 6}, {1, 6}};
    for (const auto& c : cases) {
        commands.View().ShowAddress(c.cursor, true, false);
        ui.memos.clear();
        commands.Execute("Decode1");
        ASSERT_EQ(ui.memos.size(), 1u);
        const std::string& text = ui.memos[0].second;
        EXPECT_EQ(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1, c.lines) << c.cursor;
    }
    EXPECT_EQ(ui.memos[0].first, Msg(2051));
}

TEST_F(NumberToolsTest, DecodeShowsFileOrderHexInBigEndian) {
    Open({0x12, 0x34});
    commands.State().options.byteOrder = 1;
    commands.Execute("Decode1");
    ASSERT_EQ(ui.memos.size(), 1u);
    EXPECT_EQ(ui.memos[0].first, Msg(2052));
    EXPECT_NE(ui.memos[0].second.find(FormatMsg(2040, {"12 34", "4660"})), std::string::npos);
}

TEST_F(NumberToolsTest, EncodeInsertsOverwritesAndShows) {
    Open({0xAA, 0xBB});
    Encode("1000", 2, 0); // Word, insert
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{0xE8, 0x03, 0xAA, 0xBB}));
    EXPECT_EQ(commands.State().view.CursorPosition(), 3);
    EXPECT_TRUE(commands.State().doc.Modified);
    commands.State().options.byteOrder = 1;
    Encode("1000", 2, 1); // overwrite the two bytes at the cursor, big-endian
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{0xE8, 0x03, 0x03, 0xE8}));
    EXPECT_EQ(commands.State().options.encodeAs, 2);
    EXPECT_EQ(commands.State().options.encodeWhere, 1);
    // Show here never changes the Document.
    std::string shown;
    ui.encodeDialog = [&](EncodeDialogModel& model) {
        model.as = 6;
        model.where = 2;
        EXPECT_FALSE(model.Confirm("1.5"));
        shown = model.hereText;
        return false;
    };
    commands.Execute("Encode1");
    EXPECT_EQ(shown, "3F F8 00 00 00 00 00 00");
    EXPECT_EQ(Bytes().size(), 4u);
}

TEST_F(NumberToolsTest, EncodeFailuresChangeNothing) {
    Open({1, 2}, 2);
    commands.State().doc.Modified = false;
    Encode("1000", 2, 1); // two bytes over the last byte
    EXPECT_EQ(ui.messages.back().text, Msg(2028));
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{1, 2}));
    EXPECT_FALSE(commands.State().doc.Modified);
    ui.encodeDialog = [](EncodeDialogModel& model) {
        model.as = 0;
        model.where = 0;
        EXPECT_FALSE(model.Confirm("$FF")); // 255 is outside -128..127
        return false;
    };
    commands.Execute("Encode1");
    EXPECT_EQ(ui.messages.back().text, "范围选取错误");
}

TEST_F(NumberToolsTest, EncodeIntoAnEmptyDocumentMakesExactlyTheBytes) {
    Open({});
    Encode("-1", 4, 1);
    EXPECT_EQ(Bytes(), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(commands.State().view.CursorPosition(), 1);
}

TEST_F(NumberToolsTest, BitEditorWritesOnlyAChangedByte) {
    Open({0x0F, 0x00});
    commands.State().doc.Modified = false;
    ui.bitDialog = [](BitDialogModel& model) {
        EXPECT_EQ(model.Label(), "十进制: 15  十六进制: 0F  二进制: 00001111");
        model.value = static_cast<uint8_t>(~model.value);
        return true;
    };
    commands.Execute("Bitmanipulation1");
    EXPECT_EQ(Bytes()[0], 0xF0);
    EXPECT_TRUE(commands.State().doc.Modified);
    commands.State().doc.Modified = false;
    ui.bitDialog = [](BitDialogModel& model) {
        model.value = BitDialogModel::BitAssign(model.value, 0, true);
        model.value = BitDialogModel::BitAssign(model.value, 0, false); // back to the opening byte
        return true;
    };
    commands.Execute("Bitmanipulation1");
    EXPECT_FALSE(commands.State().doc.Modified);
    ui.bitDialog = [](BitDialogModel& model) {
        model.value = 0x41;
        return false; // Cancel
    };
    commands.Execute("Bitmanipulation1");
    EXPECT_EQ(Bytes()[0], 0xF0);
}

} // namespace
} // namespace qhe

namespace qhe {
namespace {

TEST_F(NumberToolsTest, InspectorLinesOpenTheirEditor) {
    Open({0x12, 0x34, 0x56, 0x78});
    // Default lines: word, integer, longint, single, binary.
    std::string offered;
    int type = -1, where = -1;
    ui.encodeDialog = [&](EncodeDialogModel& model) {
        offered = model.text;
        type = model.as;
        where = model.where;
        return false;
    };
    bool bits = false;
    ui.bitDialog = [&](BitDialogModel&) {
        bits = true;
        return false;
    };
    commands.InspectorEdit(2, "2018915346");
    EXPECT_EQ(offered, "2018915346");
    EXPECT_EQ(type, 4);  // longint
    EXPECT_EQ(where, 1); // written over the bytes it came from
    commands.InspectorEdit(4, "00010010");
    EXPECT_TRUE(bits);
    EXPECT_FALSE(commands.InspectorLineEditable(1, ""));  // an empty value
    EXPECT_FALSE(commands.InspectorLineEditable(5, "x")); // no sixth line
}

} // namespace
} // namespace qhe
