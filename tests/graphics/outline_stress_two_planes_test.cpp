#include <gtest/gtest.h>

#include "graphics/section_stress_view.h"

namespace bxr {
namespace {

// A rectangle 40 mm wide (z) and 60 mm high (y), lower left corner at the origin: centroid
// (30, 20), Izz = 40 * 60^3 / 12 = 720000 mm^4, Iyy = 60 * 40^3 / 12 = 320000 mm^4. Moments in
// both planes add: -Mb_xy (y - 30) / Izz - Mb_xz (z - 20) / Iyy, plus sigZ.
TEST(OutlineStressTwoPlanes, CornersOfARectangleUnderBothMoments) {
    SectionProperties s;
    s.A = 2400;
    s.ys = 30;
    s.zs = 20;
    s.Izeta = s.I1 = 720000;
    s.Ieta = s.I2 = 320000;
    Station st;
    st.Mb_xy = 1e6L;     // 41.667 N/mm² at the upper and lower edge
    st.Mb_xz = 0.64e6L;  // 40 N/mm² at the side edges
    st.sigZ = 5;
    EXPECT_NEAR(static_cast<double>(OutlinePointStress(s, 60, 40, st)), -76.666667, 1e-5);
    EXPECT_NEAR(static_cast<double>(OutlinePointStress(s, 0, 0, st)), 86.666667, 1e-5);
    EXPECT_NEAR(static_cast<double>(OutlinePointStress(s, 0, 40, st)), 6.666667, 1e-5);
    EXPECT_NEAR(static_cast<double>(OutlinePointStress(s, 60, 0, st)), 3.333333, 1e-5);
    // The centroid carries the axial stress alone.
    EXPECT_NEAR(static_cast<double>(OutlinePointStress(s, 30, 20, st)), 5, 1e-12);
}

}  // namespace
}  // namespace bxr
