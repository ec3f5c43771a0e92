// The profile and material choices on the real table access and table window, over the
// catalogue tables the build writes.
#include "app/table_catalog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/select_material.h"
#include "app/select_profile.h"
#include "app/table_window.h"
#include "support/fake_catalog_tables.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using test::FindRecord;
using test::FormScript;
using test::ScriptedUi;

struct Fixture {
    ScriptedUi ui;
    Workspace ws;
    std::string temp;
    Fixture() {
        ws.ui = &ui;
        ws.config.dbfFolder = test::BuiltCatalogFolder();
        char pattern[] = "/tmp/bxr_catalog_XXXXXX";
        temp = mkdtemp(pattern);
        ws.config.tempFolder = temp + "/";
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(temp, ec);
    }
};

// Picks the grid row that shows the record and closes the window with OK.
FormScript Pick(std::uint32_t record, int* shownRows = nullptr) {
    return [record, shownRows](FormModel& form) {
        auto& window = dynamic_cast<TableWindow&>(form);
        if (shownRows) *shownRows = window.RowCount();
        for (int row = 1; row <= window.RowCount(); ++row)
            if (window.RowRecord(row) == record) window.ClickCell(row, 1);
        window.Press("Button_ok");
    };
}

FormScript PressOk() {
    return [](FormModel& form) { form.Press("Button_ok"); };
}

TEST(TableCatalog, ProfileFromTheTableWindowGivesItsSectionValues) {
    Fixture f;
    TableCatalog tables(f.ws);
    const std::uint32_t ipe200 = FindRecord("din1025", 1, "IPE", 2, "200");
    int rows = 0;
    f.ui = ScriptedUi({2, Pick(ipe200, &rows), false});
    ASSERT_TRUE(GenerateProfile(f.ws, tables));
    EXPECT_EQ(rows, 90);
    EXPECT_EQ(f.ws.model.profileRecord, ipe200);
    // IPE 200: A = 28.5 cm², Iy = 1943 cm⁴, Iz = 142 cm⁴.
    EXPECT_NEAR(double(f.ws.section.props.A) / 2850, 1, 0.015);
    EXPECT_NEAR(double(f.ws.section.props.Ieta) / 1943e4, 1, 0.015);
    EXPECT_NEAR(double(f.ws.section.props.Izeta) / 142e4, 1, 0.015);
    EXPECT_FALSE(f.ws.table.table.IsOpen());
    // The same family again: the window opens on the row picked before.
    std::uint32_t openedOn = 0;
    f.ui = ScriptedUi({2, FormScript([&openedOn](FormModel& form) {
                           auto& window = dynamic_cast<TableWindow&>(form);
                           openedOn = window.RowRecord(window.CurrentRow());
                           window.Press("Button_cancel");
                       })});
    EXPECT_FALSE(GenerateProfile(f.ws, tables));
    EXPECT_EQ(openedOn, ipe200);
    EXPECT_TRUE(f.ws.abortFlag);
}

TEST(TableCatalog, Wst1MaterialFindsItsFatigueRowByKey) {
    Fixture f;
    TableCatalog tables(f.ws);
    const std::uint32_t row = FindRecord("wst1base", 3, "1.6582");
    f.ui = ScriptedUi({3, Pick(row), PressOk()});
    ASSERT_TRUE(SelectMaterial(f.ws, tables));
    EXPECT_EQ(f.ws.model.material.name, "34CrNiMo6");
    // 34CrNiMo6: Rm 1200, so 480, 600 and 360 from the fatigue table.
    EXPECT_EQ(f.ws.materials.dynamic.sigW, 480);
    EXPECT_EQ(f.ws.materials.dynamic.sigBW, 600);
    EXPECT_EQ(f.ws.materials.dynamic.tauW, 360);
}

TEST(TableCatalog, MissingTableAndExists) {
    Fixture f;
    f.ws.config.dbfFolder = f.temp + "/";
    TableCatalog tables(f.ws);
    EXPECT_FALSE(tables.Exists("wst1dyn.dbf"));
    f.ui = ScriptedUi({1});
    EXPECT_FALSE(SelectMaterial(f.ws, tables));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0],
              "Datei " + f.temp + "/wqzwst.dbf nicht gefunden oder kein Zugriffsrecht !");
    EXPECT_EQ(f.ws.model.material.name, "42CrMo4");
}

}  // namespace
}  // namespace bxr
