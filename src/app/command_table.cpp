#include "app/command_table.h"

#include <cstring>

#include "analysis/run_analysis.h"
#include "app/calc_message_display.h"
#include "app/calc_settings_dialog.h"
#include "app/config_dialog.h"
#include "app/document_command.h"
#include "app/diagram_export.h"
#include "app/documentation_commands.h"
#include "app/drawing_options_form.h"
#include "app/dxf_import.h"
#include "app/edit_commands.h"
#include "app/help_commands.h"
#include "app/help_pages.h"
#include "app/project_commands.h"
#include "app/report_commands.h"
#include "app/select_material.h"
#include "app/select_profile.h"
#include "format/code_page.h"
#include "format/date_text.h"
#include "platform/ui.h"
#include "report/results_report.h"

namespace bxr {

namespace {

constexpr int kWindow = static_cast<int>(CadOutput::Window);
constexpr int kAsk = 0;

// A calculation the user started, then what it has to say: its boxes and its message list.
void CalculateAndShow(Session& s) {
    if (s.calculate)
        s.calculate(s.ws);
    else
        RunAnalysis(s.ws);
    ShowCalculationOutcome(s.ws, s.noGui, s.fs());
}

// The results a view needs, calculated when they are not current. False when the calculation
// stopped (its messages have been shown): the view then has nothing to show.
bool Calculate(Session& s) {
    if (s.ws.model.auxLoadsAppended) return true;
    CalculateAndShow(s);
    return !s.ws.messages.fatal && !s.ws.abortFlag;
}

void NotOnThisSystem(Session& s, int) {
    s.ws.ui->ShowMessage(
        "Die Verbindung zur Tabellenkalkulation ist auf diesem System nicht verfügbar."_oem);
}

// ---- File ---------------------------------------------------------------------------------

void AfterFileCommand(Session& s) {
    s.RefreshShell();
    RedrawCurrentView(s);
}

void Open(Session& s, int) {
    if (OpenCommand(s.ws, s.fs())) {
        s.edits.undo.Clear();
        s.edits.undo.MarkSaved(s.ws);
        AfterFileCommand(s);
    }
    s.RefreshShell();
}
void OpenTable(Session& s, int) {
    if (OpenFromTable(s.ws, s.fs())) AfterFileCommand(s);
    s.RefreshShell();
}
void Save(Session& s, int) {
    if (SaveCommand(s.ws, s.fs())) s.edits.undo.MarkSaved(s.ws);
    s.RefreshShell();
}
void SaveAs(Session& s, int) {
    if (SaveAsCommand(s.ws, s.fs())) s.edits.undo.MarkSaved(s.ws);
    s.RefreshShell();
}
// The input commands: each records its own undo step and redraws through the Ui.
void NewProject(Session& s, int) {
    NewProjectCommand(s.ws, s.fs(), s.edits, TodayText(s.ws.output()));
    AfterFileCommand(s);
}
void Input(Session& s, int which) {
    EditSession& e = s.edits;
    switch (which) {
        case 1: EditTextCommand(s.ws, e); break;
        case 2: EditGeometryCommand(s.ws, e, s.fs()); break;
        case 3: EditLengthCommand(s.ws, e); break;
        case 4: EditSupportsCommand(s.ws, e); break;
        case 5: EditPointLoadsCommand(s.ws, e, s.fs()); break;
        case 6: EditDistributedLoadsCommand(s.ws, e, s.fs()); break;
        case 7: EditMomentsCommand(s.ws, e, s.fs()); break;
        case 8: EditAxialLoadsCommand(s.ws, e, s.fs()); break;
        case 9: EditNotchZonesCommand(s.ws, e, s.fs()); break;
        case 10: ResetCommand(s.ws, e); break;
        case 13: EditShaftSectionsCommand(s.ws, e, s.fs()); break;
        case 11: UndoCommand(s.ws, e); break;
        default: RedoCommand(s.ws, e); break;
    }
    s.RefreshShell();
}
void ImportDxf(Session& s, int) {
    // An imported contour replaces the old one: an edit the user can take back.
    RunEditCommand(s.ws, s.edits, [&s] { return ImportDxfCommand(s.ws); });
}
void ImportKormFile(Session& s, int) {
    if (ImportKorm(s.ws, s.fs())) AfterFileCommand(s);
}
void ExportKormFile(Session& s, int) {
    ExportKorm(s.ws, s.fs());
}
void ExportSectionDxf(Session& s, int) {
    SectionDrawingCommand(s.ws, 1, static_cast<int>(CadOutput::Dxf), s.drawingServices());
}
void Print(Session& s, int) {
    if (s.shell) s.shell->PrintDrawing();
}
void Picture(Session& s, int) {
    if (s.shell) s.shell->ExportDrawing();
}
void CalcDocumentItem(Session& s, int) {
    CalcDocumentCommand(s);
}
void Config(Session& s, int) {
    ConfigurationCommand(s.ws, s.fs(), s.screen);
    s.RefreshShell();
}
void Recent(Session& s, int i) {
    if (OpenRecentFile(s.ws, s.fs(), i)) AfterFileCommand(s);
    s.RefreshShell();
}
void Exit(Session& s, int) {
    if (s.shell) s.shell->CloseWindow();
}

// ---- Edit ---------------------------------------------------------------------------------

void Material(Session& s, int) {
    // A material chosen ends with its data sheet in the graphics window.
    if (EditMaterialCommand(s.ws, s.edits)) ShowMaterialSheet(s.ws, s.drawingServices());
}
void InputEcho(Session& s, int) {
    InputEchoCommand(s.ws, s.reportServices());
}
void Profile(Session& s, int) {
    if (!EditProfileCommand(s.ws, s.edits)) return;
    s.currentView = kViewSection;
    SectionDrawingCommand(s.ws, 1, kWindow, s.drawingServices());
}
void CalculationSettings(Session& s, int) {
    const AnalysisRunner run = [&s](CalcState&) { CalculateAndShow(s); };
    if (EditCalcSettings(s.ws, run)) {
        s.ws.model.modified = true;
        if (s.ws.config.helpLevel == 1 || s.ws.config.helpLevel == 2) {
            s.currentView = kViewQuick;
            RunDrawing(s.ws, 4, kWindow, s.drawingServices());
        }
    }
}

// ---- View, Diagrams, CAD ------------------------------------------------------------------

void Printout(Session& s, int) {
    if (!Calculate(s)) return;
    ViewStandardReport(s.ws, s.reportServices(), s.noGui);
}
void PositionReport(Session& s, int) {
    if (!Calculate(s)) return;
    ViewPositionReport(s.ws, s.reportServices(), s.noGui);
}
void DrawInWindow(Session& s, int job) {
    if (job != 1 && job != 5 && job != 6 && !Calculate(s)) return;
    RunDrawing(s.ws, job, kWindow, s.drawingServices());
}
void ViewDrawing(Session& s, int job) {
    switch (job) {
        case 3:
            s.currentView = kViewSchema;
            break;
        case 4:
            s.currentView = kViewQuick;
            break;
        case 6:
            s.currentView = kViewProductionDrawing;
            break;
        default:
            break;
    }
    DrawInWindow(s, job);
}
void SectionView(Session& s, int variant) {
    s.currentView = kViewSection;
    SectionDrawingCommand(s.ws, variant, kWindow, s.drawingServices());
}
void Messages(Session& s, int) {
    ShowCalcMessages(s.ws, s.noGui, s.fs());
}
void Diagram(Session& s, int job) {
    s.currentView = kViewDiagrams;
    if (!Calculate(s)) return;
    DiagramCommand(s.ws, job / 10, job % 10, kWindow, s.drawingServices());
}
void DiagramExport(Session& s, int) {
    if (!Calculate(s)) return;
    OutputChannel out(ReportChannelFor(s.ws, s.reportServices()));
    ExportDiagramTable(s.ws, out, StationExportSource(s.ws));
}
void CadDrawing(Session& s, int job) {
    if (job != 1 && job != 5 && job != 6 && !Calculate(s)) return;
    RunDrawing(s.ws, job, kAsk, s.drawingServices());
}
void CadDiagrams(Session& s, int) {
    if (!Calculate(s)) return;
    CadDiagramSeries(s.ws, s.drawingServices());
}
void CadSection(Session& s, int) {
    SectionDrawingCommand(s.ws, 0, kAsk, s.drawingServices());
}
void CadSettingsThenDrawing(Session& s, int) {
    const bool confirmed = RunEditCommand(s.ws, s.edits, [&s] {
        DrawingOptionsForm form(s.ws.model);
        s.ws.ui->RunForm(form);
        if (!form.Accepted()) return false;
        form.ApplyTo(s.ws.model);
        return true;
    });
    if (!confirmed) return;
    s.currentView = kViewProductionDrawing;
    RunDrawing(s.ws, 6, kWindow, s.drawingServices());
}

// ---- Database, Documentation, Help ---------------------------------------------------------

void ProfileTables(Session& s, int) {
    BrowseProfileTables(s.ws);
}
void BrowseMaterial(Session& s, int which) {
    BrowseMaterialTable(s.ws, static_cast<MaterialTable>(which));
}
void Change(Session& s, int preset) {
    ChangeCommand(s.ws, preset, TodayText(s.ws.output()),
                  ChangeListWriter(s.ws, s.reportServices()));
}
void DrawingData(Session& s, int) {
    DrawingDataCommand(s.ws, TodayText(s.ws.output()));
}
void DocumentLink(Session& s, int n) {
    StartDocumentLink(s.ws, n, s.launcher ? *s.launcher : SystemLauncher());
}
void DocumentSetup(Session& s, int) {
    DocumentSetupCommand(s.ws);
}
void Language(Session& s, int code) {
    ApplyLanguage(s, code);
}
// The manual's index and the index of the help pictures, in the help window.
void HelpText(Session& s, int) {
    s.ws.ui->ShowHelp(kIndexPage);
}
void HelpPictures(Session& s, int) {
    s.ws.ui->ShowHelp(kPicturesPage);
}
void Homepage(Session& s, int) {
    OpenDocumentationCommand(s.ws, s.fs(), s.launcher ? *s.launcher : SystemLauncher());
}
void Mail(Session& s, int) {
    WriteMailCommand(s.ws, s.launcher ? *s.launcher : SystemLauncher());
}
void About(Session& s, int) {
    s.ws.ui->ShowMessage(ReportHeading() + "\n\nVersion " + BXR_VERSION);
}

const char* const kFile = "mi_file";
const char* const kEdit = "mi_Edit";
const char* const kView = "mi_View";
const char* const kDiag = "mi_diagramme";
const char* const kCad = "mi_CAD";
const char* const kDb = "mi_database";
const char* const kDoc = "mi_documentation";
const char* const kHelp = "mi_Help";

// A diagram submenu's plane items: job 10 * kind + plane.
#define BXR_PLANES(prefix, menu, kind)                                            \
    {.name = prefix "xy",                                                         \
     .parent = menu,                                                              \
     .word = "planeXy",                                                           \
     .run = Diagram,                                                              \
     .arg = 10 * kind + 1},                                                       \
        {.name = prefix "xz",                                                     \
         .parent = menu,                                                          \
         .word = "planeXz",                                                       \
         .run = Diagram,                                                          \
         .arg = 10 * kind + 2},                                                   \
    {                                                                             \
        .name = prefix "xyz", .parent = menu, .word = "planeXyz", .run = Diagram, \
        .arg = 10 * kind + 3                                                      \
    }

// clang-format off
const CommandItem kTable[] = {
    {.name = kFile, .parent = nullptr, .word = "file"},
    {.name = "mi_fileNew", .parent = kFile, .word = "new", .shortcut = "Ctrl+N", .run = NewProject},
    {.name = "mi_fileOpen", .parent = kFile, .word = "open", .shortcut = "Ctrl+O", .run = Open},
    {.name = "mi_fileOpenTable", .parent = kFile, .word = "open", .join = " (", .word2 = "table", .tail = ")", .run = OpenTable},
    {.name = "mi_FileSave", .parent = kFile, .word = "save", .shortcut = "Ctrl+S", .run = Save},
    {.name = "mi_FileSaveAs", .parent = kFile, .word = "saveAs", .run = SaveAs},
    {.name = "sep_file1", .parent = kFile, .fixed = "-"},
    {.name = "mi_fileimportKORM", .parent = kFile, .word = "import", .tail = " &KORM", .run = ImportKormFile},
    {.name = "mi_fileExportKORM", .parent = kFile, .word = "export", .tail = " K&ORM", .run = ExportKormFile},
    {.name = "mi_fileimportdxf", .parent = kFile, .word = "import", .tail = " DXF", .run = ImportDxf},
    {.name = "mi_fileexportdxf", .parent = kFile, .word = "export", .tail = " DXF", .run = ExportSectionDxf},
    {.name = "sep_file2", .parent = kFile, .fixed = "-"},
    {.name = "mi_fileprint", .parent = kFile, .word = "print", .shortcut = "Ctrl+P", .run = Print},
    {.name = "mi_fileExportPicture", .parent = kFile, .word = "picture", .run = Picture},
    {.name = "mi_fileCalcDocument", .parent = kFile, .word = "calcDocument", .run = CalcDocumentItem},
    {.name = "mi_fileConfig", .parent = kFile, .word = "settings", .run = Config},
    {.name = "sep_recent", .parent = kFile, .fixed = "-", .show = ShowRule::kRecentFileSeparator},
    {.name = "mi_file1", .parent = kFile, .shortcut = "Shift+F1", .show = ShowRule::kRecentFile, .run = Recent, .arg = 1},
    {.name = "mi_file2", .parent = kFile, .shortcut = "Shift+F2", .show = ShowRule::kRecentFile, .run = Recent, .arg = 2},
    {.name = "mi_file3", .parent = kFile, .shortcut = "Shift+F3", .show = ShowRule::kRecentFile, .run = Recent, .arg = 3},
    {.name = "mi_file4", .parent = kFile, .shortcut = "Shift+F4", .show = ShowRule::kRecentFile, .run = Recent, .arg = 4},
    {.name = "sep_exit", .parent = kFile, .fixed = "-"},
    {.name = "mi_fileexit", .parent = kFile, .word = "exit", .run = Exit},

    {.name = kEdit, .parent = nullptr, .word = "edit"},
    {.name = "mi_editUndo", .parent = kEdit, .word = "undo", .shortcut = "Ctrl+Z", .enable = EnableRule::kCanUndo, .run = Input, .arg = 11},
    {.name = "mi_editRedo", .parent = kEdit, .word = "redo", .shortcut = "Ctrl+Y", .enable = EnableRule::kCanRedo, .run = Input, .arg = 12},
    {.name = "sep_edit1", .parent = kEdit, .fixed = "-"},
    {.name = "mi_edittext", .parent = kEdit, .word = "text", .run = Input, .arg = 1},
    {.name = "mi_editgeometrie", .parent = kEdit, .word = "geometry", .run = Input, .arg = 2},
    {.name = "mi_editlaenge", .parent = kEdit, .word = "length", .run = Input, .arg = 3},
    {.name = "mi_editwerkstoff", .parent = kEdit, .word = "material", .run = Material},
    {.name = "mi_editlagerung", .parent = kEdit, .word = "bedding", .run = Input, .arg = 4},
    {.name = "sep_edit2", .parent = kEdit, .fixed = "-"},
    {.name = "mi_editeinzelkraft", .parent = kEdit, .word = "radialForce", .run = Input, .arg = 5},
    {.name = "mi_editstreckenlast", .parent = kEdit, .word = "pathLoad", .run = Input, .arg = 6},
    {.name = "mi_editbiegemoment", .parent = kEdit, .word = "bendingMoment", .run = Input, .arg = 7},
    {.name = "mi_editaxialkraft", .parent = kEdit, .word = "axialLoad", .run = Input, .arg = 8},
    {.name = "mi_editkerbzone", .parent = kEdit, .word = "notchZone", .run = Input, .arg = 9},
    {.name = "mi_editabschnitte", .parent = kEdit, .word = "shaftSections", .run = Input, .arg = 13},
    {.name = "sep_edit3", .parent = kEdit, .fixed = "-"},
    {.name = "mi_editProfile", .parent = kEdit, .word = "profiles", .run = Profile},
    {.name = "sep_edit4", .parent = kEdit, .fixed = "-"},
    {.name = "mi_editberechnung", .parent = kEdit, .word = "calculation", .run = CalculationSettings},
    {.name = "mi_editinfo", .parent = kEdit, .word = "info", .run = InputEcho},
    {.name = "mi_editruecksetzen", .parent = kEdit, .word = "reset", .run = Input, .arg = 10},

    {.name = kView, .parent = nullptr, .word = "view"},
    {.name = "mi_ViewStandard", .parent = kView, .word = "printout", .run = Printout},
    {.name = "mi_viewschema", .parent = kView, .word = "schema", .run = ViewDrawing, .arg = 3},
    {.name = "mi_viewquick", .parent = kView, .word = "quick", .run = ViewDrawing, .arg = 4},
    {.name = "mi_viewposition", .parent = kView, .word = "position", .run = PositionReport},
    {.name = "sep_view1", .parent = kView, .fixed = "-"},
    {.name = "mi_viewProfil", .parent = kView, .word = "profile", .run = SectionView, .arg = 0},
    {.name = "mi_viewTabelleProfildaten", .parent = kView, .word = "profileTable", .run = SectionView, .arg = 3},
    {.name = "mi_viewfertigungszeichnung", .parent = kView, .word = "productionDrawing", .join = " ", .word2 = "profile", .run = ViewDrawing, .arg = 6},
    {.name = "mi_viewProfilmitSpannungBiegung", .parent = kView, .word = "profileStress", .run = ViewDrawing, .arg = 2},
    {.name = "mi_view3d", .parent = kView, .word = "view3d", .run = ViewDrawing, .arg = 5},
    {.name = "mi_viewwellenzeichnung", .parent = kView, .word = "shaftDrawing", .run = ViewDrawing, .arg = 7},
    {.name = "sep_view2", .parent = kView, .fixed = "-"},
    {.name = "mi_viewErrorMessages", .parent = kView, .word = "errorMessages", .enable = EnableRule::kMessages, .run = Messages},

    {.name = kDiag, .parent = nullptr, .word = "diagrams"},
    {.name = "mi_diagquerkraft", .parent = kDiag, .word = "shearLoad"},
    BXR_PLANES("mi_diagFq", "mi_diagquerkraft", 1),
    {.name = "mi_diagFqall", .parent = "mi_diagquerkraft", .word = "planeAll", .run = Diagram, .arg = 14},
    {.name = "mi_diagbiegemoment", .parent = kDiag, .word = "bendingMoment"},
    BXR_PLANES("mi_diagMb", "mi_diagbiegemoment", 2),
    {.name = "mi_diagMball", .parent = "mi_diagbiegemoment", .word = "planeAll", .run = Diagram, .arg = 24},
    {.name = "mi_diagbiegewinkel", .parent = kDiag, .word = "bendingAngle"},
    BXR_PLANES("mi_diagbw", "mi_diagbiegewinkel", 4),
    {.name = "mi_diagbwall", .parent = "mi_diagbiegewinkel", .word = "planeAll", .run = Diagram, .arg = 44},
    {.name = "mi_diagbiegelinie", .parent = kDiag, .word = "bendingLine"},
    BXR_PLANES("mi_diagbl", "mi_diagbiegelinie", 3),
    {.name = "mi_diagblall", .parent = "mi_diagbiegelinie", .word = "planeAll", .run = Diagram, .arg = 34},
    {.name = "mi_diagbiegespannung", .parent = kDiag, .word = "bendingStress"},
    BXR_PLANES("mi_diaggb", "mi_diagbiegespannung", 5),
    {.name = "mi_diaggball", .parent = "mi_diagbiegespannung", .word = "planeAll", .run = Diagram, .arg = 54},
    {.name = "mi_diagvergleichsspannung", .parent = kDiag, .word = "referenceStress"},
    BXR_PLANES("mi_diaggv", "mi_diagvergleichsspannung", 8),
    {.name = "mi_diagzugdruck", .parent = kDiag, .word = "tension"},
    {.name = "mi_diagZDxy", .parent = "mi_diagzugdruck", .word = "planeXy", .run = Diagram, .arg = 71},
    {.name = "sep_diag", .parent = kDiag, .fixed = "-"},
    {.name = "mi_diagexport", .parent = kDiag, .word = "export", .run = DiagramExport},

    {.name = kCad, .parent = nullptr, .word = "cad"},
    {.name = "mi_cadquick", .parent = kCad, .word = "quick", .run = CadDrawing, .arg = 4},
    {.name = "mi_caddiagramme", .parent = kCad, .word = "diagrams", .tail = "...", .run = CadDiagrams},
    {.name = "mi_cadschema", .parent = kCad, .word = "schema", .run = CadDrawing, .arg = 3},
    {.name = "mi_cadProfil", .parent = kCad, .word = "profiles", .tail = "...", .run = CadSection},
    {.name = "mi_cadProfilmitSpannungBiegung", .parent = kCad, .word = "profileStress", .run = CadDrawing, .arg = 2},
    {.name = "mi_cad3d", .parent = kCad, .word = "view3d", .run = CadDrawing, .arg = 5},
    {.name = "mi_cadwellenzeichnung", .parent = kCad, .word = "shaftDrawing", .run = CadDrawing, .arg = 7},
    {.name = "sep_cad", .parent = kCad, .fixed = "-"},
    {.name = "mi_cadeinstellung", .parent = kCad, .word = "settings", .run = CadSettingsThenDrawing},

    {.name = kDb, .parent = nullptr, .word = "database"},
    {.name = "mi_dbprofile", .parent = kDb, .word = "profiles", .tail = "...", .run = ProfileTables},
    {.name = "mi_dbwqzwst", .parent = kDb, .fixed = "&WQZWST", .run = BrowseMaterial, .arg = static_cast<int>(MaterialTable::Wqzwst)},
    {.name = "mi_dbwst1dyn", .parent = kDb, .fixed = "WST1&DYN", .run = BrowseMaterial, .arg = static_cast<int>(MaterialTable::Wst1Dyn)},
    {.name = "mi_dbwst1base", .parent = kDb, .fixed = "WST1&BASE", .run = BrowseMaterial, .arg = static_cast<int>(MaterialTable::Wst1Base)},
    {.name = "sep_db", .parent = kDb, .fixed = "-"},
    {.name = "mi_ole", .parent = kDb, .word = "spreadsheet"},
    {.name = "mi_oleStartExcel", .parent = "mi_ole", .word = "start", .run = NotOnThisSystem},
    {.name = "mi_oleExportExcel", .parent = "mi_ole", .word = "export", .enable = EnableRule::kSpreadsheetStarted, .run = NotOnThisSystem},
    {.name = "mi_oleImportExcel", .parent = "mi_ole", .word = "import", .enable = EnableRule::kSpreadsheetStarted, .run = NotOnThisSystem},
    {.name = "mi_olePrintoutExcel", .parent = "mi_ole", .word = "printout", .run = NotOnThisSystem},

    {.name = kDoc, .parent = nullptr, .word = "document"},
    {.name = "mi_docdrawinginfo", .parent = kDoc, .word = "drawingData", .run = DrawingData},
    {.name = "sep_doc1", .parent = kDoc, .fixed = "-"},
    {.name = "mi_docuShowChanges1", .parent = kDoc, .word = "changesInfo", .run = Change, .arg = 4},
    {.name = "mi_docuPrintChanges", .parent = kDoc, .word = "changesPrint", .run = Change, .arg = 5},
    {.name = "mi_docuNewChange", .parent = kDoc, .word = "changeNew", .run = Change, .arg = 1},
    {.name = "mi_docuModifyChanges", .parent = kDoc, .word = "changeModify", .run = Change, .arg = 2},
    {.name = "mi_docudeleteChange", .parent = kDoc, .word = "changeDelete", .run = Change, .arg = 3},
    {.name = "sep_doc2", .parent = kDoc, .fixed = "-"},
    {.name = "mi_Document1", .parent = kDoc, .word = "document", .tail = " &1", .run = DocumentLink, .arg = 1},
    {.name = "mi_Document2", .parent = kDoc, .word = "document", .tail = " &2", .run = DocumentLink, .arg = 2},
    {.name = "mi_Document3", .parent = kDoc, .word = "document", .tail = " &3", .run = DocumentLink, .arg = 3},
    {.name = "mi_Document4", .parent = kDoc, .word = "document", .tail = " &4", .run = DocumentLink, .arg = 4},
    {.name = "mi_Document5", .parent = kDoc, .word = "document", .tail = " &5", .run = DocumentLink, .arg = 5},
    {.name = "sep_doc3", .parent = kDoc, .fixed = "-"},
    {.name = "mi_DocumentSetup", .parent = kDoc, .word = "documentSetup", .run = DocumentSetup},

    {.name = kHelp, .parent = nullptr, .word = "help"},
    {.name = "mi_HelpHilfetext", .parent = kHelp, .word = "helpText", .run = HelpText},
    {.name = "mi_HelpHilfebild", .parent = kHelp, .word = "auxImages", .run = HelpPictures},
    {.name = "mi_helpErrorMessages", .parent = kHelp, .word = "errorMessages", .run = Messages},
    {.name = "sep_help1", .parent = kHelp, .fixed = "-"},
    {.name = "mi_helplanguage", .parent = kHelp, .word = "menu", .join = " ", .word2 = "language"},
    {.name = "mi_helplanguageDeutsch", .parent = "mi_helplanguage", .word = "german", .run = Language, .arg = kLanguageGerman},
    {.name = "mi_helplanguageEnglish", .parent = "mi_helplanguage", .word = "english", .run = Language, .arg = kLanguageEnglish},
    {.name = "mi_helplanguageRoman", .parent = "mi_helplanguage", .word = "romanian", .run = Language, .arg = kLanguageRomanian},
    {.name = "mi_helplanguageKorea", .parent = "mi_helplanguage", .word = "korean", .run = Language, .arg = kLanguageKorean},
    {.name = "sep_help2", .parent = kHelp, .fixed = "-"},
    {.name = "mi_HelpHomepage", .parent = kHelp, .word = "homepage", .run = Homepage},
    {.name = "mi_HelpEmail", .parent = kHelp, .word = "email", .run = Mail},
    {.name = "sep_help3", .parent = kHelp, .fixed = "-"},
    {.name = "mi_HelpAbout", .parent = kHelp, .word = "about", .run = About},
};
// clang-format on
#undef BXR_PLANES

}  // namespace

bool IsSeparator(const CommandItem& item) {
    return item.fixed != nullptr && std::strcmp(item.fixed, "-") == 0;
}

std::span<const CommandItem> CommandTable() {
    return kTable;
}

const CommandItem* FindCommand(const std::string& name) {
    for (const auto& item : kTable)
        if (name == item.name) return &item;
    return nullptr;
}

std::string ItemCaption(const CommandItem& item, const Session& s) {
    if (item.show == ShowRule::kRecentFile) {
        const RecentFileMenu m = BuildRecentFileMenu(s.ws.recentFiles);
        return OemToDisplay(s.ws.output(), m.captions[static_cast<std::size_t>(item.arg - 1)]);
    }
    if (item.fixed != nullptr) return item.fixed;
    std::string caption = s.vocabulary.Text(item.word) + item.join;
    if (item.word2 != nullptr) caption += s.vocabulary.Text(item.word2);
    caption += item.tail;
    if (std::strcmp(item.name, "mi_viewErrorMessages") == 0)
        caption += " (" + std::to_string(s.ws.messages.entries.size()) + ")";
    return caption;
}

bool ItemEnabled(const CommandItem& item, const Session& s) {
    switch (item.enable) {
        case EnableRule::kMessages:
            return !s.ws.messages.entries.empty();
        case EnableRule::kSpreadsheetStarted:
            return s.spreadsheetStarted;
        case EnableRule::kCanUndo:
            return s.edits.undo.CanUndo();
        case EnableRule::kCanRedo:
            return s.edits.undo.CanRedo();
        case EnableRule::kAlways:
            break;
    }
    return true;
}

bool ItemVisible(const CommandItem& item, const Session& s) {
    switch (item.show) {
        case ShowRule::kHidden:
            return false;
        case ShowRule::kRecentFile:
            return BuildRecentFileMenu(s.ws.recentFiles)
                .visible[static_cast<std::size_t>(item.arg - 1)];
        case ShowRule::kRecentFileSeparator:
            return BuildRecentFileMenu(s.ws.recentFiles).separatorVisible;
        case ShowRule::kAlways:
            break;
    }
    return true;
}

void RunCommand(Session& s, const CommandItem& item) {
    if (item.run == nullptr) return;
    s.ws.abortFlag = false;
    item.run(s, item.arg);
    s.RefreshShell();
}

std::string LaterVersionMessage(const std::string&) {
    return "Diese Eingabe kommt mit der nächsten Version des Programms."_oem;
}

}  // namespace bxr
