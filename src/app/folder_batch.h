// A batch form over every project of a folder: each project runs as if it were named alone,
// on as many threads as the machine has cores, each with its own workspace.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace bxr {

// The names of the projects directly in the folder (".bxr" in any letter case, plain files
// only), in byte order of their names; nothing when the folder cannot be listed.
std::optional<std::vector<std::string>> ProjectsInFolder(FileSystem& files,
                                                         const std::string& folder);

// One project's run: its exit code; what it says goes to err (one line per message).
using ProjectRun = std::function<int(const std::string& projectPath, std::ostream& err)>;

struct FolderRunOptions {
    unsigned threads = 0;   // 0: one per core
    bool progress = false;  // a progress line ("17/240 welle17.bxr") on err, for a terminal
};

// Runs every project of the folder and gives 0 when all succeeded, 1 otherwise (also when
// the folder holds no project or cannot be listed). The projects' lines reach err in name
// order; each names its project.
int RunFolderBatch(const std::string& folder, FileSystem& files, std::ostream& err,
                   const ProjectRun& run, const FolderRunOptions& options);

}  // namespace bxr
