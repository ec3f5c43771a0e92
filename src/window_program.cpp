#include "window_program.h"

#include <iostream>

#include "platform/file_system.h"
#include "platform/process_image.h"

namespace bxr {

std::vector<std::string> WindowProgramCandidates(const std::string& programFolder) {
    const std::string folder = programFolder.empty() ? std::string(".") : programFolder;
    return {JoinPath(folder, kWindowProgramFile),
            JoinPath(JoinPath(JoinPath(folder, ".."), "lib/bxr"), kWindowProgramFile)};
}

std::string StartWindowProgram(const std::string& programFolder, char** argv) {
    const std::vector<std::string> candidates = WindowProgramCandidates(programFolder);
    std::cout.flush();
    std::cerr.flush();
    const ReplaceFailure failure =
        ReplaceProcess(candidates, argv, kProgramFolderVariable, programFolder);
    if (failure.path.empty())
        return std::string("das Fensterprogramm ") + kWindowProgramFile + " fehlt (gesucht: " +
               candidates[0] + ", " + candidates[1] + ")";
    return "das Fensterprogramm " + failure.path + " kann nicht gestartet werden: " +
           failure.error;
}

}  // namespace bxr
