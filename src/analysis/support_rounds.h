// What the two methods of solving supports C, D and E share (support_solvers.h): the limit on
// the rounds of a level, a level's first solution, the deflection a round tests, the
// reactions it leaves and the message for a level that needed all its rounds.
#pragma once

#include <array>

#include "analysis/calc_state.h"
#include "analysis/force_pass.h"

namespace bxr {

inline constexpr int kMaxRounds = 31;

// Rounds of the last call of each level: the calls whose results are kept.
using LastRounds = std::array<int, 3>;

// The first solution of a level: the pass without the extra supports' forces. A pass that
// wrote the deflection only has not tracked its range, which the level's limits come from.
PassEnd FirstSolution(CalcState& ws, Real w0, const PassOptions& options);

// Deflection at a support as the bisection tests it: plus the spring travel when the
// support stiffness is on.
inline Real Travel(const CalcState& ws, int support, Real deflection, Real trial) {
    const Real c = ws.results.supportStiffness[static_cast<std::size_t>(support)];
    if (ws.model.supportStiffnessOn && c != 0) return trial / c + deflection;
    return deflection;
}

// One bisection step of a trial force: a positive deflection at the trial means the force
// was too large.
inline void Narrow(Real& lo, Real& hi, Real trial, Real deflection) {
    if (deflection > 0)
        hi = trial;
    else
        lo = trial;
}

// The reaction of an extra support from its last trial forces.
void StoreReaction(CalcState& ws, int support, Real ty, Real tz);

// The message for a level that needed all rounds. Only the calls whose results are kept
// count: an inner level may well run out of its bracket while an outer level tries a far-off
// trial force, and that says nothing about the result.
void ReportRounds(CalcState& ws, const LastRounds& last, int extra);

}  // namespace bxr
