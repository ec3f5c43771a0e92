#include "sections/arc_center.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "section_test_support.h"

namespace bxr {
namespace {

using test::kPi;

// Angles that differ by whole turns describe the same direction.
::testing::AssertionResult SameDirection(Real a, Real b) {
    const Real d = std::remainder(a - b, 2 * kPi);
    if (std::fabs(d) < 1e-14L) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << (double)a << " and " << (double)b << " differ";
}

TEST(ArcCenter, QuarterArcsInBothSensesAndBeyondAHalfCircle) {
    CalcMessages messages;
    OutputSettings settings;
    // Counter-clockwise from (10,0) to (0,10): centre at the origin, start angle at P1.
    ArcCenter a = GetArcCenter(10, 0, 0, 10, kPi / 2, messages, settings);
    ASSERT_TRUE(a.valid);
    EXPECT_NEAR(a.yc, 0, 1e-15);
    EXPECT_NEAR(a.zc, 0, 1e-15);
    EXPECT_NEAR(a.r, 10, 1e-15);
    EXPECT_TRUE(SameDirection(a.startAngle, 0));
    EXPECT_TRUE(SameDirection(a.endAngle, kPi / 2));

    // Clockwise between the same points: centre (10,10) to the right of the chord; the
    // start angle belongs to P2 = (0,10), straight left of the centre, the end angle to P1,
    // straight below it.
    a = GetArcCenter(10, 0, 0, 10, -kPi / 2, messages, settings);
    ASSERT_TRUE(a.valid);
    EXPECT_NEAR(a.yc, 10, 1e-15);
    EXPECT_NEAR(a.zc, 10, 1e-15);
    EXPECT_NEAR(a.r, 10, 1e-15);
    EXPECT_TRUE(SameDirection(a.startAngle, kPi));
    EXPECT_TRUE(SameDirection(a.endAngle, -kPi / 2));

    // Three quarters counter-clockwise: the centre moves to the right side as well.
    a = GetArcCenter(10, 0, 0, 10, 3 * kPi / 2, messages, settings);
    EXPECT_NEAR(a.yc, 10, 1e-14);
    EXPECT_NEAR(a.zc, 10, 1e-14);
    EXPECT_NEAR(a.r, 10, 1e-14);
    EXPECT_TRUE(SameDirection(a.startAngle, -kPi / 2));
    EXPECT_TRUE(SameDirection(a.endAngle, kPi));

    // A half circle has its centre on the chord.
    a = GetArcCenter(10, 0, -10, 0, kPi, messages, settings);
    EXPECT_NEAR(a.yc, 0, 1e-15);
    EXPECT_NEAR(a.zc, 0, 1e-15);
    EXPECT_NEAR(a.r, 10, 1e-15);
    // A 60 degree arc over a chord of 10 has radius 10 (equilateral triangle), the centre
    // 5*sqrt(3) to the left of the chord.
    a = GetArcCenter(0, 0, 10, 0, kPi / 3, messages, settings);
    EXPECT_NEAR(a.r, 10, 1e-14);
    EXPECT_NEAR(a.yc, 5, 1e-14);
    EXPECT_NEAR(a.zc, 5 * std::sqrt(3.0L), 1e-14);
    EXPECT_TRUE(messages.empty());
}

TEST(ArcCenter, PolarAngleCoversEveryQuadrantAndTheAxes) {
    EXPECT_NEAR(PolarAngle(1, 1), kPi / 4, 1e-15);
    EXPECT_NEAR(PolarAngle(-1, 1), 3 * kPi / 4, 1e-15);
    EXPECT_NEAR(PolarAngle(-1, -1), 5 * kPi / 4, 1e-15);
    EXPECT_NEAR(PolarAngle(1, -1), -kPi / 4, 1e-15);
    EXPECT_NEAR(PolarAngle(-1, 0), kPi, 1e-15);
    EXPECT_NEAR(PolarAngle(0, 2), kPi / 2, 1e-15);
    EXPECT_NEAR(PolarAngle(0, -2), -kPi / 2, 1e-15);
    EXPECT_NEAR(PolarAngle(0, 0), kPi / 2, 1e-15);
}

TEST(ArcCenter, FaultsAreReportedNotFatal) {
    CalcMessages messages;
    OutputSettings settings;
    // Equal points: the centre is the point, the radius 0.
    ArcCenter a = GetArcCenter(3, 4, 3, 4, kPi / 2, messages, settings);
    EXPECT_TRUE(a.valid);
    EXPECT_EQ(a.yc, 3);
    EXPECT_EQ(a.zc, 4);
    EXPECT_EQ(a.r, 0);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0], "GetArcCenter l12=0");

    // A sweep whose half has a sine of exactly 0.
    a = GetArcCenter(0, 0, 10, 0, std::numeric_limits<Real>::denorm_min(), messages, settings);
    EXPECT_FALSE(a.valid);
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[1].rfind("Fehler in GetArcCenter (dphi = ", 0), 0u);
    EXPECT_FALSE(messages.fatal);

    // The silent form reports nothing.
    CalcMessages none;
    a = GetArcCenter(3, 4, 3, 4, kPi / 2);
    EXPECT_EQ(a.r, 0);

    EXPECT_EQ(TangentOf(1, 0, &none), 1e30L);
    ASSERT_EQ(none.entries.size(), 1u);
    EXPECT_EQ(none.entries[0], "Error: function tan in Unit math");
    EXPECT_NEAR(TangentOf(std::sin(0.3L), std::cos(0.3L), &none), std::tan(0.3L), 1e-15);
}

}  // namespace
}  // namespace bxr
