// The dialog "Zeichnungsoptionen" of the CAD menu: whether the drawings show values of forces
// and moments, hatch the section and draw its principal axes. The switches belong to the
// project and are stored with it.
#pragma once

#include "model/beam_model.h"
#include "platform/form_model.h"

namespace bxr {

class DrawingOptionsForm : public FormModel {
  public:
    explicit DrawingOptionsForm(const BeamModel& model);
    bool Press(const std::string& buttonName) override;
    // After OK: copies the three switches into the model; true when one of them changed.
    bool ApplyTo(BeamModel& model) const;
};

}  // namespace bxr
