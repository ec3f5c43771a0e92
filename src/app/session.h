// The state of the running program window without the toolkit: the workspace, the menu words,
// the view last shown, the graphics window's display list and the services the commands
// write with. The start-up sequence, the title, the redraw after a change and the close
// steps live here, so that tests run them without a window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analysis/analysis_runner.h"
#include "app/calc_document.h"
#include "app/command_line.h"
#include "app/drawing_commands.h"
#include "app/edit_session.h"
#include "app/report_commands.h"
#include "config/config_file.h"
#include "config/vocabulary.h"
#include "graphics/display_list.h"
#include "workspace/workspace.h"

namespace bxr {

// What the window is shown as last: the redraw after a change draws it again.
enum CurrentView : int {
    kViewSketch = 0,
    kViewSchema = 1,
    kViewQuick = 2,
    kViewProductionDrawing = 3,
    kViewDiagrams = 4,
    kViewSection = 5,
};

// What only the window itself can do for a command.
class Shell {
  public:
    virtual ~Shell() = default;
    // The menu's captions, enabled and shown flags and the title from the session again.
    virtual void Refresh() = 0;
    // The window's close request (Close asks ConfirmDiscard itself).
    virtual void CloseWindow() = 0;
    // The current drawing to a printer or a PDF file.
    virtual void PrintDrawing() = 0;
    // The current drawing as a PNG, SVG or PDF picture.
    virtual void ExportDrawing() = 0;
    // The calculation document in a preview, from which the user saves it.
    virtual void PreviewCalcDocument(const CalcDocument& /*doc*/) {}
};

struct Session {
    Workspace ws;
    Vocabulary vocabulary;
    int currentView = kViewSketch;
    bool noGui = false;               // "/NOGUI": no message display
    bool spreadsheetStarted = false;  // the spreadsheet link never starts on this system
    int startLanguage = 0;            // the stored language when the session started
    DisplayList window;               // the graphics window's list
    FileSystem* files = nullptr;      // null: the disk
    ProcessLauncher* launcher = nullptr;
    TextWindow* textWindow = nullptr;
    TextPrinter* textPrinter = nullptr;  // null: printouts go to the print command
    Shell* shell = nullptr;
    DrawingServices drawing;
    ScreenInfo screen;
    // How the commands calculate; the window runs it so that it stays responsive.
    AnalysisRunner calculate;
    // The undo history and the list editors' last selections.
    EditSession edits;
    // The required safety last asked for by the calculation document.
    Real requiredSafety = kDefaultRequiredSafety;

    FileSystem& fs() { return files ? *files : DiskFileSystem(); }
    ReportServices reportServices() { return {&fs(), launcher, textWindow, textPrinter}; }
    DrawingServices& drawingServices();
    void RefreshShell() {
        if (shell) shell->Refresh();
    }
};

// "BXR  -  Trägerberechnung", with "  -  " and the project name after it (UTF-8).
std::string WindowTitle(const Workspace& ws);

// The start-up sequence after the command line was found to start the window: configuration
// and recent files, the password question, the data folder, the template project, the
// project of the command line, the stored language. False when the program must end (the
// password was cancelled or refused); the exit code is then in exitCode.
struct StartupResult {
    bool run = true;
    int exitCode = kExitOk;
};
StartupResult StartSession(Session& s, const CommandLine& cl, const std::string& workingFolder,
                           const std::string& programFolder);

// Sets the language and re-captions the menu (the window's Refresh).
void ApplyLanguage(Session& s, int code);

// Redraw after a change: the messages item, then the view of currentView.
void RedrawCurrentView(Session& s);

// The close request: false (the window stays) when ConfirmDiscard stopped it; otherwise the
// temporary "$*.dx$" files are deleted.
bool ConfirmClose(Session& s);
// When the window is gone: the state file is written, and a language changed during the
// session goes into the configuration file (nothing else of the session does).
void EndSession(Session& s);

}  // namespace bxr
