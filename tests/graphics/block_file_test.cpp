#include "graphics/block_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "graphics_test_support.h"

namespace bxr::test {
namespace {
using namespace gfx;

// A line 1000 long and a polyline whose bulge 1 makes a half circle from (0,0) to (200,0),
// counter-clockwise, so below the axis: centre (100,0), radius 100, from 180 to 360 degrees.
const char* const kLogo =
    "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"
    "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0.0\r\n 20\r\n0.0\r\n 11\r\n1000.0\r\n 21\r\n0.0\r\n"
    "  0\r\nPOLYLINE\r\n 66\r\n1\r\n  0\r\nVERTEX\r\n 10\r\n0.0\r\n 20\r\n0.0\r\n 42\r\n1.0\r\n"
    "  0\r\nVERTEX\r\n 10\r\n200.0\r\n 20\r\n0.0\r\n  0\r\nSEQEND\r\n"
    "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";

TEST(BlockFile, LogosOfTheBlockFilesGoToTheWindowAndThePlotProgramOnly) {
    // The plot program's DXF: the block once, inserted at the sheet's corner at scale 0.01.
    DrawingHarness plot(CadOutput::Plot);
    plot.fs.files["/tmp/$LOGO_2.dx$"] = kLogo;
    plot.drawing->SetBlockFiles(plot.fs, "/tmp");
    plot.Begin();
    const std::string dxf = plot.Finish();
    const auto inserts = DxfEntities(dxf, "INSERT");
    ASSERT_EQ(inserts.size(), 1u);
    EXPECT_EQ(Group(inserts[0], 2), "LOGO_2");
    EXPECT_NEAR(std::stod(Group(inserts[0], 41)), 0.01, 1e-12);
    // The arc of the block, from its pairs between BLOCKS and ENTITIES.
    const auto pairs = DxfPairs(Lines(dxf));
    std::map<int, double> g;
    bool inBlocks = false;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (pairs[i].first == 2) inBlocks = inBlocks || pairs[i].second == "BLOCKS";
        if (!inBlocks || pairs[i] != std::make_pair(0, std::string("ARC"))) continue;
        for (std::size_t j = i + 1; j < pairs.size() && pairs[j].first != 0; ++j)
            if (pairs[j].first != 8) g[pairs[j].first] = std::stod(pairs[j].second);
        break;
    }
    EXPECT_NEAR(g[10], 100, 1e-6);
    EXPECT_NEAR(g[20], 0, 1e-6);
    EXPECT_NEAR(g[40], 100, 1e-6);
    EXPECT_NEAR(g[50], 180, 1e-6);
    EXPECT_NEAR(std::fmod(g[51], 360), 0, 1e-6);

    // The window replays it scaled: the line ends at 10.
    DisplayList list;
    DrawingTarget t;
    t.kind = CadOutput::Window;
    t.window = &list;
    DrawingHarness window(CadOutput::Svg);  // for its file system and settings
    window.fs.files["/tmp/$LOGO_3.dx$"] = kLogo;
    auto d = OpenDrawing(t, window.out, window.cad, window.abortFlag);
    d->SetBlockFiles(window.fs, "/tmp");
    d->Sheet(0, 0, 160, 120);
    d->PageBegin();
    d->PageEnd();
    bool line = false;
    for (const auto& r : list.records()) line = line || r == "4;0;0;960;0";
    EXPECT_TRUE(line);  // LOGO_3 at 0.96

    // A DXF file of its own, a missing file and a file that is no DXF insert nothing.
    DrawingHarness file(CadOutput::Dxf);
    file.fs.files["/tmp/$LOGO_2.dx$"] = kLogo;
    file.drawing->SetBlockFiles(file.fs, "/tmp");
    file.Begin();
    EXPECT_TRUE(DxfEntities(file.Finish(), "INSERT").empty());
    DrawingHarness broken(CadOutput::Plot);
    broken.fs.files["/tmp/$LOGO_2.dx$"] = "kein DXF\r\n";
    broken.drawing->SetBlockFiles(broken.fs, "/tmp");
    broken.Begin();
    EXPECT_TRUE(DxfEntities(broken.Finish(), "INSERT").empty());
    EXPECT_FALSE(broken.abortFlag);
}

}  // namespace
}  // namespace bxr::test
