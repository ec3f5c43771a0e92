// The integration constant of the slope: a plane without load, a lightly loaded plane and an
// ordinary one.
#include <gtest/gtest.h>

#include <cmath>

#include "../../bench/beam_family.h"
#include "analysis/force_pass.h"
#include "analysis/run_analysis.h"
#include "beam_fixture.h"
#include "sections/contour_ops.h"

namespace bxr::test {
namespace {

double D(Real x) {
    return static_cast<double>(x);
}

TEST(slope_constant, is_the_mean_slope_to_full_precision) {
    Real c = 1;
    // A plane without load: S is 0 in the first round.
    EXPECT_TRUE(SlopeConstant(0, 1000, c));
    EXPECT_EQ(c, 0);
    // Sums from an ordinary to a rounding-level plane: the mean, not just |S| < 1e-6.
    for (const Real sum : {Real(3.7), Real(2.5e-3), Real(-4e-9), Real(1.1e-19)}) {
        ASSERT_TRUE(SlopeConstant(sum, 999, c));
        EXPECT_NEAR(D(c / (sum / 999)), 1.0, 1e-15) << D(sum);
    }
    // Sums the bracket of +-1e30 cannot hold, and no sum at all.
    EXPECT_FALSE(SlopeConstant(1e40L, 10, c));
    EXPECT_FALSE(SlopeConstant(std::nanl(""), 10, c));
}

TEST(slope_constant, a_small_load_gets_its_right_deflection) {
    // 10 N in the middle of the simple beam: end slopes of 4e-6 rad, where a limit of 1e-6
    // on their sum leaves an error of up to 1e-9 rad in the constant. The deflection must be
    // the 10 kN one scaled by 1/1000: F·l³/(48·E·I) = 1.377866e-4 mm per N.
    Real deflection[2];
    int i = 0;
    for (const Real f : {Real(10), Real(10000)}) {
        auto ws = RectangleBeam(1000, kTwoHinges);
        AddPointLoad(ws->model, f, 500, 0);
        RunAnalysis(*ws);
        deflection[i++] = ws->results.extremes.w.max;
        EXPECT_NEAR(D(ws->results.extremes.w.max), 1.377866e-4 * D(f), 1.377866e-4 * D(f) * 4e-3);
    }
    EXPECT_NEAR(D(deflection[1] / deflection[0]), 1000, 1000 * 1e-9);
}

TEST(slope_constant, three_supports_with_a_small_load_converge_like_a_large_one) {
    Real reaction[2];
    int i = 0;
    for (const Real f : {Real(10), Real(10000)}) {
        auto ws = RectangleBeam(1000, kThreeHinges);
        ws->model.supportX[kSupportC] = 500;
        AddPointLoad(ws->model, f, 250, 0);
        RunAnalysis(*ws);
        EXPECT_FALSE(HasMessage(*ws, "Fehler : Endwert C nicht erreicht"));
        reaction[i++] = ws->results.reactions.Ry[kSupportC];
        // Two spans of 500, force in the middle of the first: the middle support takes
        // 11/16 of it.
        EXPECT_NEAR(D(ws->results.reactions.Ry[kSupportC]), -D(f) * 11 / 16, D(f) * 11 / 16 * 1e-2);
    }
    EXPECT_NEAR(D(reaction[1] / reaction[0]), 1000, 1000 * 1e-6);
}

TEST(slope_constant, gravity_leaves_the_other_plane_exactly_zero) {
    // Also on a tube, whose principal angle is only the rounding of its equal principal
    // moments: turning the moments into it would put noise into z, and the solutions of the
    // natural frequency would then wait in vain for it to come within its limit. Drawn
    // clockwise, the tube has negative second moments and bends the same.
    Real tubeDeflection[2] = {0, 0};
    for (const int section : {0, 1, 2}) {
        SCOPED_TRACE(section);
        const bool tube = section > 0;
        auto ws = RectangleBeam(1000, kFourHinges);
        if (tube) family::Tube(ws->model, 40, 32, 1.5L);
        if (section == 2) ReverseContour(ws->model);
        ws->model.supportX = {0, 1000, 300, 700, 0};
        ws->model.selfWeightAsLoad = true;
        ws->model.dunkerleyOn = true;
        RunAnalysis(*ws);
        if (tube) {
            ASSERT_NE(D(ws->section.props.phi), 0);
        }
        EXPECT_FALSE(HasMessage(*ws, "Fehler : Endwert C nicht erreicht"));
        for (int s = 0; s < 4; ++s) EXPECT_EQ(D(ws->results.reactions.Rz[s]), 0) << s;
        EXPECT_EQ(D(ws->results.extremes.Mb_xz.max), 0);
        EXPECT_NEAR(D(ws->results.extremes.w_xz.max), 0, 1e-15);
        EXPECT_NEAR(D(ws->results.extremes.w_xz.min), 0, 1e-15);
        if (tube) tubeDeflection[section - 1] = ws->results.extremes.w_xy.min;
    }
    EXPECT_LT(D(tubeDeflection[0]), 0);
    EXPECT_NEAR(D(tubeDeflection[1] / tubeDeflection[0]), 1, 1e-12);
}

}  // namespace
}  // namespace bxr::test
