#include "core/util/Progress.h"

#include <gtest/gtest.h>

#include <vector>

namespace qhe {
namespace {

TEST(ProgressGaugeTest, PercentRoundsToNearest) {
    EXPECT_EQ(ProgressGauge::Percent(0, 0), 100);
    EXPECT_EQ(ProgressGauge::Percent(5, 0), 100);
    EXPECT_EQ(ProgressGauge::Percent(0, 1000), 0);
    EXPECT_EQ(ProgressGauge::Percent(4, 1000), 0);
    EXPECT_EQ(ProgressGauge::Percent(5, 1000), 1);
    EXPECT_EQ(ProgressGauge::Percent(1, 3), 33);
    EXPECT_EQ(ProgressGauge::Percent(2, 3), 67);
    EXPECT_EQ(ProgressGauge::Percent(1000, 1000), 100);
    // Sizes near the 2 GiB limit of a Document do not overflow.
    EXPECT_EQ(ProgressGauge::Percent(2147483647, 2147483647), 100);
}

TEST(ProgressGaugeTest, EmptyTotalShowsFullGauge) {
    ProgressGauge gauge;
    EXPECT_TRUE(gauge.Update(0, 0, 5));
    EXPECT_EQ(gauge.Value(), 100);
}

TEST(ProgressGaugeTest, MovesOnlyOnNewMultiplesOfStep) {
    ProgressGauge gauge;
    EXPECT_FALSE(gauge.Update(1, 1000, 5)); // 0 % is the current value
    EXPECT_EQ(gauge.Value(), 0);
    EXPECT_TRUE(gauge.Update(50, 1000, 5));
    EXPECT_EQ(gauge.Value(), 5);
    EXPECT_FALSE(gauge.Update(51, 1000, 5)); // still 5 %
    EXPECT_FALSE(gauge.Update(70, 1000, 5)); // 7 % is no multiple of 5
    EXPECT_EQ(gauge.Value(), 5);
    EXPECT_TRUE(gauge.Update(100, 1000, 5));
    EXPECT_EQ(gauge.Value(), 10);
}

TEST(ProgressGaugeTest, StepZeroCountsAsOne) {
    ProgressGauge gauge;
    EXPECT_TRUE(gauge.Update(70, 1000, 0));
    EXPECT_EQ(gauge.Value(), 7);
    EXPECT_FALSE(gauge.Update(71, 1000, -3));
    EXPECT_TRUE(gauge.Update(80, 1000, -3));
}

TEST(ProgressGaugeTest, RedrawsAtMostTwentyOneTimesPerOperation) {
    ProgressGauge gauge;
    int moves = 0;
    for (int64_t done = 0; done <= 100000; done += 7)
        moves += gauge.Update(done, 100000, 5);
    EXPECT_LE(moves, 20); // 5 % … 100 %; 0 % is the starting value
}

TEST(TextThrottleTest, ShowsEveryNthCall) {
    TextThrottle throttle;
    std::vector<bool> due;
    for (int i = 0; i < 7; ++i)
        due.push_back(throttle.Due(3));
    EXPECT_EQ(due, (std::vector<bool>{false, false, true, false, false, true, false}));
}

TEST(TextThrottleTest, EveryZeroOrLessCountsAsOne) {
    TextThrottle throttle;
    EXPECT_TRUE(throttle.Due(0));
    EXPECT_TRUE(throttle.Due(-2));
    EXPECT_TRUE(throttle.Due(1));
}

} // namespace
} // namespace qhe
