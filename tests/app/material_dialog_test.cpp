#include "app/material_dialog.h"

#include <gtest/gtest.h>

#include "app/real_prompt.h"
#include "format/code_page.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

TEST(MaterialDialog, ShowsTheMaterialAndStoresTypedValuesOnOk) {
    MaterialRecord m;  // 42CrMo4, E 210000, G 80000, 7.8, eta k 0.8, ok 1.2
    OutputSettings s;
    MaterialDialog d(m, s, {});
    EXPECT_EQ(d.caption, "Werkstoff");
    EXPECT_EQ(d.Field("Edit_name")->text, "42CrMo4");
    EXPECT_EQ(d.Field("Edit_e")->text, "210000");
    EXPECT_EQ(d.Field("Edit_rho")->text, "7.8");
    d.Field("Edit_name")->text = "C45E";
    d.Field("Edit_g")->text = "81000";
    d.Field("Edit_rho")->text = "7,85";  // a comma is a decimal mark too
    d.Field("Edit_ok")->text = "1.1";
    EXPECT_TRUE(d.Press("Button_ok"));
    EXPECT_TRUE(d.Accepted());
    EXPECT_EQ(m.name, "C45E");
    EXPECT_EQ(m.g, 81000);
    EXPECT_NEAR(double(m.density), 7.85, 1e-15);
    EXPECT_NEAR(double(m.surfaceFactor), 1.1, 1e-15);
    EXPECT_EQ(m.code, "1.7225");  // not a dialog field
}

TEST(MaterialDialog, CancelAndBadNumbersStoreNothing) {
    MaterialRecord m;
    OutputSettings s;
    {
        MaterialDialog d(m, s, {});
        d.Field("Edit_e")->text = "2.1e5x";
        EXPECT_FALSE(d.Press("Button_ok"));  // stays open
        EXPECT_EQ(d.message, "Ungültige Eingabe \"2.1e5x\" !"_oem);
        d.Field("Edit_e")->text = "200000";
        EXPECT_TRUE(d.Press("Button_cancel"));
        EXPECT_FALSE(d.Accepted());
    }
    EXPECT_EQ(m.e, 210000);
}

TEST(MaterialDialog, UnitSwitchKeepsTypedValuesInPsi) {
    MaterialRecord m;
    OutputSettings s;
    MaterialDialog d(m, s, {});
    d.Field("Edit_e")->text = "200000";
    EXPECT_FALSE(d.Press("Button_unit"));
    EXPECT_EQ(s.unitSystem, 1);
    // 200000 N/mm² = 200000 / 0.00689476 psi = 29007548 psi (to the 6 digits the program's
    // factor carries).
    EXPECT_NEAR(double(*ParseTypedReal(d.Field("Edit_e")->text)), 29007548, 300);
    EXPECT_EQ(d.Field("Edit_e")->unit, "psi");
    EXPECT_TRUE(d.Press("Button_ok"));
    EXPECT_NEAR(double(m.e), 200000, 1);
}

TEST(MaterialDialog, DisabledFieldsFromTheCaller) {
    MaterialRecord m;
    OutputSettings s;
    MaterialDialog::Editable only;
    only.name = only.e = only.g = only.density = only.notchSensitivity = false;
    MaterialDialog d(m, s, only);
    EXPECT_FALSE(d.Field("Edit_name")->enabled);
    EXPECT_FALSE(d.Field("Edit_etak")->enabled);
    EXPECT_TRUE(d.Field("Edit_ok")->enabled);
}

TEST(RealPrompt, RefusesTextAndValuesOutsideTheRange) {
    OutputSettings s;
    test::ScriptedUi ui(
        {std::string("abc"), std::string("-1"), std::string("1e13"), std::string(" 25,5 ")});
    const std::optional<Real> v = AskRealInRange(ui, s, "Außendurchmesser d"_oem, 25, 0, 1e12);
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, 25.5L);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0], "Ungültige Eingabe \"abc\" !"_oem);
    EXPECT_EQ(ui.messages[1].substr(0, 24), "Gültiger Wertebereich: "_oem + "0");
    EXPECT_EQ(ui.beeps, 3);
    // Both limits are inclusive; cancel gives nothing.
    test::ScriptedUi ui2({std::string("0"), test::Cancel{}});
    EXPECT_EQ(*AskRealInRange(ui2, s, "p", 1, 0, 10), 0);
    EXPECT_FALSE(AskRealInRange(ui2, s, "p", 1, 0, 10));
}

}  // namespace
}  // namespace bxr
