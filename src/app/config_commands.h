// The configuration at start-up and from the configuration dialog's buttons: the folder
// checks with their messages, "&Speichern" and "Import..".
#pragma once

#include "config/config_file.h"
#include "model/workspace.h"

namespace bxr {

// Fills empty folders, shows a message for each folder that fails its test and asks for a
// new temporary folder when that one fails.
void RunFolderChecks(Workspace& ws, FileSystem& fs, const std::string& tempEnvironment);
// Writes the configuration file; on failure a message naming the file and the abort flag.
bool SaveConfigurationCommand(Workspace& ws, FileSystem& fs);
// Asks for a ".cfg" file in the configuration folder and reads it.
bool ImportConfigurationCommand(Workspace& ws, FileSystem& fs, const ScreenInfo& screen);

}  // namespace bxr
