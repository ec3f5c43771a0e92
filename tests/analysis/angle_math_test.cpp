#include "analysis/angle_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/analysis_results.h"

namespace bxr {
namespace {

TEST(angle_math, quarter_turns_are_exact_so_an_unloaded_plane_stays_zero) {
    EXPECT_EQ(SinDeg(180), 0);
    EXPECT_EQ(CosDeg(90), 0);
    EXPECT_EQ(CosDeg(-90), 0);
    EXPECT_EQ(SinDeg(270), -1);
    EXPECT_EQ(CosDeg(540), -1);
    EXPECT_NEAR(static_cast<double>(SinDeg(30)), 0.5, 1e-15);
    EXPECT_NEAR(static_cast<double>(CosDeg(45)), std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(static_cast<double>(SinDeg(-30)), -0.5, 1e-15);
}

TEST(angle_math, sine_and_cosine_of_degrees_in_every_quarter) {
    // Exact values: sin 30° = 1/2, sin 45° = √2/2, sin 60° = √3/2.
    const Real half = 0.5L, root2 = std::sqrt(2.0L) / 2, root3 = std::sqrt(3.0L) / 2;
    const struct {
        Real degrees, sine, cosine;
    } cases[] = {{30, half, root3},   {45, root2, root2},   {60, root3, half},
                 {120, root3, -half}, {135, root2, -root2}, {210, -half, -root3},
                 {300, -root3, half}, {315, -root2, root2}, {-30, -half, root3},
                 {390, half, root3},  {-675, root2, root2}, {89.5L, 0, 0}};
    for (const auto& c : cases) {
        const Real s = SinDeg(c.degrees), co = CosDeg(c.degrees);
        if (c.degrees == 89.5L) {
            EXPECT_NEAR(static_cast<double>(s), std::sin(89.5 * M_PI / 180), 1e-15);
            EXPECT_NEAR(static_cast<double>(co), std::cos(89.5 * M_PI / 180), 1e-15);
        } else {
            EXPECT_NEAR(static_cast<double>(s - c.sine), 0, 1e-18) << c.degrees;
            EXPECT_NEAR(static_cast<double>(co - c.cosine), 0, 1e-18) << c.degrees;
        }
        EXPECT_NEAR(static_cast<double>(s * s + co * co - 1), 0, 1e-18) << c.degrees;
    }
    EXPECT_TRUE(std::isnan(SinDeg(std::numeric_limits<Real>::quiet_NaN())));
    EXPECT_TRUE(std::isnan(CosDeg(std::numeric_limits<Real>::infinity())));
}

TEST(angle_math, tangent_of_ninety_degrees_gives_1e30_and_the_message) {
    CalcMessages m;
    EXPECT_NEAR(static_cast<double>(TanDeg(45, m)), 1.0, 1e-15);
    EXPECT_TRUE(m.empty());
    EXPECT_EQ(TanDeg(90, m), 1e30L);
    ASSERT_EQ(m.entries.size(), 1u);
    EXPECT_EQ(m.entries[0], "Error: function tan in Unit math");
}

TEST(angle_math, angle_function_covers_minus_90_to_270) {
    EXPECT_EQ(AngleDeg(0, 0), 90);
    EXPECT_EQ(AngleDeg(5, 0), 90);
    EXPECT_EQ(AngleDeg(-5, 0), -90);
    EXPECT_NEAR(static_cast<double>(AngleDeg(1, 1)), 45, 1e-12);
    EXPECT_NEAR(static_cast<double>(AngleDeg(1, -1)), 135, 1e-12);
    EXPECT_NEAR(static_cast<double>(AngleDeg(-1, -1)), 225, 1e-12);
    EXPECT_NEAR(static_cast<double>(AngleDeg(-1, 1)), -45, 1e-12);
    EXPECT_EQ(AngleDeg(0, -3), 180);
}

TEST(real48, keeps_forty_significant_bits_and_its_range) {
    // 1/3 has the pattern 0101...; 40 bits keep it to within 2^-41 relative.
    const Real third = 1.0L / 3;
    const Real r = RoundToReal48(third);
    EXPECT_NE(r, third);
    EXPECT_LT(std::fabs(static_cast<double>((r - third) / third)), std::ldexp(1.0, -40));
    EXPECT_EQ(RoundToReal48(1e30L), RoundToReal48(RoundToReal48(1e30L)));
    EXPECT_EQ(RoundToReal48(0.75L), 0.75L);
    EXPECT_EQ(RoundToReal48(1e-40L), 0);  // below the smallest 6-byte real
    EXPECT_GT(RoundToReal48(1e39L), 1.7e38L);
    EXPECT_LT(RoundToReal48(1e39L), 1.8e38L);
}

TEST(real48, rounds_to_nearest_with_ties_to_even) {
    // 40 significant bits: the last kept bit of a value in [1, 2) is worth 2^-39.
    EXPECT_EQ(RoundToReal48(1 + 0x1p-40L), 1);                        // tie, 1 is even
    EXPECT_EQ(RoundToReal48(1 + 0x3p-40L), 1 + 0x1p-38L);             // tie, rounds up to even
    EXPECT_EQ(RoundToReal48(1 + 0x1p-40L + 0x1p-60L), 1 + 0x1p-39L);  // just above the tie
    EXPECT_EQ(RoundToReal48(-(1 + 0x1p-40L + 0x1p-60L)), -(1 + 0x1p-39L));
    EXPECT_EQ(RoundToReal48(2 - 0x1p-41L), 2);       // the carry moves into the next power of two
    EXPECT_EQ(RoundToReal48(0x1p-128L), 0x1p-128L);  // the smallest value is kept
    EXPECT_EQ(RoundToReal48(0x1p-129L), 0);
    EXPECT_EQ(RoundToReal48(std::numeric_limits<Real>::infinity()), 0x1.fffffffffep126L);
    EXPECT_EQ(RoundToReal48(-std::numeric_limits<Real>::infinity()), -0x1.fffffffffep126L);
    EXPECT_EQ(RoundToReal48(std::numeric_limits<Real>::denorm_min()), 0);
}

TEST(real48, tracker_keeps_rounded_extremes) {
    ExtremeRange e;
    e.Reset(-1e30L, 1e30L);
    EXPECT_TRUE(e.Update(2));
    EXPECT_FALSE(e.Update(1));
    EXPECT_EQ(e.max, 2);
    EXPECT_EQ(e.min, 1);
}

}  // namespace
}  // namespace bxr
