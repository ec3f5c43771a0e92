// Operations on the contour points 1..contourCount of the model, in place.
#pragma once

#include "model/beam_model.h"

namespace bxr {

// Mirror about the z axis: y and every arc angle change sign.
void MirrorContourZ(BeamModel& model);
// Mirror about the y axis: z and every arc angle change sign.
void MirrorContourY(BeamModel& model);
// Opposite sense of rotation: the points in reverse order, every arc kept on its edge with
// the opposite sweep.
void ReverseContour(BeamModel& model);
// Scale, then rotate by angleDeg counter-clockwise, then shift; arc angles stay.
void TransformContour(BeamModel& model, Real angleDeg, Real shiftY, Real shiftZ, Real scaleY,
                      Real scaleZ);

}  // namespace bxr
