// Euler buckling load and the second-order deflection caused by the axial forces.
#pragma once

#include "model/beam_model.h"

namespace bxr {

struct CalcState;

// π²·E·I_min/(4L²) for the fixed end, π²·E·I_min/L² for two supports, 0 otherwise or for
// L = 0.
Real EulerLoad(int supportType, Real length, Real iMin, Real e);

// Largest |slope| over the points between k1 and k2 (both included).
Real MaxSlopeBetween(const CalcState& ws, int k1, int k2);
// Point of the largest |w| between k1 and k2, the first on ties; k2 when all are 0.
int MaxDeflectionPointBetween(const CalcState& ws, int k1, int k2);

// Whether SecondOrderDeflection runs its rounds: buckling on, axial forces, and the fixed end
// or two supports.
bool SecondOrderIterates(const BeamModel& m);

// The iteration that puts the axial forces at the deflected shape: each round turns every
// axial force into a transverse force at the point of largest deflection between the
// reference support and the force, and runs the pass again with the reactions kept. Fills
// ws.results.buckling.wFax and gives the buckling warnings.
void SecondOrderDeflection(CalcState& ws);

}  // namespace bxr
