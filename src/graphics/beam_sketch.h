// The sketch of the static system in one plane: beam axis, supports with their reactions,
// and every load of that plane as a symbol at its position; and the "schema" sheet that
// shows the sketches of both planes.
#pragma once

#include "analysis/analysis_results.h"
#include "graphics/drawing.h"
#include "graphics/plot_frame.h"
#include "model/beam_model.h"

namespace bxr {

// The angle offset of a plane: 1 the load angle offset, 2 that offset - 90, 3 zero.
Real PlaneAngleOffset(const BeamModel& model, int plane);
// The number of single forces the user entered (without the support forces a calculation
// appended).
int UserPointLoadCount(const BeamModel& model);

// Draws the sketch of one plane with the beam axis at the given sheet height; x positions go
// through the frame's x mapping (display units).
void DrawBeamSketch(Drawing& d, const PlotFrame& frame, const BeamModel& model,
                    const SupportReactions& reactions, int plane, Real height);

// The schema sheet "SCHEMA", 170 x 120, both planes; from Sheet to PageEnd.
void DrawSchemaSheet(Drawing& d, const BeamModel& model, const SupportReactions& reactions);

}  // namespace bxr
