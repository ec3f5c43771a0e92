#include "app/angle_form.h"

#include <gtest/gtest.h>

#include "analysis/angle_math.h"

namespace bxr {
namespace {

TEST(AngleForm, ButtonsScrollBarsAndFields) {
    AngleForm form({DegToRad(30), DegToRad(90), DegToRad(210)});
    EXPECT_EQ(form.caption, "Coordinate System");
    EXPECT_EQ(form.Field("Edit_x")->text, "30");
    EXPECT_EQ(form.ScrollPosition(2), 210);
    EXPECT_FALSE(form.Press("Button_xz"));  // x 0, y -360, z 90
    EXPECT_EQ(form.Field("Edit_y")->text, "-360");
    EXPECT_EQ(form.ScrollPosition(2), 90);
    form.Press("Button_reset");
    EXPECT_EQ(form.Field("Edit_x")->text, "15");
    EXPECT_EQ(form.Field("Edit_z")->text, "210");
    form.Field("Edit_x")->text = "12,6";
    form.EditLeft(0);
    EXPECT_EQ(form.ScrollPosition(0), 13);
    form.ScrollTo(1, 500);  // the bar ends at 360
    EXPECT_EQ(form.Field("Edit_y")->text, "360");
}

TEST(AngleForm, OkStoresRadiansAndCancelKeepsTheAngles) {
    AngleForm ok({0, 0, 0});
    ok.Field("Edit_x")->text = "180";
    ok.Field("Edit_y")->text = "kein";  // not a number: 0
    EXPECT_TRUE(ok.Press("Button_ok"));
    EXPECT_TRUE(ok.Accepted());
    EXPECT_NEAR(static_cast<double>(ok.angles()[0]), 3.14159265358979, 1e-12);
    EXPECT_EQ(ok.angles()[1], 0);
    AngleForm cancel({1, 2, 3});
    cancel.Field("Edit_x")->text = "45";
    EXPECT_TRUE(cancel.Press("Button_cancel"));
    EXPECT_FALSE(cancel.Accepted());
    EXPECT_EQ(cancel.angles()[0], 1);
}

}  // namespace
}  // namespace bxr
