#include "graphics/iges_sink.h"

#include <gtest/gtest.h>

#include "graphics_test_support.h"

namespace bxr::test {
namespace {
using namespace gfx;

std::vector<std::string> Section(const std::vector<std::string>& lines, char letter) {
    std::vector<std::string> s;
    for (const auto& l : lines)
        if (l.size() == 80 && l[72] == letter) s.push_back(l);
    return s;
}

// Every line 80 characters, section letters in column 73 in S G D P T order, and each
// section numbered from 1 with seven digits.
void ExpectFixedColumns(const std::vector<std::string>& lines) {
    const std::string order = "SGDPT";
    std::size_t section = 0;
    int expected = 1;
    for (const auto& l : lines) {
        ASSERT_EQ(l.size(), 80u) << l;
        const char letter = l[72];
        if (letter != order[section]) {
            const std::size_t next = order.find(letter);
            ASSERT_NE(next, std::string::npos) << l;
            ASSERT_GT(next, section) << l;
            section = next;
            expected = 1;
        }
        char number[16];
        std::snprintf(number, sizeof number, "%07d", expected++);
        EXPECT_EQ(l.substr(73), number) << l;
    }
}

TEST(IgesSink, OneLineGivesTwoDirectoryLinesAndOneParameterLine) {
    DrawingHarness h(CadOutput::Iges);
    Drawing& d = h.Begin();
    d.Pen(0);
    d.Line(10, 20, 30, 40);
    auto lines = Lines(h.Finish());
    ExpectFixedColumns(lines);
    auto dl = Section(lines, 'D');
    auto pl = Section(lines, 'P');
    ASSERT_EQ(dl.size(), 2u);
    ASSERT_EQ(pl.size(), 1u);
    EXPECT_EQ(pl[0].substr(0, 64).find("110,10.000,20.000,0.0,30.000,40.000,0.0;"), 0u);
    EXPECT_EQ(pl[0].substr(64, 8), "       1");          // D number ends in column 72
    EXPECT_EQ(dl[0].substr(0, 16), "     110       1");  // type, parameter pointer
    EXPECT_EQ(dl[0].substr(64, 8), "00000000");
    EXPECT_EQ(dl[1].substr(24, 8), "       1");  // one parameter line
    auto tl = Section(lines, 'T');
    ASSERT_EQ(tl.size(), 1u);
    EXPECT_EQ(tl[0].substr(0, 32), "S0000002G0000003D0000002P0000001");
}

TEST(IgesSink, ParameterPointersAdvanceByTheLinesOfEachEntity) {
    DrawingHarness h(CadOutput::Iges);
    Drawing& d = h.Begin();
    d.TextSize(0, 3.5);
    d.Text(10, 10, "Biegemoment Mb_xy");  // two parameter groups: two lines
    d.Line(0, 0, 1, 1);
    auto lines = Lines(h.Finish());
    ExpectFixedColumns(lines);
    auto dl = Section(lines, 'D');
    ASSERT_EQ(dl.size(), 4u);
    EXPECT_EQ(dl[0].substr(0, 16), "     212       1");
    EXPECT_EQ(dl[1].substr(24, 8), "       2");
    EXPECT_EQ(dl[2].substr(0, 16), "     110       3");
    auto pl = Section(lines, 'P');
    ASSERT_EQ(pl.size(), 3u);
    EXPECT_EQ(pl[1].substr(0, 21), "17HBiegemoment Mb_xy;");
    EXPECT_EQ(pl[2].substr(64, 8), "       3");
    // Text width = 17 characters * 3.5 * 0.7 = 41.65
    EXPECT_NE(pl[0].find("212,1,17,41.650,3.500,1,,0.000000,0,0,10.000,10.000,0.0,"),
              std::string::npos);
}

TEST(IgesSink, LongParameterTextBreaksAfterACommaOnly) {
    DrawingHarness h(CadOutput::Iges);
    Drawing& d = h.Begin();
    d.Line3D(12345.678, -23456.789, 34567.891, -45678.912, 56789.123, -67890.234);
    auto pl = Section(Lines(h.Finish()), 'P');
    ASSERT_EQ(pl.size(), 2u);
    std::string first = pl[0].substr(0, 64);
    first.erase(first.find_last_not_of(' ') + 1);
    EXPECT_EQ(first.back(), ',');
    EXPECT_EQ(first + pl[1].substr(0, pl[1].find(';') + 1),
              "110,12345.678,-23456.789,34567.891,-45678.912,56789.123,-67890.234;");
}

TEST(IgesSink, CircleStartsAndEndsRightOfTheCentre) {
    DrawingHarness h(CadOutput::Iges);
    Drawing& d = h.Begin();
    d.Arc(10, 20, 5, 0, 360);
    d.Arc(0, 0, 2, 90, 180);
    auto pl = Section(Lines(h.Finish()), 'P');
    ASSERT_EQ(pl.size(), 2u);
    EXPECT_EQ(pl[0].find("100,0.0,10.000,20.000,15.000,20.000,15.000,20.000;"), 0u);
    EXPECT_EQ(pl[1].find("100,0.0,0.000,0.000,0.000,2.000,-2.000,0.000;"), 0u);
}

TEST(IgesSink, CommaDecimalSettingStillWritesPoints) {
    OutputSettings comma;
    comma.decimalSeparator = 2;
    DrawingHarness h(CadOutput::Iges, comma);
    Drawing& d = h.Begin();
    d.Line(1.5, 2.5, 3.5, 4.5);
    auto pl = Section(Lines(h.Finish()), 'P');
    EXPECT_EQ(pl.at(0).find("110,1.500,2.500,0.0,3.500,4.500,0.0;"), 0u);
}

TEST(IgesSink, GlobalSectionCarriesDateUnitsAndModelSize) {
    DrawingHarness h(CadOutput::Iges);
    h.Begin();
    std::string global;
    for (const auto& l : Section(Lines(h.Finish()), 'G')) {
        std::string data = l.substr(0, 72);
        data.erase(data.find_last_not_of(' ') + 1);
        global += data;
    }
    EXPECT_EQ(global.find(",,4HFILE,7Hout.igs,"), 0u);
    EXPECT_NE(global.find(",1.0,2,2HMM,32767,3.2767D1,13H261208.081107,1.0D-8,160.0,"),
              std::string::npos);
    EXPECT_EQ(global.substr(global.size() - 5), ",4,0;");
}

TEST(IgesSink, PensGiveColoursAndLineFonts) {
    DrawingHarness h(CadOutput::Iges);
    Drawing& d = h.Begin();
    d.Pen(1);  // named layer 1: colour 2 (yellow) -> IGES 5, dash-dot -> font 4
    d.Line(0, 0, 1, 1);
    d.Pen(4);  // colour 3 (green) -> IGES 3, solid
    d.Line(0, 0, 1, 1);
    d.Pen(0);  // colour 7 (white) -> IGES 0
    d.Line(0, 0, 1, 1);
    d.Pen(20);  // configured colour of layer 20 (5, blue) -> IGES 4
    d.Line(0, 0, 1, 1);
    auto dl = Section(Lines(h.Finish()), 'D');
    ASSERT_EQ(dl.size(), 8u);
    EXPECT_EQ(dl[0].substr(24, 16), "       4       5");
    EXPECT_EQ(dl[2].substr(24, 16), "       1       3");
    EXPECT_EQ(dl[4].substr(24, 16), "       1       0");
    EXPECT_EQ(dl[6].substr(24, 16), "       1       4");
    EXPECT_EQ(dl[7].substr(16, 8), "       4");
}

TEST(IgesSink, DrawingColoursKeepTheirMeaningAsIgesColours) {
    EXPECT_EQ(IgesSink::IgesColour(1), 2);   // red
    EXPECT_EQ(IgesSink::IgesColour(5), 4);   // blue
    EXPECT_EQ(IgesSink::IgesColour(8), 8);   // white
    EXPECT_EQ(IgesSink::IgesColour(15), 1);  // black
    EXPECT_EQ(IgesSink::IgesColour(7), 0);   // white: the default colour
    EXPECT_EQ(IgesSink::IgesColour(9), 10);  // the light colours 9..14 follow the numbers
    EXPECT_EQ(IgesSink::IgesColour(14), 15);
}

TEST(IgesSink, BlocksBecomeSubfigureDefinitionsAndInstances) {
    DrawingHarness h(CadOutput::Iges);
    Drawing& d = h.Begin();
    d.BlockBegin("PFEIL");
    d.Line(0, 0, 1, 0);
    d.Line(1, 0, 0.5, 0.5);
    d.BlockEnd();
    d.Insert("PFEIL", 10, 20);
    d.Insert("PFEIL", 30, 40, 1, 1, 90);
    auto lines = Lines(h.Finish());
    ExpectFixedColumns(lines);
    auto dl = Section(lines, 'D');
    auto pl = Section(lines, 'P');
    ASSERT_EQ(dl.size(), 12u);                   // 110, 110, 308, 408, 124, 408
    EXPECT_EQ(dl[0].substr(64, 8), "00010000");  // members are dependent
    EXPECT_EQ(dl[4].substr(0, 8), "     308");
    EXPECT_EQ(dl[5].substr(56, 8), "   PFEIL");
    EXPECT_EQ(pl[2].find("308,0,5HPFEIL,2,"), 0u);
    EXPECT_EQ(pl[3].find("1,3;"), 0u);  // the member list on lines of its own
    EXPECT_EQ(pl[4].find("408,5,10.000,20.000,0.0,1.000;"), 0u);
    EXPECT_EQ(pl[5].find("124,0.000000,-1.000000,0.0,30.000,1.000000,0.000000,0.0,40.000,"), 0u);
    EXPECT_EQ(dl[8].substr(64, 8), "00010000");
    EXPECT_EQ(dl[10].substr(48, 8), "       9");  // the 408 points to its matrix
}

TEST(IgesWrap, HollerithStringsWithCommasStayWhole) {
    auto lines = WrapParameters("212,1,2,3,4," + Hollerith("a,b,c,d,e,f") + ";", 16);
    for (const auto& l : lines) EXPECT_LE(l.size(), 16u);
    EXPECT_EQ(lines.back(), "11Ha,b,c,d,e,f;");
}

}  // namespace
}  // namespace bxr::test

namespace bxr::test {
namespace {

// Hollerith strings are ASCII: whatever the CAD text type, umlauts fold to "ae", ..., the
// superscripts to their digits, "µ" to "u" and "°" to "deg".
TEST(IgesSink, TextsAreFoldedToAscii) {
    for (int type : {1, 2, 3}) {
        OutputSettings s;
        s.cadTextType = static_cast<std::uint16_t>(type);
        gfx::DrawingHarness h(CadOutput::Iges, s);
        Drawing& d = h.Begin();
        d.Text(10, 10,
               "Fl\x84"
               "che 3 cm\xFD, W cm\xFC \xE6 45\xF8 \x90");
        const std::string file = h.Finish();
        EXPECT_NE(file.find("30HFlaeche 3 cm2, W cm3 u 45deg E;"), std::string::npos) << type;
        for (unsigned char b : file) ASSERT_LT(b, 0x80) << type;
    }
}

}  // namespace
}  // namespace bxr::test
