#include <gtest/gtest.h>

#include "editor/clipboard/InsertDialogModel.h"

namespace qhe {
namespace {

using S = std::string;

struct Case {
    InsertEntries entries;
    int messageId;
    InsertField focus;
    std::string bytes;
    int64_t count;
};

InsertEntries Text(const char* text, bool utf16 = false, int byteOrder = 0, long double count = 1) {
    InsertEntries e;
    e.text = text;
    e.utf16 = utf16;
    e.byteOrder = byteOrder;
    e.count = count;
    return e;
}

InsertEntries Hex(const char* hex, bool utf16 = false, bool withCount = true, long double count = 1) {
    InsertEntries e;
    e.textForm = false;
    e.hexText = hex;
    e.utf16 = utf16;
    e.withCount = withCount;
    e.count = count;
    return e;
}

TEST(InsertDialogModelTest, OkChecks) {
    const Case cases[] = {
        {Text("AB", false, 0, 3), 0, InsertField::None, "AB", 3},
        {Text("AB", true, 0), 0, InsertField::None, S("A\0B\0", 4), 1},
        {Text("AB", true, 1), 0, InsertField::None, S("\0A\0B", 4), 1},
        {Text("é"), 0, InsertField::None, "\xE9", 1}, // one ANSI byte per character
        {Text(""), 2070, InsertField::Text, "", 1},
        {Text("", false, 0, 0), 2070, InsertField::Text, "", 1}, // the text is checked first
        {Text("A", false, 0, 0), 2070, InsertField::Count, "", 1},
        {Text("A", false, 0, 0.5L), 2070, InsertField::Count, "", 1},
        {Text("A", false, 0, 2.9L), 0, InsertField::None, "A", 2},
        {Text("A", false, 0, 99999999.9L), 0, InsertField::None, "A", 99999999},
        {Hex("0a ff", true), 0, InsertField::None, "\x0A\xFF", 1}, // the UTF-16 box does not widen hex
        {Hex(""), 2054, InsertField::Hex, "", 1},
        {Hex("0A F"), 2054, InsertField::Hex, "", 1},
        {Hex("41", false, false, 0), 0, InsertField::None, "A", 1}, // overwrite has no count
    };
    for (const Case& c : cases) {
        const InsertCheck check = CheckInsertEntries(c.entries);
        EXPECT_EQ(check.messageId, c.messageId) << c.entries.text << c.entries.hexText;
        EXPECT_EQ(check.focus, c.focus) << c.entries.text << c.entries.hexText;
        EXPECT_EQ(check.bytes, c.bytes) << c.entries.text << c.entries.hexText;
        EXPECT_EQ(check.count, c.count) << c.entries.text << c.entries.hexText;
    }
}

TEST(InsertDialogModelTest, CaptionsAndHelp) {
    EXPECT_EQ(InsertDialogCaption(false), "插入");
    EXPECT_EQ(InsertDialogCaption(true), " 覆盖 ");
    EXPECT_EQ(InsertDialogHelpContext(false), 50);
    EXPECT_EQ(InsertDialogHelpContext(true), 72);
}

} // namespace
} // namespace qhe
