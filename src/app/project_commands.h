// The file commands of the main window: Save, Save As, Open, the recent files, the KORM
// geometry export and import, the save-changes prompt and the open-from-table scan. Every
// question goes through the workspace's Ui; every file through the FileSystem seam.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "workspace/workspace.h"

namespace bxr {

inline constexpr int kRecentFileCount = 4;
// Larger files are not project files; only this much is read of them.
inline constexpr std::size_t kMaxProjectFileBytes = 4 * 1024 * 1024;

// The path a write goes to: archive mode, bare names into dataFolder, the save dialog for an
// empty name, the overwrite question (when askOverwrite) and the test that the file can be
// created. Nothing (and the abort flag set) when refused or cancelled.
std::optional<std::string> ResolveSaveName(Workspace& ws, FileSystem& fs, const std::string& name,
                                           const std::string& extension, bool askOverwrite);

// Writes the project (without the loads a calculation appended; the lists in memory stay as
// they are). The file on disk is replaced only when the whole new file was written.
bool WriteProjectFile(Workspace& ws, FileSystem& fs, const std::string& name, bool askOverwrite);
// Reads a project; an empty name asks with the open dialog (and then sets dataFolder and
// currentName). A damaged or incomplete file is read as far as it goes, the user is told, the
// abort flag is set and currentName is cleared so that Save never overwrites that file.
bool ReadProjectFile(Workspace& ws, FileSystem& fs, const std::string& name);
// The template project "null" of the data folder, when there is one (start-up and New): read
// like any project, the strengths of its material looked up again, then nameless and not
// modified. False when there is none or it could not be read.
bool LoadTemplateProject(Workspace& ws, FileSystem& fs);

// The current project's file: dataFolder + currentName + ".bxr", or the file named on the
// command line as it was named; empty for a new project.
std::string ProjectPath(const Workspace& ws);

bool SaveCommand(Workspace& ws, FileSystem& fs);
bool SaveAsCommand(Workspace& ws, FileSystem& fs);
bool OpenCommand(Workspace& ws, FileSystem& fs);

// Asks to save or discard unsaved changes; false (abort flag set) when the caller must stop.
bool ConfirmDiscard(Workspace& ws, FileSystem& fs);

// The recent-file list: case-insensitive de-duplication, newest first, at most four.
void AddRecentFile(std::vector<std::string>& recent, const std::string& path);
// A path of 50 characters or more as its head up to the first separator after the root,
// "...", and the part from the last separator on.
std::string ShortenPath(const std::string& path);
// "&1 /home/..." for entry i (1-based).
std::string RecentFileCaption(int i, const std::string& path);
// The menu part of the list: four items (hidden when empty) and the separator before "exit".
struct RecentFileMenu {
    std::array<std::string, kRecentFileCount> captions;
    std::array<bool, kRecentFileCount> visible{};
    bool separatorVisible = false;
};
RecentFileMenu BuildRecentFileMenu(const std::vector<std::string>& recent);
// Opens entry i (1-based); a missing file is dropped from the list with a message.
bool OpenRecentFile(Workspace& ws, FileSystem& fs, int i);

// The KORM geometry file (extension "GQD").
bool ExportKorm(Workspace& ws, FileSystem& fs);
bool ImportKorm(Workspace& ws, FileSystem& fs);

// One row of the open-from-table scan.
struct ProjectTableRow {
    std::string path;
    std::array<std::string, 15> cells;  // code page 850, like every text given to the Ui
};
std::array<std::string, 15> ProjectTableHeadings(const OutputSettings& s);
// Reads every project file in dataFolder in turn (the model ends up holding the last one);
// the window's caption names the file being read.
std::vector<ProjectTableRow> ScanProjectFolder(Workspace& ws, FileSystem& fs);
// The command: ConfirmDiscard, the scan, then the table until it is closed with Cancel;
// every chosen row is opened. The table is a ProjectTableForm run through Ui::RunForm. True
// when at least one file was opened.
bool OpenFromTable(Workspace& ws, FileSystem& fs);

}  // namespace bxr
