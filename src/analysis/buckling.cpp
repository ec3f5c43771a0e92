#include "analysis/buckling.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "analysis/angle_math.h"
#include "analysis/check_input.h"
#include "analysis/force_pass.h"
#include "analysis/stresses.h"
#include "analysis/calc_state.h"
#include "format/code_page.h"
#include "model/shaft_sections.h"

namespace bxr {

Real EulerLoad(int supportType, Real length, Real iMin, Real e) {
    if (length == 0) return 0;
    const Real base = kPi * kPi * e * iMin / (length * length);
    if (supportType == kFixedClamp) return base / 4;
    if (supportType == kTwoHinges || supportType == kAngularContactPair) return base;
    return 0;
}

namespace {

// The column's deflection shape w on the nodes x, with stiffness ei[i] over the interval from
// node i to node i + 1, in the equation w = P·G(w): G gives the deflection under the bending
// moment that a unit axial force makes with the shape w (hinged: M = w; clamped-free:
// M = w(L) - w), integrated by the trapezoidal rule and fitted to the column's supports.
class ColumnOperator {
  public:
    ColumnOperator(std::vector<Real> x, std::vector<Real> ei, bool clamped)
        : x_(std::move(x)), ei_(std::move(ei)), clamped_(clamped) {}

    std::size_t Size() const { return x_.size(); }

    void Apply(const std::vector<Real>& w, std::vector<Real>& out) const {
        const std::size_t n = x_.size();
        const Real top = w[n - 1];
        auto moment = [&](std::size_t j) { return clamped_ ? top - w[j] : w[j]; };
        out.assign(n, 0);
        Real slope = 0;
        for (std::size_t j = 0; j + 1 < n; ++j) {
            const Real h = x_[j + 1] - x_[j];
            const Real next = slope + h * (moment(j) + moment(j + 1)) / (2 * ei_[j]);
            out[j + 1] = out[j] + h * (slope + next) / 2;
            slope = next;
        }
        // Hinged: the integral above bends the wrong way round (w'' = -P·w/EI) and has to
        // come back to 0 at L.
        if (!clamped_) {
            const Real end = out[n - 1], length = x_[n - 1] - x_[0];
            for (std::size_t j = 0; j < n; ++j) out[j] = (x_[j] - x_[0]) / length * end - out[j];
        }
    }

  private:
    std::vector<Real> x_, ei_;
    bool clamped_;
};

// The lowest P with w = P·G(w): the power iteration on G converges to its largest
// eigenvalue 1/P.
Real LowestLoad(const ColumnOperator& g) {
    const std::size_t n = g.Size();
    std::vector<Real> w(n), next(n);
    for (std::size_t j = 0; j < n; ++j) {
        const Real t = Real(j) / Real(n - 1);
        w[j] = t;  // any start with a share of the lowest mode
    }
    Real load = 0;
    for (int round = 0; round < 500; ++round) {
        g.Apply(w, next);
        Real ww = 0, wn = 0, largest = 0;
        for (std::size_t j = 0; j < n; ++j) {
            ww += w[j] * w[j];
            wn += w[j] * next[j];
            largest = std::max(largest, std::fabs(next[j]));
        }
        if (!(wn > 0) || !(largest > 0)) return 0;
        const Real estimate = ww / wn;
        for (std::size_t j = 0; j < n; ++j) w[j] = next[j] / largest;
        if (round > 3 && std::fabs(estimate - load) <= 1e-15L * estimate) return estimate;
        load = estimate;
    }
    return load;
}

}  // namespace

Real SteppedEulerLoad(const BeamModel& m, const SectionProperties& contour) {
    const int type = m.supportType;
    const bool clamped = type == kFixedClamp;
    if (!(m.length > 0) || !(clamped || type == kTwoHinges || type == kAngularContactPair))
        return 0;
    const std::vector<ShaftStretch> stretches = ShaftStretches(m);
    const Real contourI = std::min(contour.I1, contour.I2);
    if (stretches.empty()) return EulerLoad(type, m.length, contourI, m.material.e);
    // A fine grid with a node on every step.
    constexpr int kIntervals = 1200;
    std::vector<Real> x;
    for (int j = 0; j <= kIntervals; ++j) x.push_back(m.length * j / kIntervals);
    for (const ShaftStretch& s : stretches) x.push_back(s.x1);
    std::sort(x.begin(), x.end());
    x.erase(std::unique(x.begin(), x.end()), x.end());
    auto inertia = [&](const ShaftStretch& s) {
        return s.section == 0
                   ? contourI
                   : ShaftSectionInertia(m.shaftSections[static_cast<std::size_t>(s.section)]);
    };
    std::vector<Real> ei(x.size() - 1), uniform(x.size() - 1);
    const Real referenceI = inertia(stretches.front());
    const Real reference = m.material.e * referenceI;
    std::size_t at = 0;
    for (std::size_t j = 0; j + 1 < x.size(); ++j) {
        const Real mid = (x[j] + x[j + 1]) / 2;
        while (at + 1 < stretches.size() && stretches[at].x2 <= mid) ++at;
        ei[j] = m.material.e * inertia(stretches[at]);
        uniform[j] = reference;
    }
    // The grid's error cancels against that of the beam of the first stretch's stiffness
    // throughout, whose load the formula knows.
    const Real stepped = LowestLoad(ColumnOperator(x, ei, clamped));
    const Real prismatic = LowestLoad(ColumnOperator(x, uniform, clamped));
    if (!(prismatic > 0)) return 0;
    return stepped * (EulerLoad(type, m.length, referenceI, m.material.e) / prismatic);
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
