// The configuration at start-up and from the configuration dialog's buttons: the folder
// checks with their messages, "&Speichern" and "Import..".
#pragma once

#include "config/config_file.h"
#include "workspace/workspace.h"

namespace bxr {

// Start-up: the configuration folder is the working folder; the configuration is read (or
// the fallback, or the screen-based defaults), the folders are checked, the state file is
// read (its four texts are the recent files), and the data folder starts at the configured "Default
// Data Directory".
void LoadStartupConfiguration(Workspace& ws, FileSystem& fs, const ScreenInfo& screen,
                              const std::string& workingFolder, const std::string& programFolder,
                              const std::string& fallbackFolder = FallbackConfigFolder());
// When the main window closes: the recent files become the four texts of the state file,
// which is written; false when that fails.
bool SaveSessionState(Workspace& ws, FileSystem& fs);
// Fills empty folders, shows a message for each folder that fails its test and asks for a
// new temporary folder when that one fails.
void RunFolderChecks(Workspace& ws, FileSystem& fs, const std::string& tempEnvironment);
// At the end of a session whose language changed: the configuration file read back with
// only its language entry changed, or a new file of defaults with that language.
bool RememberLanguage(const Configuration& c, FileSystem& fs, int code);
// Writes the configuration file; on failure a message naming the file and the abort flag.
bool SaveConfigurationCommand(Workspace& ws, FileSystem& fs);
// Asks for a ".cfg" file in the configuration folder and reads it.
bool ImportConfigurationCommand(Workspace& ws, FileSystem& fs, const ScreenInfo& screen);

}  // namespace bxr
