#include "graphics/section_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "graphics_test_support.h"
#include "format/code_page.h"
#include "sections/compute_section.h"

namespace bxr::test {
namespace {
using namespace gfx;

struct SectionCase {
    BeamModel model;
    SectionState section;
    CalcMessages messages;
    ProjectDocumentation documentation;

    void Set(std::initializer_list<ContourPoint> points) {
        model.contourCount = 0;
        for (const auto& p : points) model.contour[++model.contourCount] = p;
        section.massLength = 0;
        ComputeSectionProperties(model, OutputSettings{}, section, messages);
    }
    SectionDrawingInput Input() const { return {model, section, messages, documentation, {}}; }
};

// Extents of the LINE, ARC and CIRCLE entities of a DXF text (arcs by their end points and
// the quadrant points they pass).
struct Box {
    double xmin = 1e300, ymin = 1e300, xmax = -1e300, ymax = -1e300;
    void Add(double x, double y) {
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        ymin = std::min(ymin, y);
        ymax = std::max(ymax, y);
    }
};

Box EntityBox(const std::string& dxf) {
    Box box;
    auto num = [](const auto& e, int code) { return std::stod(Group(e, code)); };
    for (const auto& e : DxfEntities(dxf, "LINE")) {
        box.Add(num(e, 10), num(e, 20));
        box.Add(num(e, 11), num(e, 21));
    }
    for (const auto& e : DxfEntities(dxf, "ARC")) {
        const double x = num(e, 10), y = num(e, 20), r = num(e, 40);
        double a = num(e, 50), b = num(e, 51);
        if (b < a) b += 360;
        box.Add(x + r * std::cos(a * std::numbers::pi / 180),
                y + r * std::sin(a * std::numbers::pi / 180));
        box.Add(x + r * std::cos(b * std::numbers::pi / 180),
                y + r * std::sin(b * std::numbers::pi / 180));
        for (double q = 0; q < 720; q += 90)
            if (q > a && q < b)
                box.Add(x + r * std::cos(q * std::numbers::pi / 180),
                        y + r * std::sin(q * std::numbers::pi / 180));
    }
    return box;
}

TEST(SectionDrawing, OutlineExtentsInTheDxfEqualTheContours) {
    SectionCase c;
    // 60 x 40 with a half circle of radius 20 on the right: y from 0 to 80, z from 0 to 40.
    c.Set({{0, 0, 0}, {60, 0, std::numbers::pi_v<Real>}, {60, 40, 0}, {0, 40, 0}});
    ASSERT_FALSE(c.messages.fatal);
    DrawingHarness h(CadOutput::Dxf);
    ASSERT_TRUE(DrawSectionVariant(*h.drawing, 2, c.Input()));
    const std::string dxf = h.Finish();
    ASSERT_EQ(DxfEntities(dxf, "ARC").size(), 1u);
    ASSERT_EQ(DxfEntities(dxf, "LINE").size(), 3u);
    Box box = EntityBox(dxf);
    EXPECT_NEAR(box.xmin, 0, 1e-6);
    EXPECT_NEAR(box.xmax, 80, 1e-6);
    EXPECT_NEAR(box.ymin, 0, 1e-6);
    EXPECT_NEAR(box.ymax, 40, 1e-6);
    auto arc = DxfEntities(dxf, "ARC")[0];
    EXPECT_EQ(Group(arc, 10), "60.000000");
    EXPECT_EQ(Group(arc, 20), "20.000000");
    EXPECT_EQ(Group(arc, 40), "20.000000");
}

TEST(SectionDrawing, SheetWindowsOfTheVariants) {
    SectionExtents e;  // a 100 x 10 rectangle
    e.ymin = 0;
    e.zmin = 0;
    e.ymax = 100;
    e.zmax = 10;
    e.width = 100;
    e.height = 10;
    SheetLimits s1 = SectionSheet(1, e);  // 10 % left and below, 15 % above, 5 % + h right
    EXPECT_DOUBLE_EQ(static_cast<double>(s1.xmin), -10);
    EXPECT_DOUBLE_EQ(static_cast<double>(s1.ymin), -1);
    EXPECT_DOUBLE_EQ(static_cast<double>(s1.xmax), 115);
    EXPECT_DOUBLE_EQ(static_cast<double>(s1.ymax), 11.5);
    SheetLimits s2 = SectionSheet(2, e);
    EXPECT_DOUBLE_EQ(static_cast<double>(s2.xmin), -5);
    EXPECT_DOUBLE_EQ(static_cast<double>(s2.ymax), 10.5);
    SheetLimits s5 = SectionSheet(5, e);
    EXPECT_EQ(s5.xmax, 225);
    EXPECT_EQ(s5.ymax, 310);
    EXPECT_EQ(SectionDrawingName(3), "KORMTAB");
    EXPECT_EQ(SectionDrawingName(5), "KORM");
}

TEST(SectionDrawing, ResultsTableShowsTheRectanglesValues) {
    SectionCase c;
    c.Set({{0, 0, 0}, {100, 0, 0}, {100, 10, 0}, {0, 10, 0}});
    DrawingHarness h(CadOutput::ElementText);
    ASSERT_TRUE(DrawSectionVariant(*h.drawing, 3, c.Input()));
    const auto lines = Lines(h.Finish());
    // Heading at (5, 120) aligned by its top: height 3.5 without mass rows.
    EXPECT_EQ(lines[2], "TEXT\t5.000000\t116.500000\tERGEBNISSE");
    // The area row two text heights lower: A = 1000 mm2, value column 34 * 0.9 * 3.5 further
    // (25 + 4 + 4 characters, the symbol column widened to 5 for "Izeta").
    bool area = false, ys = false;
    for (const auto& l : lines) {
        if (l == "TEXT\t112.100000\t109.500000\t1000") area = true;
        if (l.find("\t50") != std::string::npos && l.rfind("TEXT", 0) == 0 &&
            l.substr(l.size() - 3) == "\t50")
            ys = true;  // the centroid at y = 50
    }
    EXPECT_TRUE(area);
    EXPECT_TRUE(ys);
}

TEST(SectionDrawing, HatchLinesStayInsideTheSection) {
    SectionCase c;
    c.Set({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
    DrawingHarness h(CadOutput::Dxf);
    Drawing& d = h.Begin();
    DrawHatching(d, c.section.polygon, 1, 0, 0, 2);
    const auto lines = DxfEntities(h.Finish(), "LINE");
    // x - y runs from -10 to 10: lines at -8, -6, ..., 8.
    ASSERT_EQ(lines.size(), 9u);
    for (const auto& l : lines) {
        const double x1 = std::stod(Group(l, 10)), y1 = std::stod(Group(l, 20));
        const double x2 = std::stod(Group(l, 11)), y2 = std::stod(Group(l, 21));
        EXPECT_NEAR(x2 - x1, y2 - y1, 1e-6);  // 45 degrees
        for (double v : {x1, y1, x2, y2}) {
            EXPECT_GE(v, -1e-9);
            EXPECT_LE(v, 10 + 1e-9);
        }
    }
}

TEST(SectionDrawing, AxesStartAtTheCentroidAlongThePrincipalDirections) {
    SectionCase c;
    c.Set({{0, 0, 0}, {100, 0, 0}, {100, 10, 0}, {0, 10, 0}});
    DrawingHarness h(CadOutput::Dxf);
    Drawing& d = h.Begin();
    DrawSectionAxes(d, c.section, false);
    const auto lines = DxfEntities(h.Finish(), "LINE");
    ASSERT_EQ(lines.size(), 4u);
    // e = min(100, 10) = 10: eta 12 long to the right of (50, 5), zeta 12 up.
    EXPECT_EQ(Group(lines[0], 10), "50.000000");
    EXPECT_EQ(Group(lines[0], 20), "5.000000");
    EXPECT_EQ(Group(lines[0], 11), "62.000000");
    EXPECT_EQ(Group(lines[1], 21), "17.000000");
    // phi = 0: v along y, 10 long.
    EXPECT_EQ(Group(lines[2], 11), "60.000000");
}

TEST(SectionDrawing, AFatalSectionShowsTheMessagesInstead) {
    SectionCase c;
    c.Set({{0, 0, 0}, {10, 0, 0}, {20, 0, 0}});  // on one line: A = 0
    ASSERT_TRUE(c.messages.fatal);
    DrawingHarness h(CadOutput::Dxf);
    EXPECT_FALSE(DrawSectionVariant(*h.drawing, 1, c.Input()));
    const std::string dxf = h.Finish();
    EXPECT_TRUE(DxfEntities(dxf, "LINE").empty());
    ASSERT_FALSE(DxfEntities(dxf, "TEXT").empty());
    EXPECT_EQ(Group(DxfEntities(dxf, "TEXT")[0], 1), c.messages.entries[0]);
}

std::vector<std::string> TextsNear(const std::vector<std::string>& lines, const std::string& x) {
    std::vector<std::string> found;
    for (const auto& l : lines)
        if (l.rfind("TEXT\t" + x + "\t", 0) == 0) found.push_back(l);
    return found;
}

TEST(DrawingFrame, TenChangesShowChangesThreeToTenInRowsOneToEight) {
    DrawingHarness h(CadOutput::ElementText);
    h.cad.dxfDecimals = 2;
    BeamModel model;
    ProjectDocumentation doc;
    doc.changeCount = 10;
    for (int i = 1; i <= 10; ++i)
        doc.changes[static_cast<std::size_t>(i)].text = "C" + std::to_string(i);
    Drawing& d = h.Begin();
    DrawFrame(d, model, doc, {});
    const auto lines = Lines(h.Finish());
    const auto texts = TextsNear(lines, "27.00");
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts.front(), "TEXT\t27.00\t10.70\tC3");  // row 1: 4.2 + 6.5
    EXPECT_EQ(texts.back(), "TEXT\t27.00\t40.10\tC10");  // row 8: 33.6 + 6.5
    const auto index = TextsNear(lines, "21.00");
    ASSERT_EQ(index.size(), 8u);
    EXPECT_EQ(index.front(), "TEXT\t21.00\t10.70\tc");  // change 3 in the default style
    EXPECT_EQ(ShownChanges(3), std::make_pair(1, 3));
    EXPECT_EQ(ShownChanges(25), std::make_pair(18, 25));
}

TEST(DrawingFrame, IndexStylesAndFreeTexts) {
    EXPECT_EQ(TitleBlockIndex(0, 1), "a");
    EXPECT_EQ(TitleBlockIndex(1, 12), "12");
    EXPECT_EQ(TitleBlockIndex(2, 3), "C");
    EXPECT_EQ(TitleBlockIndex(3, 3), "");

    DrawingHarness h(CadOutput::Dxf);
    h.cad.changeIndexStyle = 3;
    BeamModel model;
    ProjectDocumentation doc;
    doc.changeCount = 2;
    doc.drawing.freeTextCount = 2;
    doc.drawing.freeTexts[1] = {30, 200, 6, 0, "GROSS"};
    doc.drawing.freeTexts[2] = {30, 190, 0, 0, "GLEICH"};  // height 0 keeps the style
    Drawing& d = h.Begin();
    DrawFrame(d, model, doc, {});
    const std::string dxf = h.Finish();
    int big = 0;
    bool indexSeen = false;
    auto pairs = DxfPairs(Lines(dxf));
    for (std::size_t i = 0; i + 8 < pairs.size(); ++i) {
        if (pairs[i].first != 0 || pairs[i].second != "TEXT") continue;
        std::string text, height, x;
        for (std::size_t j = i + 1; j < pairs.size() && pairs[j].first != 0; ++j) {
            if (pairs[j].first == 1) text = pairs[j].second;
            if (pairs[j].first == 40) height = pairs[j].second;
            if (pairs[j].first == 10) x = pairs[j].second;
        }
        if ((text == "GROSS" || text == "GLEICH") && height == "6.000000") ++big;
        if (x == "21.000000") indexSeen = true;
    }
    EXPECT_EQ(big, 2);
    EXPECT_FALSE(indexSeen);
}

}  // namespace
}  // namespace bxr::test
