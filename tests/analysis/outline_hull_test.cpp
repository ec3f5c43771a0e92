// The largest outline stress found on the convex hull against a visit of every outline point,
// on convex and non-convex sections, in and out of the principal axes, for moments in every
// direction.
#include "analysis/outline_hull.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "analysis/stresses.h"
#include "workspace/workspace.h"
#include "sections/compute_section.h"

namespace bxr {
namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

// The reference: every outline point visited.
BendingStresses EveryPoint(const Workspace& ws, Real mbXy, Real mbXz) {
    const SectionProperties& p = ws.section.props;
    const ExpandedPolygon& poly = ws.section.polygon;
    BendingStresses s;
    for (int i = 1; i <= poly.count; ++i) {
        const PolygonPoint& q = poly.points[static_cast<std::size_t>(i)];
        s.combined = std::max(s.combined, PointBendingStress(p, q.y, q.z, mbXy, mbXz));
        s.xy = std::max(s.xy, mbXy * (q.y - p.ys) / p.Izeta);
        s.xz = std::max(s.xz, mbXz * (q.z - p.zs) / p.Ieta);
    }
    return s;
}

void Section(Workspace& ws, std::initializer_list<ContourPoint> points, Real arcStep = 1) {
    int n = 0;
    for (const ContourPoint& c : points) ws.model.contour[++n] = c;
    ws.model.contourCount = static_cast<std::uint16_t>(n);
    ws.model.arcDivision = arcStep;
    ComputeSectionProperties(ws);
    ASSERT_GT(ws.section.polygon.count, 3);
    ASSERT_NE(ws.section.props.A, 0);
}

// Moments of 1e6 N·mm in 720 directions, plus single-plane and zero moments.
void ExpectSameAsEveryPoint(const Workspace& ws) {
    OutlineHull hull;
    hull.Build(ws.section.props, ws.section.polygon);
    auto check = [&](Real my, Real mz) {
        const BendingStresses fast = hull.Largest(my, mz);
        const BendingStresses ref = EveryPoint(ws, my, mz);
        const Real tolerance = 1e-15L * (std::fabs(ref.combined) + 1);
        EXPECT_NEAR(fast.combined, ref.combined, tolerance) << "Mb = " << my << ", " << mz;
        EXPECT_EQ(fast.xy, ref.xy);
        EXPECT_EQ(fast.xz, ref.xz);
    };
    for (int i = 0; i < 720; ++i) {
        const Real a = i * kPi / 360;
        check(1e6L * std::cos(a), 1e6L * std::sin(a));
    }
    check(0, 0);
    check(2.5e5L, 0);
    check(0, -2.5e5L);
    check(1e-9L, 3e-9L);
}

TEST(OutlineHull, RoundedRectangleInItsPrincipalAxes) {
    Workspace ws;
    const Real q = kPi / 2;
    Section(ws,
            {{8, 0, 0},
             {92, 0, q},
             {100, 8, 0},
             {100, 52, q},
             {92, 60, 0},
             {8, 60, q},
             {0, 52, 0},
             {0, 8, q},
             {8, 0, 0}},
            0.75L);
    ASSERT_LT(std::fabs(ws.section.props.Iez), 1e-5L);
    ExpectSameAsEveryPoint(ws);
}

TEST(OutlineHull, AngleSectionOutOfItsPrincipalAxes) {
    // An L 80 x 50 x 8: non-convex, the stress is largest on corners of the hull only.
    Workspace ws;
    Section(ws, {{0, 0, 0}, {80, 0, 0}, {80, 8, 0}, {8, 8, 0}, {8, 50, 0}, {0, 50, 0}, {0, 0, 0}});
    ASSERT_GT(std::fabs(ws.section.props.Iez), 1);
    ExpectSameAsEveryPoint(ws);
}

TEST(OutlineHull, TurnedRectangleAndTriangle) {
    Workspace turned;
    const Real a = 30 * kPi / 180;
    const Real c = std::cos(a), s = std::sin(a);
    Section(turned, {{50 - 20 * c + 10 * s, 50 - 20 * s - 10 * c, 0},
                     {50 + 20 * c + 10 * s, 50 + 20 * s - 10 * c, 0},
                     {50 + 20 * c - 10 * s, 50 + 20 * s + 10 * c, 0},
                     {50 - 20 * c - 10 * s, 50 - 20 * s + 10 * c, 0}});
    ExpectSameAsEveryPoint(turned);

    Workspace triangle;
    Section(triangle, {{0, 0, 0}, {60, 0, 0}, {10, 45, 0}});
    ExpectSameAsEveryPoint(triangle);
}

TEST(OutlineHull, TubeWithCollinearPointsOnItsEdges) {
    // A half circle closed by a straight edge split into three collinear pieces.
    Workspace ws;
    Section(ws, {{-40, 0, kPi}, {40, 0, 0}, {15, 0, 0}, {-15, 0, 0}}, 2);
    ExpectSameAsEveryPoint(ws);
}

TEST(OutlineHull, SectionValuesWithoutAStressVisitEveryPoint) {
    // A contour that crosses itself can leave Izeta at 0: the stresses become infinite, and
    // the largest one is the one a visit of every point finds.
    Workspace ws;
    ExpandedPolygon& poly = ws.section.polygon;
    const Real pts[5][2] = {{0, 0}, {10, 0}, {10, 4}, {0, 4}, {0, 0}};
    poly.count = 5;
    for (int i = 0; i < 5; ++i)
        poly.points[static_cast<std::size_t>(i + 1)] = {pts[i][0], pts[i][1]};
    SectionProperties& p = ws.section.props;
    p.ys = 5;
    p.zs = 2;
    p.Izeta = 0;
    p.Ieta = 50;
    p.I1 = 50;
    p.I2 = 1;
    OutlineHull hull;
    hull.Build(p, poly);
    const BendingStresses fast = hull.Largest(1e4L, 0);
    const BendingStresses ref = EveryPoint(ws, 1e4L, 0);
    EXPECT_EQ(fast.xy, ref.xy);
    EXPECT_TRUE(std::isinf(fast.xy));
    EXPECT_EQ(fast.combined, ref.combined);
}

TEST(OutlineHull, ANewSectionReplacesTheKeptOne) {
    // The stress stage keeps its hull between calculations: a changed section must not be
    // measured on the old outline. 40 x 20 rectangle, then 80 x 20: M/W for Mb_xy = 1e5 N·mm
    // goes from 1e5·6/(20·40²) = 18.75 to 1e5·6/(20·80²) = 4.6875 N/mm².
    Workspace ws;
    Section(ws, {{0, 0, 0}, {40, 0, 0}, {40, 20, 0}, {0, 20, 0}});
    OutlineHull hull;
    hull.Build(ws.section.props, ws.section.polygon);
    EXPECT_NEAR(hull.Largest(1e5L, 0).combined, 18.75L, 1e-12);
    Section(ws, {{0, 0, 0}, {80, 0, 0}, {80, 20, 0}, {0, 20, 0}});
    hull.Build(ws.section.props, ws.section.polygon);
    EXPECT_NEAR(hull.Largest(1e5L, 0).combined, 4.6875L, 1e-12);
    EXPECT_NEAR(hull.Largest(1e5L, 0).xy, 4.6875L, 1e-12);

    // The same through the stress stage of a workspace that has run before.
    StationTable& t = ws.results.stations;
    t.n = 1;
    t[0] = Station{};
    t[1] = Station{};
    t[1].Mb_xy = 1e5L;
    ws.model.notchMode = 1;
    ASSERT_TRUE(StressStage(ws));
    EXPECT_NEAR(t[1].sigB, 4.6875L, 1e-12);
    Section(ws, {{0, 0, 0}, {40, 0, 0}, {40, 20, 0}, {0, 20, 0}});
    ASSERT_TRUE(StressStage(ws));
    EXPECT_NEAR(t[1].sigB, 18.75L, 1e-12);
}

}  // namespace
}  // namespace bxr
