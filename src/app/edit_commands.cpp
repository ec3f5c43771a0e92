#include "app/edit_commands.h"

#include <optional>
#include <vector>

#include "app/beam_input.h"
#include "app/calc_settings_dialog.h"
#include "app/project_commands.h"
#include "app/select_material.h"
#include "app/select_profile.h"
#include "app/table_catalog.h"
#include "format/code_page.h"
#include "model/project_file.h"
#include "platform/file_system.h"
#include "platform/ui.h"
#include "workspace/workspace.h"

namespace bxr {

namespace {

bool Stop(Workspace& ws) {
    ws.abortFlag = true;
    return false;
}

void TakeOutAddedLoads(BeamModel& m) {
    if (!m.auxLoadsAppended) return;
    RemoveAddedLoads(m);
    m.auxLoadsAppended = false;
}

// The template "null" of the data folder, when there is one. A template that does not read
// completely is left aside with a message, so that New does not start from half a project.
void LoadTemplate(Workspace& ws, FileSystem& fs) {
    const std::string path = JoinPath(ws.dataFolder, std::string("null.") + kProjectExtension);
    if (!fs.IsFile(path)) return;
    const std::optional<std::string> data = fs.Read(path, kMaxProjectFileBytes);
    BeamModel model = ws.model;
    ProjectDocumentation doc = ws.documentation;
    if (!data || !ReadProjectText(*data, model, doc).Ok()) {
        ws.ui->ShowMessage("Vorlage " + path + " unvollständig oder nicht lesbar !"_oem);
        return;
    }
    model.modified = ws.model.modified;
    ws.model = model;
    ws.documentation = doc;
}

}  // namespace

bool RunEditCommand(Workspace& ws, EditSession& session, const std::function<bool()>& input,
                    bool marksModified) {
    ws.abortFlag = false;
    TakeOutAddedLoads(ws.model);
    EditSnapshot before = TakeSnapshot(ws);
    const std::string beforeText = SnapshotText(before);
    const bool confirmed = input() && !ws.abortFlag;
    const bool changed = SnapshotText(TakeSnapshot(ws)) != beforeText;
    if (!confirmed && !changed) return false;
    // A confirmed input that left the project as it was is no step to undo.
    if (changed) session.undo.Record(std::move(before));
    if (marksModified) ws.model.modified = true;
    ws.ui->RedrawCurrentView();
    return confirmed;
}

bool NewProjectCommand(Workspace& ws, FileSystem& fs, EditSession& session, CatalogTables& tables,
                       const std::string& today) {
    ws.abortFlag = false;
    if (!ConfirmDiscard(ws, fs)) return false;
    session.undo.Clear();
    BeamModel& m = ws.model;
    TakeOutAddedLoads(m);
    ResetLoads(m);
    ResetGeometry(m);
    LoadTemplate(ws, fs);
    ws.currentName.clear();
    ResetDocumentationForNew(ws.documentation, today);
    for (int i = 1; i <= 3; ++i) m.headerLines[static_cast<std::size_t>(i)].clear();

    if (!InputTexts(ws) || !InputLength(ws)) return false;
    ws.ui->SetHelpTopic(5900);
    const std::optional<int> geometry = ws.ui->Choose(
        "Profilgeometrie", {"Standardprofil wählen"_oem, "Profilgeometrie eingeben"}, 1);
    if (!geometry) return Stop(ws);
    if (*geometry == 1) {
        GenerateProfile(ws, tables);
        if (ws.abortFlag) return false;
    } else if (!InputContour(ws, fs, session.lastSelected.contour)) {
        return false;
    }
    if (!InputSupports(ws)) return false;
    if (!InputLoads(ws, fs, session.lastSelected, kChooseLoadKind)) return false;
    if (!SelectMaterial(ws, tables)) return false;
    ws.ui->RedrawCurrentView();
    m.modified = true;
    return true;
}

bool NewProjectCommand(Workspace& ws, FileSystem& fs, EditSession& session,
                       const std::string& today) {
    TableCatalog tables(ws);
    return NewProjectCommand(ws, fs, session, tables, today);
}

bool ResetCommand(Workspace& ws, EditSession& session) {
    const auto input = [&ws] {
        ws.ui->SetHelpTopic(6800);
        const std::optional<int> what =
            ws.ui->Choose("Was zurücksetzen ?"_oem,
                          {"Alle Belastungen löschen"_oem, "Trägerquerschnitt löschen"_oem,
                           "Belastungen und Geometrie löschen"_oem, "nichts löschen .."_oem},
                          1);
        if (!what) return Stop(ws);
        if (*what == 1 || *what == 3) ResetLoads(ws.model);
        if (*what == 2 || *what == 3) ResetGeometry(ws.model);
        return true;
    };
    return RunEditCommand(ws, session, input, false);
}

bool EditTextCommand(Workspace& ws, EditSession& session) {
    return RunEditCommand(ws, session, [&ws] { return InputTexts(ws); });
}

bool EditGeometryCommand(Workspace& ws, EditSession& session, FileSystem& fs) {
    return RunEditCommand(ws, session,
                          [&] { return InputContour(ws, fs, session.lastSelected.contour); });
}

bool EditLengthCommand(Workspace& ws, EditSession& session) {
    return RunEditCommand(ws, session, [&ws] { return InputLength(ws); });
}

bool EditSupportsCommand(Workspace& ws, EditSession& session) {
    return RunEditCommand(ws, session, [&ws] { return InputSupports(ws); });
}

bool EditPointLoadsCommand(Workspace& ws, EditSession& session, FileSystem& fs) {
    return RunEditCommand(ws, session,
                          [&] { return InputLoads(ws, fs, session.lastSelected, kPointForces); });
}

bool EditDistributedLoadsCommand(Workspace& ws, EditSession& session, FileSystem& fs) {
    return RunEditCommand(
        ws, session, [&] { return InputLoads(ws, fs, session.lastSelected, kDistributedLoads); });
}

bool EditMomentsCommand(Workspace& ws, EditSession& session, FileSystem& fs) {
    return RunEditCommand(ws, session,
                          [&] { return InputLoads(ws, fs, session.lastSelected, kMoments); });
}

bool EditAxialLoadsCommand(Workspace& ws, EditSession& session, FileSystem& fs) {
    return RunEditCommand(ws, session,
                          [&] { return InputLoads(ws, fs, session.lastSelected, kAxialForces); });
}

bool EditNotchZonesCommand(Workspace& ws, EditSession& session, FileSystem& fs) {
    return RunEditCommand(ws, session,
                          [&] { return InputNotchZones(ws, fs, session.lastSelected.notchZones); });
}

bool EditShaftSectionsCommand(Workspace& ws, EditSession& session, FileSystem& fs) {
    return RunEditCommand(
        ws, session, [&] { return InputShaftSections(ws, fs, session.lastSelected.shaftSections); });
}

bool EditMaterialCommand(Workspace& ws, EditSession& session, CatalogTables& tables) {
    return RunEditCommand(ws, session, [&] { return SelectMaterial(ws, tables); });
}

bool EditMaterialCommand(Workspace& ws, EditSession& session) {
    TableCatalog tables(ws);
    return EditMaterialCommand(ws, session, tables);
}

bool EditProfileCommand(Workspace& ws, EditSession& session, CatalogTables& tables) {
    const bool replaced = RunEditCommand(ws, session, [&] { return GenerateProfile(ws, tables); });
    if (replaced) ws.ui->ShowView(View::kSection);
    return replaced;
}

bool EditProfileCommand(Workspace& ws, EditSession& session) {
    TableCatalog tables(ws);
    return EditProfileCommand(ws, session, tables);
}

bool EditCalculationCommand(Workspace& ws, AnalysisRunner run) {
    ws.abortFlag = false;
    if (!EditCalcSettings(ws, std::move(run))) return false;
    ws.model.modified = true;
    if (ws.config.helpLevel == 1 || ws.config.helpLevel == 2) ws.ui->ShowView(View::kQuickResults);
    return true;
}

bool UndoCommand(Workspace& ws, EditSession& session) {
    ws.abortFlag = false;
    if (!session.undo.Undo(ws)) return false;
    ws.ui->RedrawCurrentView();
    return true;
}

bool RedoCommand(Workspace& ws, EditSession& session) {
    ws.abortFlag = false;
    if (!session.undo.Redo(ws)) return false;
    ws.ui->RedrawCurrentView();
    return true;
}

}  // namespace bxr
