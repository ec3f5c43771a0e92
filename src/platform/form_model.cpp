#include "platform/form_model.h"

#include <stdexcept>

namespace bxr {

namespace {

FormField Typed(FieldKind kind, std::string name, std::string label) {
    FormField f;
    f.kind = kind;
    f.name = std::move(name);
    f.label = std::move(label);
    return f;
}

FormButton Typed(ButtonKind kind, ButtonRole role, std::string name, std::string caption) {
    FormButton b;
    b.kind = kind;
    b.role = role;
    b.name = std::move(name);
    b.caption = std::move(caption);
    return b;
}

}  // namespace

FormField TextField(std::string name, std::string label, std::string text) {
    FormField f = Typed(FieldKind::kText, std::move(name), std::move(label));
    f.text = std::move(text);
    return f;
}

FormField MultiLineField(std::string name, std::string label, std::string text) {
    FormField f = Typed(FieldKind::kMultiLine, std::move(name), std::move(label));
    f.text = std::move(text);
    return f;
}

FormField CheckField(std::string name, std::string label, bool checked) {
    FormField f = Typed(FieldKind::kCheckBox, std::move(name), std::move(label));
    f.checked = checked;
    return f;
}

FormField RadioField(std::string name, std::string label, std::vector<std::string> items,
                     int index) {
    FormField f = Typed(FieldKind::kRadioGroup, std::move(name), std::move(label));
    f.items = std::move(items);
    f.index = index;
    return f;
}

FormField ChoiceField(std::string name, std::string label, std::vector<std::string> items,
                      int index) {
    FormField f = RadioField(std::move(name), std::move(label), std::move(items), index);
    f.kind = FieldKind::kChoice;
    return f;
}

FormField LabelField(std::string name, std::string text) {
    FormField f = Typed(FieldKind::kLabel, std::move(name), "");
    f.text = std::move(text);
    f.enabled = false;
    return f;
}

FormField ListField(std::string name, std::string label, std::vector<std::string> items, int index,
                    std::string activate) {
    FormField f = RadioField(std::move(name), std::move(label), std::move(items), index);
    f.kind = FieldKind::kList;
    f.activate = std::move(activate);
    return f;
}

FormField ScrollBarField(std::string name, std::string label, int minimum, int maximum, int value,
                         int pageStep) {
    FormField f = Typed(FieldKind::kScrollBar, std::move(name), std::move(label));
    f.minimum = minimum;
    f.maximum = maximum;
    f.index = value;
    f.pageStep = pageStep;
    return f;
}

FormButton PushButton(std::string name, std::string caption) {
    return Typed(ButtonKind::kPush, ButtonRole::kNone, std::move(name), std::move(caption));
}

FormButton OkButton(std::string caption) {
    return Typed(ButtonKind::kPush, ButtonRole::kOk, "Button_ok", std::move(caption));
}

FormButton CancelButton(std::string caption) {
    return Typed(ButtonKind::kPush, ButtonRole::kCancel, "Button_cancel", std::move(caption));
}

FormButton HelpButton(std::string name, std::string caption, int topic) {
    FormButton b = Typed(ButtonKind::kPush, ButtonRole::kHelp, std::move(name), std::move(caption));
    b.help = topic;
    b.picture = b.caption.rfind("Hilfe&bild", 0) == 0;
    return b;
}

FormButton ProposalFor(std::string target, std::string name, std::string caption) {
    FormButton b =
        Typed(ButtonKind::kProposal, ButtonRole::kNone, std::move(name), std::move(caption));
    b.target = std::move(target);
    return b;
}

FormButton SpinButton(std::string name, bool up, std::string target) {
    FormButton b = Typed(up ? ButtonKind::kSpinUp : ButtonKind::kSpinDown, ButtonRole::kNone,
                         std::move(name), "");
    b.target = std::move(target);
    return b;
}

FormButton MenuButton(std::string name, std::string menu, std::string caption) {
    FormButton b =
        Typed(ButtonKind::kMenuItem, ButtonRole::kNone, std::move(name), std::move(caption));
    b.menu = std::move(menu);
    return b;
}

FormButton NavigatorButton(std::string name, std::string caption) {
    return Typed(ButtonKind::kNavigator, ButtonRole::kNone, std::move(name), std::move(caption));
}

void FormModel::Reject() {
    if (const FormButton* cancel = ButtonWithRole(ButtonRole::kCancel)) {
        const std::string name = cancel->name;
        if (Press(name) && Closed()) return;
    }
    Close(false);
}

FormField* FormModel::Field(const std::string& name) {
    return const_cast<FormField*>(static_cast<const FormModel*>(this)->Field(name));
}

const FormField* FormModel::Field(const std::string& name) const {
    for (const auto& f : fields)
        if (f.name == name) return &f;
    throw std::logic_error("form \"" + caption + "\" has no field " + name);
}

FormButton* FormModel::Button(const std::string& name) {
    for (auto& b : buttons)
        if (b.name == name) return &b;
    throw std::logic_error("form \"" + caption + "\" has no button " + name);
}

bool FormModel::HasField(const std::string& name) const {
    for (const auto& f : fields)
        if (f.name == name) return true;
    return false;
}

bool FormModel::HasButton(const std::string& name) const {
    for (const auto& b : buttons)
        if (b.name == name) return true;
    return false;
}

const FormButton* FormModel::ButtonWithRole(ButtonRole role) const {
    for (const auto& b : buttons)
        if (b.role == role) return &b;
    return nullptr;
}

}  // namespace bxr
