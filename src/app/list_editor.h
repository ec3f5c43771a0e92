// The one list editor of the program (TForm_einarray): a list of entries with New, Insert,
// Delete and Change, a double click on a line meaning Change of that line, OK and Cancel, the
// help buttons and, while calculation messages exist, "&Fehlermeldungen". The load lists, the
// contour and the notch zones run through it; what differs is the list behind it.
#pragma once

#include <string>
#include <vector>

#include "platform/form_model.h"

namespace bxr {

struct Workspace;
class FileSystem;

// The texts and limits of one list (code page 850).
struct ListSpec {
    std::string caption;
    int capacity = 0;
    std::string overflowNew, overflowInsert;
    std::string insertQuestion, deleteQuestion;
    int helpList = 0, helpInsert = 0, helpDelete = 0;
};

// Display lines are cut to this many characters.
inline constexpr std::size_t kListLineLength = 65;

// The list behind the editor: entries 1..Count().
class EditableList {
  public:
    virtual ~EditableList() = default;
    virtual int Count() const = 0;
    virtual void SetCount(int count) = 0;
    // Entry `from` copied over entry `to`.
    virtual void Copy(int from, int to) = 0;
    // The display line of entry i, before the editor cuts it.
    virtual std::string Line(int i) const = 0;
    // Opens the entry dialog on entry i; true when it closed with OK, otherwise the abort flag
    // is set. `stored` tells whether entry i itself was stored (OK, or a spin button that left
    // it), even when the dialog ended with Cancel.
    virtual bool Edit(int i, bool& stored) = 0;
    // After an entry dialog closed with OK on entry i, and after a deletion.
    virtual void EntryStored(int /*i*/) {}
    virtual void EntryDeleted() {}
    // A list with a transformation offers the button "Transform.".
    virtual bool HasTransform() const { return false; }
    virtual std::string TransformCaption() const { return "Transform."; }
    virtual void Transform() {}
    // The editor is about to end with OK.
    virtual void Finished() {}
};

// The list dialog as a form: the lines as a list box whose double click presses Change.
class ListEditorForm : public FormModel {
  public:
    enum class Action {
        kNone,
        kNew,
        kInsert,
        kDelete,
        kChange,
        kOk,
        kCancel,
        kMessages,
        kTransform
    };

    // selected: 1-based line to preselect, 0 for none.
    ListEditorForm(const ListSpec& spec, std::vector<std::string> lines, int selected,
                   bool messagesExist, bool transform,
                   const std::string& transformCaption = "Transform.");

    bool Press(const std::string& buttonName) override;
    Action ChosenAction() const { return action_; }
    // The selected line, 1-based; 0 when none is selected.
    int Selected() const;

    static constexpr const char* kList = "ListBox_entries";

  private:
    Action action_ = Action::kNone;
};

// Runs the editor until OK, Cancel or an overflow. True when it ended with OK; otherwise the
// abort flag is set. Values stored by an entry dialog stay either way. lastSelected is the
// entry the list had selected when it last closed; it is kept there for the next run.
bool RunListEditor(Workspace& ws, FileSystem& fs, EditableList& list, const ListSpec& spec,
                   int& lastSelected);

// Redraws the main window's current view while an input runs. A view that has to calculate
// appends loads to the lists; they are taken out again at once, since the lists being edited
// must hold the user's entries only.
void RedrawDuringInput(Workspace& ws);

}  // namespace bxr
