#include "graphics/material_sheet.h"

#include <gtest/gtest.h>

#include <memory>

#include "graphics/drawing.h"
#include "workspace/workspace.h"
#include "format/code_page.h"

namespace bxr {
namespace {

// Keeps the texts a drawing sends, with their place and height.
struct TextSink : DrawingSink {
    struct Item {
        Real x, y, height;
        std::string text;
    };
    std::vector<Item>* items;
    Real* sheet;
    explicit TextSink(std::vector<Item>* i, Real* s) : items(i), sheet(s) {}
    void Sheet(Real x0, Real y0, Real x1, Real y1) override {
        sheet[0] = x0, sheet[1] = y0, sheet[2] = x1, sheet[3] = y1;
    }
    bool Close() override { return true; }
    void Pen(int) override {}
    void Line(Real, Real, Real, Real) override {}
    void Circle(Real, Real, Real) override {}
    void Arc(Real, Real, Real, Real, Real) override {}
    void Text(Real x, Real y, const std::string& t, const TextState& s) override {
        items->push_back({x, y, s.height, t});
    }
    void Solid(const Real (&)[4], const Real (&)[4]) override {}
};

Workspace Wst1Material() {
    Workspace ws;
    ws.model.drawingName = "Welle";
    ws.model.drawingNumber = "4711";
    ws.model.materialSource = 3;
    MaterialRecord& m = ws.model.material;
    m.name = "42CrMo4";
    m.code = "1.7225";
    m.e = 210000;
    m.g = 80769.23L;
    m.density = 7.85L;
    m.rm = 1100;
    m.re = 900;
    ws.materials.dynamic.sigW = 440;
    ws.materials.dynamic.sigBW = 550;
    return ws;
}

TEST(MaterialSheet, LinesOfATableMaterialShowOnlyTheGivenFatigueValues) {
    const std::vector<std::string> lines = MaterialSheetLines(Wst1Material());
    const std::vector<std::string> expected{"Werkstoffkennwerte für Welle 4711"_oem,
                                            "",
                                            "42CrMo4\tWst-Nr.: 1.7225",
                                            "",
                                            "E = 210000 MPa",
                                            "G =  80769 MPa",
                                            "rho =   7.85 kg/dm3",  // 3 integer digits, 2 decimals
                                            "Rm = 1100 MPa",
                                            "Re =  900 MPa",
                                            "sig.W =  440 MPa",
                                            "sig.bW =  550 MPa"};
    EXPECT_EQ(lines, expected);
}

TEST(MaterialSheet, Din743MaterialShowsTheRowValues) {
    Workspace ws = Wst1Material();
    ws.model.materialSource = 4;
    ws.materials.din743.sigZdW = 440;
    ws.materials.din743.sigBW = 550;
    ws.materials.din743.tauTW = 330;
    const std::vector<std::string> lines = MaterialSheetLines(ws);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[9], "Sig.zdW =     440 MPa");
    EXPECT_EQ(lines[10], "Sig.bF =     900 MPa");
    EXPECT_EQ(lines[12], "tau tF =     519 MPa");  // 0.577 * 900 = 519.3
    EXPECT_EQ(lines[13], "tau tW =     330 MPa");
}

TEST(MaterialSheet, DrawnOnA120By160SheetWithTheHeadingLarger) {
    std::vector<TextSink::Item> items;
    Real sheet[4] = {};
    bool abort = false;
    OutputSettings out;
    CadSettings cad;
    Drawing d(std::make_unique<TextSink>(&items, sheet), CadOutput::Svg, out, cad, abort);
    DrawMaterialSheet(d, Wst1Material());
    EXPECT_EQ(sheet[2] - sheet[0], 120);
    EXPECT_EQ(sheet[3] - sheet[1], 160);
    ASSERT_GE(items.size(), 5u);
    EXPECT_EQ(items[0].height, 3.5L);
    EXPECT_EQ(items[1].height, 3.0L);
    // The number after the tab stands to the right of the name on the same line.
    EXPECT_EQ(items[1].text, "42CrMo4");
    EXPECT_EQ(items[2].text, "Wst-Nr.: 1.7225");
    EXPECT_EQ(items[1].y, items[2].y);
    EXPECT_GT(items[2].x, items[1].x);
    for (std::size_t i = 1; i < items.size(); ++i) EXPECT_LE(items[i].y, items[i - 1].y);
    EXPECT_GT(items.back().y, 0);
}

}  // namespace
}  // namespace bxr
