// The table window's logic: modes, search, column sort, OK and Cancel, and the file commands,
// each checked against what a user would see or find in the file afterwards.
#include "app/table_window.h"

#include <gtest/gtest.h>

#include "../tables/table_test_support.h"
#include "app/table_access.h"
#include "format/code_page.h"
#include "support/output_test_support.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using test::Cancel;
using test::ReadBytes;
using test::RecordingLauncher;
using test::ScriptedUi;
using test::TempFolder;

struct Fixture {
    TempFolder dbf, temp;
    Workspace ws;
    ScriptedUi ui;
    RecordingLauncher launcher;
    Fixture() {
        ws.ui = &ui;
        ws.config.dbfFolder = dbf.Path("");
        ws.config.tempFolder = temp.Path("");
        DbfTable t;
        EXPECT_TRUE(t.Create(dbf.Path("profile.dbf"),
                             {{"NAME", 'C', 10, 0}, {"H", 'N', 5, 0}, {"NORM", 'C', 9, 0}}));
        // Record 3 is marked deleted.
        const char* rows[][3] = {{"HEB 100", "100", "DIN 1025"},
                                 {"Flach 20", "5", "ipe-frei"},
                                 {"I 80", "80", "DIN 1025"},
                                 {"IPE 200", "200", "EN 10365"},
                                 {"HEA 300", "290", "DIN 1025"}};
        for (auto& r : rows) {
            t.BlankRecord();
            EXPECT_TRUE(t.SetFieldText(1, r[0]));
            EXPECT_TRUE(t.SetFieldNumber(2, ParseDbfNumber(r[1])));
            EXPECT_TRUE(t.SetFieldText(3, r[2]));
            EXPECT_TRUE(t.Append());
        }
        EXPECT_TRUE(t.MarkDeleted(3, true));
        t.Close();
        TableAccess tables(ws);
        EXPECT_TRUE(tables.OpenCatalogue("profile"));
        tables.SetTitles("Reihe", " Profile ");
        tables.GoToRecord(1);
    }
    std::vector<std::uint32_t> Rows(TableWindow& w) {
        std::vector<std::uint32_t> r;
        for (int k = 1; k <= w.RowCount(); ++k) r.push_back(w.RowRecord(k));
        return r;
    }
};

TEST(TableWindow, PickModeHidesDeletedRecordsAndEditsNothing) {
    Fixture f;
    TableWindow pick(f.ws, 1, DiskFileSystem(), &f.launcher);
    EXPECT_EQ(pick.caption, " Profile    Reihe");
    EXPECT_EQ(f.Rows(pick), (std::vector<std::uint32_t>{1, 2, 4, 5}));
    EXPECT_FALSE(pick.Button("mi_editPack")->visible);
    EXPECT_FALSE(pick.Button("mi_fileAppendDbf")->visible);
    EXPECT_FALSE(pick.Button("nav_delete")->visible);
    EXPECT_TRUE(pick.Button("nav_next")->visible);
    EXPECT_FALSE(pick.EditCell(1, 1, "X"));
    pick.Press("mi_editAppend");
    EXPECT_EQ(f.ws.table.table.RecordCount(), 5u);

    TableWindow edit(f.ws, 2, DiskFileSystem(), &f.launcher);
    EXPECT_EQ(edit.caption, " Profile   Reihe  (" + f.dbf.Path("profile.dbf") + ")");
    EXPECT_EQ(f.Rows(edit), (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(edit.RowDeleted(3));
    EXPECT_TRUE(edit.Button("mi_editPack")->visible);
}

TEST(TableWindow, CounterShowsRecordAndCountAfterAClick) {
    Fixture f;
    TableWindow w(f.ws, 1, DiskFileSystem(), &f.launcher);
    EXPECT_EQ(w.Field("Label_counter")->text, "");
    w.ClickCell(3, 2);  // the third shown row is record 4
    EXPECT_EQ(w.Field("Label_counter")->text, "4/5");
    EXPECT_EQ(w.Cell(3, 2), "  200");
    EXPECT_EQ(w.Cell(1, 1), "HEB 100   ");
    w.Press("nav_last");
    EXPECT_EQ(w.Field("Label_counter")->text, "5/5");
}

TEST(TableWindow, SearchFindsTextInAnyFieldIgnoringCase) {
    Fixture f;
    f.ui.Push(std::string("ipe  "));
    TableWindow w(f.ws, 2, DiskFileSystem(), &f.launcher);
    w.Press("Button_search");
    // "ipe-frei" in field 3 of record 2 comes before "IPE 200" in record 4.
    EXPECT_EQ(f.ws.table.table.RecordNumber(), 2u);
    EXPECT_EQ(f.ws.table.searchText, "ipe  ");
    w.Press("Button_searchNext");
    EXPECT_EQ(f.ws.table.table.RecordNumber(), 4u);
    w.Press("Button_searchNext");
    EXPECT_EQ(f.ws.table.table.RecordNumber(), 4u);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0], "ipe nicht gefunden");

    f.ui.Push(Cancel{});  // cancelling the prompt does nothing
    w.Press("mi_viewSearch");
    EXPECT_EQ(f.ws.table.table.RecordNumber(), 4u);
    EXPECT_EQ(f.ui.messages.size(), 1u);
    f.ui.Push(std::string(""));
    w.Press("mi_viewSearch");
    EXPECT_EQ(f.ui.messages.back(), " nicht gefunden");
    f.ui.Push(std::string(60, 'x'));
    w.Press("mi_viewSearch");
    EXPECT_EQ(f.ws.table.searchText.size(), 50u);
}

