#include "app/help_commands.h"

#include "platform/ui.h"

#ifndef BXR_VERSION
#define BXR_VERSION "0"
#endif

namespace bxr {

namespace {

constexpr const char* kOpener = "xdg-open";

bool Launch(Workspace& ws, ProcessLauncher& launcher, const std::string& target) {
    if (launcher.ProgramExists(kOpener) && launcher.StartDetached({kOpener, target})) return true;
    ws.ui->ShowMessage(std::string(kOpener) + " kann nicht gestartet werden.");
    ws.abortFlag = true;
    return false;
}

}  // namespace

std::vector<std::string> DocumentationCandidates(const std::string& programFolder) {
    if (programFolder.empty()) return {};
    std::string program = programFolder;
    while (program.size() > 1 && program.back() == '/') program.pop_back();
    // The folder above the program's: the build's source tree or the installation's prefix.
    std::string above = FolderOf(program);
    if (above.empty()) above = "..";
    return {JoinPath(program, "data/help/index.html"), JoinPath(above, "share/bxr/help/index.html"),
            JoinPath(above, "share/doc/bxr/README.md"), JoinPath(above, "README.md"),
            JoinPath(program, "README.md")};
}

std::string FindDocumentation(FileSystem& fs, const std::string& programFolder) {
    for (const std::string& place : DocumentationCandidates(programFolder))
        if (fs.IsFile(place)) return place;
    return {};
}

std::string MailAddressLine() {
    std::string version = BXR_VERSION;
    std::string encoded;
    for (char c : version) encoded += c == ' ' ? std::string("%20") : std::string(1, c);
    return "mailto:?subject=BXR%20" + encoded;
}

bool OpenDocumentationCommand(Workspace& ws, FileSystem& fs, ProcessLauncher& launcher) {
    const std::string manual = FindDocumentation(fs, ws.config.programFolder);
    if (manual.empty()) {
        ws.ui->ShowMessage("Die Programmdokumentation (README.md) ist nicht installiert.");
        ws.abortFlag = true;
        return false;
    }
    return Launch(ws, launcher, manual);
}

bool WriteMailCommand(Workspace& ws, ProcessLauncher& launcher) {
    return Launch(ws, launcher, MailAddressLine());
}

}  // namespace bxr
