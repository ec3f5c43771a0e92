// Stresses over the section outline, the stress modes with notch zones and size factor, the
// stress trackers and the safety factors, against hand-worked beam theory.
#include "analysis/stresses.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/safety_factors.h"
#include "workspace/workspace.h"
#include "sections/compute_section.h"

namespace bxr {
namespace {

// A 40 (y) by 20 (z) rectangle: A = 800 mm², Izeta = 20·40³/12, Ieta = 40·20³/12, so that
// W for bending in x-y is 20·40²/6 = 5333.3 mm³ and in x-z 40·20²/6 = 2666.7 mm³.
struct RectangleBeam {
    Workspace ws;
    RectangleBeam() {
        BeamModel& m = ws.model;
        const Real corners[4][2] = {{0, 0}, {40, 0}, {40, 20}, {0, 20}};
        for (int i = 0; i < 4; ++i) m.contour[i + 1] = {corners[i][0], corners[i][1], 0};
        m.contourCount = 4;
        m.notchMode = 1;
        ComputeSectionProperties(ws);
        StationTable& t = ws.results.stations;
        t.n = 4;
        for (int k = 0; k <= 4; ++k) t[k] = Station{}, t[k].x = 100 * k;
    }
    Station& At(int k) { return ws.results.stations[k]; }
};

TEST(Stresses, BendingOfARectangleIsMOverW) {
    RectangleBeam b;
    b.At(1).Mb_xy = 1e5;  // N·mm
    b.At(2).Mb_xz = 1e5;
    b.At(3).Mb_xy = 1e5;
    b.At(3).Mb_xz = 1e5;
    ASSERT_TRUE(StressStage(b.ws));

    EXPECT_NEAR(b.At(1).sigB_xy, 1e5L * 6 / (20 * 40 * 40), 1e-12);
    EXPECT_NEAR(b.At(1).sigB, 18.75, 1e-9);
    EXPECT_NEAR(b.At(1).sigB_xz, 0, 1e-12);
    EXPECT_NEAR(b.At(2).sigB_xz, 37.5, 1e-9);
    EXPECT_NEAR(b.At(2).sigB, 37.5, 1e-9);
    // Both planes: the corner carries both stresses.
    EXPECT_NEAR(b.At(3).sigB, 56.25, 1e-9);
    EXPECT_NEAR(b.At(3).phiSigB, std::atan(2.0L) * 180 / 3.14159265358979323846L, 1e-9);
    // No moment, no stress: the running largest starts at 0.
    EXPECT_EQ(b.At(0).sigB, 0);
    EXPECT_EQ(b.At(4).sigV, 0);
    // A negative moment gives the same largest stress on the other edge.
    b.At(4).Mb_xy = -1e5;
    StressStage(b.ws);
    EXPECT_NEAR(b.At(4).sigB, 18.75, 1e-9);
}

TEST(Stresses, TensionAddsToTheEquivalentStressCompressionDoesNot) {
    RectangleBeam b;
    b.At(1).Mb_xy = 1e5;
    b.At(1).N = -8000;  // sigZ = -N/A = +10
    b.At(2).Mb_xy = 1e5;
    b.At(2).N = 8000;  // sigZ = -10
    ASSERT_TRUE(StressStage(b.ws));
    EXPECT_NEAR(b.At(1).sigZ, 10, 1e-12);
    EXPECT_NEAR(b.At(1).sigV, 28.75, 1e-9);
    EXPECT_NEAR(b.At(1).sigV_xy, 28.75, 1e-9);
    EXPECT_NEAR(b.At(1).sigV_xz, 10, 1e-9);
    EXPECT_NEAR(b.At(2).sigZ, -10, 1e-12);
    EXPECT_NEAR(b.At(2).sigV, 18.75, 1e-9);
}

TEST(Stresses, ModesTwoAndThreeApplySurfaceSizeAndNotchFactors) {
    RectangleBeam b;
    BeamModel& m = b.ws.model;
    m.material.surfaceFactor = 1.2L;
    m.notchZoneCount = 2;
    m.notchZones[1] = {1.5L, 2.0L, 1.3L, 100, 200, "K 1"};
    m.notchZones[2] = {1.0L, 1.5L, 1.0L, 200, 250, "K 2"};
    for (int k = 0; k <= 4; ++k) {
        b.At(k).Mb_xy = 1e5;
        b.At(k).N = -8000;
    }

    // Mode 1: the zones do nothing.
    ASSERT_TRUE(StressStage(b.ws));
    EXPECT_NEAR(b.At(1).sigB, 18.75, 1e-9);
    EXPECT_NEAR(b.At(1).sigZ, 10, 1e-12);

    m.notchMode = 2;
    ASSERT_TRUE(StressStage(b.ws));
    EXPECT_NEAR(b.At(0).sigB, 18.75 * 1.2, 1e-9);      // surface factor everywhere
    EXPECT_NEAR(b.At(1).sigB, 18.75 * 1.2 * 2, 1e-9);  // zone 1 covers its start x1
    EXPECT_NEAR(b.At(1).sigB_xy, 18.75 * 1.2 * 2, 1e-9);
    EXPECT_NEAR(b.At(1).sigZ, 15, 1e-12);                    // beta k, no surface factor
    EXPECT_NEAR(b.At(2).sigB, 18.75 * 1.2 * 2 * 1.5, 1e-9);  // both zones cover x = 200
    EXPECT_NEAR(b.At(3).sigB, 18.75 * 1.2, 1e-9);
    EXPECT_NEAR(b.At(1).sigV, 15 + 45, 1e-9);

    // Mode 3: the larger extent is 40 mm, K = 1.37 - 0.37·log10(40) = 0.777238.
    m.notchMode = 3;
    ASSERT_TRUE(StressStage(b.ws));
    EXPECT_NEAR(b.At(3).sigB, 18.75 * 1.2 / 0.7772377, 1e-5);
}

TEST(Stresses, AStressModeOutsideOneToThreeIsFatal) {
    for (int mode : {0, 4}) {
        RectangleBeam b;
        b.ws.model.notchMode = static_cast<std::uint16_t>(mode);
        EXPECT_FALSE(StressStage(b.ws));
        ASSERT_EQ(b.ws.messages.entries.size(), 1u);
        EXPECT_EQ(b.ws.messages.entries[0], "Fatal  : Kerbcode !");
        EXPECT_TRUE(b.ws.messages.fatal);
    }
}

TEST(Stresses, SizeFactorLimits) {
    EXPECT_EQ(SizeFactor(5), 1);
    EXPECT_NEAR(SizeFactor(10), 1, 1e-15);
    EXPECT_NEAR(SizeFactor(100), 0.63, 1e-15);
    EXPECT_NEAR(SizeFactor(119.9L), 1.37 - 0.37 * std::log10(119.9), 1e-12);
    EXPECT_EQ(SizeFactor(120), 0.6L);
    EXPECT_EQ(SizeFactor(500), 0.6L);
}

// A rectangle turned by 30°: the largest stress of the outline is the one of unsymmetric
// bending, M·(cos a / W_strong + sin a / W_weak) for a moment about the global axis.
TEST(Stresses, RotatedRectangleBendsAboutItsPrincipalAxes) {
    Workspace ws;
    const Real a = 30 * 3.14159265358979323846L / 180;
    const Real local[4][2] = {{-20, -10}, {20, -10}, {20, 10}, {-20, 10}};
    for (int i = 0; i < 4; ++i) {
        const Real y = local[i][0], z = local[i][1];
        ws.model.contour[i + 1] = {50 + y * std::cos(a) - z * std::sin(a),
                                   50 + y * std::sin(a) + z * std::cos(a), 0};
    }
    ws.model.contourCount = 4;
    ComputeSectionProperties(ws);
    ASSERT_GT(std::fabs(ws.section.props.Iez), 1);
    StationTable& t = ws.results.stations;
    t.n = 2;
    t[1] = Station{};
    t[1].Mb_xy = 1e5;
    t[2] = Station{};
    t[2].Mb_xz = 1e5;
    ASSERT_TRUE(StressStage(ws));
    const Real wStrong = 20 * 40 * 40 / 6.0L, wWeak = 40 * 20 * 20 / 6.0L;
    const Real expected = 1e5L * (std::cos(a) / wStrong + std::sin(a) / wWeak);
    EXPECT_NEAR(t[1].sigB, expected, 1e-6 * expected);
    const Real expectedXz = 1e5L * (std::sin(a) / wStrong + std::cos(a) / wWeak);
    EXPECT_NEAR(t[2].sigB, expectedXz, 1e-6 * expectedXz);
}

TEST(StressTrackers, StartValuesPointsAndTheCompressionRule) {
    RectangleBeam b;
    ExtremeValues& e = b.ws.results.extremes;
    e.pointSigB = 7;
    e.pointSigV = 7;
    b.At(1).Mb_xy = 100;  // 0.01875 N/mm², below the start value 1.0
    ASSERT_TRUE(StressStage(b.ws));
    EXPECT_EQ(e.sigB.max, 1.0L);
    EXPECT_EQ(e.pointSigB, 7);
    EXPECT_EQ(e.pointSigV, 7);
    EXPECT_EQ(e.sigZ.max, RoundToReal48(0.1L));

    b.At(1).Mb_xy = 1e5;
    b.At(3).Mb_xy = 2e5;
    b.At(2).N = -4000;  // tension 5
    b.At(4).N = 6400;   // compression 8: larger in magnitude, takes the point
    ASSERT_TRUE(StressStage(b.ws));
    EXPECT_EQ(e.pointSigB, 3);
    EXPECT_NEAR(e.sigB.max, 37.5, 1e-9);
    EXPECT_NEAR(e.sigB_xy.max, 37.5, 1e-9);
    EXPECT_NEAR(e.sigZ.max, 5, 1e-9);
    EXPECT_NEAR(e.sigZ.min, -8, 1e-9);
    EXPECT_EQ(e.pointSigZ, 4);
    EXPECT_EQ(e.pointSigV, 3);
}

TEST(SafetyFactors, FatigueStrengthOverTheLargestStressWithWarnings) {
    RectangleBeam b;
    b.ws.materials.dynamic.sigW = 4;  // N/mm²
    b.ws.materials.dynamic.sigBW = 300;
    b.At(2).Mb_xy = 8e5;  // sigB = 150
    b.At(2).N = -4000;    // sigZ = 5
    ASSERT_TRUE(StressStage(b.ws));
    SafetyFactors(b.ws);
    const SafetyResults& s = b.ws.results.safety;
    EXPECT_NEAR(s.Sw, 0.8, 1e-12);
    EXPECT_NEAR(s.Sbw, 2, 1e-12);
    EXPECT_NEAR(s.Svbw, 300.0 / 155, 1e-12);
    ASSERT_EQ(b.ws.messages.entries.size(), 1u);
    EXPECT_EQ(b.ws.messages.entries[0], "Warnung: S w < 1 (0.8)");

    // Bending far above the fatigue strength: the equivalent stress is an error line.
    b.ws.messages.Clear();
    b.At(2).Mb_xy = 8e6;
    StressStage(b.ws);
    SafetyFactors(b.ws);
    ASSERT_EQ(b.ws.messages.entries.size(), 3u);
    EXPECT_EQ(b.ws.messages.entries[1], "Warnung: S bw < 1 (0.2)");
    EXPECT_EQ(b.ws.messages.entries[2].substr(0, 19), "Fehler : S vbw < 1 ");
}

TEST(SafetyFactors, NoStrengthMeansNoFactorAndNoWarning) {
    RectangleBeam b;
    b.At(2).Mb_xy = 8e6;
    b.At(2).N = -4000;
    ASSERT_TRUE(StressStage(b.ws));
    SafetyFactors(b.ws);
    EXPECT_EQ(b.ws.results.safety.Sw, 0);
    EXPECT_EQ(b.ws.results.safety.Sbw, 0);
    EXPECT_EQ(b.ws.results.safety.Svbw, 0);
    EXPECT_TRUE(b.ws.messages.empty());
}

}  // namespace
}  // namespace bxr
