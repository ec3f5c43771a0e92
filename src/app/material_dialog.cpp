#include "app/material_dialog.h"

#include "app/real_prompt.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "format/units.h"

namespace bxr {

MaterialDialog::MaterialDialog(MaterialRecord& material, OutputSettings& settings,
                               Editable editable)
    : material_(material), settings_(settings), shown_(material) {
    caption = "Werkstoff";
    fields = {
        TextField("Edit_name", "Werkstoff").Max(kMaterialNameLength),
        TextField("Edit_e", "Elastizitätsmodul E"_oem),
        TextField("Edit_g", "Schubmodul G"),
        TextField("Edit_rho", "Dichte").Unit("kg/dm3"),
        TextField("Edit_etak", "Empfindlichkeitskennziffer f.Kerbwirkung eta k"),
        TextField("Edit_ok", "Oberflächenkennziffer ok"_oem),
    };
    Field("Edit_name")->enabled = editable.name;
    Field("Edit_e")->enabled = editable.e;
    Field("Edit_g")->enabled = editable.g;
    Field("Edit_rho")->enabled = editable.density;
    Field("Edit_etak")->enabled = editable.notchSensitivity;
    Field("Edit_ok")->enabled = editable.surfaceFactor;
    help = kHelpTopic;
    buttons = {OkButton(), CancelButton(), HelpButton("Button_help", "&Hilfetext", kHelpTopic),
               HelpButton("Button_helpPicture", "Hilfe&bild", kHelpTopic),
               PushButton("Button_unit", "MPa <--> psi")};
    Show();
}

void MaterialDialog::Show() {
    Field("Edit_name")->text = shown_.name;
    Field("Edit_e")->text =
        FormatFreeLong(settings_, ToDisplayUnits(settings_, Quantity::Stress, shown_.e));
    Field("Edit_g")->text =
        FormatFreeLong(settings_, ToDisplayUnits(settings_, Quantity::Stress, shown_.g));
    Field("Edit_rho")->text = FormatFreeLong(settings_, shown_.density);
    Field("Edit_etak")->text = FormatFreeLong(settings_, shown_.notchSensitivity);
    Field("Edit_ok")->text = FormatFreeLong(settings_, shown_.surfaceFactor);
    Field("Edit_e")->unit = UnitText(settings_, Quantity::Stress);
    Field("Edit_g")->unit = UnitText(settings_, Quantity::Stress);
}

bool MaterialDialog::ReadFields(MaterialRecord& into) {
    struct Number {
        const char* field;
        Real* target;
        bool stress;
    };
    const Number numbers[] = {{"Edit_e", &into.e, true},
                              {"Edit_g", &into.g, true},
                              {"Edit_rho", &into.density, false},
                              {"Edit_etak", &into.notchSensitivity, false},
                              {"Edit_ok", &into.surfaceFactor, false}};
    for (const Number& n : numbers) {
        const std::string& text = Field(n.field)->text;
        const std::optional<Real> v = ParseTypedReal(text);
        if (!v) {
            message = "Ungültige Eingabe "_oem + "\"" + text + "\" !";
            return false;
        }
        // Display units back to N/mm²: the conversion of one display unit gives the factor.
        *n.target = n.stress ? *v / ToDisplayUnits(settings_, Quantity::Stress, 1) : *v;
    }
    into.name = CutText(Field("Edit_name")->text, kMaterialNameLength);
    return true;
}

bool MaterialDialog::Press(const std::string& buttonName) {
    message.clear();
    if (buttonName == "Button_ok") {
        MaterialRecord typed = shown_;
        if (!ReadFields(typed)) return false;
        material_.name = typed.name;
        material_.e = typed.e;
        material_.g = typed.g;
        material_.density = typed.density;
        material_.notchSensitivity = typed.notchSensitivity;
        material_.surfaceFactor = typed.surfaceFactor;
        return Close(true);
    }
    if (buttonName == "Button_cancel") {
        return Close(false);
    }
    if (buttonName == "Button_unit") {
        if (!ReadFields(shown_)) return false;
        settings_.unitSystem = ToggledUnitSystem(settings_.unitSystem);
        Show();
        return false;
    }
    // The help buttons show help texts kept beside the program; the dialog stays open.
    return false;
}

}  // namespace bxr
