#include "editor/search/ReplaceDialogModel.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/settings/Settings.h"
#include "editor/HeadlessUi.h"

namespace qhe {
namespace {

TEST(ReplaceDialogChecks, ReplacementBytesByForm) {
    struct Case {
        ReplacementEntries entries;
        std::optional<std::string> bytes;
    };
    const Case cases[] = {
        {{true, "AB", false, 0, ""}, "AB"},
        {{true, "AB", true, 0, ""}, std::string("A\0B\0", 4)},
        {{true, "AB", true, 1, ""}, std::string("\0A\0B", 4)},
        {{true, "", false, 0, "41"}, ""},         // empty text: the hit is deleted
        {{false, "AB", false, 0, "43 44"}, "CD"}, // the hex form ignores the text and UTF-16
        {{false, "", true, 0, ""}, ""},           // empty hex field: the hit is deleted
        {{false, "", false, 0, "  "}, ""},
        {{false, "", false, 0, "4"}, std::nullopt}, // message 2054
        {{false, "", false, 0, "XY"}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckReplacement(c.entries), c.bytes) << c.entries.text << "|" << c.entries.hexText;
}

TEST(ReplaceDialogChecks, OptionsRoundTripThroughThePreferences) {
    OptionsSettings settings;
    ReplaceOptions options;
    options.find.caseSensitive = false;
    options.find.scopeFromCursor = false;
    options.replaceHex = false;
    options.unicodeRepl = true;
    StoreReplaceOptions(options, settings);
    EXPECT_FALSE(settings.replaceHex);
    EXPECT_TRUE(settings.unicodeRepl);
    EXPECT_EQ(ReplaceOptionsOf(settings), options);
    EXPECT_EQ(ReplUtf16CaptionId(0), 2142);
    EXPECT_EQ(ReplUtf16CaptionId(1), 2143);
}

} // namespace
} // namespace qhe

namespace qhe {
namespace {

TEST(HeadlessReplaceDialog, AnswersCancelAndSaysWhich) {
    std::ostringstream out;
    HeadlessUi ui(out);
    EXPECT_FALSE(ui.RunReplaceDialog({}).has_value());
    EXPECT_EQ(out.str(), "替换:\n  -> 取消\n");
}

} // namespace
} // namespace qhe
