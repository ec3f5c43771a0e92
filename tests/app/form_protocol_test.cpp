// The closing protocol every dialog shares, checked on real dialogs.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/calc_settings_dialog.h"
#include "app/notch_zone_dialog.h"
#include "platform/null_ui.h"
#include "workspace/workspace.h"

namespace bxr {
namespace {

TEST(form_protocol, the_close_button_is_cancel_with_its_stop_flag) {
    Workspace ws;
    NotchZoneDialog zone(ws, 1);
    zone.Reject();
    EXPECT_TRUE(zone.Closed());
    EXPECT_FALSE(zone.Accepted());
    EXPECT_TRUE(ws.abortFlag);

    // A batch run answers every dialog that way: nothing is read, the calculation never runs.
    Workspace batch;
    int runs = 0;
    EXPECT_FALSE(EditCalcSettings(batch, [&](CalcState&) { ++runs; }));
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(batch.abortFlag);
}

TEST(form_protocol, ok_closes_accepted_and_a_proposal_fills_its_target) {
    Workspace ws;
    CalcSettingsDialog d(ws, [](CalcState&) {});
    const FormButton* proposal = d.Button("Button_epsDefault");
    ASSERT_EQ(proposal->kind, ButtonKind::kProposal);
    d.Field(proposal->target)->text = "7";
    EXPECT_FALSE(d.Press(proposal->name));
    EXPECT_EQ(d.Field("Edit_eps")->text, "0.001");
    EXPECT_TRUE(d.Press(d.ButtonWithRole(ButtonRole::kOk)->name));
    EXPECT_TRUE(d.Accepted());
}

TEST(form_protocol, a_field_or_button_that_does_not_exist_is_caught_at_once) {
    Workspace ws;
    NotchZoneDialog d(ws, 1);
    EXPECT_THROW(d.Field("Edit_nope"), std::logic_error);
    EXPECT_THROW(d.Button("Button_nope"), std::logic_error);
    EXPECT_FALSE(d.HasField("Edit_nope"));
}

}  // namespace
}  // namespace bxr
