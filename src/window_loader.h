// Finds and loads the window module for the forms that open the window.
#pragma once

#include <string>
#include <vector>

#include "gui/window_module.h"

namespace bxr {

// Where the module is looked for, in this order: beside the program, then where an
// installation puts it (<prefix>/bin/wbxr and <prefix>/lib/bxr/).
std::vector<std::string> WindowModuleCandidates(const std::string& programFolder);

// The module's table, or null with the one-line message that says what is wrong.
const gui::WindowModule* LoadWindowModule(const std::string& programFolder, std::string& message);

}  // namespace bxr
