#include "app/drawing_options_form.h"

#include "format/code_page.h"

namespace bxr {

DrawingOptionsForm::DrawingOptionsForm(const BeamModel& model) {
    caption = "Zeichnungsoptionen";
    help = 3020;
    fields = {CheckField("CheckBox_werte",
                         "Zahlenwerte für Kräfte, Momente usw. anzeigen ?"_oem, model.showValues),
              CheckField("CheckBox_schraffur", "Schraffur", model.hatching),
              CheckField("CheckBox_hauptachsen", "Hauptachsen", model.principalAxes)};
    buttons = {OkButton(), CancelButton()};
}

bool DrawingOptionsForm::Press(const std::string& name) {
    if (name == "Button_ok") return Close(true);
    if (name == "Button_cancel") return Close(false);
    return false;
}

bool DrawingOptionsForm::ApplyTo(BeamModel& model) const {
    const bool values = Field("CheckBox_werte")->checked;
    const bool hatching = Field("CheckBox_schraffur")->checked;
    const bool axes = Field("CheckBox_hauptachsen")->checked;
    const bool changed = values != model.showValues || hatching != model.hatching ||
                         axes != model.principalAxes;
    model.showValues = values;
    model.hatching = hatching;
    model.principalAxes = axes;
    return changed;
}

}  // namespace bxr
