#include "app/undo_history.h"

#include <utility>

#include "model/project_file.h"
#include "workspace/workspace.h"

namespace bxr {

EditSnapshot TakeSnapshot(const Workspace& ws) {
    EditSnapshot s{ws.model, ws.documentation, ws.materials, ws.profiles};
    // The appended loads are the calculation's, not the user's: a state never holds them,
    // so that going back always means a calculation has to run again.
    if (s.model.auxLoadsAppended) {
        RemoveAddedLoads(s.model);
        s.model.auxLoadsAppended = false;
    }
    return s;
}

std::string SnapshotText(const EditSnapshot& s) {
    // Fixed settings: the comparison must not depend on the decimal mark of the day.
    return ProjectFileText(s.model, s.documentation, OutputSettings{});
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    savedText_.reset();
}

void UndoHistory::MarkSaved(const Workspace& ws) {
    savedText_ = SnapshotText(TakeSnapshot(ws));
}

void UndoHistory::Record(EditSnapshot before) {
    undo_.push_back(std::move(before));
    if (undo_.size() > kMaxSteps) undo_.pop_front();
    redo_.clear();
}

void UndoHistory::Restore(Workspace& ws, EditSnapshot& s) const {
    ws.model = std::move(s.model);
    ws.documentation = std::move(s.documentation);
    ws.materials = std::move(s.materials);
    ws.profiles = std::move(s.profiles);
    ws.model.auxLoadsAppended = false;
    // Without a saved state to compare with, any step away counts as a change.
    ws.model.modified = !(savedText_ && *savedText_ == SnapshotText(TakeSnapshot(ws)));
}

bool UndoHistory::Undo(Workspace& ws) {
    if (undo_.empty()) return false;
    redo_.push_back(TakeSnapshot(ws));
    if (redo_.size() > kMaxSteps) redo_.pop_front();
    EditSnapshot s = std::move(undo_.back());
    undo_.pop_back();
    Restore(ws, s);
    return true;
}

bool UndoHistory::Redo(Workspace& ws) {
    if (redo_.empty()) return false;
    undo_.push_back(TakeSnapshot(ws));
    if (undo_.size() > kMaxSteps) undo_.pop_front();
    EditSnapshot s = std::move(redo_.back());
    redo_.pop_back();
    Restore(ws, s);
    return true;
}

}  // namespace bxr
