// Expected limits worked out by hand: shrink the top by 1e-5 of the range, divide by the
// interval count, round the raw step up to 1, 2, 5 or 10 times its power of ten.
#include "format/nice_scale.h"

#include <gtest/gtest.h>

#include <limits>

namespace bxr {
namespace {

void ExpectScale(Real a, Real b, int n, Real lower, Real upper, Real step) {
    const Scale s = NiceScale(a, b, n);
    const Real tolerance = step * 1e-9L;
    EXPECT_NEAR(s.lower, lower, tolerance)
        << static_cast<double>(a) << " .. " << static_cast<double>(b);
    EXPECT_NEAR(s.upper, upper, tolerance)
        << static_cast<double>(a) << " .. " << static_cast<double>(b);
    EXPECT_NEAR(s.step, step, tolerance)
        << static_cast<double>(a) << " .. " << static_cast<double>(b);
}

TEST(NiceScaleTest, StepsOfOneTwoOrFiveTimesAPowerOfTen) {
    ExpectScale(0, 1234, 6, 0, 1400, 200);   // raw 205.7 -> 200
    ExpectScale(-3.2L, 7.9L, 6, -4, 8, 2);   // raw 1.85 -> 2
    ExpectScale(0, 7, 6, 0, 7, 1);           // raw 1.17 -> 1
    ExpectScale(0, 30, 6, 0, 30, 5);         // raw 5.0 -> 5
    ExpectScale(0, 50, 6, 0, 50, 10);        // raw 8.3 -> 10
    ExpectScale(-250, -10, 6, -250, 0, 50);  // raw 40.0 -> 50
    ExpectScale(0, 0.0123L, 6, 0, 0.014L, 0.002L);
    ExpectScale(-15000, 42000, 6, -20000, 50000, 10000);  // raw 9500 -> 10000
}

TEST(NiceScaleTest, UpperValueOnAWholeStepGetsNoExtraStep) {
    ExpectScale(0, 100, 6, 0, 100, 20);
    ExpectScale(0, 10, 4, 0, 10, 2);
}

TEST(NiceScaleTest, EqualLimitsAreWidenedByOneOnEachSide) {
    ExpectScale(5, 5, 6, 4, 6, 0.5L);
    ExpectScale(0, 0, 6, -1, 1, 0.5L);  // raw 0.33 -> 0.5
}

TEST(NiceScaleTest, BadArgumentsStillGiveAUsableScale) {
    ExpectScale(1234, 0, 6, 0, 1400, 200);  // reversed limits
    ExpectScale(0, 10, 0, 0, 10, 10);       // no intervals counts as one
    const Scale s = NiceScale(0, std::numeric_limits<Real>::infinity(), 6);
    EXPECT_GT(s.step, 0);
    EXPECT_LT(s.lower, s.upper);
}

TEST(ScaleTicksTest, FromLowerToUpperInSteps) {
    const std::vector<Real> ticks = ScaleTicks(NiceScale(-3.2L, 7.9L, 6));
    ASSERT_EQ(ticks.size(), 7u);  // -4 -2 0 2 4 6 8
    EXPECT_NEAR(ticks.front(), -4, 1e-12L);
    EXPECT_NEAR(ticks[2], 0, 1e-12L);
    EXPECT_NEAR(ticks.back(), 8, 1e-12L);
    // 0.1 steps do not add up exactly; the last tick is still there.
    EXPECT_EQ(ScaleTicks({0, 1, 0.1L}).size(), 11u);
    EXPECT_TRUE(ScaleTicks({0, 1, 0}).empty());
}

}  // namespace
}  // namespace bxr
