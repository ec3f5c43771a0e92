#include "app/angle_form.h"

#include <algorithm>
#include <cmath>

#include "analysis/angle_math.h"
#include "format/code_page.h"
#include "format/number_format.h"

namespace bxr {

namespace {

const char* const kEdits[3] = {"Edit_x", "Edit_y", "Edit_z"};

int Rounded(Real degrees) {
    return static_cast<int>(std::clamp<long>(std::lround(static_cast<double>(degrees)), -360, 360));
}

}  // namespace

AngleForm::AngleForm(const std::array<Real, 3>& anglesRad) : angles_(anglesRad) {
    caption = "Coordinate System";
    const OutputSettings plain;
    const char* labels[3] = {"x", "y", "z"};
    for (int i = 0; i < 3; ++i) {
        const Real deg = RadToDeg(anglesRad[static_cast<std::size_t>(i)]);
        fields.push_back(TextField(kEdits[i], labels[i], FormatFree(plain, deg)).Unit("°"_oem));
        scroll_[static_cast<std::size_t>(i)] = Rounded(deg);
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
    scroll_[static_cast<std::size_t>(axis)] = position;
    Field(kEdits[axis])->text = std::to_string(position);
}

void AngleForm::EditLeft(int axis) {
    if (axis < 0 || axis > 2) return;
    scroll_[static_cast<std::size_t>(axis)] = Rounded(ParseFloat(Field(kEdits[axis])->text));
}

void AngleForm::SetScrolls(int x, int y, int z) {
    ScrollTo(0, x);
    ScrollTo(1, y);
    ScrollTo(2, z);
}

bool AngleForm::Press(const std::string& name) {
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
