#include "app/angle_form.h"

#include <algorithm>
#include <cmath>

#include "analysis/angle_math.h"
#include "format/code_page.h"
#include "format/number_format.h"

namespace bxr {

namespace {

const char* const kEdits[3] = {"Edit_x", "Edit_y", "Edit_z"};
const char* const kScrolls[3] = {"ScrollBar_x", "ScrollBar_y", "ScrollBar_z"};

int Rounded(Real degrees) {
    return static_cast<int>(std::clamp<long>(std::lround(static_cast<double>(degrees)), -360, 360));
}

}  // namespace

AngleForm::AngleForm(const std::array<Real, 3>& anglesRad) : angles_(anglesRad) {
    caption = "Coordinate System";
    help = 8260;  // F1; the dialog has no help button of its own
    const OutputSettings plain;
    const char* labels[3] = {"x", "y", "z"};
    for (int i = 0; i < 3; ++i) {
        const Real deg = RadToDeg(anglesRad[static_cast<std::size_t>(i)]);
        fields.push_back(ScrollBarField(kScrolls[i], labels[i], -360, 360, Rounded(deg), 90));
        fields.push_back(TextField(kEdits[i], "", FormatFree(plain, deg)).Unit("°"_oem));
        fields.back().pressOnLeave = true;
    }
    buttons = {OkButton(),
               CancelButton(),
               PushButton("Button_xy", "xy"),
               PushButton("Button_xz", "xz"),
               PushButton("Button_yz", "yz"),
               PushButton("Button_reset", "<")};
}

void AngleForm::ScrollTo(int axis, int position) {
    if (axis < 0 || axis > 2) return;
    position = std::clamp(position, -360, 360);
    Field(kScrolls[axis])->index = position;
    Field(kEdits[axis])->text = std::to_string(position);
}

void AngleForm::EditLeft(int axis) {
    if (axis < 0 || axis > 2) return;
    Field(kScrolls[axis])->index = Rounded(ParseFloat(Field(kEdits[axis])->text));
}

int AngleForm::ScrollPosition(int axis) const {
    return Field(kScrolls[axis])->index;
}

void AngleForm::SetScrolls(int x, int y, int z) {
    ScrollTo(0, x);
    ScrollTo(1, y);
    ScrollTo(2, z);
}

bool AngleForm::Press(const std::string& name) {
    for (int i = 0; i < 3; ++i) {
        if (name == kScrolls[i]) ScrollTo(i, Field(kScrolls[i])->index);
        if (name == kEdits[i]) EditLeft(i);
    }
    if (name == "Button_xy") {
        SetScrolls(0, 90, -360);
    } else if (name == "Button_xz") {
        SetScrolls(0, -360, 90);
    } else if (name == "Button_yz") {
        SetScrolls(-360, 0, 90);
    } else if (name == "Button_reset") {
        Field("Edit_x")->text = "15";
        Field("Edit_y")->text = "90";
        Field("Edit_z")->text = "210";
    } else if (name == "Button_ok") {
        for (int i = 0; i < 3; ++i)
            angles_[static_cast<std::size_t>(i)] = DegToRad(ParseFloat(Field(kEdits[i])->text));
        return Close(true);
    } else if (name == "Button_cancel") {
        return Close(false);
    }
    return false;
}

}  // namespace bxr
