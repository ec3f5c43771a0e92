#include "graphics/view_3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "analysis/angle_math.h"
#include "graphics_test_support.h"
#include "sections/compute_section.h"

namespace bxr::test {
namespace {
using namespace gfx;

struct Beam {
    BeamModel model;
    SectionState section;
    Beam() {
        model.length = 1000;
        const ContourPoint pts[] = {{0, 0, 0}, {40, 0, 0}, {40, 20, 0}, {0, 20, 0}};
        for (const auto& p : pts) model.contour[++model.contourCount] = p;
        CalcMessages msg;
        ComputeSectionProperties(model, OutputSettings{}, section, msg);
    }
};

std::vector<std::array<double, 4>> BodyLines(const std::string& dxf) {
    std::vector<std::array<double, 4>> lines;
    for (const auto& e : DxfEntities(dxf, "LINE"))
        if (Group(e, 8) == "5")
            lines.push_back({std::stod(Group(e, 10)), std::stod(Group(e, 20)),
                             std::stod(Group(e, 11)), std::stod(Group(e, 21))});
    return lines;
}

TEST(View3D, ProjectionOfThePointsFollowsTheAxisAngles) {
    const Projection3D p = Projection3D::FromAngles(0, DegToRad(90), DegToRad(-360));
    Real u, v;
    p.Project(3, 4, 5, u, v);  // z hidden: (x, y)
    EXPECT_NEAR(static_cast<double>(u), 3, 1e-12);
    EXPECT_NEAR(static_cast<double>(v), 4, 1e-12);
    const Projection3D q = Projection3D::FromAngles(DegToRad(30), DegToRad(90), DegToRad(210));
    q.Project(2, 0, 0, u, v);  // 2 (cos 30, sin 30)
    EXPECT_NEAR(static_cast<double>(u), std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(static_cast<double>(v), 1.0, 1e-12);
    const auto a = ViewAngles(30, 30, 0);  // nothing stored
    EXPECT_NEAR(static_cast<double>(RadToDeg(a[0])), -15, 1e-12);
    EXPECT_NEAR(static_cast<double>(RadToDeg(a[2])), 210, 1e-12);
}

TEST(View3D, SideViewPutsEveryBodyLineOnItsYValue) {
    Beam b;
    DrawingHarness h(CadOutput::Dxf);
    Draw3DView(*h.drawing, b.model, b.section, {0, DegToRad(90), DegToRad(-360)});
    const auto lines = BodyLines(h.Finish());
    ASSERT_EQ(lines.size(), 4u + 4u + 5u);  // two end outlines, five axial lines
    // With x along the sheet and y upwards every axial line is horizontal, at the height of
    // its y value: the polygon has the y values 0 and 40.
    std::set<long> heights;
    for (std::size_t i = 8; i < lines.size(); ++i) {
        EXPECT_NEAR(lines[i][1], lines[i][3], 1e-6);
        heights.insert(std::lround(lines[i][1] * 1000));
    }
    EXPECT_EQ(heights.size(), 2u);  // y = 0 and y = 40
}

TEST(View3D, HiddenXAxisMakesTheEndOutlinesCoincide) {
    Beam b;
    DrawingHarness h(CadOutput::Dxf);
    Draw3DView(*h.drawing, b.model, b.section, {DegToRad(-360), DegToRad(90), 0});
    const auto lines = BodyLines(h.Finish());
    ASSERT_GE(lines.size(), 8u);
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(lines[i][k], lines[i + 4][k], 1e-6);
}

}  // namespace
}  // namespace bxr::test
