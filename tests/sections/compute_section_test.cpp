#include "sections/compute_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "section_test_support.h"

namespace bxr {
namespace {

using test::kPi;
using test::Radians;
using test::SetContour;

struct Fixture {
    BeamModel model;
    OutputSettings settings;
    SectionState section;
    CalcMessages messages;

    void Compute() { ComputeSectionProperties(model, settings, section, messages); }
    const SectionProperties& p() const { return section.props; }
};

// Area and polar moment about the centre of a regular n-gon with circumradius r.
Real RegularPolygonArea(int n, Real r) {
    return n / 2.0L * r * r * std::sin(2 * kPi / n);
}
Real RegularPolygonPolar(int n, Real r) {
    const Real t = 2 * kPi / n;
    return n * r * r * r * r / 12 * std::sin(t) * (2 + std::cos(t));
}

TEST(SectionRectangle, CounterClockwiseGivesTextbookValues) {
    Fixture f;
    SetContour(f.model, {{0, 0}, {100, 0}, {100, 10}, {0, 10}});
    f.Compute();
    ASSERT_TRUE(f.messages.empty());
    EXPECT_EQ(f.section.polygon.count, 5);
    // b = 100, h = 10: A = bh, Iy = bh^3/3, Iz = hb^3/3, Iyz = b^2 h^2 / 4.
    EXPECT_NEAR(f.p().A, 1000, 1e-12);
    EXPECT_NEAR(f.p().Hy, 5000, 1e-9);
    EXPECT_NEAR(f.p().Hz, 50000, 1e-9);
    EXPECT_NEAR(f.p().Iy, 100000.0L / 3, 1e-8);
    EXPECT_NEAR(f.p().Iz, 10000000.0L / 3, 1e-6);
    EXPECT_NEAR(f.p().Iyz, 250000, 1e-8);
    EXPECT_NEAR(f.p().Ip0, 100000.0L / 3 + 10000000.0L / 3, 1e-6);
    EXPECT_NEAR(f.p().ys, 50, 1e-12);
    EXPECT_NEAR(f.p().zs, 5, 1e-12);
    // bh^3/12 and hb^3/12
    EXPECT_NEAR(f.p().Ieta, 25000.0L / 3, 1e-8);
    EXPECT_NEAR(f.p().Izeta, 2500000.0L / 3, 1e-6);
    EXPECT_NEAR(f.p().Iez, 0, 1e-8);
    EXPECT_NEAR(f.p().phi, 0, 1e-15);
    EXPECT_NEAR(f.p().I1, 2500000.0L / 3, 1e-6);
    EXPECT_NEAR(f.p().I2, 25000.0L / 3, 1e-8);
    const SectionExtents& e = f.section.extents;
    EXPECT_EQ(e.ymin, 0);
    EXPECT_EQ(e.zmin, 0);
    EXPECT_EQ(e.ymax, 100);
    EXPECT_EQ(e.zmax, 10);
    EXPECT_EQ(e.width, 100);
    EXPECT_EQ(e.height, 10);
}

TEST(SectionRectangle, ClockwiseNegatesMomentsButNotPrincipalValues) {
    Fixture f;
    SetContour(f.model, {{0, 0}, {0, 10}, {100, 10}, {100, 0}});
    f.Compute();
    ASSERT_TRUE(f.messages.empty());
    EXPECT_NEAR(f.p().A, -1000, 1e-12);
    EXPECT_NEAR(f.p().ys, 50, 1e-12);
    EXPECT_NEAR(f.p().zs, 5, 1e-12);
    EXPECT_NEAR(f.p().Ieta, -25000.0L / 3, 1e-8);
    EXPECT_NEAR(f.p().Izeta, -2500000.0L / 3, 1e-6);
    EXPECT_NEAR(f.p().I1, 2500000.0L / 3, 1e-6);
    EXPECT_NEAR(f.p().I2, 25000.0L / 3, 1e-8);
    EXPECT_NEAR(f.p().phi, 0, 1e-15);
    // The mass values are magnitudes: 100 x 10 mm over 1 m of steel is 7.8 kg.
    EXPECT_NEAR(f.section.mass, 7.8, 1e-12);
}

// L of a 60 x 10 flange and a 10 x 90 web on top of its left end, worked out as two
// rectangles with the parallel-axis theorem:
//   A = 600 + 900 = 1500, ys = (600*30 + 900*5)/1500 = 15, zs = (600*5 + 900*55)/1500 = 35
//   Ieta  = 60*10^3/12 + 600*30^2 + 10*90^3/12 + 900*20^2 = 1512500
//   Izeta = 10*60^3/12 + 600*15^2 + 90*10^3/12 + 900*10^2 = 412500
//   Iez   = 600*(15)(-30) + 900*(-10)(20) = -450000
//   I1,2  = 962500 +- sqrt(550000^2 + 450000^2) = 962500 +- 710633.520177594...
//   phi   = atan(900000 / 1100000) / 2 = 0.342864755453143 rad (19.64 degrees)
TEST(SectionLShape, MatchesCompositeRectangles) {
    Fixture f;
    SetContour(f.model, {{0, 0}, {60, 0}, {60, 10}, {10, 10}, {10, 100}, {0, 100}});
    f.Compute();
    ASSERT_TRUE(f.messages.empty());
    EXPECT_NEAR(f.p().A, 1500, 1e-12);
    EXPECT_NEAR(f.p().ys, 15, 1e-12);
    EXPECT_NEAR(f.p().zs, 35, 1e-12);
    EXPECT_NEAR(f.p().Iy, 3350000, 1e-7);
    EXPECT_NEAR(f.p().Iz, 750000, 1e-7);
    EXPECT_NEAR(f.p().Iyz, 337500, 1e-7);
    EXPECT_NEAR(f.p().Ieta, 1512500, 1e-7);
    EXPECT_NEAR(f.p().Izeta, 412500, 1e-7);
    EXPECT_NEAR(f.p().Iez, -450000, 1e-7);
    EXPECT_NEAR(f.p().IpS, 1925000, 1e-7);
    EXPECT_NEAR(f.p().I1, 1673133.5201775949L, 1e-6);
    EXPECT_NEAR(f.p().I2, 251866.47982240526L, 1e-6);
    EXPECT_NEAR(f.p().phi, 0.34286475545314316L, 1e-12);
    EXPECT_NEAR(f.p().I1 + f.p().I2, f.p().IpS, 1e-6);
}

TEST(SectionPrincipalValues, EqualAxialMomentsGiveRightAngleOrFortyFiveDegrees) {
    // A square: every centroidal axis is principal.
    Fixture f;
    SetContour(f.model, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    f.Compute();
    ASSERT_TRUE(f.messages.empty());
    EXPECT_EQ(f.p().Ieta, f.p().Izeta);
    EXPECT_NEAR(f.p().phi, kPi / 2, 1e-18);
    EXPECT_NEAR(f.p().I1, 10000.0L / 12, 1e-9);
    EXPECT_NEAR(f.p().I2, 10000.0L / 12, 1e-9);

    // Equal axial moments with a product moment: Mohr's circle puts the principal axes at
    // 45 degrees, I1,2 = 2 +- 1.
    SectionProperties s;
    s.A = 1;
    s.Iy = 2;
    s.Iz = 2;
    s.Iyz = -1;
    ComputeCentroidalValues(s);
    EXPECT_NEAR(s.phi, -kPi / 4, 1e-18);
    EXPECT_EQ(s.I1, 3);
    EXPECT_EQ(s.I2, 1);
    s = {};
    s.A = 1;
    s.Iy = 2;
    s.Iz = 2;
    s.Iyz = 1;
    ComputeCentroidalValues(s);
    EXPECT_NEAR(s.phi, kPi / 4, 1e-18);
}

TEST(SectionArcs, CircleOfTwoHalfArcsIsTheInscribedPolygon) {
    Fixture f;
    const Real r = 25;
    SetContour(f.model, {{r, 0, 180}, {-r, 0, 180}, {r, 0}});
    f.model.arcDivision = 5;
    f.Compute();
    ASSERT_TRUE(f.messages.empty());
    // Point 1, two arcs of 36 chords (37 points each), the closing copy of point 1.
    EXPECT_EQ(f.section.polygon.count, 76);
    for (int k = 1; k <= f.section.polygon.count; ++k) {
        const PolygonPoint& q = f.section.polygon.points[k];
        EXPECT_NEAR(std::hypot(q.y, q.z), r, 1e-12) << k;
    }
    const Real area = RegularPolygonArea(72, r);
    EXPECT_NEAR(f.p().A, area, 1e-11);
    // Within the chord error of the circle: the 72-gon lacks 1 - sin(t)/t of pi r^2.
    const Real t = 2 * kPi / 72;
    EXPECT_LT(f.p().A, kPi * r * r);
    EXPECT_GE(f.p().A, kPi * r * r * std::sin(t) / t - 1e-9);
    EXPECT_NEAR(f.p().ys, 0, 1e-14);
    EXPECT_NEAR(f.p().zs, 0, 1e-14);
    EXPECT_NEAR(f.p().IpS, RegularPolygonPolar(72, r), 1e-8);
    EXPECT_NEAR(f.p().Ieta, RegularPolygonPolar(72, r) / 2, 1e-8);
    EXPECT_NEAR(f.p().Iez, 0, 1e-8);
    EXPECT_NEAR(f.section.extents.width, 2 * r, 1e-12);
    EXPECT_NEAR(f.section.extents.height, 2 * r, 1e-12);
}

TEST(SectionArcs, TubeThroughASlitIsOuterMinusInnerPolygon) {
    // Outer circle counter-clockwise, a slit inwards, the bore clockwise, back out.
    Fixture f;
    const Real outer = 50;
    const Real inner = 40;
    SetContour(f.model, {{outer, 0, 180},
                         {-outer, 0, 180},
                         {outer, 0},
                         {inner, 0, -180},
                         {-inner, 0, -180},
                         {inner, 0}});
    f.Compute();
    ASSERT_TRUE(f.messages.empty());
    EXPECT_NEAR(f.p().A, RegularPolygonArea(72, outer) - RegularPolygonArea(72, inner), 1e-10);
    const Real polar = RegularPolygonPolar(72, outer) - RegularPolygonPolar(72, inner);
    EXPECT_NEAR(f.p().IpS, polar, 1e-7);
    EXPECT_NEAR(f.p().I1, polar / 2, 1e-6);
    EXPECT_NEAR(f.p().I2, polar / 2, 1e-6);
    // And close to the round tube: pi (R^2 - r^2) and pi (R^4 - r^4) / 4.
    EXPECT_NEAR(f.p().A / (kPi * (outer * outer - inner * inner)), 1, 2e-3);
    const Real tubeI = kPi * (std::pow(outer, 4) - std::pow(inner, 4)) / 4;
    EXPECT_NEAR(f.p().Ieta / tubeI, 1, 4e-3);
    EXPECT_NEAR(f.p().ys, 0, 1e-12);
    EXPECT_NEAR(f.p().zs, 0, 1e-12);
}

TEST(SectionArcs, QuarterArcOfEighteenChordsStartsAtItsFirstPoint) {
    Fixture f;
    SetContour(f.model, {{0, 0}, {10, 0, 90}, {0, 10}});
    f.model.arcDivision = 5;
    f.Compute();
    ASSERT_TRUE(f.messages.empty());
    const ExpandedPolygon& poly = f.section.polygon;
    // (0,0), (10,0), 19 arc points, the closing copy.
    ASSERT_EQ(poly.count, 22);
    EXPECT_NEAR(poly.points[3].y, 10, 1e-15);
    EXPECT_NEAR(poly.points[3].z, 0, 1e-15);
    EXPECT_NEAR(poly.points[4].y, 10 * std::cos(Radians(5)), 1e-15);
    EXPECT_NEAR(poly.points[4].z, 10 * std::sin(Radians(5)), 1e-15);
    EXPECT_NEAR(poly.points[21].y, 0, 1e-15);
    EXPECT_NEAR(poly.points[21].z, 10, 1e-15);
    EXPECT_EQ(poly.points[22].y, 0);
    EXPECT_EQ(poly.points[22].z, 0);
    // 18 triangles of r^2 sin(5 deg) / 2.
    EXPECT_NEAR(f.p().A, 18 * 50 * std::sin(Radians(5)), 1e-13);
}

TEST(SectionArcs, NegativeSweepTurnsFromPlusYTowardsMinusZ) {
    // A clockwise square whose bottom edge, walked from (10,0) to (0,0), is a half circle
    // of negative sweep: it passes below the edge, through (5,-5).
    Fixture f;
    SetContour(f.model, {{10, 0, -180}, {0, 0}, {0, 10}, {10, 10}});
    f.Compute();
    ASSERT_TRUE(f.messages.empty());
    Real lowest = 0;
    for (int k = 1; k <= f.section.polygon.count; ++k)
        lowest = std::min(lowest, f.section.polygon.points[k].z);
    EXPECT_NEAR(lowest, -5, 1e-12);
    EXPECT_NEAR(f.section.extents.zmin, -5, 1e-12);
    EXPECT_NEAR(f.section.extents.height, 15, 1e-12);
    // Clockwise, so negative: the square plus half of the inscribed 72-gon of radius 5.
    EXPECT_NEAR(f.p().A, -(100 + RegularPolygonArea(72, 5) / 2), 1e-11);

    // The same edge with a positive sweep bites into the square instead.
    f.model.contour[1].arcAngle = Radians(180);
    f.Compute();
    EXPECT_NEAR(f.p().A, -(100 - RegularPolygonArea(72, 5) / 2), 1e-11);
    EXPECT_NEAR(f.section.extents.zmin, 0, 1e-12);
}

TEST(SectionArcs, ChordCountRoundsHalvesToEvenAndKeepsTwo) {
    EXPECT_EQ(ArcChordCount(Radians(90), 5), 18);
    EXPECT_EQ(ArcChordCount(Radians(-90), 5), 18);
    EXPECT_EQ(ArcChordCount(Radians(1), 5), 2);
    EXPECT_EQ(ArcChordCount(Radians(12.4L), 1), 12);
    EXPECT_EQ(ArcChordCount(Radians(12.6L), 1), 13);
    // 2.5, 3.5 and 4.5 steps of a quarter degree.
    EXPECT_EQ(ArcChordCount(Radians(0.625L), 0.25L), 2);
    EXPECT_EQ(ArcChordCount(Radians(0.875L), 0.25L), 4);
    EXPECT_EQ(ArcChordCount(Radians(1.125L), 0.25L), 4);
    // A step of 0 or a damaged sweep cannot fit into the polygon.
    EXPECT_GT(ArcChordCount(Radians(90), 0), kMaxPolygonPoints);
    EXPECT_GT(ArcChordCount(std::numeric_limits<Real>::infinity(), 5), kMaxPolygonPoints);

    Fixture f;
    SetContour(f.model, {{0, 0}, {10, 0, 1}, {10, 10}});
    f.Compute();
    ASSERT_TRUE(f.messages.empty());
    EXPECT_EQ(f.section.polygon.count, 1 + 1 + 3 + 1);
}

TEST(SectionLimits, FourHundredNinetyNinePointsFitOneMoreIsFatal) {
    // A half disc: point 1 and m + 1 arc points come from the contour.
    Fixture f;
    SetContour(f.model, {{20, 0, 180}, {-20, 0}});
    f.model.arcDivision = 180.0L / 497;
    f.Compute();
    EXPECT_TRUE(f.messages.empty());
    EXPECT_FALSE(f.messages.fatal);
    EXPECT_EQ(f.section.polygon.count, 500);
    EXPECT_NEAR(f.p().A, RegularPolygonArea(2 * 497, 20) / 2, 1e-10);

    f.model.arcDivision = 180.0L / 498;
    f.Compute();
    ASSERT_EQ(f.messages.entries.size(), 1u);
    EXPECT_EQ(f.messages.entries[0], "Fatal  : > 500 Punkte !");
    EXPECT_TRUE(f.messages.fatal);
    EXPECT_LE(f.section.polygon.count, 500);
}

TEST(SectionLimits, TwoHundredArcPointsStopAtTheLimitWithoutHarm) {
    Fixture f;
    for (int i = 1; i <= kMaxContourPoints; ++i) {
        const Real a = 2 * kPi * (i - 1) / kMaxContourPoints;
        f.model.contour[i] = {100 * std::cos(a), 100 * std::sin(a), Radians(30)};
    }
    f.model.contourCount = kMaxContourPoints;
    f.Compute();
    EXPECT_TRUE(f.messages.fatal);
    ASSERT_EQ(f.messages.entries.size(), 1u);
    EXPECT_EQ(f.messages.entries[0], "Fatal  : > 500 Punkte !");
    EXPECT_LE(f.section.polygon.count, 500);
}

TEST(SectionBadInput, EmptyContourChangesNothing) {
    Fixture f;
    f.section.props.A = 123;
    f.section.mass = 4;
    f.section.polygon.count = 7;
    f.messages.AddFatal("Fatal  : old");
    f.Compute();
    EXPECT_TRUE(f.messages.empty());
    EXPECT_FALSE(f.messages.fatal);
    EXPECT_EQ(f.section.props.A, 123);
    EXPECT_EQ(f.section.mass, 4);
    EXPECT_EQ(f.section.polygon.count, 7);
    EXPECT_EQ(f.section.extents.ymax, 160);
}

TEST(SectionBadInput, ContoursWithoutAreaAreFatal) {
    const char* const zeroArea = "Fatal  : A = 0 !";
    Fixture one;
    SetContour(one.model, {{3, 4}});
    one.Compute();
    EXPECT_TRUE(one.messages.fatal);
    ASSERT_EQ(one.messages.entries.size(), 1u);
    EXPECT_EQ(one.messages.entries[0], zeroArea);
    // One point: both extents widened to 1.
    EXPECT_EQ(one.section.extents.width, 1);
    EXPECT_EQ(one.section.extents.height, 1);

    Fixture two;
    SetContour(two.model, {{0, 0}, {5, 5}});
    two.Compute();
    EXPECT_TRUE(two.messages.fatal);
    EXPECT_EQ(two.messages.entries.at(0), zeroArea);

    // A vertical line: ymin = ymax, so the width becomes 1.
    Fixture vertical;
    SetContour(vertical.model, {{0, 0}, {0, 5}, {0, 10}});
    vertical.Compute();
    EXPECT_TRUE(vertical.messages.fatal);
    EXPECT_EQ(vertical.section.extents.width, 1);
    EXPECT_EQ(vertical.section.extents.ymax, 1);
    EXPECT_EQ(vertical.section.extents.height, 10);

    // Points on one slanted line whose coordinates are not exact binary fractions: the
    // integrated area is rounding noise and must not yield a centroid.
    Fixture slanted;
    SetContour(slanted.model, {{0.1L, 0.3L}, {0.2L, 0.6L}, {0.7L, 2.1L}, {0.3L, 0.9L}});
    slanted.section.props.ys = 17;
    slanted.Compute();
    EXPECT_TRUE(slanted.messages.fatal);
    EXPECT_EQ(slanted.messages.entries.at(0), zeroArea);
    EXPECT_EQ(slanted.section.props.ys, 17);
}

TEST(SectionBadInput, DamagedContoursAreRefusedWithAMessage) {
    Fixture f;
    SetContour(f.model, {{0, 0}, {10, 0}, {10, std::numeric_limits<Real>::quiet_NaN()}});
    f.Compute();
    EXPECT_TRUE(f.messages.fatal);
    EXPECT_EQ(f.messages.entries.size(), 1u);

    Fixture g;
    SetContour(g.model, {{0, 0}, {10, 0, 90}, {10, 10}});
    g.model.contour[2].arcAngle = std::numeric_limits<Real>::infinity();
    g.Compute();
    EXPECT_TRUE(g.messages.fatal);

    Fixture h;
    h.model.contourCount = kMaxContourPoints + 1;
    h.Compute();
    EXPECT_TRUE(h.messages.fatal);
    EXPECT_EQ(h.messages.entries.size(), 1u);

    // An arc step of 0 asks for endless chords and ends at the point limit.
    Fixture k;
    SetContour(k.model, {{0, 0}, {10, 0, 90}, {0, 10}});
    k.model.arcDivision = 0;
    k.Compute();
    EXPECT_TRUE(k.messages.fatal);
    EXPECT_EQ(k.messages.entries.at(0), "Fatal  : > 500 Punkte !");
}

TEST(SectionBadInput, ArcBetweenEqualPointsIsReportedAndShrinksToThePoint) {
    Fixture f;
    // Edge 1 is an arc from (0,0) back to (0,0); the rest is a right triangle of area 50.
    SetContour(f.model, {{0, 0, 90}, {0, 0}, {10, 0}, {10, 10}});
    f.Compute();
    EXPECT_FALSE(f.messages.fatal);
    ASSERT_EQ(f.messages.entries.size(), 1u);
    EXPECT_EQ(f.messages.entries[0], "GetArcCenter l12=0");
    EXPECT_NEAR(f.p().A, 50, 1e-12);
    EXPECT_NEAR(f.p().ys, 20.0L / 3, 1e-12);
    EXPECT_NEAR(f.p().zs, 10.0L / 3, 1e-12);
    for (int k = 2; k <= 20; ++k) {
        EXPECT_EQ(f.section.polygon.points[k].y, 0) << k;
        EXPECT_EQ(f.section.polygon.points[k].z, 0) << k;
    }
}

TEST(SectionBadInput, ArcWithoutGeometryKeepsTheStraightEdge) {
    // The half sweep of the smallest subnormal is 0: the arc has no centre.
    Fixture f;
    SetContour(f.model, {{0, 0}, {10, 0}, {10, 10}});
    f.model.contour[2].arcAngle = std::numeric_limits<Real>::denorm_min();
    f.Compute();
    EXPECT_FALSE(f.messages.fatal);
    ASSERT_EQ(f.messages.entries.size(), 1u);
    EXPECT_EQ(f.messages.entries[0].rfind("Fehler in GetArcCenter (dphi = ", 0), 0u);
    EXPECT_EQ(f.section.polygon.count, 4);
    EXPECT_NEAR(f.p().A, 50, 1e-12);
}

TEST(SectionBadInput, ArcsOfAFullTurnOrMoreAreFatalAndJustBelowAreArcs) {
    // Two points 20 mm apart. Sweeps that round to a full turn in the file (3 decimals) or
    // go beyond it have no centre; a sweep a file step below a full turn is a long arc.
    for (Real sweep :
         {6.283L, 6.2831853L, -6.2831853L, 2 * std::numbers::pi_v<Real>, 7.0L, -100.0L}) {
        Fixture f;
        SetContour(f.model, {{10, 0}, {-10, 0}, {10, 0}});
        f.model.contour[1].arcAngle = f.model.contour[2].arcAngle = sweep;
        f.Compute();
        EXPECT_TRUE(f.messages.fatal) << static_cast<double>(sweep);
        ASSERT_FALSE(f.messages.entries.empty());
        EXPECT_EQ(f.messages.entries[0].rfind("Fehler in GetArcCenter (dphi = ", 0), 0u);
    }
    // Half circles: the circle of 20 mm, A = pi r^2 within the chords' shortfall.
    Fixture f;
    SetContour(f.model, {{10, 0}, {-10, 0}, {10, 0}});
    f.model.contour[1].arcAngle = f.model.contour[2].arcAngle = std::numbers::pi_v<Real>;
    f.Compute();
    EXPECT_FALSE(f.messages.fatal);
    EXPECT_NEAR(f.p().A, std::numbers::pi_v<Real> * 100, 1.5);
}

TEST(SectionMass, BarOfSteelMatchesTheRigidBodyFormulas) {
    // 100 x 10 mm, 1 m long, 7.8 kg/dm^3: m = 7.8 kg; about its own axis
    // Js = m (b^2 + h^2) / 12, about the origin J0 = Js + m d^2 with d the centroid distance.
    Fixture f;
    SetContour(f.model, {{0, 0}, {100, 0}, {100, 10}, {0, 10}});
    f.Compute();
    EXPECT_NEAR(f.section.volume, 1e6, 1e-6);
    EXPECT_NEAR(f.section.mass, 7.8, 1e-12);
    const Real js = 7.8L * (0.1L * 0.1L + 0.01L * 0.01L) / 12;
    EXPECT_NEAR(f.p().Js, js, 1e-15);
    EXPECT_NEAR(f.p().J0, js + 7.8L * (0.05L * 0.05L + 0.005L * 0.005L), 1e-15);

    // Half the length and a lighter material.
    f.section.massLength = 500;
    f.section.density = 2.7L;
    f.Compute();
    EXPECT_NEAR(f.section.mass, 1.35L, 1e-12);

    // Without a length the last mass values stay.
    f.section.massLength = 0;
    SetContour(f.model, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    f.Compute();
    EXPECT_NEAR(f.p().A, 100, 1e-12);
    EXPECT_NEAR(f.section.mass, 1.35L, 1e-12);
    EXPECT_NEAR(f.section.volume, 500000, 1e-6);
}

TEST(SectionMessages, EachRunStartsWithAnEmptyList) {
    Fixture f;
    SetContour(f.model, {{0, 0}, {5, 5}});
    f.Compute();
    ASSERT_TRUE(f.messages.fatal);
    SetContour(f.model, {{0, 0}, {10, 0}, {10, 10}});
    f.Compute();
    EXPECT_FALSE(f.messages.fatal);
    EXPECT_TRUE(f.messages.empty());
}

}  // namespace
}  // namespace bxr
