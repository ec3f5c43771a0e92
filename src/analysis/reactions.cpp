#include "analysis/reactions.h"

#include <cmath>
#include <vector>

#include "analysis/angle_math.h"
#include "analysis/check_input.h"
#include "analysis/calc_state.h"
#include "model/shaft_sections.h"

namespace bxr {

void LoadResultants(const BeamModel& m, const LoadRange& loads, Real w0, Real xref,
                    SupportReactions& r) {
    Real fy = 0, fz = 0, my = 0, mz = 0, fx = 0;
    for (int i = loads.pointFirst; i <= loads.pointLast; ++i) {
        const PointLoad& p = m.pointLoads[i];
        const Real c = CosDeg(w0 + p.angle), s = SinDeg(w0 + p.angle);
        fy += p.f * c;
        fz += p.f * s;
        my += p.f * (p.x - xref) * c;
        mz += p.f * (p.x - xref) * s;
    }
    for (int i = loads.distributedFirst; i <= loads.distributedLast; ++i) {
        const DistributedLoad& q = m.distributedLoads[i];
        const Real c = CosDeg(w0 + q.angle), s = SinDeg(w0 + q.angle);
        fy += q.q * (q.x2 - q.x1) * c;
        fz += q.q * (q.x2 - q.x1) * s;
        const Real lever = (q.x2 - xref) * (q.x2 - xref) - (q.x1 - xref) * (q.x1 - xref);
        my += 0.5L * q.q * c * lever;
        mz += 0.5L * q.q * s * lever;
    }
    for (int i = loads.momentFirst; i <= loads.momentLast; ++i) {
        const MomentLoad& mb = m.momentLoads[i];
        my += mb.mb * CosDeg(w0 + mb.angle);
        mz += mb.mb * SinDeg(w0 + mb.angle);
    }
    for (int i = loads.axialFirst; i <= loads.axialLast; ++i) fx += m.axialLoads[i].fx;
    r.sumFy = fy;
    r.sumFz = fz;
    r.sumF = std::sqrt(fy * fy + fz * fz);
    r.angleF = AngleDeg(fz, fy);
    r.sumMy = my;
    r.sumMz = mz;
    r.sumM = std::sqrt(my * my + mz * mz);
    r.angleM = AngleDeg(mz, my);
    r.sumFx = fx;
}

namespace {

// Axial reactions of the angular-contact pair from the radial reactions of A and B.
void BearingRules(const BeamModel& m, SupportReactions& r, CalcMessages& messages) {
    const bool x = m.bearingArrangement == 1;
    const bool o = m.bearingArrangement == 2;
    if (!x && !o) {
        messages.AddFatal("Fatal  : Lageroxcode !");
        return;
    }
    const Real tA = TanDeg(m.contactAngleA, messages);
    const Real tB = TanDeg(m.contactAngleB, messages);
    const Real RA = r.R[kSupportA], RB = r.R[kSupportB];
    const Real fiA = 1.25L * tA * RA, fiB = 1.25L * tB * RB;
    const Real ka = std::fabs(r.sumFx);
    r.FaA = x ? tA * RA : -tA * RA;
    r.FaB = x ? -tB * RB : tB * RB;
    const bool caseOne = (x && r.sumFx > 0) || (o && r.sumFx < 0);
    if (caseOne) {
        if (tA * RA >= tB * RB || ka >= fiB - fiA) {
            r.FxA = fiA;
            r.FxB = ka + fiA;
        } else {
            r.FxB = fiB;
            r.FxA = fiB - ka;
        }
    } else {
        if (tA * RA <= tB * RB || ka >= fiA - fiB) {
            r.FxB = fiB;
            r.FxA = ka + fiB;
        } else {
            r.FxA = fiA;
            r.FxB = fiA - ka;
        }
    }
    if (x) r.FxB = -r.FxB;
    if (o) r.FxA = -r.FxA;
}

}  // namespace

bool ComputeReactions(const BeamModel& m, const LoadRange& loads, Real w0, SupportReactions& r,
                      CalcMessages& messages) {
    const int type = m.supportType;
    if (type == kFixedClamp) {
        LoadResultants(m, loads, w0, m.clampX, r);
        r.MfixY = -r.sumMy;
        r.MfixZ = -r.sumMz;
        r.FfixY = -r.sumFy;
        r.FfixZ = -r.sumFz;
        r.Mfix = std::sqrt(r.MfixY * r.MfixY + r.MfixZ * r.MfixZ);
        r.Ffix = std::sqrt(r.FfixY * r.FfixY + r.FfixZ * r.FfixZ);
        r.FxFix = -r.sumFx;
        return true;
    }
    if (type < kFixedClamp || type > kFiveHinges) {
        messages.AddFatal("Fatal  : Lagercode !");
        return false;
    }
    const Real xa = m.supportX[kSupportA], xb = m.supportX[kSupportB];
    LoadResultants(m, loads, w0, xa, r);
    if (xa == xb) {
        messages.AddFatal("Fatal  : Lager xa = xb !");
        return false;
    }
    r.Ry[kSupportB] = -r.sumMy / (xb - xa);
    r.Rz[kSupportB] = -r.sumMz / (xb - xa);
    r.Ry[kSupportA] = -r.Ry[kSupportB] - r.sumFy;
    r.Rz[kSupportA] = -r.Rz[kSupportB] - r.sumFz;
    for (int s : {kSupportA, kSupportB}) r.R[s] = std::sqrt(r.Ry[s] * r.Ry[s] + r.Rz[s] * r.Rz[s]);
    if (type == kAngularContactPair) {
        BearingRules(m, r, messages);
    } else {
        r.FxA = -r.sumFx;
        r.FxB = 0;
    }
    return true;
}

void LoadResultants(CalcState& ws, Real w0, Real xref) {
    LoadResultants(ws.model, LoadRange::All(ws.model), w0, xref, ws.results.reactions);
}

bool SolveReactions(CalcState& ws, Real w0) {
    return ComputeReactions(ws.model, LoadRange::All(ws.model), w0, ws.results.reactions,
                            ws.messages);
}

namespace {

// A magnitude made positive by turning the angle half a turn, the angle in [-180, 180).
void Normalise(MomentLoad& mb) {
    if (mb.mb < 0) {
        mb.mb = -mb.mb;
        mb.angle += 180;
    }
    mb.angle -= 360 * std::floor((mb.angle + 180) / 360);
}

}  // namespace

void AddBearingMoments(CalcState& ws) {
    BeamModel& m = ws.model;
    const SupportReactions& r = ws.results.reactions;
    const struct {
        Real fa, diameter, ry, rz, x;
        const char* full;
    } bearings[2] = {
        {r.FaA, m.racewayDiameterA, r.Ry[kSupportA], r.Rz[kSupportA], m.supportX[kSupportA],
         "Zu viele Biegemomente"},
        {r.FaB, m.racewayDiameterB, r.Ry[kSupportB], r.Rz[kSupportB], m.supportX[kSupportB],
         "Zu viele Biegemomente !"},
    };
    for (const auto& b : bearings) {
        if (m.momentLoadCount + 1 > kMaxMomentLoads) {
            ShowCalcBox(ws, b.full);
            StopForFault(ws);
            continue;
        }
        MomentLoad mb;
        mb.mb = (b.fa != 0 && b.diameter != 0) ? b.fa * b.diameter * 0.5L : 0;
        mb.angle = AngleDeg(b.rz, b.ry);
        mb.x = b.x;
        Normalise(mb);
        m.momentLoads[++m.momentLoadCount] = mb;
    }
}

void AddSelfWeight(CalcState& ws) {
    BeamModel& m = ws.model;
    // A stepped beam weighs A·ρ·g per stretch of constant section. The room behind the user's
    // entries holds every stretch, so these never count against the user's list.
    const std::vector<ShaftStretch> stretches = ShaftStretches(m);
    if (!stretches.empty()) {
        const Real density = ws.section.density;
        for (const ShaftStretch& st : stretches) {
            const Real area =
                st.section == 0
                    ? std::fabs(ws.section.props.A)
                    : ShaftSectionArea(m.shaftSections[static_cast<std::size_t>(st.section)]);
            DistributedLoad q;
            q.x1 = st.x1;
            q.x2 = st.x2;
            q.q = area * density * 1e-6L * 9.81L;
            q.angle = 180;
            q.label = "m0";
            m.distributedLoads[++m.distributedLoadCount] = q;
        }
        return;
    }
    if (m.distributedLoadCount >= kMaxDistributedLoads) {
        AddFatalMessage(ws, "Fatal  : Fq max !");
        StopForFault(ws);
        return;
    }
    DistributedLoad q;
    q.x1 = 0;
    q.x2 = m.length;
    q.q = ws.section.mass * 9.81L / (q.x2 - q.x1);
    q.angle = 180;
    q.label = "m0";
    m.distributedLoads[++m.distributedLoadCount] = q;
}

void AddSupportForces(CalcState& ws, SupportIndex support) {
    BeamModel& m = ws.model;
    static const char* const kLabels[] = {"Lager A", "Lager B", "Lager C", "Lager D", "Lager E"};
    const SupportReactions& r = ws.results.reactions;
    const Real x = m.supportX[support];
    if (m.pointLoadCount + 2 > kPointLoadRoom) return;  // cannot happen after the input check
    m.pointLoads[++m.pointLoadCount] = PointLoad{r.Ry[support], x, 0, kLabels[support]};
    m.pointLoads[++m.pointLoadCount] = PointLoad{r.Rz[support], x, 90, kLabels[support]};
}

}  // namespace bxr
