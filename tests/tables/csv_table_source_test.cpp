// Catalogue source tables: the CSV dialect, the field specifications and the refusals that keep
// a wrong value out of a built table.
#include "tables/csv_table_source.h"

#include <gtest/gtest.h>

#include "table_test_support.h"
#include "tables/dbf_table.h"

namespace bxr {
namespace {

using test::TempFolder;

TEST(CsvTableSource, SplitsQuotedCellsWithCommasAndDoubledQuotes) {
    std::vector<std::string> cells;
    ASSERT_TRUE(SplitCsvLine("a,\"b, c\",\"say \"\"hi\"\"\",,", cells));
    EXPECT_EQ(cells, (std::vector<std::string>{"a", "b, c", "say \"hi\"", "", ""}));
    EXPECT_FALSE(SplitCsvLine("a,\"open", cells));
}

TEST(CsvTableSource, ParsesFieldSpecsAndRefusesImpossibleOnes) {
    DbfField f;
    std::string error;
    ASSERT_TRUE(ParseCsvFieldSpec("wst:N:8:1", f, error)) << error;
    EXPECT_EQ(f.name, "WST");
    EXPECT_EQ(f.type, 'N');
    EXPECT_EQ(f.length, 8);
    EXPECT_EQ(f.decimals, 1);
    for (const char* bad :
         {"NAME:C:20", "NAME:X:20:0", "NAME:C:0:0", "NAME:C:255:0", "NAME:C:20:1", "H:N:3:2",
          "OK:L:2:0", "D:D:10:0", "ELEVENCHARS:C:1:0", ":C:1:0", "A B:C:1:0", "N:N:8:-1"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseCsvFieldSpec(bad, f, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(CsvTableSource, BuiltTableHoldsTheSourceValues) {
    TempFolder dir;
    const std::string csv =
        "\xEF\xBB\xBFNAME:C:10:0,RM:N:6:0,E:N:9:1,OK:L:1:0\r\n"
        "# comment\r\n"
        "\r\n"
        "S235JR,360,210000,y\r\n"
        "\"Stahl, \xC3\xA4\",1000,2.05e5,F\r\n"
        ",,,\r\n";
    std::string error;
    ASSERT_TRUE(WriteDbfFromCsv(DiskFileSystem(), csv, dir.Path("w.dbf"), error)) << error;
    EXPECT_FALSE(DiskFileSystem().IsFile(dir.Path("w.dbf.tmp")));
    DbfTable t;
    ASSERT_TRUE(t.Open(dir.Path("w.dbf")));
    ASSERT_EQ(t.RecordCount(), 3u);
    ASSERT_TRUE(t.Read(1));
    EXPECT_EQ(t.RecordBytes(), " S235JR       360 210000.0Y");
    ASSERT_TRUE(t.Read(2));
    EXPECT_EQ(t.FieldText(1), "Stahl, \x84  ");  // UTF-8 a-umlaut is 0x84 in code page 850
    EXPECT_EQ(t.FieldText(3), " 205000.0");
    ASSERT_TRUE(t.Read(3));
    EXPECT_EQ(t.RecordBytes(), std::string(27, ' '));
}

TEST(CsvTableSource, RefusesValuesThatWouldChangeOnTheWayAndLeavesNoTable) {
    struct Case {
        const char* csv;
        const char* error;
    };
    const Case cases[] = {
        {"A:C:3:0\nabcd\n", "line 2: field A: \"abcd\" is longer than 3 characters"},
        {"H:N:5:1\n1234.5\n", "line 2: field H: 1234.5 does not fit 5 characters with 1 decimals"},
        {"H:N:5:1\n12a\n", "line 2: field H: \"12a\" is not a number"},
        {"H:N:5:1\n0x10\n", "line 2: field H: \"0x10\" is not a number"},
        {"OK:L:1:0\nX\n", "line 2: field OK: \"X\" is not T, F, Y, N or ?"},
        {"D:D:8:0\n2024-1-1\n", "line 2: field D: \"2024-1-1\" is not a date YYYYMMDD"},
        {"A:C:3:0,B:C:3:0\n\nx\n", "line 3: 1 cells for 2 fields"},
        {"A:C:3:0,a:C:3:0\n", "line 1: field A twice"},
        {"A:C:3:0\n\"x\n", "line 2: a quote is not closed"},
        {"# only a comment\n", "no header row"},
    };
    TempFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.csv);
        std::string error;
        EXPECT_FALSE(WriteDbfFromCsv(DiskFileSystem(), c.csv, dir.Path("bad.dbf"), error));
        EXPECT_EQ(error, c.error);
        EXPECT_FALSE(DiskFileSystem().IsFile(dir.Path("bad.dbf")));
        EXPECT_FALSE(DiskFileSystem().IsFile(dir.Path("bad.dbf.tmp")));
    }
}

}  // namespace
}  // namespace bxr
