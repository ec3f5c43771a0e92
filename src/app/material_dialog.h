// The material dialog "Werkstoff" (TForm_bxrwst): name, E, G, density, eta k and ok of the
// model's material. E and G are shown in the current stress unit; "MPa <--> psi" switches the
// unit system with the typed values kept. OK stores all six fields; Cancel stores nothing.
#pragma once

#include "format/output_settings.h"
#include "model/beam_model.h"
#include "platform/form_model.h"

namespace bxr {

class MaterialDialog : public FormModel {
  public:
    // Which fields the user may change; the others are shown disabled.
    struct Editable {
        bool name = true, e = true, g = true, density = true, notchSensitivity = true,
             surfaceFactor = true;
    };

    MaterialDialog(MaterialRecord& material, OutputSettings& settings, Editable editable);

    bool Press(const std::string& buttonName) override;

    // Help topic of F1 and the two help buttons.
    static constexpr int kHelpTopic = 4010;

  private:
    void Show();
    // Reads the typed fields into values in model units; false with the message set when a
    // number field does not parse.
    bool ReadFields(MaterialRecord& into);

    MaterialRecord& material_;
    OutputSettings& settings_;
    MaterialRecord shown_;
};

}  // namespace bxr
