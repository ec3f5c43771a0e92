// The window program: the whole program with the window toolkit linked in. wbxr links no
// toolkit, so that its batch forms start fast, and gives its process over to the window
// program for the forms that open the window or typeset the calculation document.
#pragma once

#include <string>
#include <vector>

namespace bxr {

// The window program's file name; it lies beside wbxr, or installed in ../lib/bxr/.
inline constexpr const char* kWindowProgramFile = "bxr_window";
// The folder of wbxr, handed to the window program so that it finds the program's data where
// wbxr does and not from its own folder.
inline constexpr const char* kProgramFolderVariable = "BXR_PROGRAM_FOLDER";

// Where the window program is looked for, in this order: beside wbxr, then where an
// installation puts it (<prefix>/bin/wbxr and <prefix>/lib/bxr/).
std::vector<std::string> WindowProgramCandidates(const std::string& programFolder);

// Runs the window program in place of this process with the same arguments. Returns only
// when it cannot, with the one-line message (without "wbxr: ") that says why.
std::string StartWindowProgram(const std::string& programFolder, char** argv);

}  // namespace bxr
