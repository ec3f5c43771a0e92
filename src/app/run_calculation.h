// A calculation started by the user: the analysis, then its message boxes shown through the
// workspace's Ui.
#pragma once

#include "workspace/workspace.h"

namespace bxr {

void RunCalculation(Workspace& ws);

}  // namespace bxr
