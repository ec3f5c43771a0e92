#include "graphics/diagram_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/beam_sketch.h"
#include "graphics_test_support.h"

namespace bxr::test {
namespace {
using namespace gfx;

// A beam of 1000 mm in 50 segments whose moment in x-y is the parabola x (1000 - x) N mm,
// 250000 N mm at the middle.
AnalysisResults Parabola() {
    AnalysisResults r;
    r.stations.n = 50;
    for (int k = 0; k <= 50; ++k) {
        Station& s = r.stations[k];
        s.x = 20.0L * k;
        s.Mb_xy = s.x * (1000 - s.x);
        r.extremes.Mb_xy.Update(s.Mb_xy);
    }
    return r;
}

bool HasLineEndingAt(const std::string& dxf, const std::string& layer, const std::string& x,
                     const std::string& y) {
    for (const auto& e : DxfEntities(dxf, "LINE"))
        if (Group(e, 8) == layer && Group(e, 11) == x && Group(e, 21) == y) return true;
    return false;
}

TEST(Diagram, CurvePointIsTheResultMappedThroughTheFrame) {
    BeamModel model;
    model.length = 1000;
    const AnalysisResults r = Parabola();
    DrawingHarness h(CadOutput::Dxf);
    DrawDiagramSheet(*h.drawing, 2, 1, {model, r});
    const std::string dxf = h.Finish();
    // x 0..1000 with step 200; Mb 0..250 Nm with step 50; frame (15, 6), 130 x 60.
    // Station 10: x = 200 -> 15 + 0.2 * 130 = 41; Mb = 160000 N mm = 160 Nm -> 6 + 0.64 * 60.
    EXPECT_TRUE(HasLineEndingAt(dxf, "25", "41.000000", "44.400000"));
    // The middle: x = 500 -> 80; 250 Nm -> 66 (the top of the frame).
    EXPECT_TRUE(HasLineEndingAt(dxf, "25", "80.000000", "66.000000"));
    // Hatching at station 10 from the zero line (y = 6) up to the curve.
    bool hatch = false;
    for (const auto& e : DxfEntities(dxf, "LINE"))
        if (Group(e, 8) == "25" && Group(e, 10) == "41.000000" && Group(e, 20) == "6.000000" &&
            Group(e, 21) == "44.400000")
            hatch = true;
    EXPECT_TRUE(hatch);
}

TEST(Diagram, TitlesLabelsAndRanges) {
    EXPECT_EQ(DiagramTitle(2, 1, false), "Biegemomentverlauf (xy-Ebene)");
    EXPECT_EQ(DiagramTitle(5, 3, false), "          Biegespannung (Resultierende)");
    EXPECT_EQ(DiagramTitle(5, 2, true), "       Biegespannung (xz-Ebene)");
    EXPECT_EQ(DiagramTitle(8, 1, true), "            Vergl.spannung (xy-Ebene)");
    EXPECT_EQ(DiagramTitle(7, 2, false), "        Zug-/Druckspannung");
    OutputSettings out;
    EXPECT_EQ(DiagramYLabel(out, 1).substr(0, 3), "Fq[");
    ExtremeValues e;
    e.slope_xz.Reset(0.01L, -0.02L);
    Real lo, hi;
    DiagramRange(out, e, 4, 2, lo, hi);  // radians to degrees
    EXPECT_NEAR(static_cast<double>(hi), 0.572957795, 1e-6);
    EXPECT_NEAR(static_cast<double>(lo), -1.14591559, 1e-6);
    Station s;
    s.Mb_xz = 5000;
    EXPECT_DOUBLE_EQ(static_cast<double>(DiagramValue(out, s, 2, 2)), 5.0);  // N m
}

TEST(Diagram, LinesAreClippedToTheEnlargedFrame) {
    PlotFrame f;
    f.xmin = 0;
    f.xmax = 100;
    f.ymin = 0;
    f.ymax = 10;
    Real xa = 50, ya = 5, xb = 50, yb = 30;
    ASSERT_TRUE(ClipToFrame(f, xa, ya, xb, yb));
    EXPECT_DOUBLE_EQ(static_cast<double>(yb), 10.1);  // 1 % of the range above
    Real xc = 200, yc = 5, xd = 300, yd = 5;
    EXPECT_FALSE(ClipToFrame(f, xc, yc, xd, yd));
}

TEST(Diagram, StackedSheetHasThreeFramesWithOneRange) {
    BeamModel model;
    model.length = 1000;
    AnalysisResults r = Parabola();
    for (int k = 0; k <= 50; ++k) r.stations[k].Mb_xz = -r.stations[k].Mb_xy / 2;
    r.extremes.Mb_xz.Reset(0, -125000);
    DrawingHarness h(CadOutput::Dxf);
    DrawDiagramSheet(*h.drawing, 2, 4, {model, r});
    const std::string dxf = h.Finish();
    int titles = 0;
    for (const auto& t : DxfEntities(dxf, "TEXT"))
        if (Group(t, 1).rfind("Biegemomentverlauf", 0) == 0) ++titles;
    EXPECT_EQ(titles, 3);
    // Shared range -125..250 Nm: NiceScale gives -150..250 with step 50. The x-y frame at
    // y 85, height 28: the middle (250 Nm) on its top edge, 85 + 28; x-z's -125 Nm at
    // 45 + 25 / 400 * 28 = 46.75.
    EXPECT_TRUE(HasLineEndingAt(dxf, "25", "80.000000", "113.000000"));
    EXPECT_TRUE(HasLineEndingAt(dxf, "25", "80.000000", "46.750000"));
}

TEST(BeamSketch, LoadsAppearInThePlanesTheyActIn) {
    BeamModel m;
    m.length = 1000;
    m.supportType = kFourHinges;
    m.supportX = {0, 1000, 300, 600, 0};
    m.pointLoadCount = 2;
    m.pointLoads[1] = {100, 200, 90, ""};  // only in x-z
    m.pointLoads[2] = {100, 400, 45, ""};  // in both, 100 cos 45 = 70.71 each
    SupportReactions r;
    EXPECT_DOUBLE_EQ(static_cast<double>(PlaneAngleOffset(m, 2)), -90);
    PlotFrame f;
    f.xmin = 0;
    f.xmax = 1000;
    f.width = 100;
    f.x0 = 0;
    for (int plane = 1; plane <= 2; ++plane) {
        DrawingHarness h(CadOutput::Dxf);
        Drawing& d = h.Begin();
        DrawBeamSketch(d, f, m, r, plane, 50);
        const std::string dxf = h.Finish();
        std::vector<std::string> texts;
        for (const auto& t : DxfEntities(dxf, "TEXT")) texts.push_back(Group(t, 1));
        auto has = [&](const std::string& s) {
            return std::find(texts.begin(), texts.end(), s) != texts.end();
        };
        EXPECT_EQ(has("100"), plane == 2) << plane;  // the 90 degree force
        EXPECT_TRUE(has("70.71")) << plane << " " << ::testing::PrintToString(texts);
        // Supports A, B, C, D: four hinge circles on the axis.
        EXPECT_EQ(DxfEntities(dxf, "CIRCLE").size(), 4u);
    }
}

TEST(BeamSketch, ClampAtTheEndIsTurned) {
    BeamModel m;
    m.length = 1000;
    m.supportType = kFixedClamp;
    SupportReactions r;
    PlotFrame f;
    f.xmin = 0;
    f.xmax = 1000;
    f.width = 100;
    f.x0 = 0;
    auto firstHatch = [&](Real clampX) {
        m.clampX = clampX;
        DrawingHarness h(CadOutput::Dxf);
        Drawing& d = h.Begin();
        DrawBeamSketch(d, f, m, r, 1, 50);
        const auto lines = DxfEntities(h.Finish(), "LINE");
        return std::stod(Group(lines.at(2), 11)) - std::stod(Group(lines.at(2), 10));
    };
    EXPECT_LT(firstHatch(0), 0);     // strokes behind the wall at the left end
    EXPECT_GT(firstHatch(1000), 0);  // turned at the right end
}

}  // namespace
}  // namespace bxr::test