TEST(TableWindow, ColumnSortKeepsTheCurrentRecord) {
    Fixture f;
    TableWindow w(f.ws, 2, DiskFileSystem(), &f.launcher);
    w.ClickCell(4, 1);  // record 4, IPE 200
    ASSERT_TRUE(w.ClickColumnTitle(2));
    // H: 5 (2), 80 (3), 100 (1), 200 (4), 290 (5)
    EXPECT_EQ(f.Rows(w), (std::vector<std::uint32_t>{2, 3, 1, 4, 5}));
    EXPECT_EQ(f.ws.table.table.RecordNumber(), 4u);
    EXPECT_EQ(w.CurrentRow(), 4);
    EXPECT_TRUE(DiskFileSystem().IsFile(f.temp.Path("$zqvtemp.ndx")));
    ASSERT_TRUE(w.ClickColumnTitle(1));
    // NAME: "Flach 20" < "HEA 300" < "HEB 100" < "I 80" < "IPE 200"
    EXPECT_EQ(f.Rows(w), (std::vector<std::uint32_t>{2, 5, 1, 3, 4}));
    EXPECT_EQ(w.CurrentRow(), 5);
    w.Press("nav_prior");
    EXPECT_EQ(f.ws.table.table.RecordNumber(), 3u);
}

TEST(TableWindow, OkStoresTheChoiceAndCancelSetsTheAbortFlag) {
    Fixture f;
    TableWindow w(f.ws, 1, DiskFileSystem(), &f.launcher);
    w.ClickCell(2, 3);
    f.ws.abortFlag = true;
    EXPECT_TRUE(w.Press("Button_ok"));
    EXPECT_TRUE(w.Accepted());
    EXPECT_EQ(f.ws.table.selectedRecordNumber, 2u);
    EXPECT_EQ(f.ws.table.gridRow, 2);
    EXPECT_EQ(f.ws.table.gridColumn, 3);
    EXPECT_TRUE(f.ws.table.confirmed);
    EXPECT_FALSE(f.ws.abortFlag);

    TableWindow c(f.ws, 1, DiskFileSystem(), &f.launcher);
    EXPECT_TRUE(c.Press("Button_cancel"));
    EXPECT_FALSE(c.Accepted());
    EXPECT_FALSE(f.ws.table.confirmed);
    EXPECT_TRUE(f.ws.abortFlag);
}

TEST(TableWindow, EditsArePostedOnLeavingTheRowAndDroppedOnCancel) {
    Fixture f;
    {
        TableWindow w(f.ws, 2, DiskFileSystem(), &f.launcher);
        ASSERT_TRUE(w.EditCell(1, 1, "HEB 120"));
        EXPECT_EQ(w.Cell(1, 1), "HEB 120   ");
        EXPECT_EQ(w.Cell(2, 1), "Flach 20  ");  // looking elsewhere keeps the edit
        w.Press("nav_next");                    // posts
        ASSERT_TRUE(w.EditCell(2, 1, "lost"));
        w.Press("Button_cancel");
    }
    DbfTable t;
    ASSERT_TRUE(t.Open(f.dbf.Path("profile.dbf")));
    ASSERT_TRUE(t.Read(1));
    EXPECT_EQ(t.FieldValue(1), "HEB 120");
    ASSERT_TRUE(t.Read(2));
    EXPECT_EQ(t.FieldValue(1), "Flach 20");
}

