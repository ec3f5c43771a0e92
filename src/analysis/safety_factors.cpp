#include "analysis/safety_factors.h"

#include "model/workspace.h"

namespace bxr {

void SafetyFactors(Workspace& ws) { ws.results.safety = SafetyResults{}; }

}  // namespace bxr
