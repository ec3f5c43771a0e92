#include "analysis/force_pass.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/angle_math.h"
#include "analysis/check_input.h"
#include "analysis/started_terms.h"
#include "analysis/stresses.h"
#include "model/workspace.h"

namespace bxr {

namespace {

Real StationX(const BeamModel& m, int k) {
    // Point n lies at L exactly, so that a support at L is always found.
    return k == m.segmentCount ? m.length : k * m.length / m.segmentCount;
}

struct Step {
    Real x, y, z;
};

// The first point whose x is at or right of x (n + 1 when there is none): the points rise
// with their index, so the test x_k >= x holds from there on.
int FirstPointAtOrRight(const StationTable& t, Real x) {
    int low = 0, high = t.n + 1;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (t[mid].x >= x)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

// The first point right of x (n + 1 when there is none).
int FirstPointRightOf(const StationTable& t, Real x) {
    int low = 0, high = t.n + 1;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (t[mid].x > x)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

// One quantity as two plane columns, their resultant and its angle.
struct PlanePair {
    Real Station::*xy;
    Real Station::*xz;
    Real Station::*resultant;
    Real Station::*angle;
};

// Point 0 shows the values of point 1.
void CopyToPointZero(StationTable& t, const PlanePair& q) {
    for (Real Station::*column : {q.xy, q.xz, q.resultant, q.angle}) t[0].*column = t[1].*column;
}

// Resultant and angle at the points 1..n, the largest resultant tracked with its point, and
// point 0 filled from point 1.
void ResultantOverPoints(StationTable& t, int n, const PlanePair& q, ExtremeRange& range,
                         int& point, bool angles) {
    for (int k = 1; k <= n; ++k) {
        Station& s = t[k];
        s.*q.resultant = std::sqrt(s.*q.xy * s.*q.xy + s.*q.xz * s.*q.xz);
        if (angles) s.*q.angle = AngleDeg(s.*q.xz, s.*q.xy);
        if (range.Update(s.*q.resultant)) point = k;
    }
    CopyToPointZero(t, q);
}

}  // namespace

void ShearAndMoment(const BeamModel& m, const LoadRange& loads, const SupportReactions& r, Real w0,
                    StationTable& t, ExtremeValues* extremes, bool angles) {
    const int n = m.segmentCount;
    const Real dx = m.length / n;
    t.n = n;
    for (int k = 0; k <= n; ++k) t[k].x = StationX(m, k);

    // Reactions and single forces act at and right of their position.
    constexpr std::size_t kStepRoom = 2 + kPointLoadRoom;
    std::array<Step, kStepRoom> steps;
    std::array<int, kStepRoom> stepStart;
    int stepCount = 0;
    const int type = m.supportType;
    if (type == kFixedClamp) {
        steps[stepCount++] = {m.clampX, r.FfixY, r.FfixZ};
    } else {
        steps[stepCount++] = {m.supportX[kSupportA], r.Ry[kSupportA], r.Rz[kSupportA]};
        steps[stepCount++] = {m.supportX[kSupportB], r.Ry[kSupportB], r.Rz[kSupportB]};
    }
    for (int i = loads.pointFirst; i <= loads.pointLast; ++i) {
        const PointLoad& p = m.pointLoads[i];
        steps[stepCount++] = {p.x, p.f * CosDeg(w0 + p.angle), p.f * SinDeg(w0 + p.angle)};
    }
    for (int i = 0; i < stepCount; ++i) stepStart[i] = FirstPointAtOrRight(t, steps[i].x);

    // A distributed load adds (x - x1)·q between x1 and x2 and its whole (x2 - x1)·q right
    // of x2.
    struct Ramp {
        Real x1, x2, qy, qz, wholeY, wholeZ;
        int past;  // the first point right of x2
    };
    std::array<Ramp, kDistributedLoadRoom> ramps;
    std::array<int, kDistributedLoadRoom> rampStart;
    int rampCount = 0;
    for (int i = loads.distributedFirst; i <= loads.distributedLast; ++i) {
        const DistributedLoad& q = m.distributedLoads[i];
        Ramp& ramp = ramps[rampCount];
        ramp.x1 = q.x1;
        ramp.x2 = q.x2;
        ramp.qy = q.q * CosDeg(w0 + q.angle);
        ramp.qz = q.q * SinDeg(w0 + q.angle);
        ramp.wholeY = (ramp.x2 - ramp.x1) * ramp.qy;
        ramp.wholeZ = (ramp.x2 - ramp.x1) * ramp.qz;
        ramp.past = FirstPointRightOf(t, ramp.x2);
        rampStart[rampCount++] = std::min(FirstPointAtOrRight(t, ramp.x1), ramp.past);
    }

    if (extremes != nullptr) {
        for (ExtremeRange* e : {&extremes->Fq_xy, &extremes->Fq_xz, &extremes->Fq, &extremes->Mb_xy,
                                &extremes->Mb_xz, &extremes->Mb})
            e->Reset(-1e30L, 1e30L);
    }

    StartedTerms<kStepRoom> startedSteps;
    startedSteps.Reset(stepStart, stepCount);
    StartedTerms<kDistributedLoadRoom> startedRamps;
    startedRamps.Reset(rampStart, rampCount);
    Real stepY = 0, stepZ = 0;
    for (int k = 0; k <= n; ++k) {
        const Real x = t[k].x;
        // The sum of the forces changes only where one starts.
        if (startedSteps.AdvanceTo(k)) {
            stepY = 0;
            stepZ = 0;
            for (int i : startedSteps) {
                stepY += steps[static_cast<std::size_t>(i)].y;
                stepZ += steps[static_cast<std::size_t>(i)].z;
            }
        }
        Real fy = stepY, fz = stepZ;
        startedRamps.AdvanceTo(k);
        for (int i : startedRamps) {
            const Ramp& q = ramps[static_cast<std::size_t>(i)];
            if (k >= q.past) {
                fy += q.wholeY;
                fz += q.wholeZ;
            } else {
                fy += (x - q.x1) * q.qy;
                fz += (x - q.x1) * q.qz;
            }
        }
        Station& s = t[k];
        s.Fq_xy = fy;
        s.Fq_xz = fz;
        s.Fq = std::sqrt(fy * fy + fz * fz);
        if (angles) s.phiFq = AngleDeg(fz, fy);
        if (extremes != nullptr) {
            extremes->Fq_xy.Update(fy);
            extremes->Fq_xz.Update(fz);
            extremes->Fq.Update(s.Fq);
        }
    }

    // Axial force.
    constexpr std::size_t kAxialRoom = 2 + kAxialLoadRoom;
    std::array<Step, kAxialRoom> axial;
    std::array<int, kAxialRoom> axialStart;
    int axialCount = 0;
    if (type == kFixedClamp) {
        axial[axialCount++] = {m.clampX, r.FxFix, 0};
    } else {
        axial[axialCount++] = {m.supportX[kSupportA], r.FxA, 0};
        if (type == kAngularContactPair) axial[axialCount++] = {m.supportX[kSupportB], r.FxB, 0};
    }
    for (int i = loads.axialFirst; i <= loads.axialLast; ++i)
        axial[axialCount++] = {m.axialLoads[i].x, m.axialLoads[i].fx, 0};
    for (int i = 0; i < axialCount; ++i) axialStart[i] = FirstPointAtOrRight(t, axial[i].x);
    StartedTerms<kAxialRoom> startedAxial;
    startedAxial.Reset(axialStart, axialCount);
    Real axialSum = 0;
    for (int k = 0; k <= n; ++k) {
        if (startedAxial.AdvanceTo(k)) {
            axialSum = 0;
            for (int i : startedAxial) axialSum += axial[static_cast<std::size_t>(i)].y;
        }
        t[k].N = axialSum;
    }

    // Bending moment by the rectangle rule with the shear force of the point to the left;
    // the clamping moment and the applied moments act at and right of their position.
    constexpr std::size_t kMomentRoom = 1 + kMomentLoadRoom;
    std::array<Step, kMomentRoom> moments;
    std::array<int, kMomentRoom> momentStart;
    int momentCount = 0;
    if (type == kFixedClamp) moments[momentCount++] = {m.clampX, r.MfixY, r.MfixZ};
    for (int i = loads.momentFirst; i <= loads.momentLast; ++i) {
        const MomentLoad& mb = m.momentLoads[i];
        moments[momentCount++] = {mb.x, mb.mb * CosDeg(w0 + mb.angle),
                                  mb.mb * SinDeg(w0 + mb.angle)};
    }
    for (int i = 0; i < momentCount; ++i) momentStart[i] = FirstPointAtOrRight(t, moments[i].x);
    StartedTerms<kMomentRoom> startedMoments;
    startedMoments.Reset(momentStart, momentCount);
    Real sy = 0, sz = 0;
    for (int k = 1; k <= n; ++k) {
        sy += t[k - 1].Fq_xy * dx;
        sz += t[k - 1].Fq_xz * dx;
        Real my = sy, mz = sz;
        startedMoments.AdvanceTo(k);
        for (int i : startedMoments) {
            my -= moments[static_cast<std::size_t>(i)].y;
            mz -= moments[static_cast<std::size_t>(i)].z;
        }
        Station& s = t[k];
        s.Mb_xy = my;
        s.Mb_xz = mz;
        s.Mb = std::sqrt(my * my + mz * mz);
        if (angles) s.phiMb = AngleDeg(mz, my);
        if (extremes != nullptr) {
            extremes->Mb_xy.Update(my);
            extremes->Mb_xz.Update(mz);
            if (extremes->Mb.Update(s.Mb)) extremes->pointMb = k;
        }
    }
    CopyToPointZero(t, {&Station::Mb_xy, &Station::Mb_xz, &Station::Mb, &Station::phiMb});
}

void RawSlopesInto(const BeamModel& m, const SectionProperties& p, const StationTable& t,
                   Real* outY, Real* outZ) {
    const int n = t.n;
    const Real dx = m.length / n;
    const Real e = m.material.e;
    Real sy = 0, sz = 0;
    outY[0] = 0;
    outZ[0] = 0;
    if (p.phi == 0) {
        const Real fy = dx / (e * p.Izeta), fz = dx / (e * p.Ieta);
        for (int k = 1; k <= n; ++k) {
            sy += t[k].Mb_xy * fy;
            sz += t[k].Mb_xz * fz;
            outY[k] = sy;
            outZ[k] = sz;
        }
        return;
    }
    // The moment turned into the principal axes, the increments turned back.
    const Real c = std::cos(p.phi), s = std::sin(p.phi);
    const bool etaLarger = std::fabs(p.Ieta) > std::fabs(p.Izeta);
    const Real iu = etaLarger ? std::fabs(p.I2) : std::fabs(p.I1);
    const Real iv = etaLarger ? std::fabs(p.I1) : std::fabs(p.I2);
    for (int k = 1; k <= n; ++k) {
        const Real mu = t[k].Mb_xy * c + t[k].Mb_xz * s;
        const Real mv = t[k].Mb_xz * c - t[k].Mb_xy * s;
        const Real au = mu * dx / e / iu;
        const Real av = mv * dx / e / iv;
        sy += au * c - av * s;
        sz += av * c + au * s;
        outY[k] = sy;
        outZ[k] = sz;
    }
}

void RawSlopes(const BeamModel& m, const SectionProperties& p, StationTable& t) {
    std::array<Real, kMaxStations> y, z;
    RawSlopesInto(m, p, t, y.data(), z.data());
    for (int k = 0; k <= t.n; ++k) {
        t[k].slope_xy = y[static_cast<std::size_t>(k)];
        t[k].slope_xz = z[static_cast<std::size_t>(k)];
    }
}

bool SlopeConstant(Real sum, int count, Real& constant) {
    // The rounds go on until the bracket cannot be halved any more (or S is exactly 0), so
    // the constant is the root to full precision. A fixed limit on |S| would stop at once in
    // a lightly loaded plane, and in an ordinary one leave the deflection with an error that
    // the bisection of supports C, D and E cannot get below.
    constant = 0;
    if (!std::isfinite(sum) || count < 1 || !(std::fabs(sum / count) < 1e30L)) return false;
    Real low = -1e30L, high = 1e30L;
    for (int round = 1; round <= 800; ++round) {
        constant = (low + high) / 2;
        const Real s = sum - count * constant;
        if (s == 0 || constant == low || constant == high) return true;
        if (s >= 0)
            low = constant;
        else
            high = constant;
    }
    return false;
}

void FillAngleColumns(StationTable& t) {
    for (int k = 0; k <= t.n; ++k) t[k].phiFq = AngleDeg(t[k].Fq_xz, t[k].Fq_xy);
    for (int k = 1; k <= t.n; ++k) {
        Station& s = t[k];
        s.phiMb = AngleDeg(s.Mb_xz, s.Mb_xy);
        s.phiSlope = AngleDeg(s.slope_xz, s.slope_xy);
        s.phiW = AngleDeg(s.w_xz, s.w_xy);
    }
    t[0].phiMb = t[1].phiMb;
    t[0].phiSlope = t[1].phiSlope;
    t[0].phiW = t[1].phiW;
}

bool FindSupportPoints(Workspace& ws, SupportPoints& points) {
    const BeamModel& m = ws.model;
    const StationTable& t = ws.results.stations;
    const int n = t.n;
    auto first = [&](Real x) {
        int k = 1;
        while (k <= n && t[k].x < x) ++k;
        return k;
    };
    if (m.supportType == kFixedClamp) {
        int k = 1;
        while (k < n && t[k].x < m.clampX) ++k;
        if (k >= n) {
            AddMessage(ws, "Fatal  : Festlager !");
            return false;
        }
        points = {k, k, k};
        return true;
    }
    const int ka = first(m.supportX[kSupportA]);
    if (ka > n) {
        ShowCalcBox(ws, "Fatal  : X-coordinate A");
        return false;
    }
    const int kb = first(m.supportX[kSupportB]);
    if (kb > n) {
        ShowCalcBox(ws, "Fatal  : x-coordinate B");
        return false;
    }
    points = {ka, std::min(ka, kb), std::max(ka, kb)};
    return true;
}

PassEnd SlopeAndDeflection(Workspace& ws, bool angles) {
    const BeamModel& m = ws.model;
    StationTable& t = ws.results.stations;
    ExtremeValues& e = ws.results.extremes;
    const int n = t.n;
    const Real dx = m.length / n;

    e.slope_xy.Reset(-1e30L, 1e30L);
    e.slope_xz.Reset(-1e30L, 1e30L);
    e.slope.Reset(0, 0);
    e.w_xy.Reset(-1e30L, 1e30L);
    e.w_xz.Reset(-1e30L, 1e30L);
    e.w.Reset(-1e30L, 1e30L);

    SupportPoints sp;
    if (!FindSupportPoints(ws, sp)) return PassEnd::kStopped;

    Real Station::*const slopeOf[2] = {&Station::slope_xy, &Station::slope_xz};
    Real Station::*const wOf[2] = {&Station::w_xy, &Station::w_xz};
    ExtremeRange* slopeRange[2] = {&e.slope_xy, &e.slope_xz};
    ExtremeRange* wRange[2] = {&e.w_xy, &e.w_xz};

    for (int plane = 0; plane < 2; ++plane) {
        Real Station::*slope = slopeOf[plane];
        Real constant = 0;
        if (m.supportType == kFixedClamp) {
            constant = t[sp.kRef].*slope;
        } else {
            Real sum = 0;
            for (int k = sp.kLow; k <= sp.kHigh; ++k) sum += t[k].*slope;
            if (!SlopeConstant(sum, sp.kHigh - sp.kLow + 1, constant)) {
                ShowCalcBox(ws, "Fehler : Iteration");
                return PassEnd::kStopped;
            }
        }
        for (int k = 1; k <= n; ++k) {
            t[k].*slope -= constant;
            slopeRange[plane]->Update(t[k].*slope);
        }
    }
    ResultantOverPoints(
        t, n, {&Station::slope_xy, &Station::slope_xz, &Station::slope, &Station::phiSlope},
        e.slope, e.pointSlope, angles);

    for (int plane = 0; plane < 2; ++plane) {
        Real Station::*slope = slopeOf[plane];
        Real Station::*w = wOf[plane];
        Real sum = 0;
        for (int k = 1; k <= n; ++k) {
            sum += t[k].*slope * dx;
            t[k].*w = sum;
        }
        const Real ref = t[sp.kRef].*w;
        for (int k = 1; k <= n; ++k) {
            t[k].*w -= ref;
            wRange[plane]->Update(t[k].*w);
        }
    }
    ResultantOverPoints(t, n, {&Station::w_xy, &Station::w_xz, &Station::w, &Station::phiW}, e.w,
                        e.pointW, angles);
    return PassEnd::kComplete;
}

PassEnd ForcePass(Workspace& ws, Real w0) {
    return ForcePass(ws, w0, PassOptions{});
}

PassEnd ForcePass(Workspace& ws, Real w0, const PassOptions& options) {
    const BeamModel& m = ws.model;
    if (m.segmentCount < 1 || m.segmentCount > kMaxSegments || !(m.length > 0))
        return PassEnd::kStopped;
    StationTable& t = ws.results.stations;
    ShearAndMoment(m, LoadRange::All(m), ws.results.reactions, w0, t, &ws.results.extremes,
                   options.angles);

    const SectionProperties& p = ws.section.props;
    if (p.I1 == 0 || p.I2 == 0) {
        AddFatalMessage(ws, "Fatal  : I = 0 !");
        return PassEnd::kStopped;
    }
    if (p.A == 0) {
        AddFatalMessage(ws, "Fatal  : A = 0 !");
        return PassEnd::kStopped;
    }
    if (options.stresses && !StressStage(ws)) return PassEnd::kStopped;
    RawSlopes(m, p, t);
    return SlopeAndDeflection(ws, options.angles);
}

}  // namespace bxr
