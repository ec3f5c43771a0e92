#include "app/project_commands.h"

#include <gtest/gtest.h>

#include "model/project_file.h"
#include "format/code_page.h"
#include "support/memory_file_system.h"
#include "support/sample_projects.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using test::Cancel;
using test::MemoryFileSystem;
using test::ScriptedUi;

struct Fixture {
    Workspace ws;
    ScriptedUi ui;
    MemoryFileSystem fs;
    Fixture() {
        ws.ui = &ui;
        ws.dataFolder = "/proj/";
        const test::SampleProject p = test::GearShaft();
        ws.model = p.model;
        ws.documentation = p.doc;
    }
    std::string Text() const { return ProjectFileText(ws.model, ws.documentation, ws.output()); }
};

TEST(project_commands_test, save_writes_a_bare_name_into_the_data_folder_without_asking) {
    Fixture f;
    f.ws.currentName = "welle";
    f.ws.model.modified = true;
    f.fs.files["/proj/welle.bxr"] = "old";
    ASSERT_TRUE(SaveCommand(f.ws, f.fs));
    EXPECT_EQ(f.fs.files["/proj/welle.bxr"], f.Text());
    EXPECT_FALSE(f.ws.model.modified);
    EXPECT_TRUE(f.ui.shown.empty());
    EXPECT_EQ(f.fs.files.size(), 1u);  // no probe or temporary file left behind
}

TEST(project_commands_test, save_as_asks_before_overwriting_and_no_keeps_the_file) {
    Fixture f;
    f.fs.files["/other/neu.bxr"] = "old";
    f.ui.Push(std::string("/other/neu.txt"));
    f.ui.Push(false);
    EXPECT_FALSE(SaveAsCommand(f.ws, f.fs));
    EXPECT_TRUE(f.ws.abortFlag);
    EXPECT_EQ(f.fs.files["/other/neu.bxr"], "old");
    ASSERT_EQ(f.ui.shown.size(), 2u);
    EXPECT_EQ(f.ui.shown[0], "save *.bxr|*.bxr");
    EXPECT_EQ(f.ui.shown[1], "/other/neu.bxr existiert bereits.   überschreiben ?"_oem);
    EXPECT_TRUE(f.ui.messages.empty());

    f.ui.Push(std::string("/other/neu.bxr"));
    f.ui.Push(true);
    f.ws.model.modified = true;
    ASSERT_TRUE(SaveAsCommand(f.ws, f.fs));
    EXPECT_EQ(f.fs.files["/other/neu.bxr"], f.Text());
    EXPECT_EQ(f.ws.currentName, "neu");
    EXPECT_EQ(f.ws.dataFolder, "/other/");
    EXPECT_FALSE(f.ws.model.modified);
    ASSERT_FALSE(f.ws.recentFiles.empty());
    EXPECT_EQ(f.ws.recentFiles[0], "/other/neu.bxr");
}

TEST(project_commands_test, cancel_refused_names_and_archive_mode_set_the_abort_flag) {
    Fixture f;
    f.ui.Push(Cancel{});
    EXPECT_FALSE(SaveAsCommand(f.ws, f.fs));
    EXPECT_TRUE(f.ws.abortFlag);
    EXPECT_TRUE(f.ui.messages.empty());

    f.fs.refuseCreate["/ro/"] = true;
    f.ws.abortFlag = false;
    EXPECT_FALSE(ResolveSaveName(f.ws, f.fs, "/ro/x.bxr", "bxr", true));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0], "Ungültiger Dateiname \"/ro/x.bxr\" !"_oem);
    EXPECT_TRUE(f.ws.abortFlag);

    f.ws.config.archiveMode = true;
    f.ws.commandLineProject = "/proj/a.bxr";
    f.ws.abortFlag = false;
    EXPECT_FALSE(ResolveSaveName(f.ws, f.fs, "welle", "bxr", false));
    EXPECT_EQ(f.ui.messages.back(),
              "File- und User- Befehle sind im Archivierungsmodus nicht möglich."_oem);
    EXPECT_TRUE(f.ws.abortFlag);
    f.ws.abortFlag = false;
    EXPECT_EQ(ResolveSaveName(f.ws, f.fs, "aktuell", "bxr", true), "/proj/aktuell.bxr");
    // Archive mode needs a project from the command line.
    f.ws.commandLineProject.clear();
    EXPECT_EQ(ResolveSaveName(f.ws, f.fs, "welle", "bxr", true), "/proj/welle.bxr");
}

