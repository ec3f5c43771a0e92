#include "app/notch_zone_dialog.h"

#include <gtest/gtest.h>

#include "workspace/workspace.h"
#include "format/code_page.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

struct Texts {
    std::string k, kb, kt;
};

Texts Proposed(NotchProposal kind, Real rm, std::uint16_t separator = 1) {
    OutputSettings s;
    s.decimalSeparator = separator;
    const NotchFactorTexts t = ProposeNotchFactors(kind, rm, s);
    return {t.betaK, t.betaKb, t.betaKt};
}

void ExpectTexts(const Texts& t, const char* k, const char* kb, const char* kt) {
    EXPECT_EQ(t.k, k);
    EXPECT_EQ(t.kb, kb);
    EXPECT_EQ(t.kt, kt);
}

TEST(NotchProposals, FeatherKeyGrowsWithStrengthBetweenItsLimits) {
    // Rm 600: 1.7 + 0.2 = 1.9 and 1.5 + 0.25 = 1.75.
    ExpectTexts(Proposed(NotchProposal::FeatherKey, 600), "1.05", "1.9", "1.75");
    // Rm 300 lies below both lower limits; Rm 1000 gives 2.3 and 2.25, above 2.1 and 2.0.
    ExpectTexts(Proposed(NotchProposal::FeatherKey, 300), "1.05", "1.7", "1.5");
    ExpectTexts(Proposed(NotchProposal::FeatherKey, 1000), "1.05", "2.1", "2");
    // Rm 720 meets the torsion limit exactly: 1.5 + 0.00125 · 320 = 1.9; bending 2.02.
    ExpectTexts(Proposed(NotchProposal::FeatherKey, 720), "1.05", "2.02", "1.9");
}

TEST(NotchProposals, WoodruffKeyRoundedToTwoDecimals) {
    // Rm 600: 1.45 + 0.084 = 1.534 and 1.3 + 0.15 = 1.45.
    ExpectTexts(Proposed(NotchProposal::WoodruffKey, 600), "1.05", "1.53", "1.45");
    // Rm 500: 1.492 and 1.375 (a decimal half rounds up).
    ExpectTexts(Proposed(NotchProposal::WoodruffKey, 500), "1.05", "1.49", "1.38");
    ExpectTexts(Proposed(NotchProposal::WoodruffKey, 200), "1.05", "1.45", "1.30");
    ExpectTexts(Proposed(NotchProposal::WoodruffKey, 1200), "1.05", "1.62", "1.60");
}

TEST(NotchProposals, PressFitTorsionFollowsTheShownBendingFactor) {
    // Rm 600: 2.1 + 0.6 = 2.70; 2.70 · 0.65 = 1.755, shown as 1.76.
    ExpectTexts(Proposed(NotchProposal::PressFit, 600), "1.0", "2.70", "1.76");
    // Rm 1200: 4.5 is limited to 4.10; 4.10 · 0.65 = 2.665 -> 2.67.
    ExpectTexts(Proposed(NotchProposal::PressFit, 1200), "1.0", "4.10", "2.67");
    // Rm 300: 1.8 is raised to 2.10; 2.10 · 0.65 = 1.365 -> 1.37.
    ExpectTexts(Proposed(NotchProposal::PressFit, 300), "1.0", "2.10", "1.37");
    // Rm 405: 2.115 is shown as 2.12, and 2.12 · 0.65 = 1.378 -> 1.38; from the unrounded
    // 2.115 it would be 1.37475 -> 1.37.
    ExpectTexts(Proposed(NotchProposal::PressFit, 405), "1.0", "2.12", "1.38");
}

TEST(NotchProposals, SplineTablesNeedNoStrengthAndCommaSeparatorApplies) {
    ExpectTexts(Proposed(NotchProposal::InvoluteSpline, 0), "1.0", "1.2", "1.7");
    ExpectTexts(Proposed(NotchProposal::SerratedSpline, 0), "1.0", "1.4", "3.0");
    EXPECT_FALSE(ProposalNeedsRm(NotchProposal::InvoluteSpline));
    EXPECT_FALSE(ProposalNeedsRm(NotchProposal::SerratedSpline));
    EXPECT_TRUE(ProposalNeedsRm(NotchProposal::FeatherKey));
    EXPECT_TRUE(ProposalNeedsRm(NotchProposal::WoodruffKey));
    EXPECT_TRUE(ProposalNeedsRm(NotchProposal::PressFit));
    ExpectTexts(Proposed(NotchProposal::PressFit, 600, 2), "1,0", "2,70", "1,76");
}

