#include "analysis/force_pass.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "analysis/angle_math.h"
#include "analysis/check_input.h"
#include "analysis/started_terms.h"
#include "analysis/stresses.h"
#include "analysis/calc_state.h"

namespace bxr {

namespace {

Real StationX(const BeamModel& m, int k) {
    // Point n lies at L exactly, so that a support at L is always found.
    return k == m.segmentCount ? m.length : k * m.length / m.segmentCount;
}

struct Step {
    Real x, y, z;
};

// The first of the points 0..n for which test(x_k) holds, n + 1 when there is none; the
// points rise with their index, so a test x_k >= x or x_k > x holds from there on.
template <typename Test>
int FirstPointWhere(const StationTable& t, Test test) {
    const auto begin = t.points.begin();
    return static_cast<int>(
        std::partition_point(begin, begin + t.n + 1, [&](const Station& s) { return !test(s.x); }) -
        begin);
}

int FirstPointAtOrRight(const StationTable& t, Real x) {
    return FirstPointWhere(t, [x](Real xk) { return xk >= x; });
}

int FirstPointRightOf(const StationTable& t, Real x) {
    return FirstPointWhere(t, [x](Real xk) { return xk > x; });
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

// Whether the principal moments of the section are equal up to the rounding of their
// reckoning, as for a tube. The principal angle of such a section is then the angle of that
// rounding, and turning the moments into it would only add its noise: a load in y would
// deflect the beam in z by some 1e-19 of the y deflection, on which the solvers of supports C,
// D and E would then decide.
bool BendsAlikeInEveryDirection(const SectionProperties& p) {
    return std::fabs(p.I1 - p.I2) <= 1e-12L * std::max(std::fabs(p.I1), std::fabs(p.I2));
}

// As IntegrateRawSlopes, with the E·I of the shaft section standing at each point. A round
// or tube section bends alike in every direction; the contour's points keep its principal
// axes.
template <typename Out>
void IntegrateSteppedSlopes(const BeamModel& m, const SectionProperties& p,
                            const ShaftProfile& shaft, const StationTable& t, Out out) {
    const int n = t.n;
    const Real dx = m.length / n;
    const Real e = m.material.e;
    std::array<Real, kMaxShaftSections + 1> f{};
    for (int i = 1; i <= shaft.count; ++i)
        f[static_cast<std::size_t>(i)] = dx / (e * shaft.I[static_cast<std::size_t>(i)]);
    const bool turned = p.phi != 0 && !BendsAlikeInEveryDirection(p);
    const bool etaLarger = std::fabs(p.Ieta) > std::fabs(p.Izeta);
    const Real iu = p.phi == 0 ? p.Izeta : etaLarger ? std::fabs(p.I2) : std::fabs(p.I1);
    const Real iv = p.phi == 0 ? p.Ieta : etaLarger ? std::fabs(p.I1) : std::fabs(p.I2);
    const Real fu = dx / (e * iu), fv = dx / (e * iv);
    const Real c = std::cos(p.phi), s = std::sin(p.phi);
    Real sy = 0, sz = 0;
    out(0, Real(0), Real(0));
    for (int k = 1; k <= n; ++k) {
        const Real my = t[k].Mb_xy, mz = t[k].Mb_xz;
        const std::size_t at = shaft.at[static_cast<std::size_t>(k)];
        if (at != 0) {
            sy += my * f[at];
            sz += mz * f[at];
        } else if (!turned) {
            sy += my * fu;
            sz += mz * fv;
        } else {
            const Real au = (my * c + mz * s) * fu;
            const Real av = (mz * c - my * s) * fv;
            sy += au * c - av * s;
            sz += av * c + au * s;
        }
        out(k, sy, sz);
    }
}

// The slopes integrated from the moments with slope 0 at point 0, handed to out(k, y, z) for
// the points 0..n.
template <typename Out>
void IntegrateRawSlopes(const BeamModel& m, const SectionProperties& p, const ShaftProfile& shaft,
                        const StationTable& t, Out out) {
    if (shaft.active && shaft.n == t.n) {
        IntegrateSteppedSlopes(m, p, shaft, t, out);
        return;
    }
    const int n = t.n;
    const Real dx = m.length / n;
    const Real e = m.material.e;
    Real sy = 0, sz = 0;
    out(0, Real(0), Real(0));
    auto straight = [&](Real fy, Real fz) {
        for (int k = 1; k <= n; ++k) {
            sy += t[k].Mb_xy * fy;
            sz += t[k].Mb_xz * fz;
            out(k, sy, sz);
        }
    };
    if (p.phi == 0) {
        straight(dx / (e * p.Izeta), dx / (e * p.Ieta));
        return;
    }
    const bool etaLarger = std::fabs(p.Ieta) > std::fabs(p.Izeta);
    const Real iu = etaLarger ? std::fabs(p.I2) : std::fabs(p.I1);
    const Real iv = etaLarger ? std::fabs(p.I1) : std::fabs(p.I2);
    // The factors once, as in the unturned case: four divisions per point would cost more
    // than the rest of the pass.
    const Real fu = dx / (e * iu), fv = dx / (e * iv);
    // A section without a principal direction: the principal moments as they are, unturned.
    if (BendsAlikeInEveryDirection(p)) {
        straight(fu, fv);
        return;
    }
    // The moment turned into the principal axes, the increments turned back.
    const Real c = std::cos(p.phi), s = std::sin(p.phi);
    for (int k = 1; k <= n; ++k) {
        const Real mu = t[k].Mb_xy * c + t[k].Mb_xz * s;
        const Real mv = t[k].Mb_xz * c - t[k].Mb_xy * s;
        const Real au = mu * fu;
        const Real av = mv * fv;
        sy += au * c - av * s;
        sz += av * c + au * s;
        out(k, sy, sz);
    }
}

}  // namespace

void ShearAndMoment(const BeamModel& m, const LoadRange& loads, const SupportReactions& r, Real w0,
                    StationTable& t, ExtremeValues* extremes, PassColumns columns) {
    const bool angles = columns == PassColumns::kAll;
    const bool resultants = columns == PassColumns::kAll || columns == PassColumns::kNoAngles;
    if (!resultants) extremes = nullptr;  // the trackers follow the resultants
    const int n = m.segmentCount;
    const Real dx = m.length / n;
    t.n = n;
    // The positions are the same in every pass of a calculation; a division per point is
    // worth saving.
    if (t.xCount != n || t.xLength != m.length) {
        for (int k = 0; k <= n; ++k) t[k].x = StationX(m, k);
        t.xCount = n;
        t.xLength = m.length;
    }

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
        // No point lies between x1 and an x2 that is not a number, nor right of it.
        rampStart[rampCount++] =
            std::isnan(ramp.x2) ? n + 1 : std::min(FirstPointAtOrRight(t, ramp.x1), ramp.past);
    }

