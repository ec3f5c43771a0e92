#include "graphics/section_stress_view.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/stresses.h"
#include "graphics_test_support.h"
#include "sections/compute_section.h"

namespace bxr::test {
namespace {
using namespace gfx;

// A 100 x 10 rectangle: centroid (50, 5), Ieta = 100 * 10^3 / 12, Izeta = 10 * 100^3 / 12.
SectionState Rectangle() {
    BeamModel m;
    const ContourPoint pts[] = {{0, 0, 0}, {100, 0, 0}, {100, 10, 0}, {0, 10, 0}};
    for (const auto& p : pts) m.contour[++m.contourCount] = p;
    SectionState s;
    CalcMessages msg;
    ComputeSectionProperties(m, OutputSettings{}, s, msg);
    return s;
}

std::vector<std::string> Texts(const std::string& dxf) {
    std::vector<std::string> t;
    for (const auto& e : DxfEntities(dxf, "TEXT")) t.push_back(Group(e, 1));
    return t;
}

TEST(SectionStressView, BendingStressOfAnOutlinePoint) {
    const SectionState s = Rectangle();
    // -Mb_xy * (y - ys) / Izeta = -1000 * 50 / 833333.33 = -0.06
    EXPECT_NEAR(static_cast<double>(PointBendingStress(s.props, 100, 5, 1000, 0)), -0.06, 1e-12);
    // -Mb_xz * (z - zs) / Ieta = -1000 * 5 / 8333.33 = -0.6
    EXPECT_NEAR(static_cast<double>(PointBendingStress(s.props, 50, 10, 0, 1000)), -0.6, 1e-12);
    Station st;
    st.sigZ = 2;
    EXPECT_NEAR(static_cast<double>(OutlinePointStress(s.props, 50, 10, st)), 2.0, 1e-12);
}

TEST(SectionStressView, WithoutMomentsEveryPointShowsTheAxialStressOnly) {
    const SectionState s = Rectangle();
    Station st;
    st.sigZ = 12.5;
    DrawingHarness h(CadOutput::Dxf);
    DrawSectionStressView(*h.drawing, s, st);
    const auto texts = Texts(h.Finish());
    int stresses = 0;
    for (const auto& t : texts)
        if (t.rfind("12.5 ", 0) == 0) ++stresses;
    EXPECT_EQ(stresses, 4);  // the four corners
    // No moment: no line of zero bending stress.
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Sigma b = 0"), 0);
}

TEST(SectionStressView, DisplacedContourAndZeroLine) {
    const SectionState s = Rectangle();
    Station st;
    st.Mb_xy = 1000;
    st.w_xy = 0;
    st.w_xz = 0;
    DrawingHarness h(CadOutput::Dxf);
    DrawSectionStressView(*h.drawing, s, st);
    const std::string dxf = h.Finish();
    // Zero deflection: both polylines have the same vertices.
    std::vector<std::string> v5, v2;
    for (const auto& e : DxfEntities(dxf, "VERTEX"))
        (Group(e, 8) == "5" ? v5 : v2).push_back(Group(e, 10) + "," + Group(e, 20));
    EXPECT_EQ(v5.size(), 5u);
    EXPECT_EQ(v5, v2);
    // With Mb_xy alone the bending stress vanishes along z through the centroid (ys = 50):
    // on the sheet, where y runs upwards, a horizontal line at 50.
    bool zeroLine = false;
    for (const auto& e : DxfEntities(dxf, "LINE"))
        if (Group(e, 8) == "25" && Group(e, 20) == "50.000000" && Group(e, 21) == "50.000000")
            zeroLine = true;
    EXPECT_TRUE(zeroLine);
    const auto texts = Texts(dxf);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Sigma b = 0"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "dy = 0 mm"), 1);
}

TEST(SectionStressView, DeflectionTextsSayMillimetresAlsoInEnglishUnits) {
    const SectionState s = Rectangle();
    Station st;
    st.w_xy = 1.5;
    st.w_xz = -0.25;
    OutputSettings english;
    english.unitSystem = 1;
    DrawingHarness h(CadOutput::Dxf, english);
    DrawSectionStressView(*h.drawing, s, st);
    const auto texts = Texts(h.Finish());
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "dy = 1.5 mm"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "dz = -0.25 mm"), 1);
}

}  // namespace
}  // namespace bxr::test
