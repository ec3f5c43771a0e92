// Opening catalogue tables (write check, copies to the temporary folder), moving to records,
// replacing and appending, and key lookups with the "." to "," retry.
#include "app/table_access.h"

#include <gtest/gtest.h>

#include "../tables/table_test_support.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using test::FailingFileSystem;
using test::ReadBytes;
using test::ScriptedUi;
using test::TempFolder;

struct Fixture {
    TempFolder dbf, temp;
    Workspace ws;
    ScriptedUi ui;
    Fixture() {
        ws.ui = &ui;
        ws.config.dbfFolder = dbf.Path("");                                        // with its "/"
        ws.config.tempFolder = temp.Path("").substr(0, temp.Path("").size() - 1);  // without
        DbfTable t;
        EXPECT_TRUE(
            t.Create(dbf.Path("wst1dyn.dbf"), {{"WNR", 'C', 9, 0}, {"SIGMA_BEND", 'N', 5, 0}}));
        const char* keys[] = {"1,0038", "1.0503", "1.7225", "C45"};
        for (int k = 0; k < 4; ++k) {
            t.BlankRecord();
            EXPECT_TRUE(t.SetFieldText(1, keys[k]));
            EXPECT_TRUE(t.SetFieldNumber(2, 100 * (k + 1)));
            EXPECT_TRUE(t.Append());
        }
    }
};

TEST(TableAccess, OpensANameWithoutExtensionInTheTableFolderInPlace) {
    Fixture f;
    TableAccess tables(f.ws);
    ASSERT_TRUE(tables.OpenCatalogue("wst1dyn"));
    EXPECT_EQ(f.ws.table.fileName, f.dbf.Path("wst1dyn.dbf"));
    EXPECT_TRUE(f.ws.table.table.Writable());
    EXPECT_FALSE(DiskFileSystem().IsFile(f.dbf.Path("TEST.$$$")));  // the probe is erased
    EXPECT_FALSE(DiskFileSystem().IsFile(f.temp.Path("wst1dyn.dbf")));
    EXPECT_EQ(tables.RecordCount(), 4u);
    EXPECT_EQ(tables.FieldName(1), "WNR");
    EXPECT_EQ(tables.FieldName(0), "");
    EXPECT_EQ(tables.FieldName(3), "");
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(TableAccess, WithoutAConfiguredFolderTheTablesBesideTheProgramAreUsedAndLeftAlone) {
    Fixture f;
    TempFolder program;
    f.ws.config.dbfFolder.clear();
    f.ws.config.programFolder = program.Path("");
    ASSERT_TRUE(std::filesystem::create_directory(program.Path("data")));
    ASSERT_TRUE(
        CopyFile(DiskFileSystem(), f.dbf.Path("wst1dyn.dbf"), program.Path("data/wst1dyn.dbf")));
    TableAccess tables(f.ws);
    EXPECT_EQ(tables.TableFolder(), program.Path("data/"));
    // The program's own table is read in place, and its folder gets no probe file.
    const auto before = std::filesystem::last_write_time(program.Path("data"));
    ASSERT_TRUE(tables.OpenCatalogue("wst1dyn"));
    EXPECT_EQ(f.ws.table.fileName, program.Path("data/wst1dyn.dbf"));
    EXPECT_FALSE(f.ws.table.table.Writable());
    EXPECT_EQ(tables.RecordCount(), 4u);
    EXPECT_EQ(std::filesystem::last_write_time(program.Path("data")), before);
    f.ws.config.dbfFolder = "/opt/tables";  // a configured folder wins, "/" added
    EXPECT_EQ(tables.TableFolder(), "/opt/tables/");
}

TEST(TableAccess, MissingTableShowsTheMessageAndSetsTheAbortFlag) {
    Fixture f;
    TableAccess tables(f.ws);
    EXPECT_FALSE(tables.OpenCatalogue("printout"));
    EXPECT_TRUE(f.ws.abortFlag);
    EXPECT_FALSE(tables.IsOpen());
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0],
              "Datei " + f.dbf.Path("printout.dbf") + " nicht gefunden oder kein Zugriffsrecht !");
}

TEST(TableAccess, UnwritableFolderOrReadOnlyTableIsWorkedOnAsACopy) {
    for (bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "folder" : "table");
        Fixture f;
        FailingFileSystem fs;
        fs.refuseWriteOpen = true;
        fs.refusePrefix = folder ? f.dbf.Path("") : f.dbf.Path("wst1dyn.dbf");
        TableAccess tables(f.ws, fs);
        ASSERT_TRUE(tables.OpenCatalogue("wst1dyn.dbf"));
        EXPECT_EQ(f.ws.table.fileName, f.temp.Path("wst1dyn.dbf"));
        EXPECT_TRUE(f.ws.table.table.Writable());
        EXPECT_EQ(ReadBytes(f.temp.Path("wst1dyn.dbf")), ReadBytes(f.dbf.Path("wst1dyn.dbf")));
        EXPECT_TRUE(f.ui.messages.empty());  // silent
    }
}

