// Safety factors against the fatigue strengths of the material, from the extreme stresses.
#pragma once

namespace bxr {

struct CalcState;

// Last step of the calculation: fills ws.results.safety from the fatigue strengths sig.W and
// sig.bW of the material and the stresses at the points of the largest sigZ, sigB and sigV
// (0 = not computed), and adds the warnings for factors between 0 and 1.
void SafetyFactors(CalcState& ws);

}  // namespace bxr
