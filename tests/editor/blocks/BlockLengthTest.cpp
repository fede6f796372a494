#include "editor/blocks/BlockLength.h"

#include <gtest/gtest.h>

#include <sstream>

#include "editor/HeadlessUi.h"

namespace qhe {
namespace {

TEST(BlockLength, TextIsASigned32BitNumberInDecimalOrDollarHex) {
    struct Case {
        const char* text;
        std::optional<int64_t> value;
    } cases[] = {
        {"3", 3},          {" 17 ", 17},       {"$1F", 31},
        {"$a", 10},        {"-5", -5},         {"0", 0},
        {"", {}},          {" ", {}},          {"$", {}},
        {"$-1", {}},       {"1.5", {}},        {"1,000", {}},
        {"12x", {}},       {"x12", {}},        {"$7FFFFFFF", 2147483647},
        {"$80000000", {}}, {"2147483648", {}}, {"-2147483648", -2147483648LL},
        {"1 2", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseBlockLength(c.text), c.value) << '"' << c.text << '"';
}

TEST(BlockLength, LengthMustFitAfterTheCursorAndStayBelowTheSize) {
    struct Case {
        const char* text;
        int64_t cursor, size;
        std::optional<int64_t> length;
    } cases[] = {
        {"3", 5, 10, 3},    {"6", 5, 10, 6},   // ends on the last byte
        {"7", 5, 10, {}},                      // passes the end
        {"9", 1, 10, 9},    {"10", 1, 10, {}}, // the whole Document is refused
        {"0", 1, 10, {}},   {"-1", 1, 10, {}}, {"$3", 8, 10, 3},
        {"abc", 1, 10, {}}, {"1", 1, 1, {}}, // a single byte cannot be marked this way
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckBlockLength(c.text, c.cursor, c.size), c.length)
            << '"' << c.text << "\" at " << c.cursor << " of " << c.size;
}

TEST(BlockLength, HeadlessDialogAnswersCancel) {
    std::ostringstream out;
    HeadlessUi ui(out);
    EXPECT_EQ(ui.AskBlockLength({5, 10, "3"}), std::nullopt);
    EXPECT_EQ(out.str(), std::string(kTextBlockNCaption) + ": " + kTextBlockNPrompt + "\n  -> 取消\n");
}

} // namespace
} // namespace qhe
