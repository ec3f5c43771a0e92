// The configuration file "bxr.cfg" (label line, value line(s), entry after entry, CR LF, code
// page 850) and the small state file "bxr.cff". One sequence of entries drives the reader
// and the writer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/configuration.h"
#include "platform/file_system.h"

namespace bxr {

// What the settings fall back to depends on the screen.
struct ScreenInfo {
    int width = 1920;
    int height = 1080;
    int mainWindowHeight = 600;  // H
    int clientHeight = 554;      // C
    int pixelsPerInch = 96;
};

// Path of the configuration or state file: configFolder + base name + extension.
std::string ConfigFilePath(const Configuration& c, const std::string& extension);
// The user's configuration folder, used when the working folder holds no configuration:
// $XDG_CONFIG_HOME/bxr/, else ~/.config/bxr/.
std::string FallbackConfigFolder();

// The whole file as the program writes it; numbers always with ".".
std::string ConfigurationText(const Configuration& c);
// Reads the entries in order into c; a file that ends early leaves the later settings as
// they were. Returns false when the file ended before the last entry.
bool ReadConfigurationText(const std::string& data, Configuration& c, const ScreenInfo& screen,
                           const std::string& tempEnvironment);

// Reads configFolder/bxr.cfg; when there is none, the fallback folder becomes the
// configuration folder and its file is read. Without any file the screen-based sizes are set
// and false is returned.
bool ReadConfiguration(Configuration& c, FileSystem& fs, const ScreenInfo& screen,
                       const std::string& fallbackFolder = FallbackConfigFolder());
// Reads another ".cfg"; its folder and base name become the configuration's from now on.
bool ImportConfiguration(Configuration& c, FileSystem& fs, const std::string& path,
                         const ScreenInfo& screen);
// Rewrites the file completely (temporary file, then rename); false on any error.
bool WriteConfiguration(const Configuration& c, FileSystem& fs);
// Writes configFolder/bxr.<extension>, creating the folder when it is missing.
bool WriteConfigFile(const Configuration& c, FileSystem& fs, const std::string& extension,
                     const std::string& text);
// The configuration file's text with only its stored language changed. A text that ends
// before that entry is completed with the defaults.
std::string WithStoredLanguage(const std::string& fileText, int code);

// The state file: the user name and four texts kept between runs.
std::string StateFileText(const Configuration& c);
// Reads the state file; when it cannot be read the four texts are empty.
void ReadStateFile(Configuration& c, FileSystem& fs);
bool WriteStateFile(const Configuration& c, FileSystem& fs);

// The folder checks at start: empty folders get their defaults, then each folder is tested.
struct FolderCheck {
    std::vector<std::string> messages;  // code page 850, in the order shown
    bool tempFolderInvalid = false;     // the caller asks for a new temporary folder
};
FolderCheck CheckFolders(Configuration& c, FileSystem& fs, const std::string& tempEnvironment);
// True when a file "x.$$$" can be created and erased in the folder.
bool FolderTakesFiles(FileSystem& fs, const std::string& folder);
// TMPDIR, else "/tmp": the place for temporary files the environment offers.
std::string TempEnvironment();

}  // namespace bxr
