#include "analysis/buckling.h"

#include <algorithm>
#include <cmath>

#include "analysis/angle_math.h"
#include "analysis/check_input.h"
#include "analysis/force_pass.h"
#include "analysis/stresses.h"
#include "analysis/calc_state.h"
#include "format/code_page.h"

namespace bxr {

Real EulerLoad(int supportType, Real length, Real iMin, Real e) {
    if (length == 0) return 0;
    const Real base = kPi * kPi * e * iMin / (length * length);
    if (supportType == kFixedClamp) return base / 4;
    if (supportType == kTwoHinges || supportType == kAngularContactPair) return base;
    return 0;
}

Real MaxSlopeBetween(const CalcState& ws, int k1, int k2) {
    const StationTable& t = ws.results.stations;
    Real largest = 0;
    for (int k = std::min(k1, k2); k <= std::max(k1, k2); ++k)
        largest = std::max(largest, std::fabs(t[k].slope));
    return largest;
}

int MaxDeflectionPointBetween(const CalcState& ws, int k1, int k2) {
    const StationTable& t = ws.results.stations;
    int at = k2;
    Real largest = 0;
    for (int k = std::min(k1, k2); k <= std::max(k1, k2); ++k) {
        if (std::fabs(t[k].w) > largest) {
            largest = std::fabs(t[k].w);
            at = k;
        }
    }
    return at;
}

namespace {

bool TwoSupports(int type) {
    return type == kFixedClamp || type == kTwoHinges || type == kAngularContactPair;
}

}  // namespace

bool SecondOrderIterates(const BeamModel& m) {
    const int axialCount = std::clamp<int>(m.axialLoadCount, 0, kAxialLoadRoom);
    if (!m.bucklingOn || axialCount < 1 || !TwoSupports(m.supportType)) return false;
    return m.pointLoadCount + axialCount <= kPointLoadRoom;  // input check keeps this away
}

void SecondOrderDeflection(CalcState& ws) {
    BeamModel& m = ws.model;
    const int type = m.supportType;
    BucklingResults& b = ws.results.buckling;
    b.wFax = 0;
    b.iterated = false;
    if (m.bucklingOn && !TwoSupports(type)) AddMessage(ws, "Warnung: Knickung nur für 2 Lager"_oem);
    if (!SecondOrderIterates(m)) return;
    const int axialCount = std::clamp<int>(m.axialLoadCount, 0, kAxialLoadRoom);
    b.iterated = true;

    StationTable& t = ws.results.stations;
    const ExtremeValues& e = ws.results.extremes;
    const Real w0 = t[e.pointW].w;
    const Real xRef = type == kFixedClamp ? m.clampX : m.supportX[kSupportA];
    const int kRef = PointIndex(m, xRef);
    // The stresses of the intermediate rounds are never seen; the fast method works them out
    // once from the last round. An invalid stress mode ends every pass before the
    // deflection, so those passes keep it.
    // The angle columns likewise, all but the deflection angle at the points read here.
    const bool literal = ws.results.method == SolveMethod::kLiteral;
    const bool stressesEachRound = literal || !StressModeValid(m);

    const int first = m.pointLoadCount;
    Real previous = 0;
    int rounds = 0;
    PassEnd end = PassEnd::kComplete;
    do {
        ++rounds;
        for (int i = 1; i <= axialCount; ++i) {
            const AxialLoad& a = m.axialLoads[i];
            const int ki = PointIndex(m, a.x);
            const Real phi = MaxSlopeBetween(ws, kRef, ki);
            const int km = MaxDeflectionPointBetween(ws, kRef, ki);
            int sign = 0;
            if (type != kAngularContactPair)
                sign = ((a.fx >= 0 && a.x >= xRef) || (a.fx <= 0 && a.x <= xRef)) ? 1 : -1;
            m.pointLoads[first + i] =
                PointLoad{std::fabs(std::sin(phi) * a.fx) * -sign, PointPosition(m, km),
                          AngleDeg(t[km].w_xz, t[km].w_xy), ""};
        }
        m.pointLoadCount = first + axialCount;
        previous = t[e.pointW].w;
        end = ForcePass(
            ws, 0,
            PassOptions{stressesEachRound, literal ? PassColumns::kAll : PassColumns::kNoAngles});
        m.pointLoadCount = first;
    } while (!(std::fabs(t[e.pointW].w - previous) < 0.001L) && rounds < 21 && !AbortPolled(ws));
    if (AbortPolled(ws)) return;

    const SectionProperties& p = ws.section.props;
    if (!stressesEachRound && p.I1 != 0 && p.I2 != 0 && p.A != 0) StressStage(ws);
    if (!literal) FillAngleColumns(t);
    (void)end;

    const Real last = t[e.pointW].w;
    if (rounds == 21 && last > previous) AddMessage(ws, "Warnung: Knickung !");
    b.wFax = last - w0;
    if (std::fabs(e.w.max) < 1e-7L) AddMessage(ws, "Warnung: Fr=0 ! (Knickung)");
}

}  // namespace bxr
