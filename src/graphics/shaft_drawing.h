// The shaft drawing: the side view of the beam to a standard scale on an A4 sheet, with its
// axis, the outline of every stretch, the bores dashed, the diameters and the stretch lengths
// dimensioned, and the supports and notch zones marked.
#pragma once

#include "graphics/drawing.h"
#include "model/beam_model.h"
#include "model/section_properties.h"

namespace bxr {

// The scale a designer would pick: the largest of 5:1, 2:1, 1:1, 1:2, 1:2.5, 1:5, 1:10, 1:20,
// 1:50, 1:100, 1:200, 1:500, 1:1000 at which a shaft of this length and largest diameter
// fits width x height [mm]. Returned as paper mm per model mm.
Real ShaftDrawingScale(Real length, Real diameter, Real width, Real height);

// Sheet 297 x 210, from Sheet to PageEnd. Stretches without a shaft section show the
// contour's height about its centroid.
void DrawShaftDrawing(Drawing& d, const BeamModel& m, const SectionState& section);

}  // namespace bxr
