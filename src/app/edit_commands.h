// The Edit commands of the main window, New, Reset, Undo and Redo. Each is a plain function
// for the command table; it clears the abort flag first and returns true when its input was
// confirmed.
//
// An edit command first takes out the loads the last calculation appended and keeps the
// state it starts from. When it changed what a project file stores, that state becomes an
// undo step. When it was confirmed, or changed the project even though it ended with Cancel
// (a list editor keeps the entries its dialogs stored), the model is marked modified and the
// current view is drawn again. The command table calls UndoHistory::MarkSaved after Open and Save
// and UndoHistory::Clear before Open, so that Undo knows when it is back at the saved state.
#pragma once

#include <functional>
#include <string>

#include "analysis/analysis_runner.h"
#include "analysis/run_analysis.h"
#include "app/edit_session.h"

namespace bxr {

struct Workspace;
class CatalogTables;
class FileSystem;

// Runs input as an edit command (see above). marksModified false for commands that change the
// model without marking it (Reset).
bool RunEditCommand(Workspace& ws, EditSession& session, const std::function<bool()>& input,
                    bool marksModified = true);

// mi_fileNew: save or discard the old project, reset loads and geometry, the template "null"
// of the data folder, no name, documentation and header lines anew; then texts, length,
// profile or contour, supports, loads and material. Any Cancel stops it with what was entered
// up to then and `modified` as it was; a completed New marks the model modified. `today` is
// the date text of the documentation.
bool NewProjectCommand(Workspace& ws, FileSystem& fs, EditSession& session, CatalogTables& tables,
                       const std::string& today);
bool NewProjectCommand(Workspace& ws, FileSystem& fs, EditSession& session,
                       const std::string& today);

// mi_editruecksetzen: "Was zurücksetzen ?" loads, cross-section, both or nothing. It does not
// mark the model modified.
bool ResetCommand(Workspace& ws, EditSession& session);

bool EditTextCommand(Workspace& ws, EditSession& session);                      // mi_edittext
bool EditGeometryCommand(Workspace& ws, EditSession& session, FileSystem& fs);  // mi_editgeometrie
bool EditLengthCommand(Workspace& ws, EditSession& session);                    // mi_editlaenge
bool EditSupportsCommand(Workspace& ws, EditSession& session);                  // mi_editlagerung
bool EditPointLoadsCommand(Workspace& ws, EditSession& session, FileSystem& fs);
bool EditDistributedLoadsCommand(Workspace& ws, EditSession& session, FileSystem& fs);
bool EditMomentsCommand(Workspace& ws, EditSession& session, FileSystem& fs);
bool EditAxialLoadsCommand(Workspace& ws, EditSession& session, FileSystem& fs);
bool EditNotchZonesCommand(Workspace& ws, EditSession& session, FileSystem& fs);  // mi_editkerbzone
bool EditShaftSectionsCommand(Workspace& ws, EditSession& session,
                              FileSystem& fs);  // mi_editabschnitte
// mi_editwerkstoff; the second form on the program's tables.
bool EditMaterialCommand(Workspace& ws, EditSession& session, CatalogTables& tables);
bool EditMaterialCommand(Workspace& ws, EditSession& session);
// mi_editProfile: the profile replaces the contour; the section drawing is shown.
bool EditProfileCommand(Workspace& ws, EditSession& session, CatalogTables& tables);
bool EditProfileCommand(Workspace& ws, EditSession& session);
// mi_editberechnung: the calculation settings, whose OK calculates; confirmed, the model is
// marked modified and, with help level 1 or 2, the summary of extreme values is shown. Not
// an edit for Undo.
bool EditCalculationCommand(Workspace& ws, AnalysisRunner run = RunAnalysis);

// Ctrl+Z and Ctrl+Y: false when there is nothing to undo or redo.
bool UndoCommand(Workspace& ws, EditSession& session);
bool RedoCommand(Workspace& ws, EditSession& session);

}  // namespace bxr
