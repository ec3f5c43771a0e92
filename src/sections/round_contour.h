// Whether the contour is a circle or a tube, and its diameters: what a shaft section standing
// in for it takes.
#pragma once

#include <optional>

#include "model/beam_model.h"
#include "model/section_properties.h"

namespace bxr {

// The outer diameter and bore of a round contour from its section values (its chords keep the
// area within 1 % of the circle's), or nothing for any other shape.
std::optional<ShaftSection> RoundContourSection(const SectionState& section);

}  // namespace bxr
