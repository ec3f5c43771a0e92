#include "app/calc_message_display.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "app/help_pages.h"
#include "app/program_folders.h"
#include "format/code_page.h"
#include "platform/ui.h"

namespace bxr {

MessageDescriptionForm::MessageDescriptionForm(const std::string& message, const std::string& cause,
                                               const std::string& remedy)
    : cause_(cause), remedy_(remedy) {
    caption = "Fehlermeldung";
    fields = {TextField("Edit_meldung", "Fehlermeldung", message).Disabled(),
              MultiLineField("Memo_ursache", "Ursache", cause),
              MultiLineField("Memo_abhilfe", "Abhilfe", remedy)};
    help = kMessageDescriptionHelp;
    buttons = {OkButton(), HelpButton("Button_hilfe", "&Hilfe", kMessageDescriptionHelp)};
}

bool MessageDescriptionForm::Press(const std::string& buttonName) {
    if (buttonName == "Button_ok") {
        return Close(true);
    }
    if (buttonName == "Button_hilfe") {
        helpShown = kMessageDescriptionHelp;
        return false;
    }
    return Close(false);
}

std::string ConfiguredTempFolder(const Configuration& config) {
    if (!config.tempFolder.empty()) return config.tempFolder;
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

std::string DescriptionFilePath(const Configuration& config) {
    // The help folder's own file, then one saved in the configuration folder after an edit of
    // the program's, then the program's.
    FileSystem& disk = DiskFileSystem();
    for (const std::string& folder : {std::string(config.pltFolder), config.configFolder}) {
        if (folder.empty()) continue;
        const std::string p = JoinPath(folder, kDescriptionFileName);
        if (disk.IsFile(p)) return p;
    }
    const std::string own = FindProgramData(disk, config.programFolder, kDescriptionFileName);
    if (!own.empty()) return own;
    if (!config.pltFolder.empty()) return JoinPath(config.pltFolder, kDescriptionFileName);
#ifdef BXR_SOURCE_DATA_DIR
    return JoinPath(BXR_SOURCE_DATA_DIR, kDescriptionFileName);
#else
    return kDescriptionFileName;
#endif
}

namespace {

// The description file goes to the temporary folder first and from there back over the
// original, so that a failed write never leaves the help folder without its file. The
// program's own file is never written: the edited copy goes to the configuration folder,
// where the next look finds it first.
void SaveDescription(Workspace& ws, const std::string& message, const std::string& cause,
                     const std::string& remedy, FileSystem& files) {
    const std::string source = DescriptionFilePath(ws.config);
    const std::string path = IsProgramData(source, ws.config.programFolder)
                                 ? JoinPath(ws.config.configFolder, kDescriptionFileName)
                                 : source;
    const std::string temp = JoinPath(ConfiguredTempFolder(ws.config), kDescriptionFileName);
    if (temp == path) return;
    ErrorDescriptions d = ErrorDescriptions::Load(files, source);
    if (!d.Replace(message, cause, remedy)) {
        ws.ui->ShowMessage(message + " not found.");
        return;
    }
    const std::string bytes = d.Serialize();
    if (!WriteFileSafely(files, temp, bytes) || !WriteFileSafely(files, path, bytes)) {
        ws.ui->ShowMessage(path + " kann nicht geschrieben werden.");
        ws.abortFlag = true;
    }
}

}  // namespace

void ShowMessageDescription(Workspace& ws, const std::string& message, FileSystem& files) {
    ErrorDescriptions d = ErrorDescriptions::Load(files, DescriptionFilePath(ws.config));
    MessageDescription found = d.Describe(message);
    if (!found.found) {
        ws.ui->ShowMessage("keine Beschreibung dieser Fehlermeldung vorhanden.");
        return;
    }
    MessageDescriptionForm form(message, found.cause, found.remedy);
    // Its help is the message's description among all the others.
    form.Button("Button_hilfe")->helpPage =
        std::string(kMessagesPage) + "#" + MessageAnchor(d, message);
    ws.ui->RunForm(form);
    if (!form.Accepted()) return;
    if (!form.Changed()) return;
    ws.ui->SetHelpTopic(kMessageDescriptionHelp);
    auto save = ws.ui->AskYesNo("Save Changes ?");
    if (save && *save) SaveDescription(ws, message, form.Cause(), form.Remedy(), files);
}

void ShowCalcMessages(Workspace& ws, bool noGui, FileSystem& files) {
    if (noGui) return;
    if (ws.messages.empty()) {
        ws.ui->ShowMessage("Berechnung erfolgreich ohne Fehlermeldungen");
        return;
    }
    std::vector<std::string> items = ws.messages.entries;
    items.push_back("Weiter/zurück..."_oem);
    const int last = static_cast<int>(items.size());
    int preselected = ws.config.helpLevel == 2 ? 1 : last;
    while (true) {
        // F1 opens the descriptions of all messages, this calculation's on top.
        ws.ui->SetHelpTopic(kMessageListHelp);
        ws.ui->SetHelpPage(kMessagesPage);
        auto chosen = ws.ui->Choose(
            "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.", items,
            preselected);
        if (!chosen || *chosen < 1 || *chosen >= last) return;
        ShowMessageDescription(ws, items[*chosen - 1], files);
        preselected = *chosen + 1;
    }
}

namespace {

// A box whose every line is one of the listed messages says nothing the list does not.
bool RepeatsTheList(const std::string& box, const std::vector<std::string>& entries) {
    std::istringstream lines(box);
    std::string line;
    bool any = false;
    while (std::getline(lines, line)) {
        if (std::find(entries.begin(), entries.end(), line) == entries.end()) return false;
        any = true;
    }
    return any;
}

}  // namespace

void ShowCalculationOutcome(Workspace& ws, bool noGui, FileSystem& files) {
    if (noGui) return;
    const bool stopped = ws.abortFlag;
    for (const std::string& box : ws.results.boxMessages)
        if (!RepeatsTheList(box, ws.messages.entries)) ws.ui->ShowMessage(box);
    if (!ws.messages.empty()) ShowCalcMessages(ws, noGui, files);
    // Looking at the list is no cancel: the calculation's own stop flag stays as it was.
    ws.abortFlag = stopped;
}

}  // namespace bxr
