// Starting other programs: the text program, the browser, the print command. A started
// program runs on its own; the caller never waits for it, so a batch run cannot hang on a
// viewer that stays open.
#pragma once

#include <string>
#include <vector>

namespace bxr {

class ProcessLauncher {
  public:
    virtual ~ProcessLauncher() = default;
    // True when the program can be started: a path to an executable file, or a name found
    // on PATH.
    virtual bool ProgramExists(const std::string& program) = 0;
    // Starts argv[0] with the arguments, detached from this process, its output discarded.
    // False when it could not be started.
    virtual bool StartDetached(const std::vector<std::string>& argv) = 0;
};

ProcessLauncher& SystemLauncher();

}  // namespace bxr
