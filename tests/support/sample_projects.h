// Projects built in code for the file tests and for the example projects in data/.
#pragma once

#include "model/beam_model.h"
#include "model/documentation.h"

namespace bxr::test {

struct SampleProject {
    BeamModel model;
    ProjectDocumentation doc;
};

// Every list full to its capacity, a three-line change description, 8 free texts, texts at
// their maximum length and special characters.
SampleProject FullProject();
// A gear shaft on two bearings, gear and belt forces at angles.
SampleProject GearShaft();
// A bracket clamped at its left end, loaded at the free end.
SampleProject CantileverBracket();
// A continuous beam on four supports with its self weight.
SampleProject ContinuousBeam();
// A shaft of S355J2 picked from the WST1 database, whose fatigue strengths come from the
// catalogue when the project is read.
SampleProject DriveShaftS355();
// The template "null": defaults, no contour, no loads.
SampleProject NullTemplate();

}  // namespace bxr::test
