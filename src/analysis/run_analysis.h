// The whole calculation of the beam, started by the calculation settings and by any view
// that finds no current results.
//
// Sequence: clear the messages; check the input (a fatal fault stops here); remove the loads
// the last calculation appended; load angle offset 0; section values and beam mass; self
// weight; natural frequency; reactions and force pass by support type (the bisection for
// supports C, D, E); the support forces of C, D, E appended; Euler load and second-order
// deflection; the appended loads flagged; safety factors. Afterwards ws.abortFlag tells
// whether it succeeded; the results in ws.results are valid when it is clear.
#pragma once

namespace bxr {

struct CalcState;

void RunAnalysis(CalcState& ws);

}  // namespace bxr