    if (extremes != nullptr) {
        for (ExtremeRange* e : {&extremes->Fq_xy, &extremes->Fq_xz, &extremes->Fq, &extremes->Mb_xy,
                                &extremes->Mb_xz, &extremes->Mb})
            e->Reset(-1e30L, 1e30L);
    }

    // Axial forces, the support's included, act at and right of their position.
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
    StartedTerms<kStepRoom> startedSteps;
    startedSteps.Reset(stepStart, stepCount);
    StartedTerms<kDistributedLoadRoom> startedRamps;
    startedRamps.Reset(rampStart, rampCount);
    StartedTerms<kAxialRoom> startedAxial;
    startedAxial.Reset(axialStart, axialCount);
    StartedTerms<kMomentRoom> startedMoments;
    startedMoments.Reset(momentStart, momentCount);

    // The points where a distributed load has been passed, in rising order.
    std::array<int, kDistributedLoadRoom> pastPoints;
    for (int i = 0; i < rampCount; ++i) pastPoints[i] = ramps[i].past;
    std::sort(pastPoints.begin(), pastPoints.begin() + rampCount);
    int nextPast = 0;

    // One sweep over the points: shear force, axial force, and the moment, which integrates
    // the shear force of the point to the left.
    Real stepY = 0, stepZ = 0, axialSum = 0;
    Real sy = 0, sz = 0, leftY = 0, leftZ = 0;
    // The forces and the run of passed distributed loads at the head of the started list add
    // the same numbers at every point until the next change: their sum is kept.
    Real headY = 0, headZ = 0;
    int head = 0;
    // Between the points where a load starts or a distributed load is passed, nothing joins.
    int nextEvent = 0;
    for (int k = 0; k <= n; ++k) {
        Station& s = t[k];
        const Real x = s.x;
        bool changed = false;
        bool axialJoined = false;
        if (k >= nextEvent) {
            if (startedSteps.AdvanceTo(k)) {
                changed = true;
                stepY = 0;
                stepZ = 0;
                for (int i : startedSteps) {
                    stepY += steps[static_cast<std::size_t>(i)].y;
                    stepZ += steps[static_cast<std::size_t>(i)].z;
                }
            }
            if (startedRamps.AdvanceTo(k)) changed = true;
            while (nextPast < rampCount && pastPoints[static_cast<std::size_t>(nextPast)] <= k) {
                ++nextPast;
                changed = true;
            }
            axialJoined = startedAxial.AdvanceTo(k);
            startedMoments.AdvanceTo(k);
            nextEvent =
                std::min({startedSteps.NextStart(), startedRamps.NextStart(),
                          nextPast < rampCount ? pastPoints[static_cast<std::size_t>(nextPast)]
                                               : std::numeric_limits<int>::max(),
                          startedAxial.NextStart(), startedMoments.NextStart()});
        }
        if (changed) {
            headY = stepY;
            headZ = stepZ;
            head = 0;
            for (int i : startedRamps) {
                const Ramp& q = ramps[static_cast<std::size_t>(i)];
                if (k < q.past) break;
                headY += q.wholeY;
                headZ += q.wholeZ;
                ++head;
            }
        }
        Real fy = headY, fz = headZ;
        for (const int* it = startedRamps.begin() + head; it != startedRamps.end(); ++it) {
            const Ramp& q = ramps[static_cast<std::size_t>(*it)];
            if (k >= q.past) {
                fy += q.wholeY;
                fz += q.wholeZ;
            } else {
                fy += (x - q.x1) * q.qy;
                fz += (x - q.x1) * q.qz;
            }
        }
        s.Fq_xy = fy;
        s.Fq_xz = fz;
        if (resultants) s.Fq = std::sqrt(fy * fy + fz * fz);
        if (angles) s.phiFq = AngleDeg(fz, fy);
        if (extremes != nullptr) {
            extremes->Fq_xy.Update(fy);
            extremes->Fq_xz.Update(fz);
            extremes->Fq.Update(s.Fq);
        }

        if (resultants) {
            if (axialJoined) {
                axialSum = 0;
                for (int i : startedAxial) axialSum += axial[static_cast<std::size_t>(i)].y;
            }
            s.N = axialSum;
        }

        if (k >= 1) {
            sy += leftY * dx;
            sz += leftZ * dx;
            Real my = sy, mz = sz;
            for (int i : startedMoments) {
                my -= moments[static_cast<std::size_t>(i)].y;
                mz -= moments[static_cast<std::size_t>(i)].z;
            }
            s.Mb_xy = my;
            s.Mb_xz = mz;
            if (resultants) s.Mb = std::sqrt(my * my + mz * mz);
            if (angles) s.phiMb = AngleDeg(mz, my);
            if (extremes != nullptr) {
                extremes->Mb_xy.Update(my);
                extremes->Mb_xz.Update(mz);
                if (extremes->Mb.Update(s.Mb)) extremes->pointMb = k;
            }
        }
        leftY = fy;
        leftZ = fz;
    }
    CopyToPointZero(t, {&Station::Mb_xy, &Station::Mb_xz, &Station::Mb, &Station::phiMb});
}

void RawSlopesInto(const BeamModel& m, const SectionProperties& p, const ShaftProfile& shaft,
                   const StationTable& t, Real* outY, Real* outZ) {
    IntegrateRawSlopes(m, p, shaft, t, [&](int k, Real y, Real z) {
        outY[k] = y;
        outZ[k] = z;
    });
}

void RawSlopes(const BeamModel& m, const SectionProperties& p, const ShaftProfile& shaft,
               StationTable& t) {
    IntegrateRawSlopes(m, p, shaft, t, [&](int k, Real y, Real z) {
        t[k].slope_xy = y;
        t[k].slope_xz = z;
    });
}

bool SlopeConstant(Real sum, int count, Real& constant) {
    // The rounds go on until the bracket cannot be halved any more (or S is exactly 0), so
    // the constant is the root to full precision. A fixed limit on |S| would stop at once in
    // a lightly loaded plane, and in an ordinary one leave the deflection with an error that
    // the bisection of supports C, D and E cannot get below.
    constant = 0;
    if (!std::isfinite(sum) || count < 1 || !(std::fabs(sum / count) < 1e30L)) return false;
    constexpr int kRounds = 800;
    constexpr Real kBracket = 1e30L;
    // Round 1 tries 0. Then, while the bracket still reaches from 0 to ±1e30·2^-(j-1), round
    // j + 1 tries ±1e30·2^-j, which the halving gives exactly, and the count times it is
    // count·1e30 scaled by 2^-j, rounded as the product itself. Those rounds are decided by
    // comparing |sum| with that scaled product alone, so the first one that turns (the root
    // lies at or beyond its trial value) is found without going through them.
    if (sum == 0) return true;
    const Real magnitude = std::fabs(sum);
    const Real sign = sum > 0 ? 1 : -1;
    const Real product = count * kBracket;
    int j = std::max(1, std::ilogb(product) - std::ilogb(magnitude) - 1);
    while (j > 1 && std::ldexp(product, -(j - 1)) <= magnitude) --j;
    while (j < kRounds && std::ldexp(product, -j) > magnitude) ++j;
    if (j + 1 > kRounds) {
        constant = sign * std::ldexp(kBracket, -(kRounds - 1));
        return false;
    }
    constant = sign * std::ldexp(kBracket, -j);
    if (std::ldexp(product, -j) == magnitude) return true;
    // The root lies between this trial value and the one before.
    Real low = constant, high = sign * std::ldexp(kBracket, -(j - 1));
    if (sign < 0) std::swap(low, high);
    for (int round = j + 2; round <= kRounds; ++round) {
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

bool FindSupportPoints(CalcState& ws, SupportPoints& points) {
    const BeamModel& m = ws.model;
    const StationTable& t = ws.results.stations;
    const int n = t.n;
    // The first point from 1 on that does not lie left of x (n + 1 when there is none; 1 for
    // an x that is not a number, which no point lies left of).
    auto first = [&](Real x) { return std::isnan(x) ? 1 : std::max(1, FirstPointAtOrRight(t, x)); };
    if (m.supportType == kFixedClamp) {
        const int k = std::min(first(m.clampX), n);
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

PassEnd SlopeAndDeflection(CalcState& ws, PassColumns columns) {
    const bool angles = columns == PassColumns::kAll;
    const bool full = columns != PassColumns::kDeflection;
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

    // The integration constants of the slope: its value at the fixed end, or the one that
    // makes the slopes between A and B sum to zero.
    Real constant[2] = {0, 0};
    Real Station::*const slopeOf[2] = {&Station::slope_xy, &Station::slope_xz};
    Real sums[2] = {0, 0};
    if (m.supportType != kFixedClamp) {
        for (int k = sp.kLow; k <= sp.kHigh; ++k) {
            sums[0] += t[k].slope_xy;
            sums[1] += t[k].slope_xz;
        }
    }
    for (int plane = 0; plane < 2; ++plane) {
        Real Station::*slope = slopeOf[plane];
        if (m.supportType == kFixedClamp) {
            constant[plane] = t[sp.kRef].*slope;
            continue;
        }
        if (!SlopeConstant(sums[plane], sp.kHigh - sp.kLow + 1, constant[plane])) {
            // When x-z fails, x-y has its slopes already, as the planes are taken in turn.
            if (plane == 1) {
                for (int k = 1; k <= n; ++k) {
                    t[k].slope_xy -= constant[0];
                    if (full) e.slope_xy.Update(t[k].slope_xy);
                }
            }
            ShowCalcBox(ws, "Fehler : Iteration");
            return PassEnd::kStopped;
        }
    }

    // Slopes and the deflection integrated from them, both planes in one sweep.
    Real wy = 0, wz = 0;
    for (int k = 1; k <= n; ++k) {
        Station& s = t[k];
        s.slope_xy -= constant[0];
        s.slope_xz -= constant[1];
        if (full) {
            e.slope_xy.Update(s.slope_xy);
            e.slope_xz.Update(s.slope_xz);
            s.slope = std::sqrt(s.slope_xy * s.slope_xy + s.slope_xz * s.slope_xz);
            if (angles) s.phiSlope = AngleDeg(s.slope_xz, s.slope_xy);
            if (e.slope.Update(s.slope)) e.pointSlope = k;
        }
        wy += s.slope_xy * dx;
        wz += s.slope_xz * dx;
        s.w_xy = wy;
        s.w_xz = wz;
    }
    if (full)
        CopyToPointZero(
            t, {&Station::slope_xy, &Station::slope_xz, &Station::slope, &Station::phiSlope});

    // The deflection is zero at the fixed end or at A.
    const Real refY = t[sp.kRef].w_xy, refZ = t[sp.kRef].w_xz;
    for (int k = 1; k <= n; ++k) {
        Station& s = t[k];
        s.w_xy -= refY;
        s.w_xz -= refZ;
        if (!full) continue;
        e.w_xy.Update(s.w_xy);
        e.w_xz.Update(s.w_xz);
        s.w = std::sqrt(s.w_xy * s.w_xy + s.w_xz * s.w_xz);
        if (angles) s.phiW = AngleDeg(s.w_xz, s.w_xy);
        if (e.w.Update(s.w)) e.pointW = k;
    }
    if (full) {
        CopyToPointZero(t, {&Station::w_xy, &Station::w_xz, &Station::w, &Station::phiW});
    } else {
        t[0].w_xy = t[1].w_xy;
        t[0].w_xz = t[1].w_xz;
    }
    return PassEnd::kComplete;
}

void TrackDeflectionRanges(CalcState& ws) {
    const StationTable& t = ws.results.stations;
    ExtremeValues& e = ws.results.extremes;
    e.w_xy.Reset(-1e30L, 1e30L);
    e.w_xz.Reset(-1e30L, 1e30L);
    for (int k = 1; k <= t.n; ++k) {
        e.w_xy.Update(t[k].w_xy);
        e.w_xz.Update(t[k].w_xz);
    }
}

PassEnd ForcePass(CalcState& ws, Real w0) {
    return ForcePass(ws, w0, PassOptions{});
}

PassEnd ForcePass(CalcState& ws, Real w0, const PassOptions& options) {
    const BeamModel& m = ws.model;
    if (m.segmentCount < 1 || m.segmentCount > kMaxSegments || !(m.length > 0))
        return PassEnd::kStopped;
    StationTable& t = ws.results.stations;
    ShearAndMoment(m, LoadRange::All(m), ws.results.reactions, w0, t, &ws.results.extremes,
                   options.columns);

    const SectionProperties& p = ws.section.props;
    if (p.I1 == 0 || p.I2 == 0) {
        AddFatalMessage(ws, "Fatal  : I = 0 !");
        return PassEnd::kStopped;
    }
    if (p.A == 0) {
        AddFatalMessage(ws, "Fatal  : A = 0 !");
        return PassEnd::kStopped;
    }
    const ShaftProfile& shaft = UpdateShaftProfile(ws.results.scratch.shaft, m, p);
    if (options.stresses && !StressStage(ws)) return PassEnd::kStopped;
    RawSlopes(m, p, shaft, t);
    return SlopeAndDeflection(ws, options.columns);
}

}  // namespace bxr
