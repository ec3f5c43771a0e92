// Loading a shared module at run time and finding its one entry function.
#pragma once

#include <string>
#include <vector>

namespace bxr {

struct ModuleEntry {
    void* entry = nullptr;  // the symbol's address; null when it was not found
    std::string path;       // the file that was opened (or tried); empty when none exists
    std::string error;      // why the file that exists could not serve
};

// Opens the first of the candidate files that exists and looks up the symbol in it. Later
// candidates are not tried when the first existing file fails, so that the message names the
// file that is broken rather than one that is missing. Modules are never unloaded.
ModuleEntry LoadModuleEntry(const std::vector<std::string>& candidates, const char* symbol);

}  // namespace bxr