TEST(project_commands_test, a_write_failing_half_way_leaves_the_old_file_untouched) {
    Fixture f;
    const test::SampleProject big = test::FullProject();  // several 4 KiB pieces
    f.ws.model = big.model;
    f.ws.documentation = big.doc;
    f.ws.currentName = "welle";
    f.ws.model.modified = true;
    const std::string old = "the project as it was\r\n";
    f.fs.files["/proj/welle.bxr"] = old;
    f.fs.failWriteAfter = 2;
    EXPECT_FALSE(SaveCommand(f.ws, f.fs));
    EXPECT_TRUE(f.ws.abortFlag);
    EXPECT_TRUE(f.ws.model.modified);
    EXPECT_EQ(f.fs.files["/proj/welle.bxr"], old);
    EXPECT_EQ(f.fs.files.size(), 1u);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_NE(f.ui.messages[0].find("/proj/welle.bxr"), std::string::npos);
}

// SupportType 5 with self weight: the calculation appended C and D (two point forces each)
// and the self-weight load.
TEST(project_commands_test, saving_with_appended_loads_writes_user_loads_and_keeps_the_lists) {
    Fixture f;
    BeamModel& m = f.ws.model;
    m.supportType = kFourHinges;
    m.selfWeightAsLoad = true;
    m.pointLoadCount = 6;
    for (int i = 3; i <= 6; ++i) m.pointLoads[i] = PointLoad{-100.0L * i, 500, 0, "Lager"};
    m.distributedLoadCount = 2;
    m.distributedLoads[1] = DistributedLoad{1.5, 0, 400, 0, "Nutzlast"};
    m.distributedLoads[2] = DistributedLoad{0.12, 0, 400, 0, "G"};
    m.auxLoadsAppended = true;
    const BeamModel before = m;
    f.ws.currentName = "welle";
    ASSERT_TRUE(SaveCommand(f.ws, f.fs));

    BeamModel read;
    ProjectDocumentation doc;
    ASSERT_TRUE(ReadProjectText(f.fs.files["/proj/welle.bxr"], read, doc).Ok());
    EXPECT_EQ(read.pointLoadCount, 2);
    EXPECT_EQ(read.distributedLoadCount, 1);
    EXPECT_EQ(read.distributedLoads[1].label, "Nutzlast");
    EXPECT_EQ(m.pointLoadCount, 6);
    EXPECT_EQ(m.distributedLoadCount, 2);
    EXPECT_EQ(m.pointLoads[6].f, before.pointLoads[6].f);
    EXPECT_EQ(m.distributedLoads[2].label, "G");
    EXPECT_TRUE(m.auxLoadsAppended);
}

