// The diagrams of the results along the beam: seven kinds in the planes x-y, x-z, the
// resultant and all three stacked, the direction diagrams above a resultant, and the sheet
// layouts with the beam sketch.
#pragma once

#include <string>

#include "analysis/analysis_results.h"
#include "graphics/drawing.h"
#include "graphics/plot_frame.h"
#include "model/beam_model.h"

namespace bxr {

struct DiagramInput {
    const BeamModel& model;
    const AnalysisResults& results;
    LimitsQuestion askLimits = nullptr;  // the limits dialog, when it is to be offered
    bool inCadFrame = false;             // no identification line
};

// True for the kinds 1, 2, 3, 4, 5, 7, 8.
bool IsDiagramKind(int kind);
// "Querkraftverlauf", ... with the blanks of a single (stacked = false) or stacked diagram,
// followed by the plane text (none for kind 7).
std::string DiagramTitle(int kind, int plane, bool stacked);
// "Fq[N]", ... with the unit of the display system.
std::string DiagramYLabel(const OutputSettings& out, int kind);
int DiagramPen(int kind);
// The value a station contributes to the diagram of a kind in a plane, in display units.
Real DiagramValue(const OutputSettings& out, const Station& s, int kind, int plane);
// The smallest and largest value of a kind in a plane, display units, from the extremes.
void DiagramRange(const OutputSettings& out, const ExtremeValues& e, int kind, int plane, Real& lo,
                  Real& hi);

// Axes and curve of one diagram into a frame whose position is set; the value range of y is
// given (the stacked sheet shares one).
void DrawDiagram(Drawing& d, PlotFrame& frame, int plane, int kind, bool stacked,
                 const DiagramInput& in, Real ylo, Real yhi);
// The direction angle of the resultant along the beam.
void DrawDirectionDiagram(Drawing& d, PlotFrame& frame, int kind, const DiagramInput& in);

// The whole sheet "KENNLINE" of a kind and plane (4 = stacked), from Sheet to PageEnd.
void DrawDiagramSheet(Drawing& d, int kind, int plane, const DiagramInput& in);

}  // namespace bxr