namespace bxr::test {
namespace {
using namespace gfx;

// Horizontal lines of pen 17 (axes and grid) at a sheet height, with and without line type.
int AxisLinesAt(const std::string& dxf, const std::string& y) {
    int n = 0;
    for (const auto& e : DxfEntities(dxf, "LINE"))
        if (Group(e, 8) == "17" && Group(e, 20) == y && Group(e, 21) == y) ++n;
    return n;
}

TEST(Diagram, XAxisOnlyWhereZeroLiesInTheRange) {
    BeamModel model;
    model.length = 1000;
    PlotFrame f;  // origin (15, 6), 130 x 60
    // Values 100..200: NiceScale gives 100..220 with step 20, so no axis at 0.
    {
        DrawingHarness h(CadOutput::Dxf);
        Drawing& d = h.Begin();
        DrawAxes(d, f, "x", "y", "t", 0, 1000, 100, 200);
        const std::string dxf = h.Finish();
        EXPECT_EQ(f.ymin, 100);
        // At the lower edge only the tick mark and the grid line of the first y tick.
        EXPECT_EQ(AxisLinesAt(dxf, "6.000000"), 2);
    }
    // Values 0..200: the lower limit is exactly 0 and the axis lies on the lower edge.
    {
        PlotFrame g;
        DrawingHarness h(CadOutput::Dxf);
        Drawing& d = h.Begin();
        DrawAxes(d, g, "x", "y", "t", 0, 1000, 0, 200);
        EXPECT_EQ(g.ymin, 0);
        EXPECT_EQ(AxisLinesAt(h.Finish(), "6.000000"), 3);  // axis, tick mark, grid line
    }
}

}  // namespace
}  // namespace bxr::test