TEST(project_commands_test, confirm_discard_saves_discards_or_stops) {
    {  // named project, Yes: saved over its own file without the overwrite question
        Fixture f;
        f.ws.currentName = "welle";
        f.ws.model.modified = true;
        f.fs.files["/proj/welle.bxr"] = "old";
        f.ui.Push(true);
        EXPECT_TRUE(ConfirmDiscard(f.ws, f.fs));
        EXPECT_EQ(f.ui.shown[0], "Datei speichern (/proj/welle.bxr) ?");
        EXPECT_EQ(f.fs.files["/proj/welle.bxr"], f.Text());
        EXPECT_FALSE(f.ws.model.modified);
    }
    {  // named project, No
        Fixture f;
        f.ws.currentName = "welle";
        f.ws.model.modified = true;
        f.ui.Push(false);
        EXPECT_TRUE(ConfirmDiscard(f.ws, f.fs));
        EXPECT_TRUE(f.fs.files.empty());
        EXPECT_FALSE(f.ws.model.modified);
    }
    {  // named project whose save fails: stays modified, the caller stops
        Fixture f;
        f.ws.currentName = "welle";
        f.ws.model.modified = true;
        f.fs.refuseCreate["/proj/"] = true;
        f.ui.Push(true);
        EXPECT_FALSE(ConfirmDiscard(f.ws, f.fs));
        EXPECT_TRUE(f.ws.abortFlag);
        EXPECT_TRUE(f.ws.model.modified);
    }
    {  // unnamed: No stops the caller
        Fixture f;
        f.ws.model.modified = true;
        f.ui.Push(false);
        EXPECT_FALSE(ConfirmDiscard(f.ws, f.fs));
        EXPECT_EQ(f.ui.shown[0], "Bisherige Eingaben verwerfen ?");
        EXPECT_TRUE(f.ws.abortFlag);
        EXPECT_TRUE(f.ws.model.modified);
    }
    {  // archive mode with a command-line project: silently discarded
        Fixture f;
        f.ws.model.modified = true;
        f.ws.config.archiveMode = true;
        f.ws.commandLineProject = "/proj/a.bxr";
        EXPECT_TRUE(ConfirmDiscard(f.ws, f.fs));
        EXPECT_FALSE(f.ws.model.modified);
        EXPECT_TRUE(f.ui.shown.empty());
    }
}

TEST(project_commands_test, open_reads_the_chosen_file_and_remembers_it) {
    Fixture f;
    const std::string cantilever = [] {
        const test::SampleProject p = test::CantileverBracket();
        return ProjectFileText(p.model, p.doc, OutputSettings{});
    }();
    f.fs.files["/lib/konsole.bxr"] = cantilever;
    f.ws.model.modified = true;
    f.ui.Push(true);  // discard the unnamed input
    f.ui.Push(std::string("/lib/konsole.bxr"));
    ASSERT_TRUE(OpenCommand(f.ws, f.fs));
    EXPECT_EQ(f.ui.shown[1], "open *.bxr|*.bxr");
    EXPECT_EQ(f.ws.model.drawingNumber, "KO-220");
    EXPECT_EQ(f.ws.currentName, "konsole");
    EXPECT_EQ(f.ws.dataFolder, "/lib/");
    EXPECT_FALSE(f.ws.model.modified);
    EXPECT_EQ(f.ws.recentFiles, std::vector<std::string>{"/lib/konsole.bxr"});
}

TEST(project_commands_test, a_damaged_or_oversized_file_is_reported_by_name) {
    Fixture f;
    const std::string text = f.Text();
    f.fs.files["/lib/kurz.bxr"] = text.substr(0, text.find("Material"));
    f.ui.Push(std::string("/lib/kurz.bxr"));
    EXPECT_FALSE(OpenCommand(f.ws, f.fs));
    EXPECT_TRUE(f.ws.abortFlag);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_NE(f.ui.messages[0].find("\"/lib/kurz.bxr\""), std::string::npos);
    EXPECT_NE(f.ui.messages[0].find("(Zeile "), std::string::npos) << f.ui.messages[0];
    EXPECT_EQ(f.ws.currentName, "");  // a later Save cannot overwrite the damaged file
    // Nothing of the file was loaded: the project in memory is as it was.
    EXPECT_FALSE(f.ws.model.modified);
    EXPECT_EQ(f.ws.model.pointLoadCount, 3);
    EXPECT_TRUE(f.ws.recentFiles.empty());

    Fixture g;
    g.fs.files["/lib/riesig.bxr"] = text + std::string(100 * 1024 * 1024, 'x');
    EXPECT_FALSE(ReadProjectFile(g.ws, g.fs, "/lib/riesig.bxr"));
    EXPECT_TRUE(g.ws.abortFlag);
    EXPECT_EQ(g.ui.messages.size(), 1u);

    Fixture h;
    EXPECT_FALSE(ReadProjectFile(h.ws, h.fs, "fehlt"));
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_NE(h.ui.messages[0].find("/proj/fehlt.bxr"), std::string::npos);
}

