#include "app/documentation_dialogs.h"

#include "format/code_page.h"
#include "format/number_format.h"
#include "format/text_helpers.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace bxr {
namespace {

const char* const kRowNames[] = {"drawn", "checked", "norm", "release"};

SignOff& Row(DrawingData& d, int i) {
    switch (i) {
        case 0:
            return d.drawn;
        case 1:
            return d.checked;
        case 2:
            return d.standardsCheck;
        default:
            return d.release;
    }
}

std::string N(const char* base, int i) {
    return std::string(base) + std::to_string(i);
}

}  // namespace

ChangeDialog::ChangeDialog(ChangeRecord& record, int n, const std::string& today)
    : record_(record), today_(today) {
    caption = "Änderung "_oem + std::to_string(n);
    fields = {TextField("Edit_text", "Änderungstext"_oem, record.text),
              TextField("Edit_date", "Datum", record.date),
              TextField("Edit_editor", "Bearbeiter", record.editor),
              MultiLineField("Memo_description", "Beschreibung", record.description)};
    help = 3000;
    buttons = {OkButton(), CancelButton(), HelpButton("Button_help", "&Hilfe", 3000),
               ProposalFor("Edit_date", "Button_today", "<" + today)};
}

bool ChangeDialog::Press(const std::string& buttonName) {
    if (buttonName == "Button_today") {
        Field("Edit_date")->text = today_;
        return false;
    }
    if (buttonName == "Button_ok") {
        record_.text = CutText(Field("Edit_text")->text, kChangeTextLength);
        record_.date = CutText(Field("Edit_date")->text, kChangeDateLength);
        record_.editor = CutText(Field("Edit_editor")->text, kChangeEditorLength);
        record_.description = CutText(Field("Memo_description")->text, kChangeDescriptionLength);
        return Close(true);
    }
    if (buttonName == "Button_cancel") {
        return Close(false);
    }
    return false;  // help (text 3000) leaves the dialog open
}

DrawingDataDialog::DrawingDataDialog(DrawingData& data, const std::string& releaseLabel,
                                     const std::string& today, const OutputSettings& settings)
    : data_(data), today_(today) {
    caption = "Zeichnungsinfo";
    fields = {TextField("Edit_replacementFor", "Ersatz für"_oem, data.replacementFor)
                  .Max(kReplacementLength),
              TextField("Edit_replacedBy", "Ersetzt durch", data.replacedBy)
                  .Max(kReplacementLength)};
    const std::string rowLabels[] = {"Bearb.", "Gepr.", "Norm", releaseLabel};
    for (int i = 0; i < 4; ++i) {
        const SignOff& s = Row(data, i);
        fields.push_back(
            TextField(std::string("Grid_date_") + kRowNames[i], rowLabels[i] + " Datum", s.date)
                .In("Freigabe")
                .Max(kSignOffLength));
        fields.push_back(
            TextField(std::string("Grid_name_") + kRowNames[i], rowLabels[i] + " Name", s.name)
                .In("Freigabe")
                .Max(kSignOffLength));
    }
    for (int i = 1; i <= kMaxFreeTexts; ++i) {
        const bool used = i <= data.freeTextCount;
        const FreeText& t = data.freeTexts[i];
        auto num = [&](Real v) { return used ? FormatFree(settings, v) : std::string(); };
        fields.push_back(TextField(N("Grid_x", i), N("x ", i), num(t.x)).In("Texte"));
        fields.push_back(TextField(N("Grid_y", i), N("y ", i), num(t.y)).In("Texte"));
        fields.push_back(TextField(N("Grid_h", i), N("h ", i), num(t.h)).In("Texte"));
        fields.push_back(TextField(N("Grid_phi", i), N("phi ", i), num(t.phi)).In("Texte"));
        fields.push_back(
            TextField(N("Grid_text", i), N("Text ", i), used ? t.text : std::string()).In("Texte"));
    }
    help = 3010;
    buttons = {OkButton(), CancelButton(), HelpButton("Button_help", "&Hilfe", 3010)};
    for (int i = 0; i < 4; ++i)
        buttons.push_back(ProposalFor(std::string("Grid_date_") + kRowNames[i],
                                      std::string("Button_today_") + kRowNames[i], "< " + today));
}

