// The cross-section at one position along the beam: its contour, the contour moved by the
// deflection there, centroid and axes, the stress at every outline point, the line of zero
// bending stress and the two deflection values. The section's z axis runs to the right on
// the sheet and its y axis upwards.
#pragma once

#include "analysis/analysis_results.h"
#include "graphics/drawing.h"
#include "model/beam_model.h"
#include "model/section_properties.h"

namespace bxr {

// The stress shown at an outline point: its bending stress plus sigZ of the station.
Real OutlinePointStress(const SectionProperties& p, Real y, Real z, const Station& s);

// From Sheet to PageEnd.
void DrawSectionStressView(Drawing& d, const SectionState& section, const Station& station);

}  // namespace bxr
