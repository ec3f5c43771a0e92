#include "app/program_folders.h"

#include <filesystem>

#include "model/project_file.h"

namespace bxr {

namespace {

std::string Normal(const std::string& path) {
    std::string p = std::filesystem::path(path).lexically_normal().string();
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p;
}

}  // namespace

std::vector<std::string> ProgramDataFolders(const std::string& programFolder) {
    if (programFolder.empty()) return {};
    return {Normal(JoinPath(programFolder, "data")), Normal(JoinPath(programFolder, "../share/bxr"))};
}

std::string FindProgramData(FileSystem& fs, const std::string& programFolder,
                            const std::string& name) {
    for (const auto& folder : ProgramDataFolders(programFolder)) {
        const std::string path = JoinPath(folder, name);
        if (fs.IsFile(path)) return path;
    }
    return {};
}

bool IsProgramData(const std::string& path, const std::string& programFolder) {
    const std::string p = Normal(path);
    for (const auto& folder : ProgramDataFolders(programFolder))
        if (p.size() > folder.size() && p.compare(0, folder.size(), folder) == 0 &&
            p[folder.size()] == '/')
            return true;
    return false;
}

std::string TemplateProjectPath(const Workspace& ws, FileSystem& fs) {
    const std::string name = std::string("null.") + kProjectExtension;
    const std::string own = JoinPath(ws.dataFolder, name);
    if (!ws.dataFolder.empty() && fs.IsFile(own)) return own;
    return FindProgramData(fs, ws.config.programFolder, name);
}

std::string StartDataFolder(FileSystem& fs, const std::string& configured,
                            const std::string& workingFolder, const UserFolders& user) {
    const std::string chosen = configured.empty() ? workingFolder : configured;
    const bool fromMenu = Normal(chosen) == Normal(workingFolder) &&
                          (Normal(workingFolder) == "/" ||
                           (!user.home.empty() && Normal(workingFolder) == Normal(user.home)));
    if (fs.IsFolder(chosen) && !fromMenu) return chosen;
    if (user.documents.empty()) return chosen;
    const std::string ours = JoinPath(user.documents, "BXR");
    return fs.MakeFolders(ours) ? ours : chosen;
}

}  // namespace bxr
