// The fast method for supports C, D and E (support_solvers.h): the pass is linear in the
// trial forces, so the answers to the loads and to a unit force at each extra support are
// worked out once, the literal rounds are replayed from them with the same decisions, and a
// full pass runs only for the first solution and for the last round.
#pragma once

#include "analysis/force_pass.h"

namespace bxr {

struct CalcState;

// Supports A, B and the first `extra` of C, D, E (extra 1..3). Where the answers cannot be
// worked out, or the replay cannot be sure of a round, the literal method solves the beam.
PassEnd SolveExtraFast(CalcState& ws, Real w0, int extra, const PassOptions& options);

}  // namespace bxr
