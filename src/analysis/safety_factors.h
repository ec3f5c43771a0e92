// Safety factors against the fatigue strengths of the material, from the extreme stresses.
//
// TO BE COMPLETED: the body in safety_factors.cpp is a minimal working version that only
// clears the factors (0 means "not computed"); the factors S_w, S_bw, S_vbw and their
// warnings come with the material's fatigue strengths.
#pragma once

namespace bxr {

struct Workspace;

// Last step of the calculation: fills ws.results.safety and adds the warnings for factors
// between 0 and 1.
void SafetyFactors(Workspace& ws);

}  // namespace bxr