TEST(project_commands_test, recent_files_move_to_the_top_without_case_duplicates) {
    std::vector<std::string> r;
    for (const char* p : {"/d/4.bxr", "/d/3.bxr", "/d/2.bxr", "/d/1.bxr"}) AddRecentFile(r, p);
    EXPECT_EQ(r, (std::vector<std::string>{"/d/1.bxr", "/d/2.bxr", "/d/3.bxr", "/d/4.bxr"}));
    AddRecentFile(r, "/D/3.BXR");  // entry 3, other spelling
    EXPECT_EQ(r, (std::vector<std::string>{"/D/3.BXR", "/d/1.bxr", "/d/2.bxr", "/d/4.bxr"}));
    AddRecentFile(r, "/d/5.bxr");
    EXPECT_EQ(r, (std::vector<std::string>{"/d/5.bxr", "/D/3.BXR", "/d/1.bxr", "/d/2.bxr"}));

    const std::string longPath = "/home/konstruktion/projekte/getriebe/stufe2/welle.bxr";
    ASSERT_GE(longPath.size(), 50u);
    EXPECT_EQ(ShortenPath(longPath), "/home/.../welle.bxr");
    EXPECT_EQ(ShortenPath("/d/x.bxr"), "/d/x.bxr");
    const std::string oneSeparator = "/" + std::string(60, 'w') + ".bxr";
    EXPECT_EQ(ShortenPath(oneSeparator), oneSeparator);
    EXPECT_EQ(RecentFileCaption(2, "/d/x.bxr"), "&2 /d/x.bxr");
}

TEST(project_commands_test, opening_a_missing_recent_file_drops_it_with_a_message) {
    Fixture f;
    f.ws.recentFiles = {"/d/a.bxr", "/d/weg.bxr", "/d/c.bxr"};
    EXPECT_FALSE(OpenRecentFile(f.ws, f.fs, 2));
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{"File /d/weg.bxr not found !"});
    EXPECT_EQ(f.ws.recentFiles, (std::vector<std::string>{"/d/a.bxr", "/d/c.bxr"}));

    f.fs.files["/d/c.bxr"] = f.Text();
    f.ws.model.drawingNumber = "vorher";
    ASSERT_TRUE(OpenRecentFile(f.ws, f.fs, 2));
    EXPECT_EQ(f.ws.model.drawingNumber, "GW-100-01");
    EXPECT_EQ(f.ws.currentName, "c");
    EXPECT_EQ(f.ws.dataFolder, "/d/");
    EXPECT_EQ(f.ws.recentFiles, (std::vector<std::string>{"/d/c.bxr", "/d/a.bxr"}));
}

TEST(project_commands_test, korm_export_and_import_carry_contour_section_values_and_texts) {
    Fixture f;
    f.ws.section.density = 2.7L;
    f.ws.section.massLength = 250;
    f.ws.model.modified = true;
    f.ui.Push(std::string("/korm/welle"));
    ASSERT_TRUE(ExportKorm(f.ws, f.fs));
    EXPECT_EQ(f.ui.shown[0], "save *.GQD|*.GQD");
    ASSERT_TRUE(f.fs.files.count("/korm/welle.GQD"));
    EXPECT_FALSE(f.ws.model.modified);
    const std::string korm = f.fs.files["/korm/welle.GQD"];
    EXPECT_NE(korm.find("\r\n---------------\r\n1. KONTUR\r\n---------------\r\n"
                        "Anz. Konturelemente\r\n3\r\n----------------------\r\n1. Punkt\r\n"
                        "22.500\r\n0.000\r\n3.142\r\n------\r\n"),
              std::string::npos);
    EXPECT_NE(korm.find("\r\n2.7000000\r\n250.0000000\r\n5.0000000\r\nGetriebewelle\r\n"),
              std::string::npos);

    Fixture g;
    g.ws.model.contourCount = 0;
    g.ui.Push(std::string("/korm/welle.GQD"));
    g.fs.files = f.fs.files;
    ASSERT_TRUE(ImportKorm(g.ws, g.fs));
    EXPECT_EQ(g.ws.model.contourCount, 3);
    EXPECT_EQ(g.ws.model.contour[2].y, -22.5L);
    EXPECT_EQ(g.ws.model.contour[1].arcAngle, 3.142L);
    EXPECT_EQ(g.ws.section.density, 2.7L);
    EXPECT_EQ(g.ws.section.massLength, 250);
    EXPECT_EQ(g.ws.model.drawingName2, "Zwischenwelle Stufe 1");
    EXPECT_EQ(g.ws.documentation.changes[1].text, "Erstausgabe");
}