TEST(TableWindow, TypedValuesAreCheckedAgainstTheFieldType) {
    Fixture f;
    TableWindow w(f.ws, 2, DiskFileSystem(), &f.launcher);
    ASSERT_TRUE(w.EditCell(1, 1, "HEB 120"));
    ASSERT_TRUE(w.EditCell(1, 2, " 12,6 "));  // a second cell of the same row keeps the first
    EXPECT_EQ(w.Cell(1, 1), "HEB 120   ");
    EXPECT_EQ(w.Cell(1, 2), "   13");  // 0 decimals: 12.6 rounds to 13
    EXPECT_FALSE(w.EditCell(1, 2, "abc"));
    EXPECT_FALSE(w.EditCell(1, 2, "123456"));
    EXPECT_FALSE(w.EditCell(1, 2, "1-2"));
    EXPECT_FALSE(w.EditCell(1, 1, "longer than ten"));
    EXPECT_EQ(w.Cell(1, 2), "   13");  // refused values change nothing
    EXPECT_EQ(f.ui.messages.size(), 4u);
    ASSERT_TRUE(w.EditCell(1, 2, ""));
    EXPECT_EQ(w.Cell(1, 2), "     ");

    DbfTable t;
    ASSERT_TRUE(t.Create(f.temp.Path("types.dbf"), {{"OK", 'L', 1, 0}, {"AM", 'D', 8, 0}}));
    t.BlankRecord();
    std::string error;
    EXPECT_TRUE(PutText(t, 1, "y", error));
    EXPECT_EQ(t.FieldText(1), "Y");
    EXPECT_FALSE(PutText(t, 1, "ja", error));
    EXPECT_EQ(error, "Feld OK: ja passt nicht");
    EXPECT_TRUE(PutText(t, 2, "20261208", error));
    EXPECT_FALSE(PutText(t, 2, "8.12.2026", error));
    EXPECT_FALSE(PutText(t, 3, "x", error));
}

TEST(TableWindow, DeleteMarksAndPackRemovesTheMarkedRecords) {
    Fixture f;
    TableWindow w(f.ws, 2, DiskFileSystem(), &f.launcher);
    w.ClickCell(1, 1);
    w.Press("nav_delete");  // record 1 marked, no question asked
    EXPECT_TRUE(w.RowDeleted(1));
    w.Press("mi_editPack");
    EXPECT_EQ(f.ws.table.table.RecordCount(), 3u);
    ASSERT_EQ(w.RowCount(), 3);
    EXPECT_EQ(w.Cell(1, 1), "Flach 20  ");
    EXPECT_EQ(w.Cell(2, 1), "IPE 200   ");
    EXPECT_EQ(w.Cell(3, 1), "HEA 300   ");
    w.Press("mi_editAppend");
    EXPECT_EQ(w.RowCount(), 4);
    EXPECT_EQ(w.CurrentRow(), 4);
    EXPECT_EQ(w.Cell(4, 1), std::string(10, ' '));
}

TEST(TableWindow, HtmlPageHasTheFixedLinesAndEscapedTexts) {
    TempFolder dir;
    DbfTable t;
    ASSERT_TRUE(t.Create(dir.Path("w.dbf"), {{"NAME", 'C', 6, 0}, {"RM", 'N', 4, 0}}));
    t.BlankRecord();
    t.SetFieldText(1, "St<37>");
    t.SetFieldNumber(2, 360);
    ASSERT_TRUE(t.Append());
    t.BlankRecord();
    t.SetFieldText(1,
                   "Gr\x94\xE1"
                   "e");  // code page 850 o umlaut and sharp s
    ASSERT_TRUE(t.Append());
    OutputSettings format;
    auto lines = TableHtmlLines(t, format, "/daten/werk.htm", "BXRV3", "08.12.2026 - 9:05");
    const std::vector<std::string> want{
        "<HTML>",
        "<head><title>werk</title></head>",
        "<BODY BGCOLOR=\"C0C0C0\">",
        "<P>BXRV3</P>",
        "<P>/DATEN/WERK.HTM</P>",
        "<P>08.12.2026 - 9:05</P>",
        "<HR>",
        "<TABLE BORDER = \"1\" WIDTH= \"100%\">",
        "<TR><TD><CENTER>NAME</CENTER></TD><TD><CENTER>RM</CENTER></TD></TR>",
        "<TR><TD>St&lt;37&gt;</TD><TD> 360</TD></TR>",
        "<TR><TD>Gr\xC3\xB6\xC3\x9F"
        "e </TD><TD>    </TD></TR>",
        "</TABLE>",
        "</BODY>",
        "</HTML>"};
    EXPECT_EQ(lines, want);
}

