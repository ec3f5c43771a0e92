// Euler buckling load and the second-order deflection caused by the axial forces.
#pragma once

#include "model/beam_model.h"
#include "model/section_properties.h"

namespace bxr {

struct CalcState;

// π²·E·I_min/(4L²) for the fixed end, π²·E·I_min/L² for two supports, 0 otherwise or for
// L = 0.
Real EulerLoad(int supportType, Real length, Real iMin, Real e);

// The lowest buckling load of a beam with shaft sections, under the idealisation of EulerLoad
// (a column of the full length, hinged at both ends for two supports, clamped at x = 0 and
// free at L for the fixed end) with the stiffness E·I(x) of the section standing at each x
// (the contour's smaller principal moment where no shaft section lies). Found by inverse
// iteration on a fine grid; for a beam of one stiffness it is EulerLoad's value.
Real SteppedEulerLoad(const BeamModel& m, const SectionProperties& contour);

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
