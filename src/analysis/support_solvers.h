// Reactions and force pass by support arrangement. Supports C, D and E are found by nested
// bisection: the reaction of each extra support is the force that brings the deflection at
// that support to zero (or to the spring travel), one nesting level per extra support.
//
// Two methods give the same results. The literal one runs a full pass for every round of
// every level (up to 31 rounds per level, 31³ passes for five supports). The fast one uses
// that the pass is linear in the trial forces: it computes the response to the loads and to
// a unit force at each extra support once, replays the same rounds with the same decisions
// from them, and runs a full pass only for the first solution and for the last round.
#pragma once

#include "analysis/force_pass.h"

namespace bxr {

struct CalcState;

// Reactions of the determinate system, the two bearing moments of the angular-contact
// pair, and the pass.
PassEnd SolveTwoSupports(CalcState& ws, Real w0, const PassOptions& options = {});
PassEnd SolveThreeSupports(CalcState& ws, Real w0);
PassEnd SolveFourSupports(CalcState& ws, Real w0);
PassEnd SolveFiveSupports(CalcState& ws, Real w0);
// For the natural frequency: fixed end and two supports without bearing moments, three to
// five supports by their solvers.
PassEnd SolveBySupportType(CalcState& ws, Real w0);
PassEnd SolveBySupportType(CalcState& ws, Real w0, const PassOptions& options);

// Solves supports A, B and the first `extra` of C, D, E (extra 1..3) with the given method.
PassEnd SolveExtraSupports(CalcState& ws, Real w0, int extra, SolveMethod method,
                           const PassOptions& options);

}  // namespace bxr
