#include "app/record_form.h"

#include "format/units.h"
#include "workspace/workspace.h"

namespace bxr {

bool RecordForm::Press(const std::string& buttonName) {
    message.clear();
    if (buttonName == "Button_ok") {
        if (!ReadShown()) return false;
        PutShown();
        return Close(true);
    }
    if (buttonName == "Button_cancel") {
        ws_.abortFlag = true;
        return Close(false);
    }
    if (buttonName == "Button_up" || buttonName == "Button_down") {
        if (!ReadShown()) return false;
        PutShown();
        Step(buttonName == "Button_up" ? 1 : -1);
        return false;
    }
    if (buttonName == "Button_unit") {
        if (!ReadShown()) return false;
        ws_.config.output.unitSystem = ToggledUnitSystem(ws_.config.output.unitSystem);
        Show();
        return false;
    }
    if (buttonName == "Button_label") {
        const std::string label = ProposedLabel();
        if (!label.empty()) Field("Edit_label")->text = label;
        return false;
    }
    return PressOwn(buttonName);
}

}  // namespace bxr
