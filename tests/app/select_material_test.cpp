#include "app/select_material.h"

#include <gtest/gtest.h>

#include "app/material_dialog.h"
#include "app/project_commands.h"
#include "format/code_page.h"
#include "model/project_file.h"
#include "support/fake_catalog_tables.h"
#include "support/output_test_support.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using test::Cancel;
using test::FakeCatalogTables;
using test::FindRecord;
using test::FormScript;
using test::ScriptedUi;

struct Fixture {
    ScriptedUi ui;
    Workspace ws;
    FakeCatalogTables tables{ws};
    Fixture() { ws.ui = &ui; }
};

// Answers the material dialog with OK after noting which fields could be edited.
FormScript PressOk(std::vector<std::string>* editable = nullptr) {
    return [editable](FormModel& form) {
        if (editable)
            for (const FormField& f : form.fields)
                if (f.enabled) editable->push_back(f.name);
        form.Press("Button_ok");
    };
}

TEST(SelectMaterial, Wst1DatabaseRowWithFatigueValues) {
    Fixture f;
    const std::uint32_t row = FindRecord("wst1base", 3, "1.7225");
    ASSERT_GT(row, 0u);
    std::vector<std::string> editable;
    f.tables.picks = {row, row};
    f.ui = ScriptedUi({3, PressOk(&editable)});
    ASSERT_TRUE(SelectMaterial(f.ws, f.tables));
    EXPECT_EQ(f.ui.shown[0], "Werkstoffeingabe");
    EXPECT_EQ(f.ui.preselections[0], 2);
    EXPECT_EQ(f.ui.choiceItems[0][0], "Werkstoffkennwerte aus Liste wählen"_oem);
    EXPECT_EQ(f.tables.title2, "Werkstoffauswahl");
    EXPECT_EQ(f.tables.browseModes[0], 1);
    const MaterialRecord& m = f.ws.model.material;
    EXPECT_EQ(f.ws.model.materialSource, 3);
    EXPECT_EQ(m.name, "42CrMo4");
    EXPECT_EQ(m.code, "1.7225");
    EXPECT_NEAR(double(m.g), 80769.2, 0.05);  // 210000 / (2 * 1.3)
    EXPECT_NEAR(double(m.notchSensitivity), 0.85, 1e-15);
    EXPECT_EQ(m.tableRecord, std::int32_t(row));
    // wst1dyn: 0.4, 0.5 and 0.3 times Rm 1100.
    EXPECT_EQ(f.ws.materials.dynamic.sigW, 440);
    EXPECT_EQ(f.ws.materials.dynamic.sigBW, 550);
    EXPECT_EQ(f.ws.materials.dynamic.tauW, 330);
    EXPECT_EQ(editable, (std::vector<std::string>{"Edit_etak", "Edit_ok"}));
    // Next time the key of that row is looked up and the window opens on it.
    f.ui = ScriptedUi({3, PressOk()});
    ASSERT_TRUE(SelectMaterial(f.ws, f.tables));
    EXPECT_EQ(f.tables.currentAtBrowse[1], row);
    EXPECT_NE(std::find(f.tables.indexes.begin(), f.tables.indexes.end(), "wst1base"),
              f.tables.indexes.end());
}

TEST(SelectMaterial, ListRowWithoutFatigueTableLeavesFatigueValuesZero) {
    Fixture f;
    f.ws.materials.dynamic.sigW = 99;
    f.tables.missing = {"wst1dyn.dbf"};
    f.tables.picks = {FindRecord("wqzwst", 1, "1.0577")};
    std::vector<std::string> editable;
    f.ui = ScriptedUi({1, PressOk(&editable)});
    ASSERT_TRUE(SelectMaterial(f.ws, f.tables));
    EXPECT_EQ(f.ws.model.material.name, "S355J2");
    EXPECT_EQ(f.ws.model.material.re, 355);
    EXPECT_EQ(f.ws.materials.dynamic.sigW, 0);
    EXPECT_TRUE(f.ui.messages.empty());  // a missing wst1dyn.dbf is no error
    EXPECT_EQ(editable, std::vector<std::string>{"Edit_ok"});
}

TEST(SelectMaterial, MaterialWithoutFatigueRowHasNoFatigueValues) {
    Fixture f;
    f.ws.materials.dynamic.sigBW = 99;
    // Grey cast iron has no row in wst1dyn.dbf; its group code gives eta k 0.3.
    f.tables.picks = {FindRecord("wst1base", 3, "EN-JL1040")};
    f.ui = ScriptedUi({3, PressOk()});
    ASSERT_TRUE(SelectMaterial(f.ws, f.tables));
    EXPECT_EQ(f.ws.model.material.name, "EN-GJL-250");
    EXPECT_NEAR(double(f.ws.model.material.notchSensitivity), 0.3, 1e-15);
    const DynamicStrengths& d = f.ws.materials.dynamic;
    EXPECT_EQ(d.sigBF + d.tauTF + d.sigW + d.sigBW + d.tauW + d.sigSch + d.sigBSch + d.tauSch, 0);
    EXPECT_TRUE(d.remark.empty());
    EXPECT_NE(std::find(f.tables.opened.begin(), f.tables.opened.end(), "wst1dyn.dbf"),
              f.tables.opened.end());
}

