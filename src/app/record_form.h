// The dialogs that show one record of a list at a time (a load, a contour point, a notch zone)
// share their buttons: OK stores the shown record and closes; Abbrechen sets the abort flag and
// closes without storing (records stored by the spin buttons stay); the spin buttons store the
// record and step to the next or previous one; "mm <--> inch" keeps what was typed and shows
// it in the other unit system; "<" proposes the label. The help buttons leave it open.
#pragma once

#include <string>

#include "platform/form_model.h"

namespace bxr {

struct Workspace;

class RecordForm : public FormModel {
  public:
    bool Press(const std::string& buttonName) final;

  protected:
    explicit RecordForm(Workspace& ws) : ws_(ws) {}

    // The typed fields into the shown record; false with the message set when a number does
    // not parse.
    virtual bool ReadShown() = 0;
    // The shown record into its list.
    virtual void PutShown() = 0;
    // Shows the record `delta` places on (the form keeps it within the list).
    virtual void Step(int delta) = 0;
    // The shown record into the fields, in the current unit system.
    virtual void Show() = 0;
    // What "<" puts into the label field; empty for a record without a label.
    virtual std::string ProposedLabel() const = 0;
    // The buttons of one dialog only; true when the dialog closes.
    virtual bool PressOwn(const std::string& /*buttonName*/) { return false; }

    Workspace& ws_;
};

}  // namespace bxr
