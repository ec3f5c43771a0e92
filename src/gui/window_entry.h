// How the program entry starts the window; this header needs no toolkit.
#pragma once

#include <string>

#include "app/command_line.h"

namespace bxr::gui {

// Whether a window can be shown: a display, or a platform chosen for Qt.
bool DisplayAvailable();
// The one line that says why there is no window and how the report runs without one.
std::string NoDisplayMessage();
// The application object on the offscreen platform, made once (benchmarks).
void EnsureOffscreenApplication();
// Runs the window to its end and gives the exit code.
int RunWindow(int argc, char** argv, const CommandLine& cl, const std::string& workingFolder,
              const std::string& programFolder);

}  // namespace bxr::gui
