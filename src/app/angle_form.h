// The dialog "Coordinate System" of the 3-D view: three axis angles in degrees, each with a
// scroll bar from -360 to 360 and an edit field, and buttons for the three plane views. The
// window presses a scroll bar's name when it moves and an edit field's name when it is left.
#pragma once

#include <array>

#include "model/beam_model.h"
#include "platform/form_model.h"

namespace bxr {

class AngleForm : public FormModel {
  public:
    // The current angles in radians.
    explicit AngleForm(const std::array<Real, 3>& anglesRad);

    bool Press(const std::string& buttonName) override;

    // A scroll bar moved: its position goes into the edit field as a whole number.
    void ScrollTo(int axis, int position);
    // An edit field was left: its scroll bar follows the typed value, rounded.
    void EditLeft(int axis);
    int ScrollPosition(int axis) const;

    // The angles in radians after OK.
    const std::array<Real, 3>& angles() const { return angles_; }

  private:
    void SetScrolls(int x, int y, int z);
    std::array<Real, 3> angles_;
};

}  // namespace bxr
