// Choosing where a drawing goes: the "CAD-Code" list, the file dialog for the file outputs,
// the plot program's file and command line, and the diagram limits dialog.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "graphics/cad_settings.h"
#include "graphics/display_list.h"
#include "graphics/drawing.h"
#include "graphics/plot_command.h"
#include "platform/file_system.h"
#include "platform/form_model.h"
#include "platform/process_launcher.h"
#include "workspace/workspace.h"

namespace bxr {

// The items of "CAD-Code" in the order of their output kinds 1..6.
std::vector<std::string> CadCodeItems();

// Opens a drawing for the mode: 0 asks for the output kind, any other mode is the kind. File
// kinds ask for the file with the save dialog (or take the project name when there is no
// Ui); the plot program writes "quilmar.dxf" in the temporary folder. Nothing, and the abort
// flag set, when the user cancels.
std::unique_ptr<Drawing> OpenCadOutput(Workspace& ws, int mode, const CadSettings& cad,
                                       DisplayList* window, FileSystem& fs);

// The plot program's command line: the configured one chosen ("QUILMAR Command Line" when
// there are several) and asked for once more; "0" or an empty answer builds it from the
// questions. Nothing when the user cancels.
std::optional<std::string> AskPlotCommandLine(Ui& ui, const OutputSettings& out,
                                              const CadSettings& cad);
// A line longer than 60 characters goes into a batch file whose name is asked for; the
// command becomes that file. Nothing when the user cancels.
std::optional<std::string> PlotCommandFitting(Ui& ui, FileSystem& fs, const std::string& line);
// Starts the command; false with the message shown when it cannot be started.
bool StartPlotProgram(Ui& ui, ProcessLauncher& launcher, const std::string& command);

// The diagram limits dialog: the four limits as text, "Calculate" restores the computed ones,
// OK reads them, "Abbrechen" keeps the computed ones.
class DiagramLimitsForm : public FormModel {
  public:
    DiagramLimitsForm(const std::string& title, const std::string& xLabel,
                      const std::string& yLabel, const std::array<Real, 4>& kept,
                      const std::array<Real, 4>& computed);
    bool Press(const std::string& buttonName) override;
    // xmin, xmax, ymin, ymax after OK.
    const std::array<Real, 4>& limits() const { return limits_; }
    int helpShown = 0;

  private:
    std::array<Real, 4> limits_, computed_;
};

}  // namespace bxr
