// The running program's own file, and giving the process over to another program.
#pragma once

#include <string>
#include <vector>

namespace bxr {

// The folder of the running executable, with its trailing "/"; empty when it cannot be told.
std::string ExecutableFolder();

struct ReplaceFailure {
    std::string path;   // the file that was tried; empty when none of the candidates exists
    std::string error;  // why it could not be started
};

// Replaces this process by the first of the candidate files that exists, with the same
// arguments and the variable set in its environment. Returns only when that fails. Later
// candidates are not tried when the first existing one fails, so that the reason names the
// file that is broken rather than one that is missing.
ReplaceFailure ReplaceProcess(const std::vector<std::string>& candidates, char** argv,
                              const char* variable, const std::string& value);

}  // namespace bxr