// Three zones with distinct values.
std::unique_ptr<Workspace> ThreeZones() {
    auto ws = std::make_unique<Workspace>();
    BeamModel& m = ws->model;
    m.notchZoneCount = 3;
    m.notchZones[1] = {1.1L, 1.2L, 1.3L, 0, 100, "K 1"};
    m.notchZones[2] = {2.1L, 2.2L, 2.3L, 200, 300, "Nut"};
    m.notchZones[3] = {3.1L, 3.2L, 3.3L, 400, 500, ""};
    m.material.rm = 600;
    return ws;
}

TEST(NotchZoneDialog, ShowsTheZoneWithCaptionMethodAndButtons) {
    auto ws = ThreeZones();
    NotchZoneDialog d(*ws, 2);
    EXPECT_EQ(d.caption, "Kerbzone 2");
    EXPECT_EQ(d.Field("Edit_betak")->text, "2.1");
    EXPECT_EQ(d.Field("Edit_betakb")->text, "2.2");
    EXPECT_EQ(d.Field("Edit_betakt")->text, "2.3");
    EXPECT_EQ(d.Field("Edit_x1")->text, "200");
    EXPECT_EQ(d.Field("Edit_x2")->text, "300");
    EXPECT_EQ(d.Field("Edit_x1")->unit, "mm");
    EXPECT_EQ(d.Field("Edit_label")->text, "Nut");
    EXPECT_EQ(d.Field("Edit_betakb")->label, "Kerbfaktor Biegung ßkb"_oem);
    EXPECT_EQ(d.Field("Label_method")->text, "Kerbfaktoren nach Zammert");
    EXPECT_TRUE(d.Button("Button_woodruffKey")->enabled);
    EXPECT_FALSE(d.Button("Button_twoFeatherKeys")->enabled);
    EXPECT_EQ(d.Button("Button_twoFeatherKeys")->caption, "2 Paßfedern"_oem);
    EXPECT_FALSE(d.Button("Button_splinedShaft")->enabled);
    EXPECT_EQ(d.Button("Button_unit")->caption, "mm <--> inch");
    EXPECT_EQ(d.Button("Button_featherKey")->caption, "Paßfeder"_oem);
    EXPECT_FALSE(d.Press("Button_label"));
    EXPECT_EQ(d.Field("Edit_label")->text, "K 2");
}

TEST(NotchZoneDialog, ProposalsFillTheFieldsAndNeedTheMaterialStrength) {
    auto ws = ThreeZones();
    NotchZoneDialog d(*ws, 1);
    EXPECT_FALSE(d.Press("Button_featherKey"));
    EXPECT_EQ(d.Field("Edit_betak")->text, "1.05");
    EXPECT_EQ(d.Field("Edit_betakb")->text, "1.9");
    EXPECT_EQ(d.Field("Edit_betakt")->text, "1.75");
    EXPECT_EQ(ws->model.notchZones[1].betaKb, 1.2L);  // nothing stored before OK
    EXPECT_TRUE(d.Press("Button_ok"));
    EXPECT_NEAR(double(ws->model.notchZones[1].betaK), 1.05, 1e-15);
    EXPECT_NEAR(double(ws->model.notchZones[1].betaKb), 1.9, 1e-15);
    EXPECT_NEAR(double(ws->model.notchZones[1].betaKt), 1.75, 1e-15);

    ws->model.material.rm = 0;
    NotchZoneDialog e(*ws, 2);
    for (const char* b : {"Button_featherKey", "Button_woodruffKey", "Button_pressFit"}) {
        EXPECT_FALSE(e.Press(b));
        EXPECT_EQ(e.message, "No material data !") << b;
        EXPECT_EQ(e.Field("Edit_betakb")->text, "2.2") << b;
    }
    EXPECT_FALSE(e.Press("Button_serratedSpline"));
    EXPECT_TRUE(e.message.empty());
    EXPECT_EQ(e.Field("Edit_betakt")->text, "3.0");
}

