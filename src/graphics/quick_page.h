// The "QUICK" page: the summary of extreme values, the support forces and the calculation's
// messages as three tables on a sheet of 160 by 120.
#pragma once

#include "analysis/extreme_values.h"
#include "graphics/drawing.h"

namespace bxr {

// From Sheet to PageEnd.
void DrawQuickPage(Drawing& d, const QuickSummary& page);

}  // namespace bxr
