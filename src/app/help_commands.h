// The two items of the Help menu that leave the program: the program's documentation in the
// desktop's browser and a message to us in the desktop's mail program. Both go through the
// process launcher to xdg-open, which picks what the desktop has.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/process_launcher.h"
#include "workspace/workspace.h"

namespace bxr {

// The places the documentation may stand, best first: a manual in the help folder of the
// data beside the program or installed, then the README of the build or the installation.
std::vector<std::string> DocumentationCandidates(const std::string& programFolder);
// The first candidate that is a file; empty when there is none.
std::string FindDocumentation(FileSystem& fs, const std::string& programFolder);

// "mailto:?subject=BXR%20" and the version.
std::string MailAddressLine();

// Opens the documentation; a message when there is none or xdg-open cannot be started.
bool OpenDocumentationCommand(Workspace& ws, FileSystem& fs, ProcessLauncher& launcher);
// Starts the mail program with the subject; a message when xdg-open cannot be started.
bool WriteMailCommand(Workspace& ws, ProcessLauncher& launcher);

}  // namespace bxr
