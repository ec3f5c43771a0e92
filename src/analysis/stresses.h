// Stresses at the calculation points: stage 2 of the force pass.
//
// TO BE COMPLETED: the body in stresses.cpp is a minimal working version (mode check, axial
// stress, bending stresses without principal axes, equivalent stresses, angles). Still to
// come: the principal-axes branch, the stress factor of modes 2 and 3 with the size factor,
// the notch zones and the stress trackers of ExtremeValues.
#pragma once

namespace bxr {

struct Workspace;

// Fills sigZ, sigB_xy, sigB_xz, sigB, phiSigB, sigV_xy, sigV_xz, sigV, phiSigV of the points
// 0..n from N, Mb_xy and Mb_xz of the station table and the section values. Returns false
// when the stress mode is not 1..3: "Fatal  : Kerbcode !" is then added (fatal) and the
// pass ends. The caller runs it only when I1, I2 and A are non-zero.
bool StressStage(Workspace& ws);

}  // namespace bxr
