// The commands of the document menu: the change command with its presets, the drawing data,
// the document links and their start.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/process_launcher.h"
#include "workspace/workspace.h"

namespace bxr {

// Writes the change list to a destination: 1 the screen, 4 the printer (the output channel
// is wired by the caller).
using ChangeListOutput = std::function<void(int destination)>;

// preset 0 asks with the choice "Änderungen"; 1 new, 2 modify, 3 delete, 4 show, 5 print,
// 6 drawing data.
void ChangeCommand(Workspace& ws, int preset, const std::string& today,
                   const ChangeListOutput& list);
// The drawing-data dialog; false (abort flag set) when cancelled.
bool DrawingDataCommand(Workspace& ws, const std::string& today);
// The link dialog; OK marks the project changed.
bool DocumentSetupCommand(Workspace& ws);

// The command line of link n as the program has always shown it: program, blank, file.
std::string DocumentCommandLine(const DocumentLink& link);
// What is started for a link: the program with the file, or the desktop's default program
// (xdg-open) for the file when the program field is empty or names a Windows program.
std::vector<std::string> DocumentArguments(const DocumentLink& link);
// Starts link n (1..5) detached; a program that cannot be started gives no message.
bool StartDocumentLink(const Workspace& ws, int n, ProcessLauncher& launcher);

}  // namespace bxr