TEST(project_commands_test, open_from_table_shows_fifteen_columns_and_opens_chosen_rows) {
    Fixture f;
    const test::SampleProject a = test::CantileverBracket();
    const test::SampleProject b = test::ContinuousBeam();
    f.fs.files["/proj/a.bxr"] = ProjectFileText(a.model, a.doc, OutputSettings{});
    f.fs.files["/proj/b.BXR"] = ProjectFileText(b.model, b.doc, OutputSettings{});
    f.fs.files["/proj/notes.txt"] = "x";
    f.fs.dates["/proj/a.bxr"] = FileDate{2025, 3, 7};
    f.ws.currentName = "alt";
    std::vector<std::string> titles, firstRow;
    f.ui.Push(test::FormScript([&](FormModel& form) {
        FormGrid* grid = form.Grid();
        ASSERT_NE(grid, nullptr);
        ASSERT_EQ(grid->ColumnCount(), 15);
        ASSERT_EQ(grid->RowCount(), 2);
        for (int c = 1; c <= 15; ++c) {
            titles.push_back(grid->ColumnTitle(c));
            firstRow.push_back(grid->Cell(1, c));
        }
        grid->ClickCell(2, 1);
        form.Press("Button_ok");
    }));
    f.ui.Push(Cancel{});
    ASSERT_TRUE(OpenFromTable(f.ws, f.fs));
    EXPECT_EQ(titles, (std::vector<std::string>{"File", "Date  y/m/d", "No.", "Name", "Info 1",
                                                "Info 2", "n geo", "l [mm]", "Lager", "Material",
                                                "F", "q", "Mb", "Fax", "kerb"}));
    EXPECT_EQ(firstRow,
              (std::vector<std::string>{"a.bxr", "2025/03/07", "KO-220", "Konsole",
                                        "Kragarm 60 x 100, an der Wand eingespannt", "", "4",
                                        "  800.0", "1", "S235JR", "1", "1", "0", "0", "0"}));
    // The caption names each file while it is read, then the window's own title returns.
    EXPECT_EQ(f.ui.captions,
              (std::vector<std::string>{"BXR  -  Trägerberechnung -> a.bxr"_oem,
                                        "BXR  -  Trägerberechnung -> b.BXR"_oem, ""}));
    EXPECT_EQ(f.ws.model.drawingNumber, "DT-4-6000");
    EXPECT_EQ(f.ws.currentName, "b");
    EXPECT_FALSE(f.ws.model.modified);
}

}  // namespace
}  // namespace bxr

namespace bxr {
namespace {

TEST(project_commands_test, recent_file_menu_hides_empty_entries_and_the_separator) {
    RecentFileMenu none = BuildRecentFileMenu({});
    EXPECT_FALSE(none.separatorVisible);
    EXPECT_FALSE(none.visible[0]);
    RecentFileMenu two =
        BuildRecentFileMenu({"/a/x.bxr", "/home/konstruktion/projekte/getriebe/2026/welle.bxr"});
    EXPECT_TRUE(two.separatorVisible);
    EXPECT_EQ(two.captions[0], "&1 /a/x.bxr");
    EXPECT_EQ(two.captions[1], "&2 /home/.../welle.bxr");
    EXPECT_TRUE(two.visible[1]);
    EXPECT_FALSE(two.visible[2]);
}

}  // namespace
}  // namespace bxr
