#include "app/select_profile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "format/code_page.h"
#include "support/fake_catalog_tables.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using test::Cancel;
using test::FakeCatalogTables;
using test::FindRecord;
using test::ScriptedUi;

struct Fixture {
    ScriptedUi ui;
    Workspace ws;
    FakeCatalogTables tables{ws};
    Fixture() { ws.ui = &ui; }
};

double Extent(const BeamModel& m, bool z, bool maximum) {
    double v = maximum ? -1e30 : 1e30;
    for (int i = 1; i <= m.contourCount; ++i) {
        const double c = double(z ? m.contour[i].z : m.contour[i].y);
        v = maximum ? std::max(v, c) : std::min(v, c);
    }
    return v;
}

TEST(GenerateProfile, PicksARowFromTheSortedFamilyTable) {
    Fixture f;
    const std::uint32_t ipe200 = FindRecord("din1025", 1, "IPE", 2, "200");
    ASSERT_GT(ipe200, 0u);
    f.tables.picks = {ipe200};
    f.ui.Push(2);      // "I-Träger DIN 1025 Blatt 2-5"
    f.ui.Push(false);  // not to the z-y system
    ASSERT_TRUE(GenerateProfile(f.ws, f.tables));
    EXPECT_EQ(f.ui.shown[0], "Profil");
    EXPECT_EQ(f.ui.choiceItems[0].size(), 13u);
    EXPECT_EQ(f.ui.choiceItems[0][0], "I-Träger DIN 1025 Blatt 1"_oem);
    EXPECT_EQ(f.ui.preselections[0], 1);
    EXPECT_EQ(f.tables.opened[0], "din1025.dbf");
    EXPECT_EQ(f.tables.title2, " DIN 1025-2..5 ");
    EXPECT_EQ(f.tables.sortedField, 2);
    EXPECT_EQ(f.tables.browseModes[0], 1);
    EXPECT_FALSE(f.tables.isOpen);
    EXPECT_EQ(f.ws.model.profileFamily, 2);
    EXPECT_EQ(f.ws.model.profileRecord, ipe200);
    EXPECT_EQ(f.ws.model.arcDivision, 15);
    EXPECT_TRUE(f.ws.model.modified);
    // IPE 200: 200 high, 100 wide.
    EXPECT_EQ(f.ws.model.contourCount, 17);
    EXPECT_EQ(Extent(f.ws.model, true, true), 200);
    EXPECT_EQ(Extent(f.ws.model, false, true), 50);
    EXPECT_TRUE(f.ui.Exhausted());
}

TEST(GenerateProfile, SameFamilyStartsOnThePreviousRowAndOldContourNeedsConsent) {
    Fixture f;
    const std::uint32_t u200 = FindRecord("din1026", 1, "U 200");
    const std::uint32_t u100 = FindRecord("din1026", 1, "U 100");
    f.tables.picks = {u200, u100, u100};
    f.ui = ScriptedUi({7, false, 7, false, 7, true, false});
    ASSERT_TRUE(GenerateProfile(f.ws, f.tables));
    const BeamModel first = f.ws.model;
    // Second time: the window opens on U 200; "no" keeps the old contour.
    EXPECT_FALSE(GenerateProfile(f.ws, f.tables));
    EXPECT_EQ(f.tables.currentAtBrowse[1], u200);
    EXPECT_EQ(f.ui.shown[3], "Alte Geometriedaten verwerfen ?");
    EXPECT_EQ(f.ws.model.contour[2].y, first.contour[2].y);
    EXPECT_FALSE(f.ws.abortFlag);
    // Third time: "yes" replaces it with U 100 (100 high, 50 wide).
    ASSERT_TRUE(GenerateProfile(f.ws, f.tables));
    EXPECT_EQ(Extent(f.ws.model, true, true), 100);
    EXPECT_EQ(Extent(f.ws.model, false, true), 50);
    EXPECT_EQ(f.ws.model.profileRecord, u100);
}

