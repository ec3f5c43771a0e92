// The entry dialogs of the lists: one entry of a load list or one contour point at a time,
// its numbers in the display unit system and, for the loads, its label. OK stores the shown
// entry; the spin buttons store it and move to the previous or next entry (1 to the count);
// "mm <--> inch" keeps what was typed, switches the unit system and shows the fields again;
// "<" proposes the label. Cancel stores nothing (entries stored by the spin buttons stay)
// and sets the abort flag.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "format/units.h"
#include "model/beam_model.h"
#include "app/record_form.h"

namespace bxr {

struct Workspace;

// One entry as the dialog edits it: its numbers in model units and its label.
struct EntryValues {
    std::vector<Real> numbers;
    OemString label;
};

// The list behind the dialog.
class EntryRecords {
  public:
    virtual ~EntryRecords() = default;
    virtual int Count() const = 0;
    virtual EntryValues Get(int i) const = 0;
    virtual void Put(int i, const EntryValues& values) = 0;
};

// How a dialog shows its entry.
struct EntryLayout {
    struct Number {
        std::string name;                       // e.g. "Edit_f"
        std::function<std::string(int)> label;  // code page 850, of the entry number
        Quantity quantity = Quantity::Length;   // unit text and unit-system conversion
        Real toShown = 1;    // model value times this is the value in the metric display unit
        Real fromShown = 1;  // and back
    };
    std::string captionStem;  // "Querkraft ": the caption is the stem and the entry number
    std::vector<Number> numbers;
    bool hasLabel = true;
    std::string proposalStem;  // "F ": the "<" button proposes the stem and the entry number
    int help = 0;
    // Adjusts an entry before it is shown (the contour's unset mark); may be empty.
    std::function<void(int i, EntryValues&)> prepare;
};

class EntryDialog : public RecordForm {
  public:
    EntryDialog(Workspace& ws, EntryRecords& records, EntryLayout layout, int entry);

    int Entry() const { return entry_; }
    // The entries this dialog stored (by OK or a spin button).
    const std::set<int>& StoredEntries() const { return stored_; }

    static constexpr const char* kLabelField = "Edit_label";

  private:
    void MoveTo(int entry);
    void Show() override;
    bool ReadShown() override;
    void PutShown() override;
    void Step(int delta) override { MoveTo(entry_ + delta); }
    std::string ProposedLabel() const override;
    // The typed fields into `into`; false with the message set when a number does not parse.
    // A field left as shown keeps the value exactly.
    bool ReadFields(EntryValues& into);

    EntryRecords& records_;
    EntryLayout layout_;
    int entry_;
    EntryValues shown_;
    std::vector<std::string> shownTexts_;
    std::set<int> stored_;
};

// Opens the dialog on entry i through the workspace's Ui; true when it closed with OK,
// otherwise the abort flag is set. `stored` as for EditableList::Edit.
bool RunEntryDialog(Workspace& ws, EntryRecords& records, const EntryLayout& layout, int i,
                    bool& stored);

}  // namespace bxr