TEST(TableAccess, FailedCopySetsTheAbortFlag) {
    Fixture f;
    FailingFileSystem fs;
    fs.refuseWriteOpen = true;  // neither the table folder nor the temporary folder
    TableAccess tables(f.ws, fs);
    EXPECT_FALSE(tables.OpenCatalogue("wst1dyn"));
    EXPECT_TRUE(f.ws.abortFlag);
    EXPECT_FALSE(tables.IsOpen());
    EXPECT_EQ(f.ui.messages.size(), 1u);
}

TEST(TableAccess, GoToRecordClampsAndReportsARecordBeyondTheTable) {
    Fixture f;
    TableAccess tables(f.ws);
    ASSERT_TRUE(tables.OpenCatalogue("wst1dyn"));
    tables.GoToRecord(0);
    EXPECT_EQ(tables.RecordNumber(), 1u);
    tables.GoToRecord(-3);
    EXPECT_EQ(tables.RecordNumber(), 1u);
    tables.GoToRecord(3);
    EXPECT_EQ(tables.RecordNumber(), 3u);
    EXPECT_TRUE(f.ws.messages.empty());
    tables.GoToRecord(12);
    EXPECT_EQ(tables.RecordNumber(), 4u);
    ASSERT_EQ(f.ws.messages.entries.size(), 1u);
    EXPECT_EQ(f.ws.messages.entries[0], "DBF #12 not found.");
    EXPECT_EQ(tables.FieldText(1), "C45      ");
}

TEST(TableAccess, ReplacedValuesAreAppendedAndPosted) {
    Fixture f;
    TableAccess tables(f.ws);
    ASSERT_TRUE(tables.OpenCatalogue("wst1dyn"));
    tables.NewRecord();
    EXPECT_TRUE(tables.ReplaceText("wnr", "42CrMo4"));
    EXPECT_TRUE(tables.ReplaceInteger("SIGMA_BENDING", 12));  // cut to 10 characters
    EXPECT_TRUE(tables.ReplaceFloat("sigma_bend", 455.4L));
    EXPECT_FALSE(tables.ReplaceText("NOFIELD", "x"));
    ASSERT_TRUE(tables.AppendRecord());
    EXPECT_EQ(tables.RecordCount(), 5u);
    EXPECT_EQ(tables.RecordNumber(), 5u);
    tables.GoToRecord(2);
    EXPECT_TRUE(tables.ReplaceInteger("SIGMA_BEND", 7));
    ASSERT_TRUE(tables.PostRecord());
    tables.Close();

    DbfTable t;
    ASSERT_TRUE(t.Open(f.dbf.Path("wst1dyn.dbf")));
    ASSERT_TRUE(t.Read(5));
    EXPECT_EQ(t.RecordBytes(), " 42CrMo4    455");
    ASSERT_TRUE(t.Read(2));
    EXPECT_EQ(t.RecordBytes(), " 1.0503       7");
}

TEST(TableAccess, FindKeyRetriesWithCommasAndRemembersTheOutcome) {
    Fixture f;
    TableAccess tables(f.ws);
    ASSERT_TRUE(tables.OpenCatalogue("wst1dyn"));
    EXPECT_FALSE(tables.FindKey("C45"));  // no active index yet
    ASSERT_TRUE(tables.IndexOn("WNR", f.temp.Path("wst1dyn")));
    ASSERT_TRUE(tables.SetIndex(f.temp.Path("wst1dyn")));
    EXPECT_TRUE(tables.FindKey("1.0038"));  // stored as "1,0038"
    EXPECT_EQ(tables.RecordNumber(), 1u);
    EXPECT_TRUE(f.ws.table.found);
    EXPECT_TRUE(tables.FindKey("1.7225"));  // found as it is
    EXPECT_EQ(tables.RecordNumber(), 3u);
    EXPECT_FALSE(tables.FindKey("1.4301"));
    EXPECT_FALSE(f.ws.table.found);
    EXPECT_EQ(tables.RecordNumber(), 3u);  // unchanged

    // An appended record joins the active order.
    tables.NewRecord();
    tables.ReplaceText("WNR", "1.0000");
    ASSERT_TRUE(tables.AppendRecord());
    EXPECT_TRUE(tables.FindKey("1.0000"));
    EXPECT_EQ(tables.RecordNumber(), 5u);
    EXPECT_EQ(f.ws.table.index.RecordAt(2), 5u);  // "1,0038" < "1.0000": "," sorts before "."
}

}  // namespace
}  // namespace bxr