TEST(GenerateProfile, ZyQuestionTurnsAFlatBarUpright) {
    Fixture f;
    f.tables.picks = {FindRecord("flach", 1, "100.0", 2, "10.0")};
    f.ui = ScriptedUi({8, true});
    ASSERT_TRUE(GenerateProfile(f.ws, f.tables));
    EXPECT_EQ(Extent(f.ws.model, false, true), 10);
    EXPECT_EQ(Extent(f.ws.model, true, true), 100);
    // Still counter-clockwise: the shoelace sum of the straight edges is +1000.
    double a = 0;
    const BeamModel& m = f.ws.model;
    for (int i = 1; i <= m.contourCount; ++i) {
        const ContourPoint& p = m.contour[i];
        const ContourPoint& q = m.contour[i % m.contourCount + 1];
        a += double(p.y * q.z - q.y * p.z) / 2;
    }
    EXPECT_NEAR(a, 1000, 1e-9);
}

TEST(GenerateProfile, ParametricShapesAskTheirDimensions) {
    Fixture f;
    f.ui = ScriptedUi({10, false, std::string("25"), std::string("20")});
    ASSERT_TRUE(GenerateProfile(f.ws, f.tables));
    EXPECT_TRUE(f.tables.opened.empty());
    EXPECT_EQ(f.ui.shown[2], "Außendurchmesser de"_oem);
    EXPECT_EQ(f.ui.shown[3], "Innendurchmesser di");
    EXPECT_EQ(f.ws.model.contourCount, 6);
    EXPECT_EQ(f.ws.model.contour[4].y, 10);
    // Hexagon: the corner width is offered from the width across flats, 20 / cos 30°.
    f.ui =
        ScriptedUi({12, true, true, std::string("6"), std::string("20"), std::string("23.094011")});
    ASSERT_TRUE(GenerateProfile(f.ws, f.tables));
    EXPECT_NEAR(double(f.ws.profiles.dims.acrossCorners), 23.094011, 1e-9);
    EXPECT_EQ(f.ws.model.contourCount, 7);
}

TEST(GenerateProfile, CancelAndFailuresLeaveTheContour) {
    Fixture f;
    f.ws.model.contourCount = 3;
    f.ws.model.contour[1] = {1, 2, 0};
    // Cancel at the family choice.
    f.ui = ScriptedUi({Cancel{}});
    EXPECT_FALSE(GenerateProfile(f.ws, f.tables));
    EXPECT_TRUE(f.ws.abortFlag);
    // Cancel in a dimension prompt.
    f.ui = ScriptedUi({9, true, false, Cancel{}});
    EXPECT_FALSE(GenerateProfile(f.ws, f.tables));
    EXPECT_TRUE(f.ws.abortFlag);
    // A missing family table.
    f.tables.missing = {"din1024.dbf"};
    f.ui = ScriptedUi({3});
    EXPECT_FALSE(GenerateProfile(f.ws, f.tables));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0], "Datei " + test::BuiltCatalogFolder() +
                                    "din1024.dbf nicht gefunden oder kein Zugriffsrecht !");
    // A polygon tube of 150 corners needs 302 points: refused.
    f.ui = ScriptedUi({13, true, false, std::string("150"), std::string("20"), std::string("20.01"),
                       std::string("1")});
    EXPECT_FALSE(GenerateProfile(f.ws, f.tables));
    EXPECT_EQ(f.ui.messages.back(), "zu viele Punkte !");
    EXPECT_EQ(f.ws.model.contourCount, 3);
    EXPECT_EQ(f.ws.model.contour[1].y, 1);
}

TEST(BrowseProfileTables, OpensTheFamilyTableForEditingWithoutAContour) {
    Fixture f;
    f.tables.picks = {3};
    f.ui = ScriptedUi({6});
    ASSERT_TRUE(BrowseProfileTables(f.ws, f.tables));
    EXPECT_EQ(f.tables.browseModes[0], 2);
    EXPECT_EQ(f.tables.sortedField, 0);
    EXPECT_EQ(f.ws.model.contourCount, 0);
    EXPECT_EQ(f.ws.model.profileRecord, 3);
    EXPECT_EQ(f.ws.profiles.rows[6].text[1], "25x3");
}

}  // namespace
}  // namespace bxr
