#include "app/config_commands.h"

#include "format/code_page.h"
#include "model/beam_model.h"
#include "platform/ui.h"

namespace bxr {

void LoadStartupConfiguration(Workspace& ws, FileSystem& fs, const ScreenInfo& screen,
                              const std::string& workingFolder, const std::string& programFolder,
                              const std::string& fallbackFolder) {
    Configuration& c = ws.config;
    c.workingFolder = workingFolder;
    c.programFolder = programFolder;
    c.configFolder = workingFolder;
    if (c.makerProgramFolder.empty()) c.makerProgramFolder = programFolder;
    ReadConfiguration(c, fs, screen, fallbackFolder);
    RunFolderChecks(ws, fs, TempEnvironment());
    ReadStateFile(c, fs);
    ws.recentFiles.clear();
    for (const auto& t : c.session.texts)
        if (!t.empty()) ws.recentFiles.push_back(t);
    ws.dataFolder = c.defaultDataFolder;
}

bool SaveSessionState(Workspace& ws, FileSystem& fs) {
    for (std::size_t i = 0; i < ws.config.session.texts.size(); ++i)
        ws.config.session.texts[i] = i < ws.recentFiles.size() ? ws.recentFiles[i] : "";
    return WriteStateFile(ws.config, fs);
}

void RunFolderChecks(Workspace& ws, FileSystem& fs, const std::string& tempEnvironment) {
    const FolderCheck check = CheckFolders(ws.config, fs, tempEnvironment);
    const std::string tempMessage = "ungültiger Ordner für temporäre Dateien konfiguriert"_oem;
    for (const auto& m : check.messages) {
        ws.ui->ShowMessage(m);
        if (m != tempMessage) continue;
        ws.ui->SetHelpTopic(2800);
        const auto folder =
            ws.ui->AskText("Ordner für temporäre Dateien"_oem, ws.config.tempFolder);
        if (folder && !folder->empty()) ws.config.tempFolder = CutText(*folder, 60);
    }
}

bool RememberLanguage(const Configuration& c, FileSystem& fs, int code) {
    const auto text = fs.Read(ConfigFilePath(c, "cfg"), 1024 * 1024);
    return WriteConfigFile(c, fs, "cfg", WithStoredLanguage(text ? *text : std::string(), code));
}

bool SaveConfigurationCommand(Workspace& ws, FileSystem& fs) {
    if (WriteConfiguration(ws.config, fs)) return true;
    ws.abortFlag = true;
    ws.ui->ShowMessage("Fehler beim Schreiben von \"" + ConfigFilePath(ws.config, "cfg") + "\" !");
    return false;
}

bool ImportConfigurationCommand(Workspace& ws, FileSystem& fs, const ScreenInfo& screen) {
    const auto path = ws.ui->ChooseFileToOpen("*.cfg|*.cfg", ws.config.configFolder);
    if (!path || path->empty()) {
        ws.abortFlag = true;
        return false;
    }
    if (ImportConfiguration(ws.config, fs, *path, screen)) return true;
    ws.abortFlag = true;
    ws.ui->ShowMessage("Datei \"" + *path + "\" kann nicht gelesen werden !");
    return false;
}

}  // namespace bxr
