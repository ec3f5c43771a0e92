#include "graphics/dxf_sink.h"

#include <gtest/gtest.h>

#include "config/configuration.h"
#include "graphics_test_support.h"

namespace bxr::test {
namespace {
using namespace gfx;

TEST(DxfSink, FullArcsBecomeCirclesAndPartArcsStayArcs) {
    DrawingHarness h(CadOutput::Dxf);
    Drawing& d = h.Begin();
    d.Arc(10, 20, 5, 0, 360);
    d.Arc(10, 20, 6, 360, 0);
    d.Arc(10, 20, 7, 45, 45);
    d.Arc(10, 20, 8, 0, 90);
    std::string text = h.Finish();
    auto circles = DxfEntities(text, "CIRCLE");
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_EQ(Group(circles[0], 40), "5.000000");
    EXPECT_EQ(Group(circles[2], 40), "7.000000");
    auto arcs = DxfEntities(text, "ARC");
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(Group(arcs[0], 10), "10.000000");
    EXPECT_EQ(Group(arcs[0], 50), "0.000000");
    EXPECT_EQ(Group(arcs[0], 51), "90.000000");
}

TEST(DxfSink, PensSelectLayers) {
    DrawingHarness h(CadOutput::Dxf);
    h.cad.layers[3].name = "KONTUR";
    Drawing& d = h.Begin();
    const int pens[] = {0, 3, 40, 7, 31};
    for (int p : pens) {
        d.Pen(p);
        d.Line(0, 0, 1, 1);
    }
    auto lines = DxfEntities(h.Finish(), "LINE");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(Group(lines[0], 8), "0");
    EXPECT_EQ(Group(lines[1], 8), "KONTUR");  // pens 1..5 are the named layers
    EXPECT_EQ(Group(lines[2], 8), "24");      // 40 mod 16 + 16 = 8 + 16
    EXPECT_EQ(Group(lines[3], 8), "7");
    EXPECT_EQ(Group(lines[4], 8), "31");
}

TEST(DxfSink, ConfiguredLayersBelongToTheirPens) {
    Configuration config;  // the file's layers 0..4 are those of pens 1..5
    config.layers[1] = {"KANTEN", 5};
    config.layers[0] = {"0", 3};  // a name that would hide the pen in layer "0"
    config.layers[4] = {"MITTE", 6};
    const CadSettings cad = CadSettingsFrom(config);
    EXPECT_EQ(PenLayerName(cad, 0), "0");
    EXPECT_EQ(PenLayerName(cad, 1), "1");
    EXPECT_EQ(PenCadColour(cad, 1), 3);
    EXPECT_EQ(PenLayerName(cad, 2), "KANTEN");
    EXPECT_EQ(PenCadColour(cad, 2), 5);
    EXPECT_EQ(PenLayerName(cad, 4), "4");
    EXPECT_EQ(PenLayerName(cad, 5), "MITTE");
    EXPECT_EQ(PenCadColour(cad, 5), 6);
}

TEST(DxfSink, NumberedLayerSwitchMakesPenThreeLayerThree) {
    DrawingHarness h(CadOutput::Dxf);
    h.cad.layers[3].name = "KONTUR";
    h.cad.numberedLayers = true;
    Drawing& d = h.Begin();
    d.Pen(3);
    d.Line(0, 0, 1, 1);
    auto lines = DxfEntities(h.Finish(), "LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Group(lines[0], 8), "3");
}

TEST(DxfSink, GroupCodesAreRightAlignedAndDecimalMarkIsAlwaysAPoint) {
    OutputSettings comma;
    comma.decimalSeparator = 2;
    DrawingHarness h(CadOutput::Dxf, comma);
    Drawing& d = h.Begin();
    d.Line(1.5, 2.25, 3, 4);
    std::string text = h.Finish();
    auto lines = Lines(text);
    EXPECT_EQ(lines[0], "  0");
    EXPECT_EQ(lines[1], "SECTION");
    EXPECT_EQ(lines[2], "  2");
    EXPECT_EQ(lines[3], "HEADER");
    EXPECT_EQ(lines[4], "  9");
    EXPECT_EQ(lines[5], "$EXTMIN");
    EXPECT_EQ(lines[6], " 10");
    EXPECT_EQ(lines[7], "0.000000");
    auto entity = DxfEntities(text, "LINE").at(0);
    EXPECT_EQ(Group(entity, 10), "1.500000");
    EXPECT_EQ(Group(entity, 20), "2.250000");
    EXPECT_EQ(text.find(','), std::string::npos);
    EXPECT_EQ(lines.back(), "EOF");
}

TEST(DxfSink, DecimalsFollowTheConfiguredCount) {
    DrawingHarness h(CadOutput::Dxf);
    h.cad.dxfDecimals = 2;
    Drawing& d = h.Begin();
    d.Circle(1.0 / 3, 2, 0.126);
    auto c = DxfEntities(h.Finish(), "CIRCLE").at(0);
    EXPECT_EQ(Group(c, 10), "0.33");
    EXPECT_EQ(Group(c, 40), "0.13");
}

// The LAYER table: its count is 24 whatever the scheme; the layers follow the scheme.
std::vector<std::pair<std::string, std::string>> LayerTable(const std::string& text) {
    auto pairs = DxfPairs(Lines(text));
    std::vector<std::pair<std::string, std::string>> layers;  // name, colour
    for (std::size_t i = 0; i + 4 < pairs.size(); ++i)
        if (pairs[i].first == 0 && pairs[i].second == "LAYER")
            layers.emplace_back(pairs[i + 1].second, pairs[i + 3].second);
    return layers;
}

std::string LayerCount(const std::string& text) {
    auto pairs = DxfPairs(Lines(text));
    for (std::size_t i = 0; i + 1 < pairs.size(); ++i)
        if (pairs[i].first == 2 && pairs[i].second == "LAYER") return pairs[i + 1].second;
    return "";
}

TEST(DxfSink, LayerSchemes) {
    for (int scheme = 0; scheme <= 2; ++scheme) {
        DrawingHarness h(CadOutput::Dxf);
        Drawing& d = *h.drawing;
        d.Sheet(0, 0, 160, 120);
        d.Tables(scheme);
        d.PageBegin();
        std::string text = h.Finish();
        EXPECT_EQ(LayerCount(text), "24") << scheme;
        auto layers = LayerTable(text);
        if (scheme == 1) {
            ASSERT_EQ(layers.size(), 16u);
            EXPECT_EQ(layers[0], std::make_pair(std::string("0"), std::string("1")));
            EXPECT_EQ(layers[15], std::make_pair(std::string("15"), std::string("16")));
        } else {
            ASSERT_EQ(layers.size(), scheme == 0 ? 6u : 22u);
            // Defaults: colours 2, 2, 2, 3, 1 for the named layers "1".."5".
            EXPECT_EQ(layers[4], std::make_pair(std::string("4"), std::string("3")));
            EXPECT_EQ(layers[5], std::make_pair(std::string("5"), std::string("1")));
            if (scheme == 2) {
                EXPECT_EQ(layers[21].first, "31");
            }
        }
    }
}

TEST(DxfSink, MonochromeGivesEveryLayerColourOne) {
    DrawingHarness h(CadOutput::Dxf);
    h.cad.monochrome = true;
    h.Begin();
    for (const auto& [name, colour] : LayerTable(h.Finish())) EXPECT_EQ(colour, "1") << name;
}

TEST(DxfSink, TextPlacementFollowsTheAlignment) {
    DrawingHarness h(CadOutput::Dxf);
    Drawing& d = h.Begin();
    d.TextSize(0, 2);  // width factor 0.7: "ABCD" is 4 * 2 * 0.7 = 5.6 long
    d.TextAlign(1, 1);
    d.Text(10, 20, "ABCD");  // centred: x - 2.8, middle: y - 1
    d.TextAlign(2, 2);
    d.Text(10, 20, "ABCD");  // right: x - 5.6, top: y - 2
    d.TextSize(1.5, 3, 90);
    d.TextAlign(0, 0);
    d.SetOffset(100, 50);
    d.Text(1, 2, "X");
    auto texts = DxfEntities(h.Finish(), "TEXT");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(Group(texts[0], 10), "7.200000");
    EXPECT_EQ(Group(texts[0], 20), "19.000000");
    EXPECT_EQ(Group(texts[0], 41), "0.7");
    EXPECT_EQ(Group(texts[0], 50), "0.0");
    EXPECT_EQ(Group(texts[1], 10), "4.400000");
    EXPECT_EQ(Group(texts[1], 20), "18.000000");
    EXPECT_EQ(Group(texts[2], 10), "101.000000");
    EXPECT_EQ(Group(texts[2], 20), "52.000000");
    EXPECT_EQ(Group(texts[2], 40), "3.000000");
    EXPECT_EQ(Group(texts[2], 41), "0.5");
    EXPECT_EQ(Group(texts[2], 50), "90.0");
    EXPECT_EQ(Group(texts[2], 7), "STANDARD");
}

TEST(DxfSink, SolidCornersInOutlineOrderAreWrittenAsTheSolidFillsThem) {
    DrawingHarness h(CadOutput::Dxf);
    Drawing& d = h.Begin();
    d.Solid(0, 0, 10, 0, 10, 5, 0, 5);
    auto s = DxfEntities(h.Finish(), "SOLID").at(0);
    EXPECT_EQ(Group(s, 12), "0.000000");  // third written corner is the fourth of the outline
    EXPECT_EQ(Group(s, 22), "5.000000");
    EXPECT_EQ(Group(s, 13), "10.000000");
}

TEST(DxfSink, BlocksPrecedeTheEntities) {
    DrawingHarness h(CadOutput::Dxf);
    Drawing& d = h.Begin();
    d.BlockBegin("MARK");
    d.Circle(0, 0, 1);
    d.BlockEnd();
    d.Insert("MARK", 50, 60, 2, 2, 30);
    EXPECT_FALSE(d.Insert("NONE", 1, 1));
    std::string text = h.Finish();
    EXPECT_LT(text.find("BLOCKS"), text.find("ENTITIES"));
    EXPECT_LT(text.find("ENDBLK"), text.find("ENTITIES"));
    auto inserts = DxfEntities(text, "INSERT");
    ASSERT_EQ(inserts.size(), 1u);
    EXPECT_EQ(Group(inserts[0], 2), "MARK");
    EXPECT_EQ(Group(inserts[0], 41), "2.000000");
    EXPECT_EQ(Group(inserts[0], 50), "30.000000");
    EXPECT_TRUE(DxfEntities(text, "CIRCLE").empty());  // the circle lives in the block only
}

TEST(DxfSink, AFailedWriteSetsTheAbortFlag) {
    DrawingHarness h(CadOutput::Dxf);
    h.fs.failWrites = true;
    Drawing& d = h.Begin();
    d.Line(0, 0, 1, 1);
    EXPECT_FALSE(d.Close());
    EXPECT_TRUE(h.abortFlag);
    EXPECT_NE(d.failure().find("out.dxf"), std::string::npos);
}

}  // namespace
}  // namespace bxr::test

namespace bxr::test {
namespace {
using namespace gfx;

// The header declares the code page of the texts' bytes, and every reader gets "Fläche" and
// "cm²" back: type 1 in the DXF Unicode form (pure ASCII), type 2 as Windows-1252 bytes,
// type 3 folded to ASCII.
TEST(DxfSink, HeaderCodePageMatchesTheBytesOfTheTexts) {
    struct Case {
        int type;
        const char* codePage;
        const char* text;
    };
    for (const Case& c : {Case{1, "dos850", "Fl\\U+00E4che 3 cm\\U+00B2 \\U+00B5 45\\U+00B0"},
                          Case{2, "ANSI_1252",
                               "Fl\xE4"
                               "che 3 cm\xB2 \xB5 45\xB0"},
                          Case{3, "ANSI_1252", "Flaeche 3 cm2 u 45deg"}}) {
        OutputSettings s;
        s.cadTextType = static_cast<std::uint16_t>(c.type);
        DrawingHarness h(CadOutput::Dxf, s);
        Drawing& d = h.Begin();
        d.Text(10, 10,
               "Fl\x84"
               "che 3 cm\xFD \xE6 45\xF8");
        const std::string file = h.Finish();
        EXPECT_NE(file.find("  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n"), std::string::npos);
        EXPECT_NE(file.find("  9\r\n$DWGCODEPAGE\r\n  3\r\n" + std::string(c.codePage) + "\r\n"),
                  std::string::npos)
            << c.type;
        auto texts = DxfEntities(file, "TEXT");
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(Group(texts[0], 1), c.text) << c.type;
        if (c.type != 2) {
            for (unsigned char b : file) ASSERT_LT(b, 0x80) << c.type;
        }
    }
}

}  // namespace
}  // namespace bxr::test