TEST(SelectMaterial, Din743RowWithSurfaceValues) {
    Fixture f;
    f.ws.model.notchMode = 4;  // the DIN 743 method takes source 4 without asking
    f.tables.picks = {FindRecord("mat_743", 2, "42CrMo4")};
    f.ui = ScriptedUi({std::string("6.3"), std::string("1.2")});
    ASSERT_TRUE(SelectMaterial(f.ws, f.tables));
    EXPECT_EQ(f.ui.shown[0], "Oberflächenrauheit Rz"_oem);
    EXPECT_EQ(f.ui.shown[1], "Faktor Oberflächenverfestigung Kv"_oem);
    const MaterialRecord& m = f.ws.model.material;
    EXPECT_EQ(f.ws.model.materialSource, 4);
    EXPECT_EQ(m.code, "42CrMo4");
    EXPECT_EQ(m.rm, 1100);
    EXPECT_EQ(m.g, 81000);
    EXPECT_NEAR(double(m.notchSensitivity), 0.85, 1e-15);
    EXPECT_NEAR(double(f.ws.materials.roughnessRz), 6.3, 1e-15);
    EXPECT_NEAR(double(f.ws.materials.hardeningKv), 1.2, 1e-15);
    // Re 900, sigZdW 440, sigBW 550, tauTW 330.
    const DynamicStrengths& d = f.ws.materials.dynamic;
    EXPECT_EQ(d.sigBF, 900);
    EXPECT_EQ(d.tauTF, 519);    // 0.577 * 900 = 519.3
    EXPECT_EQ(d.sigSch, 716);   // 440 + 0.6 * 460
    EXPECT_EQ(d.sigBSch, 760);  // 550 + 0.6 * 350
    EXPECT_EQ(d.tauSch, 443);   // 330 + 0.6 * 189 = 443.4
}

TEST(SelectMaterial, CancelledDin743PromptKeepsTheRowButNotTheDerivedValues) {
    Fixture f;
    f.tables.picks = {FindRecord("mat_743", 2, "18CrNiMo7-6")};
    f.ui = ScriptedUi({4, std::string("16"), Cancel{}});
    EXPECT_FALSE(SelectMaterial(f.ws, f.tables));
    EXPECT_TRUE(f.ws.abortFlag);
    EXPECT_EQ(f.ws.model.material.name, "18CrNiMo7-6");  // blank short text
    EXPECT_NEAR(double(f.ws.model.material.notchSensitivity), 0.8, 1e-15);
    EXPECT_EQ(f.ws.materials.dynamic.sigBF, 0);
}

TEST(SelectMaterial, TypedValuesClearTheTableStrengths) {
    Fixture f;
    f.ws.model.material.rm = 700;
    f.ws.materials.dynamic.sigW = 280;
    f.ui = ScriptedUi({2, FormScript([](FormModel& form) {
                           form.Field("Edit_e")->text = "70000";
                           form.Press("Button_ok");
                       })});
    ASSERT_TRUE(SelectMaterial(f.ws, f.tables));
    EXPECT_EQ(f.ws.model.material.e, 70000);
    EXPECT_EQ(f.ws.model.material.rm, 0);
    EXPECT_EQ(f.ws.materials.dynamic.sigW, 0);
    EXPECT_TRUE(f.tables.opened.empty());
}

TEST(SelectMaterial, MissingTableOrCancelLeavesTheMaterial) {
    Fixture f;
    f.tables.missing = {"wqzwst.dbf"};
    f.ui = ScriptedUi({1});
    EXPECT_FALSE(SelectMaterial(f.ws, f.tables));
    EXPECT_EQ(f.ui.messages.at(0), "Datei " + test::BuiltCatalogFolder() +
                                       "wqzwst.dbf nicht gefunden oder kein Zugriffsrecht !");
    EXPECT_EQ(f.ws.model.material.name, "42CrMo4");
    f.ui = ScriptedUi({Cancel{}});
    EXPECT_FALSE(SelectMaterial(f.ws, f.tables));
    f.tables.picks = {0};  // the table window cancelled
    f.ui = ScriptedUi({3});
    EXPECT_FALSE(SelectMaterial(f.ws, f.tables));
    EXPECT_TRUE(f.ws.abortFlag);
    EXPECT_EQ(f.ws.model.material.code, "1.7225");
    EXPECT_EQ(f.ws.model.material.g, 80000);
}

