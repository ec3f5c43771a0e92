// A dialog without a toolkit: its fields as texts, its buttons as commands, their enabled and
// visible flags, and the validation message that keeps it open. The GUI renders it; tests
// type into the fields and press the buttons.
#pragma once

#include <string>
#include <vector>

namespace bxr {

struct FormField {
    std::string name;   // the control's name, e.g. "Edit_betak"
    std::string label;  // code page 850
    std::string text;   // the field's content as typed, code page 850
    bool enabled = true;
    bool visible = true;
};

struct FormButton {
    std::string name;     // e.g. "Button_ok"
    std::string caption;  // code page 850
    bool enabled = true;
    bool visible = true;
};

class FormModel {
public:
    virtual ~FormModel() = default;

    std::string caption;
    std::vector<FormField> fields;
    std::vector<FormButton> buttons;
    std::string message;  // the last validation message; empty when none

    // Presses a button; true when the dialog closes (OK or Cancel).
    virtual bool Press(const std::string& buttonName) = 0;
    // True when the dialog closed with OK.
    virtual bool Accepted() const = 0;

    FormField* Field(const std::string& name) {
        for (auto& f : fields)
            if (f.name == name) return &f;
        return nullptr;
    }
    FormButton* Button(const std::string& name) {
        for (auto& b : buttons)
            if (b.name == name) return &b;
        return nullptr;
    }
};

}  // namespace bxr