TEST(NotchZoneDialog, OkStoresTypedValuesAndCancelSetsTheStopFlag) {
    auto ws = ThreeZones();
    {
        NotchZoneDialog d(*ws, 3);
        d.Field("Edit_betak")->text = "1,25";
        d.Field("Edit_x1")->text = "450";
        d.Field("Edit_label")->text = "Freistich mit Radius";  // 20 characters
        EXPECT_TRUE(d.Press("Button_ok"));
        EXPECT_TRUE(d.Accepted());
    }
    const NotchZone& z = ws->model.notchZones[3];
    EXPECT_NEAR(double(z.betaK), 1.25, 1e-15);
    EXPECT_EQ(z.x1, 450);
    EXPECT_EQ(z.x2, 500);
    EXPECT_EQ(z.betaKb, 3.2L);  // untouched fields keep their exact values
    EXPECT_EQ(z.label, "Freistich ");
    EXPECT_FALSE(ws->abortFlag);

    NotchZoneDialog c(*ws, 3);
    c.Field("Edit_x2")->text = "999";
    EXPECT_TRUE(c.Press("Button_cancel"));
    EXPECT_FALSE(c.Accepted());
    EXPECT_TRUE(ws->abortFlag);
    EXPECT_EQ(ws->model.notchZones[3].x2, 500);

    // A text that is no number keeps the dialog open and stores nothing.
    NotchZoneDialog b(*ws, 1);
    b.Field("Edit_betakb")->text = "1.5x";
    b.Field("Edit_x1")->text = "5";
    EXPECT_FALSE(b.Press("Button_ok"));
    EXPECT_EQ(b.message, "Ungültige Eingabe \"1.5x\" !"_oem);
    EXPECT_EQ(ws->model.notchZones[1].x1, 0);
}

TEST(NotchZoneDialog, SpinButtonsStoreTheShownZoneAndStayWithinTheList) {
    auto ws = ThreeZones();
    NotchZoneDialog d(*ws, 2);
    d.Field("Edit_betakb")->text = "2.5";
    EXPECT_FALSE(d.Press("Button_up"));
    EXPECT_EQ(ws->model.notchZones[2].betaKb, 2.5L);
    EXPECT_EQ(d.caption, "Kerbzone 3");
    EXPECT_EQ(d.Field("Edit_betakb")->text, "3.2");
    EXPECT_FALSE(d.Press("Button_up"));  // the last zone stays
    EXPECT_EQ(d.Zone(), 3);
    EXPECT_FALSE(d.Press("Button_down"));
    EXPECT_FALSE(d.Press("Button_down"));
    EXPECT_FALSE(d.Press("Button_down"));
    EXPECT_EQ(d.Zone(), 1);
    EXPECT_EQ(d.caption, "Kerbzone 1");
    EXPECT_FALSE(d.Press("Button_label"));
    EXPECT_EQ(d.Field("Edit_label")->text, "K 1");
    // Cancel keeps what the spin buttons stored, not the shown zone's edits.
    d.Field("Edit_betak")->text = "9";
    EXPECT_TRUE(d.Press("Button_cancel"));
    EXPECT_EQ(ws->model.notchZones[1].betaK, 1.1L);
    EXPECT_EQ(ws->model.notchZones[2].betaKb, 2.5L);
    EXPECT_EQ(ws->model.notchZoneCount, 3);
}

TEST(NotchZoneDialog, LengthsInInchesAndTheUnitSwitchKeepsTypedValues) {
    auto ws = ThreeZones();
    NotchZoneDialog d(*ws, 2);
    d.Field("Edit_x1")->text = "254";
    EXPECT_FALSE(d.Press("Button_unit"));
    EXPECT_EQ(ws->config.output.unitSystem, 1);
    // 254 mm = 10 in; 300 mm = 11.81102 in, four decimals.
    EXPECT_EQ(d.Field("Edit_x1")->text, "10.0000");
    EXPECT_EQ(d.Field("Edit_x2")->text, "11.8110");
    EXPECT_EQ(d.Field("Edit_x2")->unit, "in");
    d.Field("Edit_x1")->text = "1";
    EXPECT_TRUE(d.Press("Button_ok"));
    EXPECT_NEAR(double(ws->model.notchZones[2].x1), 25.4, 1e-12);
    EXPECT_EQ(ws->model.notchZones[2].x2, 300);  // shown rounded, kept exact
}

TEST(EditNotchZone, RunsTheDialogThroughTheUi) {
    auto ws = ThreeZones();
    test::ScriptedUi ui;
    ws->ui = &ui;
    ui.Push(test::FormScript([](FormModel& f) {
        f.Press("Button_pressFit");  // Rm 600: 2.70 and 1.76
        f.Press("Button_ok");
    }));
    EXPECT_TRUE(EditNotchZone(*ws, 3));
    EXPECT_EQ(ui.shown.back(), "Kerbzone 3");
    EXPECT_NEAR(double(ws->model.notchZones[3].betaKt), 1.76, 1e-15);
    ui.Push(test::Cancel{});
    EXPECT_FALSE(EditNotchZone(*ws, 1));
    EXPECT_TRUE(ws->abortFlag);
}

}  // namespace
}  // namespace bxr
