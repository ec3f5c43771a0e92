// The element text file, the SVG output, the window output and the plot command line.
#include <gtest/gtest.h>

#include "graphics/plot_command.h"
#include "graphics/svg_sink.h"
#include "graphics/window_sink.h"
#include "graphics_test_support.h"
#include "format/code_page.h"

namespace bxr::test {
namespace {
using namespace gfx;

TEST(ElementText, OneElementALineWithTabsAndTheCommaSetting) {
    OutputSettings comma;
    comma.decimalSeparator = 2;
    DrawingHarness h(CadOutput::ElementText, comma);
    h.cad.dxfDecimals = 2;
    Drawing& d = h.Begin();
    d.Line(1.5, 2, 3, 4);
    d.Arc(0, 0, 2, 0, 360);
    d.Arc(0, 0, 2, 10, 20);
    d.Line3D(1, 2, 3, 4, 5, 6);
    d.Text(1, 1, "Länge"_oem);
    auto lines = Lines(h.Finish());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "MINMAX\t0,00\t0,00\t160,00\t120,00");
    EXPECT_EQ(lines[1], "SECTION ENTITIES");
    EXPECT_EQ(lines[2], "LINE\t1,50\t2,00\t3,00\t4,00");
    EXPECT_EQ(lines[3], "CIRCLE\t0,00\t0,00\t2,00");
    EXPECT_EQ(lines[4], "ARC\t0,00\t0,00\t2,00\t10,00\t20,00");
    EXPECT_EQ(lines[5], "3D_LINE\t1,00\t2,00\t3,00\t4,00\t5,00\t6,00");
    EXPECT_EQ(lines[6], "TEXT\t1,00\t1,00\t" + "Länge"_oem);
    EXPECT_EQ(lines[7], "EOF");
}

TEST(ElementText, BlocksComeBeforeTheEntities) {
    DrawingHarness h(CadOutput::ElementText);
    h.cad.dxfDecimals = 1;
    Drawing& d = h.Begin();
    d.BlockBegin("B1");
    d.Line(0, 0, 1, 0);
    d.BlockEnd();
    d.Insert("B1", 5, 6, 1, 1, 0);
    auto lines = Lines(h.Finish());
    EXPECT_EQ(lines, (std::vector<std::string>{"MINMAX\t0.0\t0.0\t160.0\t120.0", "SECTION BLOCKS",
                                               "BLOCK\tB1", "LINE\t0.0\t0.0\t1.0\t0.0",
                                               "END OF BLOCK", "SECTION ENTITIES",
                                               "INSERT\tB1\t5.0\t6.0\t1.0\t1.0\t0.0", "EOF"}));
}

TEST(Svg, SheetYPointsUpAndColoursFollowThePens) {
    DrawingHarness h(CadOutput::Svg);
    Drawing& d = h.Begin();
    d.Pen(20);  // layer 20 colour 5: blue
    d.Line(10, 20, 30, 40);
    d.Pen(4);  // layer 4 colour 3: green, darker on paper
    d.Arc(80, 60, 10, 0, 90);
    d.Text(5, 5, "M<&>"_oem);
    std::string svg = h.Finish();
    EXPECT_NE(svg.find("viewBox=\"0 0 160 120\""), std::string::npos);
    EXPECT_NE(svg.find("<line x1=\"10\" y1=\"100\" x2=\"30\" y2=\"80\" stroke=\"#0000ff\""),
              std::string::npos);
    // From (90, 60) counter-clockwise to (80, 70): y 60 -> 60, 70 -> 50.
    EXPECT_NE(svg.find("<path d=\"M90,60 A10,10 0 0 0 80,50\""), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#00a000\""), std::string::npos);
    EXPECT_NE(svg.find(">M&lt;&amp;&gt;</text>"), std::string::npos);
}

TEST(Svg, BlocksAreReplayedAtEveryInsert) {
    DrawingHarness h(CadOutput::Svg);
    Drawing& d = h.Begin();
    d.BlockBegin("B");
    d.Line(0, 0, 10, 0);
    d.BlockEnd();
    d.Insert("B", 50, 50, 2, 2, 90);  // (0,0)-(10,0) scaled 2, turned 90: (50,50)-(50,70)
    std::string svg = h.Finish();
    EXPECT_NE(svg.find("<line x1=\"50\" y1=\"70\" x2=\"50\" y2=\"50\""), std::string::npos);
    EXPECT_EQ(svg.find("<line", svg.find("<line") + 1), std::string::npos);
}

TEST(WindowOutput, PensBecomeColoursStylesAndWidths) {
    DisplayList list;
    CadSettings cad;
    cad.layers[1].width = 2;
    bool abort = false;
    Drawing d(std::make_unique<WindowSink>(list, cad), CadOutput::Window, OutputSettings{}, cad,
              abort);
    d.Sheet(0, 0, 160, 120);
    d.PageBegin();
    d.Pen(1);  // colour 2 yellow -> palette 14, dash-dot, width 2
    d.Line(0, 0, 10, 10);
    d.Pen(1);
    d.Line(0, 0, 10, 10);
    d.TextSize(0, 5);
    d.Text(1, 2, "A");
    d.PageEnd();
    EXPECT_TRUE(d.Close());
    EXPECT_EQ(list.records(), (std::vector<std::string>{"10;0;0;800;600;0;0;160;120", "11;0",
                                                        "8;14", "11;2", "12;2", "4;0;0;10;10",
                                                        "4;0;0;10;10", "9;5;3.5;0;0", "6;1;2;A"}));
}

TEST(WindowOutput, EqualSheetLimitsSetTheAbortFlag) {
    DisplayList list;
    CadSettings cad;
    bool abort = false;
    Drawing d(std::make_unique<WindowSink>(list, cad), CadOutput::Window, OutputSettings{}, cad,
              abort);
    d.Sheet(0, 0, 0, 120);
    EXPECT_FALSE(d.Close());
    EXPECT_TRUE(abort);
}

TEST(PlotCommand, LinesFromTheAnswers) {
    OutputSettings s;
    PlotCommandAnswers a;
    a.directory = "/opt/quilmar";
    EXPECT_EQ(BuildPlotCommandLine(s, a), "/opt/quilmar/WQUILMAR *.dxf /CHPL");
    a.windowsProgram = false;
    a.format = 2;
    a.interface = 1;
    a.port = 3;
    a.scale = 0;
    a.rotated = true;
    a.xOffset = 12.5;
    a.postscriptFont = "Helvetica";
    EXPECT_EQ(BuildPlotCommandLine(s, a),
              "/opt/quilmar/QUILMAR *.dxf /CPS /D1 /P3 /M* /X12.5 /R /THelvetica");
    a.format = 4;
    a.interface = 3;
    a.outputFile = "plot.out";
    a.scale = 2;
    a.rotated = false;
    a.xOffset = 0;
    a.yOffset = -5;
    EXPECT_EQ(BuildPlotCommandLine(s, a),
              "/opt/quilmar/QUILMAR *.dxf /CPL2 /D3 /Fplot.out /M2 /Y-5");
}

}  // namespace
}  // namespace bxr::test

namespace bxr::test {
namespace {
using namespace gfx;

TEST(TextSafety, LineBreaksAndTabsInTextsCannotBreakTheFiles) {
    const std::string text = "Zeile 1\r\nZeile\t2";
    for (CadOutput kind : {CadOutput::Dxf, CadOutput::ElementText, CadOutput::Iges}) {
        DrawingHarness h(kind);
        Drawing& d = h.Begin();
        d.Text(1, 2, text);
        const std::string file = h.Finish();
        EXPECT_NE(file.find("Zeile 1  Zeile 2"), std::string::npos) << static_cast<int>(kind);
    }
    DisplayList list;
    list.OutTextXY(1, 2, text);
    EXPECT_EQ(list.records().at(0), "6;1;2;Zeile 1  Zeile 2");
}

}  // namespace
}  // namespace bxr::test
