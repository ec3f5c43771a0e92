// The cross-section drawings: the contour with its arcs, point numbers, centroidal and
// principal axes, the results table, the hatched section plot on the form sheet, and the
// five drawing variants that combine them.
#pragma once

#include <string>
#include <vector>

#include "model/calc_messages.h"
#include "graphics/drawing.h"
#include "graphics/drawing_frame.h"
#include "graphics/plot_frame.h"
#include "model/beam_model.h"
#include "model/documentation.h"
#include "model/section_properties.h"

namespace bxr {

struct SectionDrawingInput {
    const BeamModel& model;
    const SectionState& section;
    const CalcMessages& messages;
    const ProjectDocumentation& documentation;
    FrameContext frame;
};

struct SheetLimits {
    Real xmin = 0, ymin = 0, xmax = 160, ymax = 120;
};

// "KORM" (variants 1 and 5), "KORMPOLY" (2), "KORMTAB" (3), "KORMGEO" (4).
std::string SectionDrawingName(int variant);
// The sheet of a variant: windows around the extents for 1, 2, 4; fixed sheets for 3 and 5.
SheetLimits SectionSheet(int variant, const SectionExtents& e);

// The whole drawing of a variant 1..5, from Sheet to PageEnd; the caller closes it. With the
// fatal flag set the drawing shows the calculation's messages instead; returns false then.
bool DrawSectionVariant(Drawing& d, int variant, const SectionDrawingInput& in);

// The contour edges, arcs included, through a mapping from section to sheet coordinates
// with equal scales (scale, then shift).
void DrawContour(Drawing& d, const BeamModel& model, Real scale = 1, Real dx = 0, Real dy = 0);
// Hatching at 45 degrees inside the polygon, lines `spacing` apart on the sheet.
void DrawHatching(Drawing& d, const ExpandedPolygon& polygon, Real scale, Real dx, Real dy,
                  Real spacing);
// The results table with its top left corner at (x, y) and the given text height.
void DrawSectionTable(Drawing& d, const SectionState& section, Real x, Real y, Real height);
// Centroid, centroidal axes "eta"/"zeta", principal axes "v"/"w" and, when asked, the global
// axes "y"/"z", in section coordinates.
void DrawSectionAxes(Drawing& d, const SectionState& section, bool globalAxes,
                     bool principalAxes = true);

// The section plot of the form sheet: the frame, its mapping with equal scales, the contour
// (hatched when asked), the principal axes when asked. Returns the frame used.
PlotFrame DrawSectionPlot(Drawing& d, const SectionDrawingInput& in, Real x0, Real y0, Real width,
                          Real height);

}  // namespace bxr
