// The writer checked against files put together byte by byte here, and the table edits
// (append, change, delete, pack) against what the file must hold afterwards.
#include <gtest/gtest.h>

#include "table_test_support.h"
#include "tables/dbf_table.h"

namespace bxr {
namespace {

using test::Bytes;
using test::FailingFileSystem;
using test::ReadBytes;
using test::TempFolder;

std::vector<DbfField> Fields() {
    return {{"name", 'C', 8, 0}, {"H", 'N', 7, 2}, {"OK", 'L', 1, 0}, {"DAT", 'D', 8, 0}};
}

// The header of Fields() with `count` records; the date bytes are copied from the file.
Bytes ExpectedHeader(unsigned count, const std::vector<std::uint8_t>& actual) {
    // Header length 32 + 4 * 32 + 1 = 161, record length 1 + 8 + 7 + 1 + 8 = 25.
    Bytes b;
    b.u8(0x03).u8(actual[1]).u8(actual[2]).u8(actual[3]).u32(count).u16(161).u16(25).zeros(20);
    b.field("NAME", 'C', 8, 0).field("H", 'N', 7, 2).field("OK", 'L', 1, 0).field("DAT", 'D', 8, 0);
    return b.u8(0x0D);
}

TEST(DbfWriter, NewTableIsHeaderAndEndMarkerByteForByte) {
    TempFolder dir;
    DbfTable t;
    ASSERT_TRUE(t.Create(dir.Path("new.dbf"), Fields())) << t.Error();
    t.Close();
    auto bytes = ReadBytes(dir.Path("new.dbf"));
    ASSERT_EQ(bytes.size(), 162u);
    EXPECT_EQ(bytes, ExpectedHeader(0, bytes).u8(0x1A).data);
    EXPECT_GE(bytes[1], 126);  // year - 1900, written today
    EXPECT_GE(bytes[2], 1);
    EXPECT_LE(bytes[2], 12);
}

TEST(DbfWriter, AppendedRecordsAreRightAlignedNumbersAndPaddedTexts) {
    TempFolder dir;
    DbfTable t;
    ASSERT_TRUE(t.Create(dir.Path("a.dbf"), Fields())) << t.Error();
    t.BlankRecord();
    ASSERT_TRUE(t.SetFieldText(1, "IPE 200"));
    ASSERT_TRUE(t.SetFieldNumber(2, 28.48L));
    ASSERT_TRUE(t.SetFieldLogical(3, true));
    ASSERT_TRUE(t.SetFieldText(4, "20261208"));
    ASSERT_TRUE(t.Append()) << t.Error();
    EXPECT_EQ(t.RecordNumber(), 1u);
    t.BlankRecord();
    ASSERT_TRUE(t.SetFieldText(1, "a text longer than eight"));  // cut to 8
    ASSERT_TRUE(t.SetFieldNumber(2, -0.004L));                   // rounds to 0.00, no sign
    ASSERT_TRUE(t.SetFieldLogical(3, false));
    EXPECT_FALSE(t.SetFieldNumber(2, 12345.678L));  // 12345.68 needs 8 places
    EXPECT_EQ(t.Status(), DbfStatus::BadValue);
    ASSERT_TRUE(t.Append()) << t.Error();
    EXPECT_EQ(t.RecordNumber(), 2u);
    t.Close();

    auto bytes = ReadBytes(dir.Path("a.dbf"));
    Bytes want = ExpectedHeader(2, bytes);
    want.text(" IPE 200   28.48T20261208");
    want.text(" a text l   0.00F        ");
    want.u8(0x1A);
    EXPECT_EQ(bytes, want.data);
}

TEST(DbfWriter, ChangesDeletionFlagsAndPackKeepRecordOrder) {
    TempFolder dir;
    DbfTable t;
    ASSERT_TRUE(t.Create(dir.Path("p.dbf"), {{"K", 'N', 3, 0}}));
    for (int k = 1; k <= 5; ++k) {
        t.BlankRecord();
        ASSERT_TRUE(t.SetFieldNumber(1, k));
        ASSERT_TRUE(t.Append());
    }
    ASSERT_TRUE(t.MarkDeleted(2, true));
    ASSERT_TRUE(t.MarkDeleted(4, true));
    ASSERT_TRUE(t.Read(3));
    ASSERT_TRUE(t.SetFieldNumber(1, 30));
    ASSERT_TRUE(t.Write());
    t.Close();

    auto before = ReadBytes(dir.Path("p.dbf"));
    // Header 32 + 32 + 1 = 65 bytes, records of 4 bytes.
    ASSERT_EQ(before.size(), 65u + 5 * 4 + 1);
    EXPECT_EQ(std::string(before.begin() + 65, before.end()), "   1*  2  30*  4   5\x1A");

    ASSERT_TRUE(t.Open(dir.Path("p.dbf"), true));
    ASSERT_TRUE(t.Pack()) << t.Error();
    EXPECT_EQ(t.RecordCount(), 3u);
    t.Close();
    auto after = ReadBytes(dir.Path("p.dbf"));
    ASSERT_EQ(after.size(), 65u + 3 * 4 + 1);
    EXPECT_EQ(after[4], 3);  // record count in the header
    EXPECT_EQ(std::string(after.begin() + 65, after.end()), "   1  30   5\x1A");
}

TEST(DbfWriter, ReadOnlyTableRefusesWrites) {
    TempFolder dir;
    DbfTable t;
    ASSERT_TRUE(t.Create(dir.Path("r.dbf"), {{"A", 'C', 2, 0}}));
    t.BlankRecord();
    ASSERT_TRUE(t.Append());
    t.Close();
    ASSERT_TRUE(t.Open(dir.Path("r.dbf")));
    ASSERT_TRUE(t.Read(1));
    EXPECT_FALSE(t.Write());
    EXPECT_FALSE(t.Append());
    EXPECT_FALSE(t.Pack());
    EXPECT_EQ(t.Status(), DbfStatus::WriteFailed);
    EXPECT_EQ(ReadBytes(dir.Path("r.dbf")).size(), 65u + 3 + 1);
}

TEST(DbfWriter, FailedAppendLeavesTheFileAsItWas) {
    TempFolder dir;
    FailingFileSystem fs;
    DbfTable t;
    ASSERT_TRUE(t.Create(dir.Path("f.dbf"), {{"A", 'C', 4, 0}}, fs));
    t.BlankRecord();
    ASSERT_TRUE(t.SetFieldText(1, "ab"));
    ASSERT_TRUE(t.Append());
    auto good = ReadBytes(dir.Path("f.dbf"));

    fs.failWrites = true;  // the disk is full
    t.BlankRecord();
    ASSERT_TRUE(t.SetFieldText(1, "cd"));
    EXPECT_FALSE(t.Append());
    EXPECT_EQ(t.Status(), DbfStatus::WriteFailed);
    EXPECT_EQ(t.RecordCount(), 1u);
    fs.failWrites = false;
    EXPECT_EQ(ReadBytes(dir.Path("f.dbf")), good);
    // The table stays usable.
    ASSERT_TRUE(t.Read(1));
    EXPECT_EQ(t.FieldValue(1), "ab");
}

TEST(DbfWriter, RejectsFieldListsThatCannotBeStored) {
    TempFolder dir;
    DbfTable t;
    EXPECT_FALSE(t.Create(dir.Path("x.dbf"), {}));
    EXPECT_FALSE(t.Create(dir.Path("x.dbf"), {{"A", 'C', 0, 0}}));
    EXPECT_FALSE(t.Create(dir.Path("x.dbf"), {{"A", 'C', 300, 0}}));
    EXPECT_FALSE(t.Create(dir.Path("x.dbf"), {{"A", 'Q', 3, 0}}));
    std::vector<DbfField> many(256, DbfField{"F", 'C', 1, 0});
    EXPECT_FALSE(t.Create(dir.Path("x.dbf"), many));
    EXPECT_FALSE(t.IsOpen());
}

TEST(DbfWriter, MemoTableGetsAnEmptyMemoFile) {
    TempFolder dir;
    DbfTable t;
    ASSERT_TRUE(t.Create(dir.Path("m.dbf"), {{"TXT", 'M', 4, 0}, {"A", 'C', 1, 0}}));
    EXPECT_EQ(t.Field(1).length, 10);  // a block number takes 10 characters
    EXPECT_TRUE(t.Header().HasMemo());
    t.Close();
    auto dbf = ReadBytes(dir.Path("m.dbf"));
    EXPECT_EQ(dbf[0], 0x83);
    auto dbt = ReadBytes(dir.Path("m.dbt"));
    ASSERT_EQ(dbt.size(), 512u);
    EXPECT_EQ(dbt[0], 1);  // next free block
}

}  // namespace
}  // namespace bxr
