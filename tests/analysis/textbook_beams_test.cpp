// Results of the whole calculation against hand-worked textbook values. With N = 1000 the
// rectangle rules are within a few 1/N of the exact values: the deflection refers to the
// first point at or after a support, one segment off a support at 0, which costs about
// end slope times dx (3/N of the centre deflection of a simple beam).
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/run_analysis.h"
#include "beam_fixture.h"

namespace bxr::test {
namespace {

double D(Real x) {
    return static_cast<double>(x);
}

TEST(textbook_beams, simply_supported_centre_force) {
    auto ws = RectangleBeam(1000, kTwoHinges);
    AddPointLoad(ws->model, 1000, 500, 0);
    RunAnalysis(*ws);
    ASSERT_FALSE(ws->abortFlag);
    EXPECT_NEAR(D(ws->section.props.Izeta), 720000, 1e-6);
    const SupportReactions& r = ws->results.reactions;
    // Each support carries half, against the load.
    EXPECT_NEAR(D(r.Ry[kSupportA]), -500, 1e-9);
    EXPECT_NEAR(D(r.Ry[kSupportB]), -500, 1e-9);
    EXPECT_NEAR(D(r.R[kSupportA]), 500, 1e-9);
    EXPECT_NEAR(D(r.Rz[kSupportA]), 0, 1e-12);
    // F·l/4 = 250000 N·mm at the middle.
    const ExtremeValues& e = ws->results.extremes;
    EXPECT_NEAR(D(e.Mb.max), 250000, 1e-3);
    EXPECT_EQ(e.pointMb, 500);
    // F·l³/(48·E·I) = 1e12 / (48·210000·720000) = 0.1377866 mm, largest at the middle.
    EXPECT_NEAR(D(e.w.max), 0.1377866, 0.1377866 * 4e-3);
    EXPECT_NEAR(e.pointW, 500, 2);
    // Nothing in the x-z plane.
    EXPECT_NEAR(D(e.w_xz.max), 0, 1e-15);
    EXPECT_EQ(D(e.Mb_xz.max), 0);
    // Deflection zero at A's first point and close to it at B (end slope times dx).
    EXPECT_EQ(D(ws->results.stations[1].w_xy), 0);
    EXPECT_NEAR(D(ws->results.stations[1000].w_xy), 0, 4.2e-4);
    // The end slope F·l²/(16·E·I) = 1e9/(16·210000·720000) = 4.1336e-4 rad.
    EXPECT_NEAR(D(e.slope.max), 4.1336e-4, 4.1336e-4 * 5e-3);
}

TEST(textbook_beams, cantilever_with_tip_force) {
    auto ws = RectangleBeam(1000, kFixedClamp);
    AddPointLoad(ws->model, 1000, 1000, 0);
    RunAnalysis(*ws);
    ASSERT_FALSE(ws->abortFlag);
    const SupportReactions& r = ws->results.reactions;
    EXPECT_NEAR(D(r.FfixY), -1000, 1e-9);
    EXPECT_NEAR(D(r.MfixY), -1e6, 1e-6);
    EXPECT_NEAR(D(r.Mfix), 1e6, 1e-6);
    // F·L³/(3·E·I) = 1e12/(3·210000·720000) = 2.204586 mm at the tip.
    const ExtremeValues& e = ws->results.extremes;
    EXPECT_NEAR(D(e.w.max), 2.204586, 2.204586 * 5e-3);
    EXPECT_EQ(e.pointW, 1000);
    // Slope and deflection vanish at the first point, and point 0 repeats it.
    const StationTable& t = ws->results.stations;
    EXPECT_EQ(D(t[1].w), 0);
    EXPECT_EQ(D(t[1].slope), 0);
    EXPECT_EQ(D(t[0].w), 0);
    // Largest moment F·L at the clamp.
    EXPECT_NEAR(D(e.Mb.max), 1e6, 1e6 * 2e-3);
}

TEST(textbook_beams, uniform_load_on_simple_supports) {
    auto ws = RectangleBeam(1000, kTwoHinges);
    AddUniformLoad(ws->model, 1, 0, 1000, 0);
    RunAnalysis(*ws);
    const SupportReactions& r = ws->results.reactions;
    EXPECT_NEAR(D(r.Ry[kSupportA]), -500, 1e-9);
    EXPECT_NEAR(D(r.Ry[kSupportB]), -500, 1e-9);
    // q·l²/8 = 125000 N·mm; 5·q·l⁴/(384·E·I) = 5e12/(384·210000·720000) = 0.0861166 mm.
    const ExtremeValues& e = ws->results.extremes;
    // The moment uses the shear of the left point: 250 N·mm (2/N) too large at the middle.
    EXPECT_NEAR(D(e.Mb.max), 125000, 125000 * 2.5e-3);
    EXPECT_NEAR(D(e.w.max), 0.0861166, 0.0861166 * 4e-3);
    // Shear force runs linearly from -500 to +500.
    EXPECT_NEAR(D(ws->results.stations[0].Fq_xy), -500, 1e-9);
    EXPECT_NEAR(D(ws->results.stations[250].Fq_xy), -250, 1e-9);
    EXPECT_NEAR(D(e.Fq.max), 500, 1e-9);
}

TEST(textbook_beams, load_at_45_degrees_splits_into_both_planes) {
    auto ws = RectangleBeam(1000, kTwoHinges);
    AddPointLoad(ws->model, 1000, 500, 45);
    RunAnalysis(*ws);
    const Real part = 1000 * std::sqrt(0.5L);  // 707.107 N in each plane
    const SupportReactions& r = ws->results.reactions;
    EXPECT_NEAR(D(r.Ry[kSupportA]), D(-part / 2), 1e-9);
    EXPECT_NEAR(D(r.Rz[kSupportA]), D(-part / 2), 1e-9);
    EXPECT_NEAR(D(r.R[kSupportA]), 500, 1e-9);
    const ExtremeValues& e = ws->results.extremes;
    const double wy = D(part) * 1e9 / (48 * 210000.0 * 720000);  // 0.097430 mm
    const double wz = D(part) * 1e9 / (48 * 210000.0 * 320000);  // 0.219218 mm
    EXPECT_NEAR(D(e.w_xy.max), wy, wy * 4e-3);
    EXPECT_NEAR(D(e.w_xz.max), wz, wz * 4e-3);
    EXPECT_NEAR(D(e.w.max), std::hypot(wy, wz), std::hypot(wy, wz) * 4e-3);
    EXPECT_NEAR(D(ws->results.stations[500].phiMb), 45 + 180, 1e-9);  // moment against the load
    EXPECT_NEAR(D(ws->results.stations[500].phiW), std::atan2(wz, wy) * 180 / M_PI, 1e-3);
}

TEST(textbook_beams, continuous_beam_on_two_equal_spans) {
    // Uniform load on two spans of 500: 3/8, 10/8, 3/8 of q·l.
    auto ws = RectangleBeam(1000, kThreeHinges);
    ws->model.supportX[kSupportC] = 500;
    AddUniformLoad(ws->model, 1, 0, 1000, 0);
    RunAnalysis(*ws);
    ASSERT_FALSE(ws->abortFlag);
    const SupportReactions& r = ws->results.reactions;
    EXPECT_NEAR(D(r.Ry[kSupportA]), -187.5, 187.5 * 5e-3);
    EXPECT_NEAR(D(r.Ry[kSupportB]), -187.5, 187.5 * 5e-3);
    EXPECT_NEAR(D(r.Ry[kSupportC]), -625, 625 * 5e-3);
    EXPECT_NEAR(D(r.Rz[kSupportC]), 0, 1e-12);
    EXPECT_FALSE(HasMessage(*ws, "Fehler : Endwert C nicht erreicht"));
    // Support moment q·l²/8 = 31250 N·mm over C.
    EXPECT_NEAR(D(ws->results.extremes.Mb.max), 31250, 31250 * 1e-2);
}

TEST(textbook_beams, continuous_beam_on_three_equal_spans) {
    // 0.4, 1.1, 1.1, 0.4 of q·l with l = 400.
    auto ws = RectangleBeam(1200, kFourHinges);
    ws->model.supportX = {0, 1200, 400, 800, 0};
    AddUniformLoad(ws->model, 1, 0, 1200, 0);
    RunAnalysis(*ws);
    ASSERT_FALSE(ws->abortFlag);
    const SupportReactions& r = ws->results.reactions;
    EXPECT_NEAR(D(r.Ry[kSupportA]), -160, 160 * 1e-2);
    EXPECT_NEAR(D(r.Ry[kSupportB]), -160, 160 * 1e-2);
    EXPECT_NEAR(D(r.Ry[kSupportC]), -440, 440 * 1e-2);
    EXPECT_NEAR(D(r.Ry[kSupportD]), -440, 440 * 1e-2);
}

TEST(textbook_beams, continuous_beam_on_four_equal_spans) {
    // 11/28, 32/28, 26/28, 32/28, 11/28 of q·l with l = 400. The bisection stops when the
    // deflection at a support is below eps times the deflection range of the beam on A and B
    // alone; with the default eps = 0.001 that is a quarter of the small deflections of this
    // beam, so the test asks for a closer fit. What remains is the reference point one
    // segment right of A (1.6 mm, about slope·dx against deflections of 0.002 mm): 2 %.
    auto ws = RectangleBeam(1600, kFiveHinges);
    ws->model.iterationEps = 1e-5;
    ws->model.supportX = {0, 1600, 400, 800, 1200};
    AddUniformLoad(ws->model, 1, 0, 1600, 0);
    RunAnalysis(*ws);
    ASSERT_FALSE(ws->abortFlag);
    const SupportReactions& r = ws->results.reactions;
    const double ql = 400;
    EXPECT_NEAR(D(r.Ry[kSupportA]), -ql * 11 / 28, ql * 11 / 28 * 3e-2);
    EXPECT_NEAR(D(r.Ry[kSupportC]), -ql * 32 / 28, ql * 32 / 28 * 3e-2);
    EXPECT_NEAR(D(r.Ry[kSupportD]), -ql * 26 / 28, ql * 26 / 28 * 3e-2);
    EXPECT_NEAR(D(r.Ry[kSupportE]), -ql * 32 / 28, ql * 32 / 28 * 3e-2);
    EXPECT_NEAR(D(r.Ry[kSupportB]), -ql * 11 / 28, ql * 11 / 28 * 3e-2);
    // Equilibrium holds exactly whatever the bisection found.
    Real sum = 0;
    for (Real ry : r.Ry) sum += ry;
    EXPECT_NEAR(D(sum), -1600, 1e-9);
    EXPECT_FALSE(HasMessage(*ws, "Fehler : Endwert C nicht erreicht"));
}

}  // namespace
}  // namespace bxr::test
