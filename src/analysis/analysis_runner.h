// How a command starts a calculation. The program passes RunAnalysis; tests pass a stand-in
// that fills the results or sets the flags they need, and count how often it ran.
#pragma once

#include <functional>

namespace bxr {

struct CalcState;

using AnalysisRunner = std::function<void(CalcState&)>;

}  // namespace bxr
