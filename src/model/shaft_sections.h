// Shaft sections along the beam: their exact circle or tube values and the stretches of
// constant section from 0 to the beam's length.
#pragma once

#include <vector>

#include "model/beam_model.h"

namespace bxr {

// A = π(D² − d²)/4 [mm²] and the axial second moment I = π(D⁴ − d⁴)/64 [mm⁴].
Real ShaftSectionArea(const ShaftSection& s);
Real ShaftSectionInertia(const ShaftSection& s);

// One stretch of constant section; section 0 is the contour's, else the 1-based number of
// the shaft section.
struct ShaftStretch {
    Real x1 = 0;
    Real x2 = 0;
    int section = 0;
};

// The beam from 0 to its length in stretches of one section each, in rising order, with the
// shaft sections cut at the beam's ends (a section wholly outside it is left out) and the
// gaps between them given to the contour. Empty when the beam has no shaft section. Sections
// that overlap (the input check stops those) are cut where the one before ends.
std::vector<ShaftStretch> ShaftStretches(const BeamModel& m);

// Every stretch of the beam that no shaft section covers gets one of the outer and inner
// diameter of `round`, appended to the list. False, and nothing added, when the list has no
// room for them all.
bool FillShaftGaps(BeamModel& m, const ShaftSection& round);

// How many distributed loads a calculation appends for the self weight: one for a beam
// without shaft sections, else one per stretch.
int SelfWeightLoadCount(const BeamModel& m);

}  // namespace bxr
