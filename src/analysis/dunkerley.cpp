#include "analysis/dunkerley.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/angle_math.h"
#include "analysis/check_input.h"
#include "analysis/stresses.h"
#include "analysis/support_solvers.h"
#include "analysis/calc_state.h"
#include "model/shaft_sections.h"

namespace bxr {

void DunkerleyFrequency(CalcState& ws) {
    BeamModel& m = ws.model;
    // The solvers write behind the one force they are given, so the whole list is kept.
    const auto savedPoints = m.pointLoads;
    const auto counts = std::array<std::int32_t, 4>{m.pointLoadCount, m.distributedLoadCount,
                                                    m.momentLoadCount, m.axialLoadCount};
    ResetLoads(m);

    // Only the deflection is read; the fast method writes nothing else, and leaves the
    // stresses out unless an invalid stress mode would end the pass before the deflection.
    const bool literal = ws.results.method == SolveMethod::kLiteral;
    const PassOptions options{literal || !StressModeValid(m),
                              literal ? PassColumns::kAll : PassColumns::kDeflection};
    const Real force = ws.section.mass / 9 * 9.81L;
    // A stepped beam's ninths weigh what their sections hold.
    const std::vector<ShaftStretch> stretches = ShaftStretches(m);
    auto ninthWeight = [&](int i) {
        if (stretches.empty()) return force;
        const Real a = (i - 1) * m.length / 9, b = i * m.length / 9;
        Real volume = 0;
        for (const ShaftStretch& st : stretches) {
            const Real overlap = std::min(b, st.x2) - std::max(a, st.x1);
            if (!(overlap > 0)) continue;
            const Real area =
                st.section == 0
                    ? std::fabs(ws.section.props.A)
                    : ShaftSectionArea(m.shaftSections[static_cast<std::size_t>(st.section)]);
            volume += area * overlap;
        }
        return volume * ws.section.density * 1e-6L * 9.81L;
    };
    Real sum = 0;
    bool cancelled = false;
    for (int i = 1; i <= 9 && !(cancelled = AbortPolled(ws)); ++i) {
        const Real x = (i - 1) * m.length / 9 + m.length / 18;
        m.pointLoads[1] = PointLoad{ninthWeight(i), x, 0, ""};
        m.pointLoadCount = 1;
        SolveBySupportType(ws, 0, options);
        // The resultant from the planes, as a full pass works it out: the fast method's passes
        // write the planes only.
        const Station& s = ws.results.stations[PointIndex(m, x)];
        const Real w = std::sqrt(s.w_xy * s.w_xy + s.w_xz * s.w_xz);
        const Real f = w != 0 ? std::sqrt(9810 / w) / (2 * kPi) : 0;
        if (f > 0) sum += 1 / (f * f);
    }

    m.pointLoads = savedPoints;
    m.pointLoadCount = counts[0];
    m.distributedLoadCount = counts[1];
    m.momentLoadCount = counts[2];
    m.axialLoadCount = counts[3];
    if (cancelled) return;

    if (sum != 0) {
        ws.results.frequency = std::sqrt(1 / sum);
    } else {
        AddMessage(ws, "Fehler : f dunkerley");
        ws.results.frequency = 0;
    }
}

}  // namespace bxr
