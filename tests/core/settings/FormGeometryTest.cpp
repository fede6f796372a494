#include "core/settings/FormGeometry.h"

#include <gtest/gtest.h>

namespace qhe {
namespace {

TEST(FormGeometry, DisplayCheckNeedsSizeAndDensityEqual) {
    const ScreenInfo screen{1920, 1080, 96};
    EXPECT_TRUE(DisplayMatches({1920, 1080, 96}, screen));
    EXPECT_FALSE(DisplayMatches({1920, 1080, 120}, screen));
    EXPECT_FALSE(DisplayMatches({1080, 1920, 96}, screen));
    EXPECT_FALSE(DisplayMatches({}, screen));
}

TEST(FormGeometry, ColumnWidthsFromTheStoredList) {
    struct Case {
        const char* stored;
        std::vector<int> expected;
    };
    const std::vector<int> current = {10, 11, 12, 13};
    const Case cases[] = {
        {"50,60,70,80", {50, 60, 70, 80}}, {"50,60", {50, 60, 60, 60}},
        {"80", {80, 80, 80, 80}},          {"", {10, 11, 12, 13}},
        {"50,x,70", {50, 11, 12, 13}},     {"50,,70", {50, 11, 12, 13}},
        {"50,60,", {50, 60, 12, 13}},      {"1,2,3,4,5,6", {1, 2, 3, 4}},
        {" 40 ,$20", {40, 32, 32, 32}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyColumnWidths(c.stored, current), c.expected) << c.stored;
    EXPECT_TRUE(ApplyColumnWidths("5", {}).empty());
}

TEST(FormGeometry, ColumnWidthsAreJoinedByCommas) {
    EXPECT_EQ(FormatColumnWidths({64, 40, 40, 120}), "64,40,40,120");
    EXPECT_EQ(FormatColumnWidths({}), "");
    EXPECT_EQ(ApplyColumnWidths(FormatColumnWidths({7, 8, 9}), {0, 0, 0}), (std::vector<int>{7, 8, 9}));
}

TEST(FormGeometry, CascadeOffsetStartsAtZeroAndWrapsAroundTheScreen) {
    CascadeOffset cascade;
    const ScreenInfo screen{120, 100, 96}; // steps of 2 and 2
    Point first = cascade.Take(screen);
    Point second = cascade.Take(screen);
    EXPECT_EQ(first.x, 0);
    EXPECT_EQ(first.y, 0);
    EXPECT_EQ(second.x, 2);
    EXPECT_EQ(second.y, 2);
    Point last{};
    for (int i = 2; i <= 60; ++i)
        last = cascade.Take(screen);
    EXPECT_EQ(last.x, 0);  // 60 steps of 2 is 120 = 0 modulo the width
    EXPECT_EQ(last.y, 20); // 60 steps of 2 is 120 = 20 modulo the height
    CascadeOffset onEmptyScreen;
    EXPECT_EQ(onEmptyScreen.Take({0, 0, 0}).x, 0);
}

TEST(FormGeometry, CenterOnActiveForm) {
    const Rect screen{0, 0, 1920, 1080};
    struct Case {
        const char* what;
        std::optional<Rect> active;
        Rect expected;
    };
    const Case cases[] = {
        {"centred over the active window", Rect{100, 100, 400, 300}, {200, 200, 200, 100}},
        {"negative x and y take the active window's left and top", Rect{10, 10, 100, 60}, {10, 10, 200, 100}},
        {"off the screen: centred on the screen", Rect{1800, 1000, 100, 60}, {860, 490, 200, 100}},
        {"no active window: centred on the screen", std::nullopt, {860, 490, 200, 100}},
    };
    for (const Case& c : cases) {
        Rect placed = CenterOnActiveForm(c.active, 200, 100, screen);
        EXPECT_EQ(placed.left, c.expected.left) << c.what;
        EXPECT_EQ(placed.top, c.expected.top) << c.what;
        EXPECT_EQ(placed.width, 200);
    }
    Rect shifted = CenterOnScreen(200, 100, screen, {24, 21});
    EXPECT_EQ(shifted.left, 884);
    EXPECT_EQ(shifted.top, 511);
}

} // namespace
} // namespace qhe