void DrawingDataDialog::Store() {
    data_.replacementFor = CutText(Field("Edit_replacementFor")->text, kReplacementLength);
    data_.replacedBy = CutText(Field("Edit_replacedBy")->text, kReplacementLength);
    for (int i = 0; i < 4; ++i) {
        SignOff& s = Row(data_, i);
        s.date = CutText(Field(std::string("Grid_date_") + kRowNames[i])->text, kSignOffLength);
        s.name = CutText(Field(std::string("Grid_name_") + kRowNames[i])->text, kSignOffLength);
    }
    // Row 1 always; each later row while its text is not blank; the first blank one ends it.
    int count = 0;
    for (int i = 1; i <= kMaxFreeTexts; ++i) {
        const std::string& text = Field(N("Grid_text", i))->text;
        if (i > 1 && TrimBlanks(text).empty()) break;
        FreeText& t = data_.freeTexts[i];
        t.x = ParseFloat(Field(N("Grid_x", i))->text);
        t.y = ParseFloat(Field(N("Grid_y", i))->text);
        t.h = ParseFloat(Field(N("Grid_h", i))->text);
        t.phi = ParseFloat(Field(N("Grid_phi", i))->text);
        t.text = CutText(text, kFreeTextLength);
        count = i;
    }
    data_.freeTextCount = static_cast<std::uint16_t>(count);
}

bool DrawingDataDialog::Press(const std::string& buttonName) {
    for (const char* row : kRowNames) {
        if (buttonName == std::string("Button_today_") + row) {
            Field(std::string("Grid_date_") + row)->text = today_;
            return false;
        }
    }
    if (buttonName == "Button_ok") {
        Store();
        return Close(true);
    }
    if (buttonName == "Button_cancel") {
        return Close(false);
    }
    return false;  // help (text 3010)
}

LinkDialog::LinkDialog(ProjectDocumentation& doc, Ui* ui) : doc_(doc), ui_(ui) {
    caption = "Document Setup";
    for (int i = 1; i <= kDocumentLinks; ++i) {
        fields.push_back(TextField(N("Edit_program", i), N("Program ", i), doc.links[i].program)
                             .Max(kLinkLength)
                             .Help(2710));
        fields.push_back(TextField(N("Edit_file", i), N("File ", i), doc.links[i].file)
                             .Max(kLinkLength)
                             .Help(2720));
    }
    help = 2710;
    buttons = {OkButton(), CancelButton(), HelpButton("Button_help", "&Hilfetext", 2710)};
    for (int i = 1; i <= kDocumentLinks; ++i) {
        buttons.push_back(PushButton(N("Button_program", i), "..."));
        buttons.push_back(PushButton(N("Button_file", i), "..."));
    }
}

bool LinkDialog::Press(const std::string& buttonName) {
    if (buttonName == "Button_ok") {
        for (int i = 1; i <= kDocumentLinks; ++i) {
            doc_.links[i].program = CutText(Field(N("Edit_program", i))->text, kLinkLength);
            doc_.links[i].file = CutText(Field(N("Edit_file", i))->text, kLinkLength);
        }
        return Close(true);
    }
    if (buttonName == "Button_cancel") {
        return Close(false);
    }
    for (int i = 1; i <= kDocumentLinks; ++i) {
        const bool program = buttonName == N("Button_program", i);
        if (!program && buttonName != N("Button_file", i)) continue;
        FormField* f = Field(program ? N("Edit_program", i) : N("Edit_file", i));
        {
            // The chooser starts where the field points: its folder, or the field itself.
            const std::string start = FolderOf(f->text).empty() ? f->text : FolderOf(f->text);
            if (auto chosen = ui_->ChooseFileToOpen(program ? "*.exe" : "*.*", start))
                f->text = *chosen;
        }
        return false;
    }
    return false;  // help (texts 2710, 2720)
}

}  // namespace bxr
