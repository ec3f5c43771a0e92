// The drawings of a project by number, and the batch form "/CADi:j" that writes one of them
// to a file beside the project without any dialog.
#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>

#include "graphics/drawing.h"
#include "graphics/drawing_frame.h"
#include "graphics/plot_frame.h"
#include "platform/file_system.h"
#include "workspace/workspace.h"

namespace bxr {

// Drawing numbers: 1 the cross-section drawing, 2 the section with stress and bending,
// 3 the schema, 4 the quick summary, 5 the 3-D view, 6 the production drawing, and
// 10 * kind + plane for a diagram (21 the bending moment in x-y, 34 the deflection stacked).
bool IsDrawingJob(int job);

// Brings the results up to date when the drawing needs them (the analysis runs when the
// model has none) and draws job j from Sheet to PageEnd. False, with the reason in message,
// when the job does not exist or the calculation ended with a fatal message.
struct DrawJobOptions {
    int stressPoint = -1;                       // station of the stress view; -1 the largest Mb
    std::optional<std::array<Real, 3>> angles;  // 3-D view angles [rad]; else the configured
    LimitsQuestion askLimits = nullptr;         // the diagram limits dialog, when offered
};
bool DrawJob(Drawing& d, Workspace& ws, int job, const FrameContext& frame, std::string& message,
             const DrawJobOptions& options = {});

// The output kind of i in "/CADi:j": 1 DXF, 2 IGES, 5 element text, 6 SVG; 0 for others.
int CadBatchKind(int cadType);

// Writes drawing j of the project (already read into ws from projectPath) as kind i to the
// project's folder and name with the kind's extension. Returns the exit code: 0 when the file
// was written, 1 otherwise, with one line on err saying why (naming the mode word as typed;
// empty: "/CADi:j" from the numbers). The drawing never replaces the project itself, nor a
// results report of "/I" under the same name.
int RunCadBatch(Workspace& ws, const std::string& projectPath, int cadType, int cadIndex,
                FileSystem& fs, std::ostream& err, const std::string& word = {});

// The first line of an element text file ("MINMAX", "SECTION BLOCKS", "SECTION ENTITIES").
bool IsElementTextLine(const std::string& line);
// The first line of the results report that "/I" delivers (UTF-8).
bool IsReportLine(const std::string& line);
// What stopped the calculation: its messages and its message boxes, "; " between them.
std::string CalculationStopCause(const Workspace& ws);

}  // namespace bxr
