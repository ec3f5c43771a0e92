#include "report/result_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "format/code_page.h"
#include "report/diagram_table.h"
#include "support/output_test_support.h"

namespace bxr {
namespace {

using test::Lines;
using test::Slurp;

using Fixture = test::ChannelFixture;
using test::Margin;

TEST(ResultTablePlain, ColumnsCutOrPaddedBetweenRules) {
    Fixture f;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kDosFile, "b"));
    {
        // The width 0 ends the column list: three columns of 6, 7 and 5.
        ResultTable table(ch, 6, {"x [mm]", "F [N]", "M", "unused"}, {7, 5, 0, 9});
        EXPECT_EQ(table.columnCount(), 3);
        table.AddRow({"1", "2", "3456789"});
        table.AddRow({"12345678"});
    }
    ASSERT_TRUE(ch.Close());
    const auto lines = Lines(Slurp(f.folder + "OUTDOS.TXT"));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], Margin(std::string(70, '=')));
    EXPECT_EQ(lines[1], Margin("x [mm]F [N]  M     "));
    EXPECT_EQ(lines[2], Margin(std::string(70, '=')));
    // A value wider than its column is written whole and shifts what follows; a header is cut.
    EXPECT_EQ(lines[3], Margin("1     2      3456789 "));
    EXPECT_EQ(lines[4], Margin(std::string(70, '-')));
    EXPECT_EQ(lines[5], Margin("12345678" + std::string(13, ' ')));
    EXPECT_EQ(lines[6], Margin(std::string(70, '-')));
}

TEST(ResultTableTabs, CellsJoinedByTabsWithoutRules) {
    Fixture f;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kProjectTable, "welle"));
    {
        ResultTable table(ch, 6, {"x [mm]", "F [N]"}, {7});
        table.AddRow({"  1.5", "-2"});
    }
    ASSERT_TRUE(ch.Close());
    const auto lines = Lines(Slurp(ch.resultPath()));
    std::vector<std::string> tabbed;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(tabbed), [](const std::string& l) {
        return l.find('\t') != std::string::npos && l.find("x [mm]") != std::string::npos;
    });
    ASSERT_EQ(tabbed.size(), 1u);
    const auto header = std::find(lines.begin(), lines.end(), "x [mm]\tF [N]");
    ASSERT_NE(header, lines.end());
    ASSERT_NE(header + 1, lines.end());
    EXPECT_EQ(*(header + 1), "  1.5\t-2");
    EXPECT_EQ(Slurp(ch.resultPath()).find("----"), std::string::npos);
}

TEST(ResultTableHtml, HeaderCentredValuesRightAlignedTextsConvertedAndEscaped) {
    Fixture f;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kHtml, "welle"));
    {
        ResultTable table(ch, 6, {"x [mm]", "Sig N/mm²"_oem}, {9});
        table.AddRow({"1", "3 < 4"});
    }
    ch.WriteLine("danach");
    ASSERT_TRUE(ch.Close());
    const std::string html = Slurp(ch.resultPath());
    const std::string expected =
        "<TABLE BORDER = \"1\" WIDTH= \"100%\">\r\n"
        "<TR><TD><CENTER>x [mm]</CENTER></TD><TD><CENTER>Sig N/mm²</CENTER></TD></TR>\r\n"
        "<TR><TD>1</TD><TD><DIV ALIGN=RIGHT>3 &lt; 4</DIV></TD></TR>\r\n"
        "</TABLE>\r\n"
        "<br>danach\r\n";
    EXPECT_NE(html.find(expected), std::string::npos) << html;
}

TEST(DiagramTableWriter, PlainTableOfThePlaneStresses) {
    Fixture f;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kDosFile, "b"));
    ch.SetPageHeaders(false);
    const auto samples = DiagramTableSamples(1000, 100, 50);  // station 2 i at x = 20 i
    ASSERT_TRUE(WriteDiagramTable(ch, DiagramTableKind::PlaneStresses, samples, [](int station) {
        return std::vector<Real>{0.5L * station, 0, 0, 0, 0};
    }));
    ASSERT_TRUE(ch.Close());
    const auto lines = Lines(Slurp(f.folder + "OUTDOS.TXT"));
    ASSERT_EQ(lines.size(), 3u + 2 * 51);
    // Headers longer than their nine columns are cut.
    EXPECT_EQ(lines[1], Margin("x [mm]   Sig.bxy NSig.bxz NSig.z N/mSig.vxy NSig.vxz N "));
    // Row 3: x = 60 at station 6, 0.5 * 6 = 3; every value in an eight-column field.
    const std::string zero = "       0 ";
    EXPECT_EQ(lines[3 + 2 * 3],
              Margin("      60 " + std::string("       3 ") + zero + zero + zero + zero + " "));
    EXPECT_EQ(lines[3 + 2 * 50],
              Margin("    1000 " + std::string("      50 ") + zero + zero + zero + zero + " "));
}

TEST(DiagramTableWriter, AWriteErrorStopsTheTableAndSetsTheAbortFlag) {
    Fixture f;
    test::FailingWrites failing(5);
    f.env.files = &failing;
    OutputChannel ch(f.env);
    ASSERT_TRUE(ch.Open(kDosFile, "b"));
    EXPECT_FALSE(WriteDiagramTable(ch, DiagramTableKind::Forces,
                                   DiagramTableSamples(1000, 100, 100),
                                   [](int) { return std::vector<Real>(8, 1.0L); }));
    EXPECT_TRUE(f.abortFlag);
    EXPECT_FALSE(ch.Close());
}

}  // namespace
}  // namespace bxr
