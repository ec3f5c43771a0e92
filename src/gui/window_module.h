// The window as a module loaded at run time: batch runs never bring in the toolkit. This
// header needs no toolkit; the module exports one C function that hands out the table below,
// and the program entry finds the module with LoadWindowModule (src/window_loader.h).
#pragma once

#include <string>

#include "app/calc_document.h"
#include "app/command_line.h"
#include "platform/file_system.h"
#include "workspace/workspace.h"

namespace bxr::gui {

// Raised whenever the table below changes shape, so that a program never calls into a
// module built from another state of the sources.
inline constexpr int kWindowModuleVersion = 2;

// The module's file name; it lies beside the program, or installed in ../lib/bxr/.
inline constexpr const char* kWindowModuleFile = "bxr_window.so";
inline constexpr const char* kWindowModuleEntry = "bxr_window_module";

struct WindowModule {
    int version = kWindowModuleVersion;
    // Whether a window can be shown: a display, or a platform chosen for Qt.
    bool (*displayAvailable)() = nullptr;
    // The one line that says why there is no window and how the report runs without one.
    std::string (*noDisplayMessage)() = nullptr;
    // Runs the window to its end and gives the exit code.
    int (*runWindow)(int argc, char** argv, const CommandLine& cl,
                     const std::string& workingFolder, const std::string& programFolder) = nullptr;
    // Typesets the calculation document into a PDF file (gui/calc_document_writer.h).
    bool (*writeCalcDocument)(Workspace& ws, const CalcDocument& doc, const std::string& path,
                              FileSystem& files, std::string& message) = nullptr;
};

}  // namespace bxr::gui

extern "C" const bxr::gui::WindowModule* bxr_window_module();
