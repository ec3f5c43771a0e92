// The cross-section at one position along the beam: its contour, the contour moved by the
// deflection there, centroid and axes, the stress at every outline point, the line of zero
// bending stress and the two deflection values. The section's z axis runs to the right on
// the sheet and its y axis upwards.
#pragma once

#include <string>
#include <vector>

#include "analysis/analysis_results.h"
#include "graphics/drawing.h"
#include "graphics/text_box.h"
#include "model/beam_model.h"
#include "model/section_properties.h"

namespace bxr {

// The stress shown at an outline point: its bending stress plus sigZ of the station.
Real OutlinePointStress(const SectionProperties& p, Real y, Real z, const Station& s);

// An outline point on the sheet with its stress and the label text.
struct StressLabelPoint {
    Real x = 0, y = 0;
    Real stress = 0;
    std::string text;
};
// A placed label: reference point, height and rotation (width factor 0.8), and the index of
// its point.
struct StressLabel {
    int point = 0;
    Real x = 0, y = 0, height = 0, rotation = 0;
    std::string text;
};
// The labels of the outline points (in outline order, closed, without the repeated first
// point): each stands outside the outline along the point's normal, all at one height below
// the given one that keeps neighbouring labels apart; where labels would still touch each
// other, the occupied boxes or the outline, the larger stresses keep theirs.
std::vector<StressLabel> PlaceStressLabels(const std::vector<StressLabelPoint>& points, Real height,
                                           const std::vector<TextQuad>& occupied);

// The sheet holds everything drawn. From Sheet to PageEnd.
void DrawSectionStressView(Drawing& d, const SectionState& section, const Station& station);

}  // namespace bxr
