// A dialog without a toolkit: typed fields and buttons, their enabled and visible flags, and
// the validation message that keeps it open. The window renders any form from these types
// alone; tests type into the fields and press the buttons.
//
// Closing protocol, the same for every form and every caller:
// - Press(button) returns true when the dialog closes, false when it stays open (a proposal,
//   a spin button, or a validation message in `message`).
// - After it closed, Accepted() tells OK (true) from Cancel (false).
// - Reject() is what the window's close button and the Escape key do: exactly the Cancel
//   button, with everything Cancel does (the stop flag included). A form without a Cancel
//   button just closes unaccepted.
// - Ui::RunForm runs the form until it closed; callers then read Accepted().
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bxr {

enum class FieldKind {
    kText,        // one line of text or a number as typed
    kMultiLine,   // several lines, "\n" between them
    kCheckBox,    // `checked`
    kRadioGroup,  // `index` into `items`
    kChoice,      // a drop-down list: `index` into `items`
    kLabel,       // read-only text
    kList,        // a list box: `index` into `items`, -1 when none is chosen; a double
                  // click or Enter presses the button named in `activate`
    kScrollBar,   // a horizontal scroll bar: `index` from `minimum` to `maximum`, moved by
                  // `pageStep` on a click beside the slider; moving it presses the field's name
};

struct FormField {
    std::string name;   // the control's name, e.g. "Edit_betak"
    std::string label;  // code page 850
    std::string text;   // the content of a text field as typed, code page 850
    bool enabled = true;
    bool visible = true;
    FieldKind kind = FieldKind::kText;
    std::vector<std::string> items;  // radio group and choice list (code page 850)
    bool checked = false;            // check box
    int index = 0;                   // radio group and choice list: 0-based chosen item
    std::size_t maxLength = 0;       // characters a text field takes; 0 without a limit
    std::string group;               // the tab page or group box the field sits in
    std::string unit;                // unit text shown after the field
    int hint = 0;                    // language text number of the hint; 0 without
    int help = 0;                    // help topic; 0 without
    std::string activate;            // list box: the button a double click presses
    int minimum = 0, maximum = 0, pageStep = 1;  // scroll bar
    bool pressOnLeave = false;  // text field: leaving it presses the field's name

    FormField& In(std::string g) {
        group = std::move(g);
        return *this;
    }
    FormField& Unit(std::string u) {
        unit = std::move(u);
        return *this;
    }
    FormField& Hint(int n) {
        hint = n;
        return *this;
    }
    FormField& Help(int n) {
        help = n;
        return *this;
    }
    FormField& Max(std::size_t n) {
        maxLength = n;
        return *this;
    }
    FormField& Hidden() {
        visible = false;
        return *this;
    }
    FormField& Disabled() {
        enabled = false;
        return *this;
    }
};

FormField TextField(std::string name, std::string label, std::string text = {});
FormField MultiLineField(std::string name, std::string label, std::string text = {});
FormField CheckField(std::string name, std::string label, bool checked = false);
FormField RadioField(std::string name, std::string label, std::vector<std::string> items,
                     int index = 0);
FormField ChoiceField(std::string name, std::string label, std::vector<std::string> items,
                      int index = 0);
FormField LabelField(std::string name, std::string text);
FormField ListField(std::string name, std::string label, std::vector<std::string> items, int index,
                    std::string activate);
FormField ScrollBarField(std::string name, std::string label, int minimum, int maximum, int value,
                         int pageStep);

enum class ButtonKind {
    kPush,
    kProposal,  // "<": fills `target` with a proposed value
    kSpinUp,    // moves `target` (or the whole form when empty) one step up
    kSpinDown,
    kMenuItem,   // an item of the form's menu `menu`
    kNavigator,  // a record navigator button of a table
};

enum class ButtonRole { kNone, kOk, kCancel, kHelp };

struct FormButton {
    std::string name;     // e.g. "Button_ok"
    std::string caption;  // code page 850
    bool enabled = true;
    bool visible = true;
    ButtonKind kind = ButtonKind::kPush;
    ButtonRole role = ButtonRole::kNone;
    std::string target;  // the field a proposal fills or a spin button moves
    std::string menu;    // the menu a menu item belongs to (code page 850)
    int help = 0;        // help topic of a help button
    bool picture = false;  // a help button that shows the topic's picture ("Hilfe&bild")
    std::string helpPage;  // a help page a help button opens instead of its topic's

    FormButton& Hidden() {
        visible = false;
        return *this;
    }
    FormButton& Disabled() {
        enabled = false;
        return *this;
    }
};

FormButton PushButton(std::string name, std::string caption);
FormButton OkButton(std::string caption = "OK");
FormButton CancelButton(std::string caption = "Abbrechen");
// A help button; captioned "Hilfe&bild..." or "Hilfe&bild" it shows the topic's picture.
FormButton HelpButton(std::string name, std::string caption, int topic);
FormButton ProposalFor(std::string target, std::string name, std::string caption = "<");
FormButton SpinButton(std::string name, bool up, std::string target = {});
FormButton MenuButton(std::string name, std::string menu, std::string caption);
FormButton NavigatorButton(std::string name, std::string caption);

// A table shown in a form. Rows and columns count from 1; texts are code page 850.
class FormGrid {
  public:
    virtual ~FormGrid() = default;
    virtual int RowCount() const = 0;
    virtual int ColumnCount() const = 0;
    virtual std::string ColumnTitle(int column) const = 0;
    virtual int ColumnWidth(int column) const = 0;  // in characters
    virtual std::string Cell(int row, int column) = 0;
    virtual bool RowDeleted(int row) = 0;
    virtual int CurrentRow() const = 0;
    virtual int CurrentColumn() const = 0;
    // Makes the cell current.
    virtual void ClickCell(int row, int column) = 0;
    // Types text into a cell; false with the form's message set when the text does not fit.
    virtual bool EditCell(int row, int column, const std::string& text) = 0;
    // Sorts by the column.
    virtual bool ClickColumnTitle(int column) = 0;
    // False for a grid that only shows: its cells take no typing, and a double click on a
    // row presses OK.
    virtual bool Editable() const { return true; }
};

class FormModel {
  public:
    virtual ~FormModel() = default;

    std::string caption;
    std::vector<FormField> fields;
    std::vector<FormButton> buttons;
    std::string message;  // the last validation message; empty when none
    int help = 0;         // the form's help topic; 0 without

    // Presses a button; true when the dialog closes (see the protocol above).
    virtual bool Press(const std::string& buttonName) = 0;
    // The window's close button: behaves as Cancel.
    virtual void Reject();
    bool Accepted() const { return accepted_; }
    bool Closed() const { return closed_; }

    // The grid of a table form; null for forms without one.
    virtual FormGrid* Grid() { return nullptr; }

    // A field or button of that name. Asking for one that does not exist is a programming
    // error: it throws std::logic_error, which a test reports at once.
    FormField* Field(const std::string& name);
    const FormField* Field(const std::string& name) const;
    FormButton* Button(const std::string& name);
    bool HasField(const std::string& name) const;
    bool HasButton(const std::string& name) const;
    // The button of a role, or null.
    const FormButton* ButtonWithRole(ButtonRole role) const;

  protected:
    // Ends the dialog: with OK when accepted. Returns true for Press to pass on.
    bool Close(bool accepted) {
        closed_ = true;
        accepted_ = accepted;
        return true;
    }

  private:
    bool accepted_ = false;
    bool closed_ = false;
};

}  // namespace bxr
