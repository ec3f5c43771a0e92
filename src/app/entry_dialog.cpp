#include "app/entry_dialog.h"

#include <algorithm>

#include "app/real_prompt.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "format/text_helpers.h"
#include "platform/ui.h"
#include "workspace/workspace.h"

namespace bxr {

namespace {

// Neutral decimal places: a setting of fewer places must not shorten a value read back.
OutputSettings DialogSettings(const OutputSettings& s) {
    OutputSettings d = s;
    d.decimalPlaces = 3;
    return d;
}

}  // namespace

EntryDialog::EntryDialog(Workspace& ws, EntryRecords& records, EntryLayout layout, int entry)
    : RecordForm(ws), records_(records), layout_(std::move(layout)), entry_(entry) {
    help = layout_.help;
    for (const EntryLayout::Number& n : layout_.numbers) fields.push_back(TextField(n.name, ""));
    if (layout_.hasLabel) fields.push_back(TextField(kLabelField, "Bezeichnung").Max(kLabelLength));
    buttons = {OkButton(), CancelButton(), HelpButton("Button_help", "&Hilfetext", layout_.help),
               HelpButton("Button_helpPicture", "Hilfe&bild", layout_.help),
               PushButton("Button_unit", "mm <--> inch")};
    if (layout_.hasLabel) buttons.push_back(ProposalFor(kLabelField, "Button_label"));
    buttons.push_back(SpinButton("Button_up", true));
    buttons.push_back(SpinButton("Button_down", false));
    MoveTo(entry);
}

void EntryDialog::MoveTo(int entry) {
    entry_ = std::clamp(entry, 1, std::max(records_.Count(), 1));
    shown_ = records_.Get(entry_);
    if (layout_.prepare) layout_.prepare(entry_, shown_);
    Show();
}

void EntryDialog::Show() {
    const OutputSettings s = DialogSettings(ws_.output());
    caption = layout_.captionStem + IntText(entry_);
    shownTexts_.clear();
    for (std::size_t k = 0; k < layout_.numbers.size(); ++k) {
        const EntryLayout::Number& n = layout_.numbers[k];
        const Real v = shown_.numbers[k];
        const std::string text =
            n.quantity == Quantity::Length && n.toShown == 1
                ? FormatLengthEcho(s, v)
                : FormatFreeLong(s, ToDisplayUnits(s, n.quantity, v * n.toShown));
        FormField* f = Field(n.name);
        f->label = n.label(entry_);
        f->unit = UnitText(s, n.quantity);
        f->text = text;
        shownTexts_.push_back(text);
    }
    if (layout_.hasLabel) Field(kLabelField)->text = shown_.label;
}

bool EntryDialog::ReadFields(EntryValues& into) {
    EntryValues typed = into;
    for (std::size_t k = 0; k < layout_.numbers.size(); ++k) {
        const EntryLayout::Number& n = layout_.numbers[k];
        const std::string& text = Field(n.name)->text;
        if (text == shownTexts_[k]) continue;  // untouched: the stored value, not its rounding
        const std::optional<Real> v = ParseTypedReal(text);
        if (!v) {
            message = "Ungültige Eingabe "_oem + "\"" + text + "\" !";
            return false;
        }
        // Display units back: the conversion of one display unit gives the factor.
        typed.numbers[k] = *v / ToDisplayUnits(ws_.output(), n.quantity, 1) * n.fromShown;
    }
    if (layout_.hasLabel) typed.label = CutText(Field(kLabelField)->text, kLabelLength);
    into = typed;
    return true;
}

bool EntryDialog::ReadShown() {
    return ReadFields(shown_);
}

void EntryDialog::PutShown() {
    records_.Put(entry_, shown_);
    stored_.insert(entry_);
}

std::string EntryDialog::ProposedLabel() const {
    return layout_.hasLabel ? layout_.proposalStem + IntText(entry_) : std::string();
}

bool RunEntryDialog(Workspace& ws, EntryRecords& records, const EntryLayout& layout, int i,
                    bool& stored) {
    EntryDialog dialog(ws, records, layout, i);
    ws.ui->RunForm(dialog);
    stored = dialog.StoredEntries().count(i) > 0;
    // A window closed by other means than its buttons counts as Cancel.
    if (!dialog.Accepted()) {
        ws.abortFlag = true;
        return false;
    }
    return true;
}

}  // namespace bxr
