// What a calculation leaves behind: stations, reactions, extreme values, buckling,
// frequency and safety results.
#pragma once

namespace bxr {

struct AnalysisResults {};

}  // namespace bxr
