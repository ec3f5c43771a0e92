#include "graphics/display_list.h"

#include <gtest/gtest.h>

#include "config/configuration.h"
#include "graphics/cad_settings.h"
#include "graphics/pen_style.h"
#include "graphics/window_sink.h"

namespace bxr {
namespace {

TEST(DisplayList, HeaderMapsTheSheetIsotropicallyOntoTheClientArea) {
    DisplayList list;
    list.SetClientSize(800, 600);
    ASSERT_TRUE(list.Header(0, 0, 160, 120));
    // 800 / 160 = 5 pixels per mm both ways; t = 5 * 0.75 * 800 / 600 = 5.
    EXPECT_DOUBLE_EQ(static_cast<double>(list.scaleX()), 5.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(list.scaleY()), 5.0);
    EXPECT_EQ(list.PixelX(80), 400);
    EXPECT_EQ(list.PixelY(60), 300);
    EXPECT_EQ(list.PixelY(0), 600);
    EXPECT_EQ(list.records().at(0), "10;0;0;800;600;0;0;160;120");
}

TEST(DisplayList, PrintedPageScalesTheScreenMapping) {
    DisplayList list;
    list.SetClientSize(800, 600);
    list.Header(0, 0, 160, 120);
    // Page 4200 x 3000 pixels, margin 10 mm of 210: 200 pixels; x = 80 is screen pixel 400,
    // half the client width: 200 + 4200 * 400 / 800 = 2300.
    EXPECT_EQ(list.PrintX(80, 4200, 10, 1), 2300);
    // Print scale 0.5: 200 + 4200 * 400 * 0.5 / 800 = 1250.
    EXPECT_EQ(list.PrintX(80, 4200, 10, 0.5L), 1250);
    // y = 120 is the top (screen 0): only the margin, 3000 * 10 / 210 = 142.
    EXPECT_EQ(list.PrintY(120, 3000, 10, 1), 142);
}

TEST(DisplayList, IsotropicScaleTakesTheSmallerOfTheTwo) {
    DisplayList list;
    list.SetClientSize(1000, 500);
    ASSERT_TRUE(list.Header(0, 0, 100, 100));
    // sx = 10, sy = 5, t = 5 * 0.75 * 1000 / 500 = 7.5 -> sx = 7.5, sy stays 5.
    EXPECT_DOUBLE_EQ(static_cast<double>(list.scaleX()), 7.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(list.scaleY()), 5.0);
    list.SetClientSize(400, 800);
    ASSERT_TRUE(list.Header(0, 0, 100, 100));
    // sx = 4, sy = 8, t = 8 * 0.375 = 3 -> sx >= t: sx = 3.
    EXPECT_DOUBLE_EQ(static_cast<double>(list.scaleX()), 3.0);
}

TEST(DisplayList, EqualLimitsAreRefusedAndChangeNothing) {
    DisplayList list;
    ASSERT_TRUE(list.Header(0, 0, 160, 120));
    EXPECT_FALSE(list.SetWindow(false, true, 5, 0, 5, 10));
    EXPECT_FALSE(list.SetWindow(false, true, 0, 3, 10, 3));
    EXPECT_EQ(list.world().x1, 160);
    EXPECT_EQ(list.records().size(), 2u);  // the window and the line style of Header
}

TEST(DisplayList, ZoomToARectangleAndBack) {
    DisplayList list;
    list.SetClientSize(800, 600);
    list.Header(0, 0, 160, 120);
    list.SetScale(100, 100, 100, 300);  // no width: ignored
    EXPECT_EQ(list.world().x0, 0);
    list.SetScale(0, 300, 400, 600);  // the lower left quarter
    EXPECT_DOUBLE_EQ(static_cast<double>(list.world().x1), 80.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(list.world().y1), 60.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(list.scaleX()), 10.0);
    EXPECT_EQ(list.PixelX(40), 400);
    list.ProcessKey(ViewKey::Escape);
    EXPECT_EQ(list.world().x1, 160);
    list.MouseDown(400, 0);
    list.MouseMove(600, 100);
    EXPECT_TRUE(list.rubberBandActive());
    list.MouseUp(800, 300);  // the upper right quarter
    EXPECT_DOUBLE_EQ(static_cast<double>(list.world().x0), 80.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(list.world().y0), 60.0);
}

TEST(DisplayList, KeysPanByStepsAndZoomAboutTheCentre) {
    DisplayList list;
    list.Header(0, 0, 100, 100);
    list.ProcessKey(ViewKey::Right);  // one step of 0.1 of the width
    EXPECT_DOUBLE_EQ(static_cast<double>(list.world().x0), 10.0);
    list.ProcessKey(ViewKey::PageDown);  // five steps down
    EXPECT_DOUBLE_EQ(static_cast<double>(list.world().y0), -50.0);
    list.ProcessKey(ViewKey::F5);
    list.ProcessKey(ViewKey::Plus);  // 1.2 times: the width becomes 100 / 1.2
    EXPECT_NEAR(static_cast<double>(list.world().x1 - list.world().x0), 83.3333333, 1e-6);
    EXPECT_NEAR(static_cast<double>(list.world().x0 + list.world().x1), 100.0, 1e-9);
}

TEST(DisplayList, ConfiguredZoomAndPanFactorsDriveTheKeys) {
    Configuration config;
    config.zoomFactor = 1.5;
    config.panFactor = 0.25;
    const CadSettings cad = CadSettingsFrom(config);
    DisplayList list;
    WindowSink sink(list, cad);
    list.Header(0, 0, 100, 100);
    list.ProcessKey(ViewKey::Left);  // a quarter of the width
    EXPECT_NEAR(static_cast<double>(list.world().x0), -25.0, 1e-9);
    list.ProcessKey(ViewKey::F5);
    list.ProcessKey(ViewKey::Minus);  // 1.5 times farther: 150 wide about the centre 50
    EXPECT_NEAR(static_cast<double>(list.world().x0), -25.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(list.world().x1), 125.0, 1e-9);
}

TEST(DisplayList, ArcsUnderFourDegreesAreChords) {
    DisplayList list;
    list.Arc(0, 0, 10, 0, 3);
    list.Arc(0, 0, 10, 0, 90);
    list.Arc(0, 0, 10, 350, 10);  // 20 degrees through zero
    ASSERT_EQ(list.records().size(), 3u);
    EXPECT_EQ(list.records()[0].substr(0, 2), "4;");
    EXPECT_EQ(list.records()[1], "5;-10;-10;10;10;10;0;0;10");
    EXPECT_EQ(list.records()[2].substr(0, 2), "5;");
}

TEST(DisplayList, RepeatedSettingsAddOneRecord) {
    DisplayList list;
    list.SetColor(4);
    list.SetColor(4);
    list.SetLineStyle(2);
    list.SetLineStyle(2);
    list.SetLineWidth(3);
    list.SetLineWidth(3);
    list.SetColor(16);  // above the 16 colours: ignored
    EXPECT_EQ(list.records(), (std::vector<std::string>{"8;4", "11;2", "12;3"}));
}

TEST(DisplayList, RecordsUseEightSignificantDigits) {
    DisplayList list;
    list.Line(1.0L / 3, 2, 12345.678912L, -0.5L);
    list.OutTextXY(1.5, 2, "A;B");
    EXPECT_EQ(list.records()[0], "4;0.33333333;2;12345.679;-0.5");
    DisplayRecord r;
    ASSERT_TRUE(ParseDisplayRecord(list.records()[1], r));
    EXPECT_EQ(r.code, 6);
    EXPECT_EQ(r.text, "A;B");
    ASSERT_TRUE(ParseDisplayRecord(list.records()[0], r));
    EXPECT_EQ(r.values.size(), 4u);
    EXPECT_NEAR(static_cast<double>(r.values[2]), 12345.679, 1e-9);
    EXPECT_FALSE(ParseDisplayRecord("4;1;2;3", r));
    EXPECT_FALSE(ParseDisplayRecord("99;1", r));
    EXPECT_FALSE(ParseDisplayRecord("garbage", r));
}

TEST(PenStyle, CadColoursShowInTheMatchingLightPaletteColours) {
    EXPECT_EQ(GetColorTurbo(1), 12);  // red
    EXPECT_EQ(GetColorTurbo(2), 14);  // yellow
    EXPECT_EQ(GetColorTurbo(5), 9);   // blue
    EXPECT_EQ(GetColorTurbo(7), 15);  // white
    EXPECT_EQ(GetColorTurbo(9), 2);
    EXPECT_EQ(GetColorTurbo(20), 9);  // 20 mod 16 + 1 = 5, blue
    EXPECT_EQ(PaletteRgb(12, 0), 0xFF0000u);
    EXPECT_EQ(PaletteRgb(0, 0x123456), 0x123456u);
    EXPECT_EQ(LineStyleOfName("STRICHPUNKT"), 2);
    EXPECT_EQ(LineStyleOfName("HIDDEN"), 3);
    EXPECT_EQ(LineStyleOfName("CONTINUOUS"), 0);
}

TEST(PenStyle, WindowWidthsOutsideTwoToFiftyCountAsOne) {
    CadSettings cad;
    cad.layers[1].width = 3;
    cad.layers[2].width = 60;
    cad.numberedWidths[20] = 7;
    EXPECT_EQ(PenLineWidth(cad, 1), 3);
    EXPECT_EQ(PenLineWidth(cad, 2), 1);
    EXPECT_EQ(PenLineWidth(cad, 20), 7);
    EXPECT_EQ(PenLineWidth(cad, 36), 7);  // 36 -> 20
    EXPECT_EQ(PenLineStyle(cad, 1), 2);
    EXPECT_EQ(PenLineStyle(cad, 2), 3);
    EXPECT_EQ(PenLineStyle(cad, 3), 0);
}

}  // namespace
}  // namespace bxr