TEST(TableWindow, HtmlExportWritesTheFileAndStartsTheBrowser) {
    Fixture f;
    f.ws.config.htmlBrowser = "firefox";
    f.ui.Push(f.temp.Path("liste"));  // no extension: ".htm" is added
    TableWindow w(f.ws, 1, DiskFileSystem(), &f.launcher);
    w.Press("mi_fileExportHtml");
    const std::string file = f.temp.Path("liste.htm");
    auto bytes = ReadBytes(file);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.substr(0, 8), "<HTML>\r\n");
    EXPECT_NE(text.find("<P>BXR  -  Tr\xC3\xA4gerberechnungV"), std::string::npos);
    // Every record of the file, the deleted one too: 5 rows and the title row.
    std::size_t rows = 0;
    for (std::size_t at = 0; (at = text.find("<TR>", at)) != std::string::npos; ++at) ++rows;
    EXPECT_EQ(rows, 6u);
    ASSERT_EQ(f.launcher.started.size(), 1u);
    EXPECT_EQ(f.launcher.started[0], (std::vector<std::string>{"firefox", file}));
}

TEST(TableWindow, DelimitedExportReadsBackIntoAnEmptyTable) {
    Fixture f;
    {
        DbfTable t;
        ASSERT_TRUE(t.Open(f.dbf.Path("profile.dbf"), true));
        ASSERT_TRUE(t.Read(2));
        ASSERT_TRUE(t.SetFieldText(3, "\"quoted\""));
        ASSERT_TRUE(t.Write());
    }
    f.ui.Push(f.temp.Path("out.txt"));
    TableWindow w(f.ws, 2, DiskFileSystem(), &f.launcher);
    w.Press("mi_fileSaveDelimited");
    auto bytes = ReadBytes(f.temp.Path("out.txt"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "\"HEB 100\",100,\"DIN 1025\"\r\n"
              "\"Flach 20\",5,\"\"\"quoted\"\"\"\r\n"
              "\"I 80\",80,\"DIN 1025\"\r\n"
              "\"IPE 200\",200,\"EN 10365\"\r\n"
              "\"HEA 300\",290,\"DIN 1025\"\r\n");

    // Into an empty table with the same fields, the numbers one place wider.
    TempFolder other;
    {
        DbfTable t;
        ASSERT_TRUE(t.Create(other.Path("copy.dbf"),
                             {{"NAME", 'C', 10, 0}, {"H", 'N', 6, 1}, {"NORM", 'C', 9, 0}}));
    }
    Workspace ws2;
    ScriptedUi ui2;
    ws2.ui = &ui2;
    TableAccess access(ws2);
    ASSERT_TRUE(access.OpenFile(other.Path("copy.dbf")));
    ui2.Push(f.temp.Path("out.txt"));
    TableWindow w2(ws2, 2, DiskFileSystem(), &f.launcher);
    w2.Press("mi_fileAppendDelimited");
    EXPECT_TRUE(ui2.messages.empty()) << ui2.messages[0];
    ASSERT_EQ(w2.RowCount(), 5);
    EXPECT_EQ(w2.Cell(2, 3), "\"quoted\" ");
    EXPECT_EQ(w2.Cell(5, 2), " 290.0");
    EXPECT_EQ(w2.CurrentRow(), 5);
}

TEST(TableWindow, AppendDelimitedStopsAtAValueThatDoesNotFit) {
    Fixture f;
    test::WriteBytes(f.temp.Path("in.txt"),
                     {'"', 'A', '"', ',', '1', '\r', '\n', '"', 'B', '"', ',',  '1',
                      '2', '3', '4', '5', '6', '\r', '\n', '"', 'C', '"', '\r', '\n'});
    f.ui.Push(f.temp.Path("in.txt"));
    TableWindow w(f.ws, 2, DiskFileSystem(), &f.launcher);
    w.Press("mi_fileAppendDelimited");
    EXPECT_EQ(f.ws.table.table.RecordCount(), 6u);  // "A" went in, "B" did not, "C" not tried
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_NE(f.ui.messages[0].find("Zeile 2"), std::string::npos);
}

TEST(TableWindow, AppendDbfMatchesFieldsByName) {
    Fixture f;
    {
        DbfTable t;
        ASSERT_TRUE(t.Create(f.temp.Path("more.dbf"), {{"H", 'N', 8, 2}, {"NAME", 'C', 12, 0}}));
        t.BlankRecord();
        t.SetFieldNumber(1, 120.004L);
        t.SetFieldText(2, "HEB 120");
        ASSERT_TRUE(t.Append());
        t.BlankRecord();
        t.SetFieldText(2, "gone");
        t.SetDeleted(true);
        ASSERT_TRUE(t.Append());
    }
    f.ui.Push(f.temp.Path("more.dbf"));
    TableWindow w(f.ws, 2, DiskFileSystem(), &f.launcher);
    w.Press("mi_fileAppendDbf");
    ASSERT_EQ(f.ws.table.table.RecordCount(), 6u);  // the deleted record stays behind
    ASSERT_TRUE(f.ws.table.table.Read(6));
    EXPECT_EQ(f.ws.table.table.RecordBytes(), " HEB 120     120         ");
}

TEST(TableWindow, PrintWritesTheFirstSevenFieldsThroughTheOutputChannel) {
    Fixture f;
    TempFolder dir;
    {
        std::vector<DbfField> fields;
        for (int i = 1; i <= 9; ++i) fields.push_back({"F" + std::to_string(i), 'C', 2, 0});
        DbfTable t;
        ASSERT_TRUE(t.Create(dir.Path("wide.dbf"), fields));
        t.BlankRecord();
        for (int i = 1; i <= 9; ++i) t.SetFieldText(i, std::to_string(i) + std::to_string(i));
        ASSERT_TRUE(t.Append());
    }
    TableAccess access(f.ws);
    ASSERT_TRUE(access.OpenFile(dir.Path("wide.dbf")));
    f.ws.config.textDevice = 8;  // OUTDOS.TXT in the temporary folder
    f.ws.config.textSeparatorMode = 1;
    TableWindow w(f.ws, 1, DiskFileSystem(), &f.launcher);
    w.Press("mi_filePrint");
    auto bytes = ReadBytes(f.temp.Path("OUTDOS.TXT"));
    const std::string text(bytes.begin(), bytes.end());
    // Columns of width 2 + 1: seven of them, the eighth and ninth field left out.
    EXPECT_NE(text.find("F1 F2 F3 F4 F5 F6 F7 "), std::string::npos);
    EXPECT_NE(text.find("11 22 33 44 55 66 77 "), std::string::npos);
    EXPECT_EQ(text.find("88"), std::string::npos);
    EXPECT_EQ(text.find("F8"), std::string::npos);
    EXPECT_NE(text.find(dir.Path("wide.dbf")), std::string::npos);
}

TEST(TableAccessBrowse, EditingACopyInTheTemporaryFolderSaysSo) {
    Fixture f;
    test::FailingFileSystem fs;
    fs.refuseWriteOpen = true;
    fs.refusePrefix = f.dbf.Path("");
    TableAccess tables(f.ws, fs);
    ASSERT_TRUE(tables.OpenCatalogue("profile"));
    tables.SetTitles("", " WQZWST ");
    f.ui.Push(test::FormScript([](FormModel& form) { form.Press("Button_ok"); }));
    EXPECT_TRUE(tables.Browse(2));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0],
              "Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner."_oem);
    // Picking shows no message.
    f.ui.Push(test::FormScript([](FormModel& form) { form.Press("Button_cancel"); }));
    EXPECT_FALSE(tables.Browse(1));
    EXPECT_TRUE(f.ws.abortFlag);
    EXPECT_EQ(f.ui.messages.size(), 1u);
}

}  // namespace
}  // namespace bxr
