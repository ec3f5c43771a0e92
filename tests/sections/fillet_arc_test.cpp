#include "sections/fillet_arc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace bxr {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(FilletArc, RightAngledOutsideCornerTurnsLeftByQuarterCircle) {
    // Up the edge y = 10, then left along z = 5: corner (10, 5), radius 2.
    const FilletResult f = FilletArc({10, 0, kPi / 2}, {0, 5, 0}, 2);
    EXPECT_NEAR(double(f.centreY), 8, 1e-12);
    EXPECT_NEAR(double(f.centreZ), 3, 1e-12);
    EXPECT_NEAR(double(f.tangent1Y), 10, 1e-12);
    EXPECT_NEAR(double(f.tangent1Z), 3, 1e-12);
    EXPECT_NEAR(double(f.tangent2Y), 8, 1e-12);
    EXPECT_NEAR(double(f.tangent2Z), 5, 1e-12);
    EXPECT_NEAR(double(f.sweep), kPi / 2, 1e-12);
}

TEST(FilletArc, SixtyDegreeCornerHasTangentLengthRadiusOverTanThirty) {
    // Along z = 0 to the corner (10, 0); the second edge leaves it at 120 degrees.
    const double sq3 = std::sqrt(3.0);
    const FilletResult f = FilletArc({0, 0, 0}, {5, 5 * sq3, -kPi / 3}, 1);
    EXPECT_NEAR(double(f.tangent1Y), 10 - sq3, 1e-12);
    EXPECT_NEAR(double(f.tangent1Z), 0, 1e-12);
    EXPECT_NEAR(double(f.tangent2Y), 10 - sq3 / 2, 1e-12);
    EXPECT_NEAR(double(f.tangent2Z), 1.5, 1e-12);
    EXPECT_NEAR(double(f.centreY), 10 - sq3, 1e-12);
    EXPECT_NEAR(double(f.centreZ), 1, 1e-12);
    EXPECT_NEAR(double(f.sweep), 2 * kPi / 3, 1e-12);
}

TEST(FilletArc, ReentrantCornerGivesNegativeSweep) {
    // Left along the flange face z = 10 to the web y = 3, then down the web: the fillet of
    // radius 4 fills the corner, its centre in the free space at (7, 14).
    const FilletResult f = FilletArc({20, 10, kPi}, {3, 50, -kPi / 2}, 4);
    EXPECT_NEAR(double(f.centreY), 7, 1e-12);
    EXPECT_NEAR(double(f.centreZ), 14, 1e-12);
    EXPECT_NEAR(double(f.tangent1Y), 7, 1e-12);
    EXPECT_NEAR(double(f.tangent1Z), 10, 1e-12);
    EXPECT_NEAR(double(f.tangent2Y), 3, 1e-12);
    EXPECT_NEAR(double(f.tangent2Z), 14, 1e-12);
    EXPECT_NEAR(double(f.sweep), -kPi / 2, 1e-12);
}

TEST(FilletArc, ParallelOrDegenerateEdgesGiveZeros) {
    for (const FilletResult& f :
         {FilletArc({0, 0, 0}, {0, 5, 0}, 2), FilletArc({0, 0, 0}, {0, 5, kPi}, 2)}) {
        EXPECT_EQ(f.centreY, 0);
        EXPECT_EQ(f.centreZ, 0);
        EXPECT_EQ(f.tangent1Y, 0);
        EXPECT_EQ(f.tangent2Z, 0);
        EXPECT_EQ(f.sweep, 0);
    }
}

}  // namespace
}  // namespace bxr
