// Load resultants, the reactions of the statically determinate system (fixed end or
// supports A and B, with the rules of the angular-contact bearing pair) and the loads a
// calculation appends to the model's lists.
#pragma once

#include "analysis/analysis_results.h"
#include "model/calc_messages.h"
#include "analysis/load_range.h"
#include "model/beam_model.h"

namespace bxr {

struct CalcState;

// Sums of the loads about xref with the load angles turned by w0 [deg]: ΣFy, ΣFz, ΣMy, ΣMz,
// ΣFx, their resultants and angles, written to the sum fields of r.
void LoadResultants(const BeamModel& m, const LoadRange& loads, Real w0, Real xref,
                    SupportReactions& r);
// Reactions of the fixed end or of A and B for the given loads; false when nothing could be
// computed (support code or xa = xb; the fatal message is added).
bool ComputeReactions(const BeamModel& m, const LoadRange& loads, Real w0, SupportReactions& r,
                      CalcMessages& messages);

// The same on the workspace, with all loads of the lists.
void LoadResultants(CalcState& ws, Real w0, Real xref);
bool SolveReactions(CalcState& ws, Real w0);

// Appends the two bearing moments of the angular-contact pair. A full list shows
// "Zu viele Biegemomente" (or "... !" for the second) and sets the stop flag.
void AddBearingMoments(CalcState& ws);
// Appends the beam's weight as a distributed load "m0" over the whole length.
void AddSelfWeight(CalcState& ws);
// Appends the reaction of support C, D or E as two single forces (y at 0°, z at 90°).
void AddSupportForces(CalcState& ws, SupportIndex support);

}  // namespace bxr
