#include "sections/profile_contour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "sections/fillet_arc.h"

namespace bxr {
namespace {

constexpr double kPi = std::numbers::pi;

// Signed area of the straight-edged outline (shoelace), positive when counter-clockwise.
double ShoelaceArea(const BeamModel& m) {
    double a = 0;
    for (int i = 1; i <= m.contourCount; ++i) {
        const ContourPoint& p = m.contour[i];
        const ContourPoint& q = m.contour[i == m.contourCount ? 1 : i + 1];
        a += double(p.y * q.z - q.y * p.z);
    }
    return a / 2;
}

ProfileRow Row(std::initializer_list<double> values) {
    ProfileRow r;
    int i = 0;
    for (double v : values) r.value[++i] = v;
    r.fieldCount = i;
    return r;
}

BeamModel Generated(int family, const ProfileRow& row, const ParametricDimensions& dims = {}) {
    BeamModel m;
    m.profileFamily = std::uint16_t(family);
    EXPECT_TRUE(GenerateProfileContour(m, row, dims));
    return m;
}

void ExpectPoint(const ContourPoint& p, double y, double z, double arc) {
    EXPECT_NEAR(double(p.y), y, 1e-9);
    EXPECT_NEAR(double(p.z), z, 1e-9);
    EXPECT_NEAR(double(p.arcAngle), arc, 1e-12);
}

TEST(ProfileContour, EveryFamilyHasItsTabulatedPointCount) {
    // A plausible row for each table family: IPN 200, HEB 200, T 60, Z 100, L 100x50x8,
    // L 60x6, U 200, flat 100x10.
    const ProfileRow rows[9] = {{},
                                Row({0, 0, 200, 90, 7.5, 11.3, 7.5, 4.5}),
                                Row({0, 0, 200, 200, 9, 15, 18}),
                                Row({0, 0, 60, 60, 7, 1.75}),
                                Row({0, 0, 100, 55, 6.5, 8, 8, 4.5}),
                                Row({0, 100, 50, 8, 9, 4.5}),
                                Row({0, 60, 6, 8, 4}),
                                Row({0, 200, 75, 8.5, 11.5, 11.5, 6}),
                                Row({100, 10})};
    for (int family = 1; family <= 8; ++family) {
        const BeamModel m = Generated(family, rows[family]);
        EXPECT_EQ(m.contourCount, ProfileContourPoints(family, 0)) << family;
        // Every rolled outline runs counter-clockwise.
        EXPECT_GT(ShoelaceArea(m), 0) << family;
    }
    ParametricDimensions d;
    d.corners = 7;
    for (int family = 9; family <= 13; ++family)
        EXPECT_EQ(Generated(family, {}, d).contourCount, ProfileContourPoints(family, 7));
    EXPECT_EQ(ProfileContourPoints(12, 7), 8);
    EXPECT_EQ(ProfileContourPoints(13, 7), 16);
}

TEST(ProfileContour, ParallelFlangeBeamHasQuarterCircleFilletsAtTheWeb) {
    // HEB 200: h = b = 200, s = 9, t = 15, r = 18.
    const BeamModel m = Generated(2, Row({0, 0, 200, 200, 9, 15, 18}));
    ExpectPoint(m.contour[1], -100, 0, 0);
    ExpectPoint(m.contour[4], 22.5, 15, -kPi / 2);
    ExpectPoint(m.contour[5], 4.5, 33, 0);
    ExpectPoint(m.contour[6], 4.5, 167, -kPi / 2);
    ExpectPoint(m.contour[7], 22.5, 185, 0);
    ExpectPoint(m.contour[14], -4.5, 33, -kPi / 2);
    ExpectPoint(m.contour[17], -100, 0, 0);
    // Without the fillets the outline is two flanges and the web.
    EXPECT_NEAR(ShoelaceArea(m), 2 * 200 * 15 + 9 * 170 + 4 * 18 * 18 - 2 * 18 * 18, 1e-9);
}

TEST(ProfileContour, TaperedFlangeFilletsTouchBothEdges) {
    // IPN 200: h = 200, b = 90, s = 7.5, t = 11.3 (at a quarter of the width), r = 7.5.
    const double h = 200, b = 90, s = 7.5, t = 11.3, r = 7.5;
    const BeamModel m = Generated(1, Row({0, 0, h, b, s, t, r, 4.5}));
    const auto& c = m.contour;
    // Flange tip rounding: from the flange edge onto the 14 % face, turning left by the
    // quarter circle less the slope angle.
    EXPECT_NEAR(double(c[3].y), b / 2, 1e-9);
    EXPECT_NEAR(double(c[3].arcAngle), kPi / 2 - 0.139, 1e-9);
    EXPECT_NEAR(double(c[4].z), t - 0.14 * (double(c[4].y) - b / 4), 2e-3);
    // Web fillet: from the face onto the web, a re-entrant turn.
    EXPECT_NEAR(double(c[6].y), s / 2, 1e-9);
    EXPECT_NEAR(double(c[5].arcAngle), -(kPi / 2 - (kPi - 3.0025)), 1e-9);
    // The fillet's tangent points are r / tan(half the turn) from the corner of face and web.
    const double turn = kPi / 2 - (kPi - 3.0025);
    const double back = r / std::tan((kPi - turn) / 2);
    const double cornerZ = t + 0.14 * (b / 4 - s / 2);
    EXPECT_NEAR(double(c[6].z), cornerZ + back, 2e-3);
    // Upper half mirrored about mid-height, left half about the z axis, arcs kept on edges.
    EXPECT_NEAR(double(c[7].y), s / 2, 1e-9);
    EXPECT_NEAR(double(c[7].z), h - double(c[6].z), 1e-9);
    EXPECT_EQ(c[7].arcAngle, c[5].arcAngle);
    EXPECT_EQ(c[9].arcAngle, c[3].arcAngle);
    EXPECT_EQ(c[8].arcAngle, 0);
    EXPECT_NEAR(double(c[11].z), h, 1e-9);
    EXPECT_NEAR(double(c[12].y), -b / 2, 1e-9);
    EXPECT_EQ(c[12].arcAngle, 0);
    EXPECT_EQ(c[13].arcAngle, c[3].arcAngle);
    EXPECT_EQ(c[15].arcAngle, c[5].arcAngle);
    ExpectPoint(c[21], -b / 2, 0, 0);
}

TEST(ProfileContour, ParametricShapes) {
    ParametricDimensions d;
    // Tube 25/20: two circles, the inner one clockwise.
    BeamModel tube = Generated(10, {}, d);
    ExpectPoint(tube.contour[1], 12.5, 0, kPi);
    ExpectPoint(tube.contour[2], -12.5, 0, kPi);
    ExpectPoint(tube.contour[3], 12.5, 0, 0);
    ExpectPoint(tube.contour[4], 10, 0, -kPi);
    ExpectPoint(tube.contour[6], 10, 0, 0);
    // Square tube 50 x 50 x 5: 2500 - 1600 = 900 mm².
    BeamModel square = Generated(11, {}, d);
    EXPECT_NEAR(ShoelaceArea(square), 900, 1e-9);
    ExpectPoint(square.contour[6], 5, 5, 0);
    ExpectPoint(square.contour[8], 45, 45, 0);
    // Hexagon across flats 20: corners on the circle of 20 / cos 30° = 23.094.
    d.acrossCorners = 20 / std::cos(kPi / 6);
    BeamModel hexagon = Generated(12, {}, d);
    ExpectPoint(hexagon.contour[1], 11.547005383792516, 0, 0);
    EXPECT_NEAR(ShoelaceArea(hexagon), std::sqrt(3.0) / 2 * 400, 1e-9);
    // Hexagonal tube with a 2 mm wall: inner corners on 11.547 - 2.
    d.wall = 2;
    BeamModel hexTube = Generated(13, {}, d);
    const double ro = 20 / std::sqrt(3.0), ri = ro - 2;
    EXPECT_NEAR(ShoelaceArea(hexTube), 1.5 * std::sqrt(3.0) * (ro * ro - ri * ri), 1e-9);
}

TEST(ProfileContour, SwappingToZyKeepsAreaAndSenseOfRotation) {
    BeamModel bar = Generated(8, Row({100, 10}));
    SwapContourYZ(bar);
    EXPECT_NEAR(ShoelaceArea(bar), 1000, 1e-9);
    double ymax = 0, zmax = 0;
    for (int i = 1; i <= bar.contourCount; ++i) {
        ymax = std::max(ymax, double(bar.contour[i].y));
        zmax = std::max(zmax, double(bar.contour[i].z));
    }
    EXPECT_EQ(ymax, 10);
    EXPECT_EQ(zmax, 100);
    // An arc keeps its edge and stays convex: the quarter circle of an angle's leg tip.
    BeamModel angle = Generated(6, Row({0, 60, 6, 8, 4}));
    SwapContourYZ(angle);
    EXPECT_GT(ShoelaceArea(angle), 0);
    int outside = 0, inside = 0;
    for (int i = 1; i < angle.contourCount; ++i) {
        if (angle.contour[i].arcAngle > 0) ++outside;
        if (angle.contour[i].arcAngle < 0) ++inside;
    }
    EXPECT_EQ(outside, 2);
    EXPECT_EQ(inside, 1);
}

TEST(ProfileContour, UnknownFamilyLeavesTheContour) {
    BeamModel m;
    m.contourCount = 3;
    m.profileFamily = 14;
    EXPECT_FALSE(GenerateProfileContour(m, {}, {}));
    EXPECT_EQ(m.contourCount, 3);
    m.profileFamily = 12;
    ParametricDimensions d;
    d.corners = 2;
    EXPECT_FALSE(GenerateProfileContour(m, {}, d));
    EXPECT_EQ(m.contourCount, 3);
}

}  // namespace
}  // namespace bxr
