// What a pass writes: the lean passes of the solvers against a full pass of the same beam,
// the angle columns filled afterwards, and the point positions after a change of segment
// count or length.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/angle_math.h"
#include "analysis/force_pass.h"
#include "analysis/reactions.h"
#include "beam_fixture.h"
#include "sections/compute_section.h"

namespace bxr::test {
namespace {

// A simply supported beam under loads in both planes, on a section turned by 20°, so that
// the principal axes couple the planes.
std::unique_ptr<Workspace> LoadedBeam() {
    auto ws = RectangleBeam(1200, kTwoHinges);
    BeamModel& m = ws->model;
    const Real a = 20 * M_PI / 180;
    for (int i = 1; i <= m.contourCount; ++i) {
        ContourPoint& p = m.contour[i];
        const Real y = p.y * std::cos(a) - p.z * std::sin(a);
        p.z = p.y * std::sin(a) + p.z * std::cos(a);
        p.y = y;
    }
    m.segmentCount = 240;
    m.supportX = {100, 1100, 0, 0, 0};
    AddPointLoad(m, 2000, 500, 30);
    AddUniformLoad(m, 1.5L, 200, 900, 110);
    m.momentLoads[++m.momentLoadCount] = {40000, 800, 200, "M"};
    m.axialLoads[++m.axialLoadCount] = {-300, 600, "F"};
    ComputeSectionProperties(*ws);
    SolveReactions(*ws, 0);
    return ws;
}

TEST(pass_columns, the_deflection_pass_writes_what_the_full_pass_writes_for_the_deflection) {
    auto full = LoadedBeam();
    auto lean = LoadedBeam();
    ASSERT_EQ(ForcePass(*full, 0), PassEnd::kComplete);
    ASSERT_EQ(ForcePass(*lean, 0, PassOptions{false, PassColumns::kDeflection}),
              PassEnd::kComplete);
    const StationTable& a = full->results.stations;
    const StationTable& b = lean->results.stations;
    for (int k = 0; k <= a.n; ++k) {
        for (Real Station::*c : {&Station::x, &Station::Fq_xy, &Station::Fq_xz, &Station::Mb_xy,
                                 &Station::Mb_xz, &Station::w_xy, &Station::w_xz}) {
            EXPECT_EQ(a[k].*c, b[k].*c) << k;
        }
        if (k >= 1) {
            EXPECT_EQ(a[k].slope_xy, b[k].slope_xy) << k;
            EXPECT_EQ(a[k].slope_xz, b[k].slope_xz) << k;
        }
    }
    // The deflection ranges worked out afterwards are those the full pass tracked.
    TrackDeflectionRanges(*lean);
    const ExtremeValues& ea = full->results.extremes;
    const ExtremeValues& eb = lean->results.extremes;
    EXPECT_EQ(ea.w_xy.max, eb.w_xy.max);
    EXPECT_EQ(ea.w_xy.min, eb.w_xy.min);
    EXPECT_EQ(ea.w_xz.max, eb.w_xz.max);
    EXPECT_EQ(ea.w_xz.min, eb.w_xz.min);
    // Both planes carry load: the comparison is not one of zeros.
    EXPECT_GT(std::fabs(ea.w_xy.min) + std::fabs(ea.w_xy.max), 1e-3);
    EXPECT_GT(std::fabs(ea.w_xz.min) + std::fabs(ea.w_xz.max), 1e-3);
}

TEST(pass_columns, angles_filled_afterwards_are_those_of_the_full_pass) {
    auto full = LoadedBeam();
    auto later = LoadedBeam();
    ForcePass(*full, 0);
    ForcePass(*later, 0, PassOptions{true, PassColumns::kNoAngles});
    StationTable& b = later->results.stations;
    FillAngleColumns(b);
    const StationTable& a = full->results.stations;
    for (int k = 0; k <= a.n; ++k) {
        EXPECT_EQ(a[k].phiFq, b[k].phiFq) << k;
        EXPECT_EQ(a[k].phiMb, b[k].phiMb) << k;
        EXPECT_EQ(a[k].phiSlope, b[k].phiSlope) << k;
        EXPECT_EQ(a[k].phiW, b[k].phiW) << k;
        EXPECT_EQ(a[k].Mb, b[k].Mb) << k;
        EXPECT_EQ(a[k].sigB, b[k].sigB) << k;
    }
    // Between A at 100 and the start of the distributed load at 200 only the reaction of A
    // acts: the shear angle is that of the reaction.
    const int k = 30;  // x = 150
    EXPECT_NEAR(static_cast<double>(a[k].phiFq),
                static_cast<double>(AngleDeg(full->results.reactions.Rz[kSupportA],
                                             full->results.reactions.Ry[kSupportA])),
                1e-12);
}

TEST(pass_columns, positions_follow_a_change_of_segment_count_and_length) {
    auto ws = LoadedBeam();
    BeamModel& m = ws->model;
    const StationTable& t = ws->results.stations;
    ForcePass(*ws, 0);
    EXPECT_EQ(t[240].x, 1200);
    EXPECT_NEAR(static_cast<double>(t[1].x), 5, 1e-15);
    m.segmentCount = 300;
    ForcePass(*ws, 0);
    EXPECT_EQ(t.n, 300);
    EXPECT_NEAR(static_cast<double>(t[1].x), 4, 1e-15);
    EXPECT_EQ(t[300].x, 1200);
    m.length = 1500;
    m.supportX[kSupportB] = 1400;
    SolveReactions(*ws, 0);
    ForcePass(*ws, 0);
    EXPECT_EQ(t[300].x, 1500);
    EXPECT_NEAR(static_cast<double>(t[150].x), 750, 1e-12);
}

}  // namespace
}  // namespace bxr::test
