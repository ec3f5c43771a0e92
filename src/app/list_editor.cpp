#include "app/list_editor.h"

#include <algorithm>

#include "app/calc_message_display.h"
#include "format/code_page.h"
#include "format/text_helpers.h"
#include "platform/ui.h"
#include "workspace/workspace.h"

namespace bxr {

ListEditorForm::ListEditorForm(const ListSpec& spec, std::vector<std::string> lines, int selected,
                               bool messagesExist, bool transform,
                               const std::string& transformCaption) {
    caption = spec.caption;
    help = spec.helpList;
    const int count = static_cast<int>(lines.size());
    const int index = selected >= 1 && selected <= count ? selected - 1 : -1;
    fields = {ListField(kList, "", std::move(lines), index, "Button_change")};
    buttons = {
        PushButton("Button_new", "&Neu"),
        PushButton("Button_insert", "&Einfügen"_oem),
        PushButton("Button_delete", "&Löschen"_oem),
        PushButton("Button_change", "&Ändern"_oem),
        OkButton(),
        CancelButton(),
        HelpButton("Button_help", "&Hilfe", spec.helpList),
        HelpButton("Button_helpPicture", "Hilfe&bild", spec.helpList),
        PushButton("Button_errorMessages", "&Fehlermeldungen"),
        PushButton("Button_transform", transformCaption),
    };
    if (!messagesExist) Button("Button_errorMessages")->Hidden();
    if (!transform) Button("Button_transform")->Hidden();
}

int ListEditorForm::Selected() const {
    const FormField* list = Field(kList);
    const int n = static_cast<int>(list->items.size());
    return list->index >= 0 && list->index < n ? list->index + 1 : 0;
}

bool ListEditorForm::Press(const std::string& buttonName) {
    struct Mapping {
        const char* button;
        Action action;
    };
    static const Mapping kActions[] = {
        {"Button_new", Action::kNew},
        {"Button_insert", Action::kInsert},
        {"Button_delete", Action::kDelete},
        {"Button_change", Action::kChange},
        {"Button_ok", Action::kOk},
        {"Button_errorMessages", Action::kMessages},
        {"Button_transform", Action::kTransform},
    };
    if (buttonName == "Button_cancel") {
        action_ = Action::kCancel;
        return Close(false);
    }
    for (const Mapping& m : kActions) {
        if (buttonName != m.button) continue;
        const FormButton* b = Button(buttonName);
        if (!b->visible || !b->enabled) return false;
        action_ = m.action;
        return Close(true);
    }
    // The help buttons show the list's help; the dialog stays open.
    return false;
}

void RedrawDuringInput(Workspace& ws) {
    ws.ui->RedrawCurrentView();
    if (ws.model.auxLoadsAppended) {
        RemoveAddedLoads(ws.model);
        ws.model.auxLoadsAppended = false;
    }
}

namespace {

bool Stop(Workspace& ws) {
    ws.abortFlag = true;
    return false;
}

std::vector<std::string> Lines(const EditableList& list) {
    std::vector<std::string> lines;
    for (int i = 1; i <= list.Count(); ++i)
        lines.push_back(TextHead(list.Line(i), kListLineLength));
    return lines;
}

// The entry a question over the lines names; 0 on Cancel.
int AskPosition(Workspace& ws, const EditableList& list, const std::string& question, int help) {
    ws.ui->SetHelpTopic(help);
    const std::optional<int> chosen = ws.ui->Choose(question, Lines(list), 1);
    if (!chosen || *chosen < 1 || *chosen > list.Count()) return 0;
    return *chosen;
}

// Opens the entry dialog; a new slot that the dialog never stored is taken back, so that a
// cancelled New or Insert leaves no entry behind.
bool EditNew(Workspace& ws, EditableList& list, int i, int countBefore) {
    bool stored = false;
    if (list.Edit(i, stored)) {
        list.EntryStored(i);
        return true;
    }
    if (!stored) {
        for (int j = i; j <= countBefore; ++j) list.Copy(j + 1, j);
        list.SetCount(countBefore);
    }
    return Stop(ws);
}

}  // namespace

bool RunListEditor(Workspace& ws, FileSystem& fs, EditableList& list, const ListSpec& spec,
                   int& lastSelected) {
    using Action = ListEditorForm::Action;
    for (;;) {
        const int count = list.Count();
        ListEditorForm form(spec, Lines(list), lastSelected, !ws.messages.empty(),
                            list.HasTransform(), list.TransformCaption());
        ws.ui->RunForm(form);
        const int selected = form.Selected();
        lastSelected = selected;
        if (!form.Accepted()) return Stop(ws);

        // The action index of the list dialog: an entry number for Change, count + 1 New,
        // + 2 Insert, + 3 Delete, + 4 the end.
        int action = 0;
        switch (form.ChosenAction()) {
            case Action::kNew:
                action = count + 1;
                break;
            case Action::kInsert:
                action = count + 2;
                break;
            case Action::kDelete:
                action = count + 3;
                break;
            case Action::kChange:
                action = selected > 0 ? selected : 1;
                break;
            case Action::kOk:
                action = count + 4;
                break;
            case Action::kMessages:
                ShowCalcMessages(ws, false, fs);
                ws.abortFlag = false;
                continue;
            case Action::kTransform:
                list.Transform();
                if (ws.abortFlag) return false;
                continue;
            default:
                return Stop(ws);
        }

        if (action <= count) {
            bool stored = false;
            if (!list.Edit(action, stored)) return Stop(ws);
            list.EntryStored(action);
        } else if (action == count + 1) {
            if (count + 1 > spec.capacity) {
                ws.ui->ShowMessage(spec.overflowNew);
                return Stop(ws);
            }
            list.SetCount(count + 1);
            if (!EditNew(ws, list, count + 1, count)) return false;
        } else if (action == count + 2) {
            // An empty list has no entry to ask about: the new one becomes the first.
            const int position = selected > 0 ? selected
                                 : count == 0
                                     ? 1
                                     : AskPosition(ws, list, spec.insertQuestion, spec.helpInsert);
            if (position == 0) return Stop(ws);
            if (count + 1 > spec.capacity) {
                ws.ui->ShowMessage(spec.overflowInsert);
                return Stop(ws);
            }
            list.SetCount(count + 1);
            for (int j = count + 1; j > position; --j) list.Copy(j - 1, j);
            if (!EditNew(ws, list, position, count)) return false;
        } else if (action == count + 3) {
            if (count > 0) {
                const int position =
                    selected > 0 ? selected
                                 : AskPosition(ws, list, spec.deleteQuestion, spec.helpDelete);
                if (position == 0) return Stop(ws);
                for (int j = position; j < count; ++j) list.Copy(j + 1, j);
                list.SetCount(count - 1);
                list.EntryDeleted();
            }
        } else {
            list.Finished();
            return !ws.abortFlag;
        }
        if (ws.abortFlag) return false;
    }
}

}  // namespace bxr
