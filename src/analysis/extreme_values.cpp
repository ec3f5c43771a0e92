#include "analysis/extreme_values.h"

#include "model/workspace.h"

namespace bxr {

std::vector<ExtremeRow> ExtremeRows(const Workspace& ws) {
    const AnalysisResults& r = ws.results;
    const ExtremeValues& e = r.extremes;
    std::vector<ExtremeRow> rows;
    rows.push_back({"Max. Biegemoment", e.Mb.max * 0.001L, e.pointMb,
                    r.stations[e.pointMb].phiMb, true});
    rows.push_back({"Max. Biegewinkel", e.slope.max * 180 / 3.141592653589793238L, e.pointSlope,
                    r.stations[e.pointSlope].phiSlope, true});
    rows.push_back({"Max. Durchbiegung", e.w.max, e.pointW, r.stations[e.pointW].phiW, true});
    return rows;
}

}  // namespace bxr
