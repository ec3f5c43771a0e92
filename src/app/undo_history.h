// Undo and Redo over the edit commands: before an edit command runs, the state it starts from
// is kept; Undo goes back to it, Redo forward again. A state is the model without the loads a
// calculation appended, the project documentation and the catalogue rows chosen with the
// material and the profile, that is everything a project file stores and what came with it.
// A calculation, Save and Open are no edits; Open and New forget the steps.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "model/beam_model.h"
#include "model/documentation.h"
#include "sections/material_catalog.h"
#include "sections/profile_contour.h"

namespace bxr {

struct Workspace;

struct EditSnapshot {
    BeamModel model;  // without appended loads
    ProjectDocumentation documentation;
    MaterialCatalogState materials;
    ProfileCatalogState profiles;
};

EditSnapshot TakeSnapshot(const Workspace& ws);
// The project text the writer would store for this state; two states with the same text
// save to the same file.
std::string SnapshotText(const EditSnapshot& s);

class UndoHistory {
  public:
    // Steps kept in each direction; older ones are forgotten.
    static constexpr std::size_t kMaxSteps = 100;

    // Forgets every step and what was saved (Open, New).
    void Clear();
    // The workspace now holds what its project file holds (after Open and Save): a later
    // Undo or Redo that comes back to this state clears `modified`.
    void MarkSaved(const Workspace& ws);
    // An edit command changed the workspace, starting from `before`. Redo steps are dropped.
    void Record(EditSnapshot before);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::size_t UndoSteps() const { return undo_.size(); }
    std::size_t RedoSteps() const { return redo_.size(); }

    // Back to the state before the last edit (the current state becomes the next Redo step);
    // false when there is none. `modified` tells afterwards whether the state differs from
    // the one last saved or opened.
    bool Undo(Workspace& ws);
    bool Redo(Workspace& ws);

  private:
    void Restore(Workspace& ws, EditSnapshot& s) const;

    std::deque<EditSnapshot> undo_, redo_;
    std::optional<std::string> savedText_;
};

}  // namespace bxr