TEST(BrowseMaterialTable, EditModeFillsTheRowBufferOnly) {
    Fixture f;
    f.tables.picks = {1};
    ASSERT_TRUE(BrowseMaterialTable(f.ws, f.tables, MaterialTable::Wst1Base));
    EXPECT_EQ(f.tables.title2, " WST1BASE ");
    EXPECT_EQ(f.tables.browseModes[0], 2);
    ASSERT_GT(f.ws.materials.wst1baseRow.size(), 3u);
    EXPECT_EQ(f.ws.materials.wst1baseRow[2], "S235JR");
    EXPECT_EQ(f.ws.model.material.name, "42CrMo4");
}

// A project read back: its material came from the row tableRecord of its source's table.
TEST(RestoreMaterialStrengths, LooksTheRowUpAgainAndTakesItOnlyWhenItHoldsTheMaterial) {
    struct Case {
        int source;
        const char* table;
        const char* rowMaterial;  // the material the row holds
        bool missing;
        std::int32_t sigBW;
        std::string note;
    };
    const std::vector<Case> cases = {
        {3, "wst1base", "S355J2", false, 235, ""},
        {1, "wqzwst", "S355J2", false, 235, ""},
        {4, "mat_743", "S355J2", false, 235, ""},
        {3, "wst1base", "S355J2", true, 0, "Warnung: Tabelle fehlt: wst1base.dbf"},
        {1, "wqzwst", "S235JR", false, 0, kChangedMaterialRowNote},
        {2, "wqzwst", "S355J2", false, 0, ""},  // typed in: no table is asked
    };
    for (const Case& c : cases) {
        Fixture f;
        f.ws.materials.dynamic.sigBW = 999;  // of the project read before
        MaterialRecord& m = f.ws.model.material;
        m.code.clear();  // the project file keeps no material number
        m.name = "S355J2";
        m.tableRecord = static_cast<std::int32_t>(FindRecord(c.table, 2, c.rowMaterial));
        ASSERT_GT(m.tableRecord, 0) << c.table;
        f.ws.model.materialSource = static_cast<std::uint16_t>(c.source);
        if (c.missing) f.tables.missing = {std::string(c.table) + ".dbf"};
        RestoreMaterialStrengths(f.ws, f.tables);
        EXPECT_EQ(f.ws.materials.dynamic.sigBW, c.sigBW) << c.table << c.source;
        EXPECT_EQ(f.ws.materials.strengthNote, c.note) << c.table << c.source;
        // DIN 743 takes the designation as material number.
        EXPECT_EQ(m.code, !c.sigBW ? "" : c.source == 4 ? "S355J2" : "1.0577") << c.table;
        EXPECT_EQ(m.rm, c.sigBW ? 470 : 0) << c.table;
        EXPECT_TRUE(f.ui.messages.empty());
        EXPECT_FALSE(f.ws.abortFlag);
        if (c.source == 2) {
            EXPECT_TRUE(f.tables.opened.empty());
        }
    }
    // A record beyond the table.
    Fixture f;
    f.ws.model.material.name = "S355J2";
    f.ws.model.material.tableRecord = 99999;
    f.ws.model.materialSource = 3;
    RestoreMaterialStrengths(f.ws, f.tables);
    EXPECT_EQ(f.ws.materials.strengthNote, kChangedMaterialRowNote);
}

// Open reads the project and the strengths of its material from the program's tables.
TEST(RestoreMaterialStrengths, OpeningAProjectFindsTheStrengthsInTheCatalogue) {
    BeamModel m;
    m.material.name = "S355J2";
    m.material.tableRecord = static_cast<std::int32_t>(FindRecord("wst1base", 2, "S355J2"));
    m.materialSource = 3;
    const std::string path = test::MakeTempFolder() + "s355.bxr";
    test::WriteFile(path, ProjectFileText(m, ProjectDocumentation{}, OutputSettings{}));
    ScriptedUi ui;
    Workspace ws;
    ws.ui = &ui;
    ws.config.dbfFolder = test::BuiltCatalogFolder();
    ws.config.tempFolder = test::MakeTempFolder();
    ASSERT_TRUE(ReadProjectFile(ws, DiskFileSystem(), path));
    EXPECT_EQ(ws.materials.dynamic.sigBW, 235);
    EXPECT_EQ(ws.materials.dynamic.sigBF, 426);
    EXPECT_EQ(ws.model.material.code, "1.0577");
    EXPECT_TRUE(ui.messages.empty());
    // The same project as the template "null" of the data folder.
    ws.materials.dynamic = {};
    ws.dataFolder = test::MakeTempFolder();
    test::WriteFile(ws.dataFolder + "/null.bxr", test::Slurp(path));
    ws.currentName = "alt";
    ASSERT_TRUE(LoadTemplateProject(ws, DiskFileSystem()));
    EXPECT_EQ(ws.materials.dynamic.sigBW, 235);
    EXPECT_EQ(ws.currentName, "");
    EXPECT_FALSE(ws.model.modified);
}

}  // namespace
}  // namespace bxr
