#include "app/session.h"

#include <ctime>
#include <filesystem>

#include "app/calc_message_display.h"
#include "app/config_commands.h"
#include "app/program_folders.h"
#include "app/project_commands.h"
#include "format/code_page.h"
#include "model/project_file.h"
#include "platform/ui.h"

namespace bxr {

namespace {

bool MatchesTempPattern(const std::string& name) {
    // "$*.dx$"
    return name.size() >= 5 && name.front() == '$' && name.compare(name.size() - 4, 4, ".dx$") == 0;
}

}  // namespace

DrawingServices& Session::drawingServices() {
    drawing.window = &window;
    drawing.fs = &fs();
    drawing.launcher = launcher;
    const std::time_t t = std::time(nullptr);
    std::tm now{};
    localtime_r(&t, &now);
    drawing.frame.projectPath = ProjectPath(ws);
    drawing.frame.year = now.tm_year + 1900;
    drawing.frame.month = now.tm_mon + 1;
    drawing.frame.day = now.tm_mday;
    drawing.frame.hour = now.tm_hour;
    drawing.frame.minute = now.tm_min;
    return drawing;
}

std::string WindowTitle(const Workspace& ws) {
    std::string title = "BXR  -  Trägerberechnung";
    if (!ws.currentName.empty())
        title += "  -  " + OemToDisplay(ws.output(), FileNameOf(ProjectPath(ws)));
    return title;
}

StartupResult StartSession(Session& s, const CommandLine& cl, const std::string& workingFolder,
                           const std::string& programFolder) {
    Workspace& ws = s.ws;
    FileSystem& fs = s.fs();
    s.noGui = cl.noGui;
    LoadStartupConfiguration(ws, fs, s.screen, workingFolder, programFolder);
    // The program's own catalogue tables (data/ beside a fresh build, share/bxr when
    // installed) serve as long as the configured table folder has none.
    const std::string own = FindProgramData(fs, programFolder, "wqzwst.dbf");
    if (!fs.IsFile(JoinPath(ws.config.dbfFolder, "wqzwst.dbf")) && !own.empty())
        ws.config.dbfFolder = FolderOf(own);
    ws.abortFlag = false;
    const bool fromCommandLine = cl.form == CommandLine::Form::Plain;
    if (!fromCommandLine) {
        std::string user;
        if (ws.config.askUserName) {
            ws.ui->SetHelpTopic(1120);
            auto answer = ws.ui->AskText("Passwort (User) eingeben ...", "");
            if (!answer) return {false, kExitOk};
            user = answer->substr(0, 8);
            const std::string base = ws.config.defaultDataFolder.empty()
                                         ? ws.config.workingFolder
                                         : std::string(ws.config.defaultDataFolder);
            if (!fs.IsFolder(base)) {
                ws.ui->ShowMessage("Invalid Directory " + base);
                return {false, kExitOk};
            }
            const bool refused = user.empty() || user == ".." || user == "\\" || user == "/" ||
                                 (user.size() >= 2 && user[1] == ':') ||
                                 user.find('/') != std::string::npos ||
                                 !fs.IsFolder(JoinPath(base, user));
            if (refused) {
                ws.ui->ShowMessage("Ungültiges Passwort "_oem + user + " !");
                return {false, kExitOk};
            }
        }
        std::string folder = ws.config.defaultDataFolder.empty()
                                 ? ws.config.workingFolder
                                 : std::string(ws.config.defaultDataFolder);
        if (!user.empty())
            folder = JoinPath(folder, user);
        else
            folder = StartDataFolder(fs, folder, ws.config.workingFolder, s.userFolders);
        ws.dataFolder = folder;
        const std::string templ = TemplateProjectPath(ws, fs);
        if (!templ.empty()) {
            ReadProjectFile(ws, fs, templ);
            ws.currentName.clear();
        }
    }
    ws.abortFlag = false;
    ws.model.modified = false;
    if (fromCommandLine) {
        // The name is taken as a path from the working folder. The project's folder becomes
        // the data folder, so that Save writes the file that was named and the file dialogs
        // start beside it; archive mode comes from the configuration alone.
        const bool absolute = !cl.file.empty() && cl.file[0] == '/';
        const std::string path =
            std::filesystem::path(absolute ? cl.file : JoinPath(workingFolder, cl.file))
                .lexically_normal();
        ws.commandLineProject = path;
        ws.dataFolder = FolderOf(path);
        ws.currentName = StripExtension(FileNameOf(path));
        if (fs.IsFile(path)) {
            // A project that cannot be read leaves the model empty and nameless, so that
            // nothing is written over the file.
            NullUi quiet;
            Ui* shown = ws.ui;
            ws.ui = &quiet;  // messageBoxesOn is clear while the project is read
            if (ReadProjectFile(ws, fs, path))
                AddRecentFile(ws.recentFiles, path);
            else
                ws.currentName.clear();
            ws.ui = shown;
        } else {
            // A new project under that name: the name must make a file.
            auto probe = fs.CreateNew(path);
            const bool creatable = probe && probe->Close();
            if (creatable) fs.Remove(path);
            if (!creatable) {
                ws.ui->ShowMessage("Ungültiger Dateiname "_oem + "\"" + path + "\"" + " !");
                return {false, kExitOk};
            }
        }
        ws.model.modified = false;
        ws.abortFlag = false;
    }
    const int stored = StoredLanguage(ws.config);
    s.startLanguage = stored;
    if (stored > 0) s.vocabulary.Apply(stored);
    s.RefreshShell();
    return {};
}

void ApplyLanguage(Session& s, int code) {
    s.vocabulary.Apply(code);
    StoreLanguage(s.ws.config, code);
    s.RefreshShell();
}

void RedrawCurrentView(Session& s) {
    s.RefreshShell();
    Workspace& ws = s.ws;
    DrawingServices& d = s.drawingServices();
    const int window = static_cast<int>(CadOutput::Window);
    // A redraw only shows what the model holds: it asks nothing, and a failed drawing is not
    // announced again.
    NullUi quiet;
    Ui* shown = ws.ui;
    ws.ui = &quiet;
    const bool needsResults = s.currentView != kViewProductionDrawing &&
                              s.currentView != kViewSection &&
                              (s.currentView != kViewSketch || ws.config.helpLevel != 0);
    if (needsResults && !ws.model.auxLoadsAppended && s.calculate) s.calculate(ws);
    switch (s.currentView) {
        case kViewSchema:
            RunDrawing(ws, 3, window, d);
            break;
        case kViewQuick:
            RunDrawing(ws, 4, window, d);
            break;
        case kViewProductionDrawing:
            RunDrawing(ws, 6, window, d);
            break;
        case kViewDiagrams:
            RunDrawing(ws, 34, window, d);
            break;
        case kViewSection:
            SectionDrawingCommand(ws, 1, window, d);
            break;
        default:
            if (ws.config.helpLevel != 0) RunDrawing(ws, 3, window, d);
            break;
    }
    ws.ui = shown;
    ws.abortFlag = false;
}

bool ConfirmClose(Session& s) {
    Workspace& ws = s.ws;
    ws.abortFlag = false;
    if (!ConfirmDiscard(ws, s.fs()) || ws.abortFlag) return false;
    ws.ui->ShowProgress("Lösche temporäre Dateien ..."_oem);
    const std::string temp = ConfiguredTempFolder(ws.config);
    if (auto names = s.fs().List(temp)) {
        for (const auto& n : *names)
            if (MatchesTempPattern(n)) s.fs().Remove(JoinPath(temp, n));
    }
    return true;
}

void EndSession(Session& s) {
    SaveSessionState(s.ws, s.fs());
    // The configuration file changes only through "&Speichern" of its dialog; the menu
    // language is the one choice of the session that is remembered by itself.
    const int language = StoredLanguage(s.ws.config);
    if (language != s.startLanguage) RememberLanguage(s.ws.config, s.fs(), language);
}

}  // namespace bxr
