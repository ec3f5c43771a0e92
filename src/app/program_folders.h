// Where the program's own data lie and where the user's projects go. The data (catalogue
// tables, message descriptions, template project, examples) lie in data/ beside the
// executable in a build tree and in ../share/bxr when installed; the program only reads them.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/user_folders.h"
#include "workspace/workspace.h"

namespace bxr {

// The folders searched for the program's data, in order.
std::vector<std::string> ProgramDataFolders(const std::string& programFolder);

// The first program data folder that holds `name`; empty when none does.
std::string FindProgramData(FileSystem& fs, const std::string& programFolder,
                            const std::string& name);

// The path lies in one of the program data folders (and so is never written).
bool IsProgramData(const std::string& path, const std::string& programFolder);

// The template project "null" of the data folder, else the program's own; empty when there is
// neither.
std::string TemplateProjectPath(const Workspace& ws, FileSystem& fs);

// The folder new projects go to when the window starts: the configured data folder (the
// working folder when none is configured) while it exists; otherwise, and when the window was
// started from the home folder or the root with no folder of its own configured (from the
// desktop's menu), the folder BXR in the user's documents folder, created when missing. The
// configured folder stays when that one cannot be made.
std::string StartDataFolder(FileSystem& fs, const std::string& configured,
                            const std::string& workingFolder, const UserFolders& user);

}  // namespace bxr
