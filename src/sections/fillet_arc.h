// The rounding of a corner between two straight edges, as the rolled-profile outlines need it.
#pragma once

#include "model/beam_model.h"

namespace bxr {

// A straight edge given by one of its points and a direction angle [rad]. The direction points
// towards the corner that the edge forms with the other edge.
struct EdgeLine {
    Real y = 0;
    Real z = 0;
    Real angle = 0;
};

struct FilletResult {
    Real centreY = 0, centreZ = 0;
    Real tangent1Y = 0, tangent1Z = 0;  // on the first edge
    Real tangent2Y = 0, tangent2Z = 0;  // on the second edge
    Real sweep = 0;  // from tangent point 1 to tangent point 2; positive counter-clockwise
};

// The arc of the given radius tangent to both edges, lying in the corner the edges enclose
// (the side they come from). Edges that do not meet give all results 0.
FilletResult FilletArc(const EdgeLine& first, const EdgeLine& second, Real radius);

}  // namespace bxr
