// The reader on files put together byte by byte here, independent of our writer.
#include <gtest/gtest.h>

#include "table_test_support.h"
#include "tables/dbf_table.h"

namespace bxr {
namespace {

using test::Bytes;
using test::TempFolder;
using test::WriteBytes;

TEST(DbfReader, ReadsDescriptorsRecordsAndDeletionFlags) {
    TempFolder dir;
    // Three fields, three records, record 2 marked deleted. Header length 32 + 3 * 32 + 1 =
    // 129, record length 1 + 10 + 6 + 1 = 18.
    Bytes b;
    b.u8(0x03).u8(126).u8(12).u8(8).u32(3).u16(129).u16(18).zeros(20);
    b.field("NAME", 'C', 10, 0).field("H", 'N', 6, 1).field("OK", 'L', 1, 0).u8(0x0D);
    b.text(" IPE 200    200.0T").text("*HEB 100     12,5F").text("                  ").u8(0x1A);
    ASSERT_EQ(b.data.size(), 129u + 3 * 18 + 1);
    WriteBytes(dir.Path("t.dbf"), b.data);

    DbfTable t;
    ASSERT_TRUE(t.Open(dir.Path("t.dbf"))) << t.Error();
    EXPECT_EQ(t.RecordCount(), 3u);
    ASSERT_EQ(t.FieldCount(), 3);
    EXPECT_EQ(t.Field(1).name, "NAME");
    EXPECT_EQ(t.Field(1).type, 'C');
    EXPECT_EQ(t.Field(1).length, 10);
    EXPECT_EQ(t.Field(2).name, "H");
    EXPECT_EQ(t.Field(2).type, 'N');
    EXPECT_EQ(t.Field(2).length, 6);
    EXPECT_EQ(t.Field(2).decimals, 1);
    EXPECT_EQ(t.Field(3).type, 'L');
    EXPECT_EQ(t.Header().year, 2026);
    EXPECT_EQ(t.Header().month, 12);
    EXPECT_EQ(t.Header().day, 8);
    EXPECT_EQ(t.FieldPosition("ok"), 3);
    EXPECT_EQ(t.FieldPosition("missing"), 0);

    ASSERT_TRUE(t.Read(1));
    EXPECT_FALSE(t.Deleted());
    EXPECT_EQ(t.FieldText(1), "IPE 200   ");
    EXPECT_EQ(t.FieldValue(1), "IPE 200");
    EXPECT_EQ(t.FieldText(2), " 200.0");
    EXPECT_DOUBLE_EQ(double(t.FieldNumber(2)), 200.0);
    EXPECT_TRUE(t.FieldLogical(3));
    EXPECT_EQ(t.FieldText(0), "");
    EXPECT_EQ(t.FieldText(4), "");

    ASSERT_TRUE(t.Read(2));
    EXPECT_TRUE(t.Deleted());
    EXPECT_EQ(t.RecordNumber(), 2u);
    EXPECT_DOUBLE_EQ(double(t.FieldNumber(2)), 12.5);  // comma as decimal mark
    EXPECT_FALSE(t.FieldLogical(3));

    ASSERT_TRUE(t.Read(3));
    EXPECT_EQ(t.FieldValue(1), "");
    EXPECT_EQ(t.FieldNumber(2), 0);  // an empty number field reads as 0

    EXPECT_FALSE(t.Read(0));
    EXPECT_FALSE(t.Read(4));
    EXPECT_EQ(t.Status(), DbfStatus::NoRecord);
}

TEST(DbfReader, ReadsTheLaterLayoutWith68ByteHeaderAnd48ByteDescriptors) {
    TempFolder dir;
    Bytes b;
    // Header length 68 + 2 * 48 + 1 = 165; record length 1 + 8 + 5 = 14.
    b.u8(0x04).u8(99).u8(1).u8(31).u32(2).u16(165).u16(14).zeros(20);
    b.zeros(32).zeros(4);  // language driver name, reserved
    b.text("WERKSTOFF").zeros(32 - 9).text("C").u8(8).u8(0).zeros(13);
    b.text("RM").zeros(30).text("N").u8(5).u8(0).zeros(13);
    b.u8(0x0D);
    b.text(" S235JR    360").text(" C45E      700").u8(0x1A);
    ASSERT_EQ(b.data.size(), 165u + 2 * 14 + 1);
    WriteBytes(dir.Path("later.dbf"), b.data);

    DbfTable t;
    ASSERT_TRUE(t.Open(dir.Path("later.dbf"))) << t.Error();
    EXPECT_TRUE(t.Header().laterLayout);
    ASSERT_EQ(t.FieldCount(), 2);
    EXPECT_EQ(t.Field(1).name, "WERKSTOFF");
    EXPECT_EQ(t.Field(2).name, "RM");
    EXPECT_EQ(t.Field(2).length, 5);
    EXPECT_EQ(t.Header().year, 1999);
    ASSERT_TRUE(t.Read(2));
    EXPECT_EQ(t.FieldValue(1), "C45E");
    EXPECT_EQ(t.FieldNumber(2), 700);
}

TEST(DbfReader, StopsAtTheTerminatorWhenTheHeaderHasSpareBytes) {
    // Some writers leave a byte or more after the 0x0D: header length 32 + 32 + 2 = 66.
    TempFolder dir;
    Bytes b;
    b.u8(0x03).u8(100).u8(1).u8(1).u32(1).u16(66).u16(4).zeros(20);
    b.field("A", 'C', 3, 0).u8(0x0D).u8(0x00);
    b.text(" abc");
    WriteBytes(dir.Path("spare.dbf"), b.data);
    DbfTable t;
    ASSERT_TRUE(t.Open(dir.Path("spare.dbf"))) << t.Error();
    ASSERT_TRUE(t.Read(1));
    EXPECT_EQ(t.FieldText(1), "abc");  // also: no end marker needed
}

TEST(DbfReader, NumbersParseLikeTypedNumbers) {
    EXPECT_DOUBLE_EQ(double(ParseDbfNumber("  -1.5e3 ")), -1500.0);
    EXPECT_DOUBLE_EQ(double(ParseDbfNumber(" 2,5")), 2.5);
    EXPECT_DOUBLE_EQ(double(ParseDbfNumber("1 000")), 1000.0);  // blanks removed
    EXPECT_EQ(ParseDbfNumber("*****"), 0);
    EXPECT_EQ(ParseDbfNumber("12abc"), 0);
    EXPECT_EQ(ParseDbfNumber("0x10"), 0);
    EXPECT_EQ(ParseDbfNumber("nan"), 0);
    EXPECT_EQ(ParseDbfNumber("1e5000"), 0);
    EXPECT_EQ(ParseDbfNumber(""), 0);
}

// Damaged files: each gives the not-a-table message with its reason, and nothing is opened.
struct Damage {
    const char* name;
    Bytes bytes;
    const char* reason;
};

Bytes Header(unsigned count, unsigned headerLength, unsigned recordLength) {
    Bytes b;
    b.u8(0x03).u8(120).u8(5).u8(4).u32(count).u16(headerLength).u16(recordLength).zeros(20);
    return b;
}

TEST(DbfReader, RejectsDamagedHeadersWithAMessage) {
    std::vector<Damage> cases;
    {
        Bytes b;
        b.u8(0x03).u8(1).u8(2);
        cases.push_back({"short", b, "Dateikopf unvollst\x84ndig"});
    }
    cases.push_back({"nofields", Header(0, 33, 1).u8(0x0D), "Zu viele Datenfelder"});
    {
        Bytes b = Header(0, 32 + 300 * 32 + 1, 301);
        for (int i = 0; i < 300; ++i) b.field("F" + std::to_string(i), 'C', 1, 0);
        b.u8(0x0D);
        cases.push_back({"many", b, "Zu viele Datenfelder"});
    }
    cases.push_back(
        {"terminatorfirst", Header(0, 65, 1).u8(0x0D).zeros(31).u8(0x0D), "Zu viele Datenfelder"});
    cases.push_back(
        {"headercut", Header(0, 97, 6).field("A", 'C', 5, 0), "Dateikopf unvollst\x84ndig"});
    cases.push_back({"reclen", Header(0, 65, 7).field("A", 'C', 5, 0).u8(0x0D),
                     "Satzl\x84nge passt nicht zu den Feldern"});
    cases.push_back(
        {"type", Header(0, 65, 6).field("A", 'X', 5, 0).u8(0x0D), "Unbekannter Feldtyp"});
    cases.push_back(
        {"zerolen", Header(0, 65, 1).field("A", 'C', 0, 0).u8(0x0D), "Feld der L\x84nge 0"});
    cases.push_back({"records", Header(3, 65, 6).field("A", 'C', 5, 0).u8(0x0D).text(" abcde xyz"),
                     "Datei endet vor dem letzten Datensatz"});

    TempFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir.Path(std::string(c.name) + ".dbf");
        WriteBytes(path, c.bytes.data);
        DbfTable t;
        EXPECT_FALSE(t.Open(path));
        EXPECT_FALSE(t.IsOpen());
        EXPECT_EQ(t.Status(), DbfStatus::NotDbase);
        EXPECT_EQ(t.Error(), path + " ist keine dBASE-Datenbank. (" + c.reason + ") [Use/OpenDbf]");
    }
}

TEST(DbfReader, MissingFileGivesTheNotFoundMessage) {
    TempFolder dir;
    DbfTable t;
    EXPECT_FALSE(t.Open(dir.Path("none.dbf")));
    EXPECT_EQ(t.Status(), DbfStatus::NotFound);
    EXPECT_EQ(t.Error(),
              "Datei " + dir.Path("none.dbf") + " nicht gefunden oder kein Zugriffsrecht !");
    EXPECT_FALSE(t.Open(dir.Path()));  // a folder is no table
    EXPECT_EQ(t.Status(), DbfStatus::NotFound);
}

}  // namespace
}  // namespace bxr
