#include "analysis/safety_factors.h"

#include <cmath>

#include "analysis/calc_state.h"
#include "format/number_format.h"

namespace bxr {

void SafetyFactors(CalcState& ws) {
    SafetyResults& s = ws.results.safety;
    s = SafetyResults{};
    const StationTable& t = ws.results.stations;
    const ExtremeValues& e = ws.results.extremes;
    const Real sigW = ws.materials.dynamic.sigW;
    const Real sigBW = ws.materials.dynamic.sigBW;

    const Real sigZ = t[e.pointSigZ].sigZ;
    if (sigW != 0 && sigZ > 0) s.Sw = std::fabs(sigW / sigZ);
    const Real sigB = t[e.pointSigB].sigB;
    if (sigBW > 0 && sigB > 0) s.Sbw = sigBW / sigB;
    const Real sigV = t[e.pointSigV].sigV;
    if (sigBW > 0 && sigV > 0) s.Svbw = sigBW / sigV;

    const OutputSettings& out = ws.output();
    if (!ws.materials.strengthNote.empty()) ws.messages.Add(ws.materials.strengthNote);
    if (s.Sw > 0 && s.Sw < 1) ws.messages.Add("Warnung: S w < 1 (" + FormatFree(out, s.Sw) + ")");
    if (s.Sbw > 0 && s.Sbw < 1)
        ws.messages.Add("Warnung: S bw < 1 (" + FormatFree(out, s.Sbw) + ")");
    if (s.Svbw > 0 && s.Svbw < 1)
        ws.messages.Add("Fehler : S vbw < 1 (" + FormatFree(out, s.Svbw) + ")");
}

}  // namespace bxr
