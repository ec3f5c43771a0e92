// The drawing commands of the View and CAD menus, over the Ui: the section variants list,
// the diagram plane choice and the CAD diagram series, the stress view's position, the 3-D
// angle dialog, the output choice and, for the plot program, its command line.
#pragma once

#include <array>

#include "app/cad_batch.h"
#include "graphics/display_list.h"
#include "platform/file_system.h"
#include "platform/process_launcher.h"

namespace bxr {

// What the commands draw with; the caller keeps it while the program runs.
struct DrawingServices {
    DisplayList* window = nullptr;               // the graphics window
    FileSystem* fs = nullptr;                    // the disk when null
    ProcessLauncher* launcher = nullptr;         // the system's when null
    FrameContext frame;                          // project file and time for the title block
    std::array<Real, 4> keptLimits{0, 1, 0, 1};  // the last diagram limits the user chose
};

// Drawing j (numbers as for "/CADi:j") to the output of mode (0 asks for it, 3 the window).
// False when nothing was drawn; reasons are shown through the Ui.
bool RunDrawing(Workspace& ws, int job, int mode, DrawingServices& services);

// The section drawing: variant 0 offers "Bitte wählen .." again after each drawing until
// "zurück .." or cancel; 1..5 draw that variant once (5 is the production drawing).
void SectionDrawingCommand(Workspace& ws, int variant, int mode, DrawingServices& services);

// A diagram of the menu: plane 0 asks "Ebene wählen".
void DiagramCommand(Workspace& ws, int kind, int plane, int mode, DrawingServices& services);

// The data sheet of the project's material in the graphics window.
bool ShowMaterialSheet(Workspace& ws, DrawingServices& services);

// The CAD menu's diagram series: a kind, then planes until "zurück ..", then the next kind.
void CadDiagramSeries(Workspace& ws, DrawingServices& services);

}  // namespace bxr
