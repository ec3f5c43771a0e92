// Stresses at the calculation points: stage 2 of the force pass, and the size factor of
// stress mode 3.
#pragma once

#include "model/beam_model.h"
#include "model/section_properties.h"

namespace bxr {

struct CalcState;

// Stress modes 1..3 are valid; any other ends the pass in its stress stage.
inline bool StressModeValid(const BeamModel& m) {
    return m.notchMode >= 1 && m.notchMode <= 3;
}

// Size factor K(d) of the larger section extent d [mm]: 1 up to 10 mm, 0.6 from 120 mm on,
// 1.37 - 0.37·log10(d) between.
Real SizeFactor(Real d);

// The bending stress at the outline point (y, z) from the two bending moments, before the
// largest value is taken and without stress or notch factors: in the y-z axes when the
// product of inertia is below 1e-5, else in the principal axes.
Real PointBendingStress(const SectionProperties& p, Real y, Real z, Real mbXy, Real mbXz);

// The two halves of PointBendingStress in the principal axes, for callers that evaluate the
// same outline point many times: its offsets u, v in the principal axes depend on the section
// alone, the moments' share on cos φ and sin φ. Together they give PointBendingStress's value
// to the bit.
struct PrincipalOffset {
    Real u = 0, v = 0;
};
PrincipalOffset PrincipalOffsetOf(const SectionProperties& p, Real y, Real z);
Real PrincipalBendingStress(const SectionProperties& p, Real cosPhi, Real sinPhi,
                            PrincipalOffset at, Real mbXy, Real mbXz);

// Fills sigZ, sigB_xy, sigB_xz, sigB, phiSigB, sigV_xy, sigV_xz, sigV, phiSigV of the points
// 0..n from N, Mb_xy and Mb_xz of the station table, the section values, the stress mode with
// its factors and the notch zones; then runs the stress trackers of ExtremeValues over the
// points 1..n. Returns false when the stress mode is not 1..3: "Fatal  : Kerbcode !" is then
// added (fatal) and the pass ends. The caller runs it only when I1, I2 and A are non-zero.
bool StressStage(CalcState& ws);

}  // namespace bxr
