// Key order and key lookup of the single-key index, on small tables whose order is worked out
// by hand.
#include "tables/dbf_index.h"

#include <gtest/gtest.h>

#include "table_test_support.h"

namespace bxr {
namespace {

using test::TempFolder;

// Records 1..6: names and a numeric column whose text order differs from its value order.
void MakeTable(DbfTable& t, const std::string& path) {
    ASSERT_TRUE(t.Create(path, {{"NAME", 'C', 8, 0}, {"W", 'N', 6, 1}}));
    const char* names[] = {"IPE 200", "HEB 100", "IPE 80", "2,5", "HEA 300", "IPE 200"};
    const Real w[] = {22.4L, 20.4L, 6.0L, -1.0L, 88.3L, 100.0L};
    for (int k = 0; k < 6; ++k) {
        t.BlankRecord();
        ASSERT_TRUE(t.SetFieldText(1, names[k]));
        ASSERT_TRUE(t.SetFieldNumber(2, w[k]));
        ASSERT_TRUE(t.Append());
    }
}

std::vector<std::uint32_t> Order(DbfIndex& index) {
    std::vector<std::uint32_t> order;
    for (std::uint32_t p = 1; p <= index.Count(); ++p) order.push_back(index.RecordAt(p));
    return order;
}

TEST(DbfIndex, CharacterKeysSortByBytesAndNumbersByValue) {
    TempFolder dir;
    DbfTable t;
    MakeTable(t, dir.Path("p.dbf"));
    std::string error;
    ASSERT_TRUE(DbfIndex::Build(t, 1, dir.Path("name.ndx"), DiskFileSystem(), error)) << error;
    ASSERT_TRUE(DbfIndex::Build(t, 2, dir.Path("w.ndx"), DiskFileSystem(), error)) << error;

    DbfIndex byName, byWeight;
    ASSERT_TRUE(byName.Open(dir.Path("name.ndx"), t, DiskFileSystem(), error)) << error;
    // "2,5" < "HEA 300" < "HEB 100" < "IPE 200" (1) = "IPE 200" (6) < "IPE 80"
    EXPECT_EQ(Order(byName), (std::vector<std::uint32_t>{4, 5, 2, 1, 6, 3}));
    ASSERT_TRUE(byWeight.Open(dir.Path("w.ndx"), t, DiskFileSystem(), error)) << error;
    // -1.0 < 6.0 < 20.4 < 22.4 < 88.3 < 100.0, although "   6.0" > " 100.0" as text
    EXPECT_EQ(Order(byWeight), (std::vector<std::uint32_t>{4, 3, 2, 1, 5, 6}));
    EXPECT_EQ(byWeight.PositionOf(5), 5u);
    EXPECT_EQ(byWeight.PositionOf(7), 0u);
    EXPECT_EQ(byWeight.RecordAt(0), 0u);
    EXPECT_EQ(byWeight.RecordAt(7), 0u);
}

TEST(DbfIndex, FindsTheFirstKeyWithThePrefixOrTheEqualValue) {
    TempFolder dir;
    DbfTable t;
    MakeTable(t, dir.Path("p.dbf"));
    std::string error;
    ASSERT_TRUE(DbfIndex::Build(t, 1, dir.Path("n"), DiskFileSystem(), error));
    DbfIndex byName;
    ASSERT_TRUE(byName.Open(dir.Path("n"), t, DiskFileSystem(), error));
    EXPECT_EQ(byName.RecordAt(byName.Find("IPE 200")), 1u);  // the first of two equal keys
    EXPECT_EQ(byName.RecordAt(byName.Find("IPE 200  ")), 1u);
    EXPECT_EQ(byName.RecordAt(byName.Find("IPE")), 1u);
    EXPECT_EQ(byName.RecordAt(byName.Find("HE")), 5u);
    EXPECT_EQ(byName.Find("ipe 200"), 0u);  // keys are case-sensitive
    EXPECT_EQ(byName.Find("IPE 2000"), 0u);
    EXPECT_EQ(byName.Find("IPE 200 and more"), 0u);
    EXPECT_EQ(byName.Find(""), 0u);
    EXPECT_EQ(byName.Find("ZZ"), 0u);
    EXPECT_EQ(byName.Find("1"), 0u);

    ASSERT_TRUE(DbfIndex::Build(t, 2, dir.Path("w"), DiskFileSystem(), error));
    DbfIndex byWeight;
    ASSERT_TRUE(byWeight.Open(dir.Path("w"), t, DiskFileSystem(), error));
    EXPECT_EQ(byWeight.RecordAt(byWeight.Find("100")), 6u);
    EXPECT_EQ(byWeight.RecordAt(byWeight.Find(" 6.00")), 3u);
    EXPECT_EQ(byWeight.RecordAt(byWeight.Find("20,4")), 2u);
    EXPECT_EQ(byWeight.Find("20"), 0u);
    EXPECT_EQ(byWeight.Find("abc"), 0u);
}

TEST(DbfIndex, RefusesAnIndexThatDoesNotBelongToTheTable) {
    TempFolder dir;
    DbfTable t;
    MakeTable(t, dir.Path("p.dbf"));
    std::string error;
    ASSERT_TRUE(DbfIndex::Build(t, 1, dir.Path("n.ndx"), DiskFileSystem(), error));
    DbfIndex index;
    t.BlankRecord();
    ASSERT_TRUE(t.Append());  // now 7 records, the index holds 6
    EXPECT_FALSE(index.Open(dir.Path("n.ndx"), t, DiskFileSystem(), error));
    EXPECT_FALSE(index.IsOpen());
    test::WriteBytes(dir.Path("junk.ndx"), std::vector<std::uint8_t>(40, 'x'));
    EXPECT_FALSE(index.Open(dir.Path("junk.ndx"), t, DiskFileSystem(), error));
    EXPECT_FALSE(index.Open(dir.Path("none.ndx"), t, DiskFileSystem(), error));
    EXPECT_FALSE(DbfIndex::Build(t, 3, dir.Path("x.ndx"), DiskFileSystem(), error));
    EXPECT_EQ(IndexFileName("/tmp/$zqvtemp"), "/tmp/$zqvtemp.ndx");
    EXPECT_EQ(IndexFileName("/tmp.d/wst1dyn"), "/tmp.d/wst1dyn.ndx");
    EXPECT_EQ(IndexFileName("a.idx"), "a.idx");
}

}  // namespace
}  // namespace bxr
