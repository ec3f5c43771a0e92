#include "analysis/support_solvers.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/check_input.h"
#include "analysis/reactions.h"
#include "analysis/stresses.h"
#include "analysis/calc_state.h"

namespace bxr {

namespace {

constexpr int kMaxRounds = 31;
const char* const kNotReached = "Fehler : Endwert C nicht erreicht";

PassEnd SolveTwo(CalcState& ws, Real w0, const PassOptions& options) {
    SolveReactions(ws, w0);
    if (ws.model.supportType == kAngularContactPair) {
        AddBearingMoments(ws);
        SolveReactions(ws, w0);
    }
    return ForcePass(ws, w0, options);
}

// The first solution of a level: the pass without the extra supports' forces. A pass that
// wrote the deflection only has not tracked its range, which the level's limits come from.
PassEnd FirstSolution(CalcState& ws, Real w0, const PassOptions& options) {
    const PassEnd end = SolveTwo(ws, w0, options);
    if (end == PassEnd::kComplete && options.columns == PassColumns::kDeflection)
        TrackDeflectionRanges(ws);
    return end;
}

// Deflection at a support as the bisection tests it: plus the spring travel when the
// support stiffness is on.
Real Travel(const CalcState& ws, int support, Real deflection, Real trial) {
    const Real c = ws.results.supportStiffness[static_cast<std::size_t>(support)];
    if (ws.model.supportStiffnessOn && c != 0) return trial / c + deflection;
    return deflection;
}

void StoreReaction(CalcState& ws, int support, Real ty, Real tz) {
    SupportReactions& r = ws.results.reactions;
    const auto s = static_cast<std::size_t>(support);
    r.Ry[s] = ty;
    r.Rz[s] = tz;
    r.R[s] = std::sqrt(ty * ty + tz * tz);
}

// ---------------------------------------------------------------------------------------
// The literal method: a full pass for every round of every level.

// Rounds of the last call of each level: the calls whose results are kept.
using LastRounds = std::array<int, 3>;

PassEnd ExtraLiteral(CalcState& ws, Real w0, int level, const PassOptions& options,
                     LastRounds& last) {
    BeamModel& m = ws.model;
    const int support = kSupportC + level;
    const Real x = m.supportX[static_cast<std::size_t>(support)];

    PassEnd end = FirstSolution(ws, w0, options);
    const int k = PointIndex(m, x);
    const ExtremeValues& e = ws.results.extremes;
    const Real tolY = (e.w_xy.max - e.w_xy.min) * m.iterationEps;
    const Real tolZ = (e.w_xz.max - e.w_xz.min) * m.iterationEps;
    const SupportReactions& r = ws.results.reactions;
    const Real by = std::max(std::fabs(r.Ry[kSupportA]), std::fabs(r.Ry[kSupportB]));
    const Real bz = std::max(std::fabs(r.Rz[kSupportA]), std::fabs(r.Rz[kSupportB]));
    Real loY = -5 * by, hiY = 5 * by, loZ = -5 * bz, hiZ = 5 * bz;

    const int slot = m.pointLoadCount + 1;
    m.pointLoads[slot] = PointLoad{0, x, 0, ""};
    m.pointLoads[slot + 1] = PointLoad{0, x, 90, ""};
    m.pointLoadCount += 2;

    int rounds = 0;
    Real ty = 0, tz = 0;
    // A pass that ended early leaves no deflection to test: the bisection stops with it.
    while (end == PassEnd::kComplete) {
        ++rounds;
        ty = (loY + hiY) / 2;
        tz = (loZ + hiZ) / 2;
        m.pointLoads[slot].f = ty;
        m.pointLoads[slot + 1].f = tz;
        end =
            level == 0 ? SolveTwo(ws, w0, options) : ExtraLiteral(ws, w0, level - 1, options, last);
        if (end != PassEnd::kComplete) break;
        const Station& s = ws.results.stations[k];
        const Real dy = Travel(ws, support, s.w_xy, ty);
        const Real dz = Travel(ws, support, s.w_xz, tz);
        if (dy > 0)
            hiY = ty;
        else
            loY = ty;
        if (dz > 0)
            hiZ = tz;
        else
            loZ = tz;
        if ((std::fabs(dy) <= tolY && std::fabs(dz) <= tolZ) || rounds == kMaxRounds) break;
    }
    StoreReaction(ws, support, ty, tz);
    m.pointLoadCount -= 2;
    last[static_cast<std::size_t>(level)] = rounds;
    return end;
}

// The message for a level that needed all rounds. Only the calls whose results are kept
// count: an inner level may well run out of its bracket while an outer level tries a far-off
// trial force, and that says nothing about the result.
void ReportRounds(CalcState& ws, const LastRounds& last, int extra) {
    for (int level = 0; level < extra; ++level)
        if (last[static_cast<std::size_t>(level)] == kMaxRounds) AddMessage(ws, kNotReached);
}

PassEnd Literal(CalcState& ws, Real w0, int extra, const PassOptions& options) {
    LastRounds last{};
    const PassEnd end = ExtraLiteral(ws, w0, extra - 1, options, last);
    ReportRounds(ws, last, extra);
    return end;
}

// ---------------------------------------------------------------------------------------
// The fast method. Source 0 is the beam with its loads; sources 1 + 2·level + plane are a
// unit force at support C, D or E in y (plane 0) or z (plane 1). Everything the rounds look
// at is a combination of the sources with the trial forces as factors: the reactions of A
// and B, the sum of the raw slopes between A and B, and the raw deflection D(k) = W(k) -
// W(kRef) with W the running sum of raw slope times dx. The slope constant C follows from
// the sum by the same bisection as in the pass, and w(k) = D(k) - C·(k - kRef)·dx.

constexpr int kMaxSources = 7;

class LinearBeam {
  public:
    LinearBeam(CalcState& ws, Real w0, int extra) : ws_(ws), w0_(w0), extra_(extra) {}

    // False when the answer of a unit force cannot be worked out (the caller then uses the
    // literal method).
    bool Build(const SupportPoints& sp) {
        const BeamModel& m = ws_.model;
        n_ = m.segmentCount;
        dx_ = m.length / n_;
        sp_ = sp;
        count_ = sp.kHigh - sp.kLow + 1;
        sources_ = 1 + 2 * extra_;
        auto& values = ws_.results.scratch.values;
        const std::size_t stride = kMaxStations;
        const std::size_t need = (kMaxSources * 2 + 2) * stride;
        if (values.size() < need) values.assign(need, 0);
        raw_[0] = values.data() + kMaxSources * 2 * stride;
        raw_[1] = raw_[0] + stride;
        for (int s = 0; s < sources_; ++s)
            for (int p = 0; p < 2; ++p)
                d_[s][p] = values.data() + (static_cast<std::size_t>(s) * 2 + p) * stride;
        auto& approx = ws_.results.scratch.approx;
        if (approx.size() < need) approx.assign(need, 0);
        approxW_ = approx.data() + kMaxSources * 2 * stride;
        for (int s = 0; s < sources_; ++s)
            for (int p = 0; p < 2; ++p)
                approxD_[s][p] = approx.data() + (static_cast<std::size_t>(s) * 2 + p) * stride;

        StationTable& t = ws_.results.scratch.table;
        const SectionProperties& props = ws_.section.props;
        // The loads with the reactions of the first solution.
        {
            const SupportReactions& r = ws_.results.reactions;
            ShearAndMoment(m, LoadRange::All(m), r, w0_, t, nullptr, PassColumns::kDeflection);
            Store(0, r, props, t);
        }
        // A unit force at each extra support, written to the last slot of the list.
        BeamModel& mm = ws_.model;
        const PointLoad saved = mm.pointLoads[kPointLoadRoom];
        bool ok = true;
        for (int level = 0; level < extra_ && ok; ++level) {
            for (int plane = 0; plane < 2 && ok; ++plane) {
                mm.pointLoads[kPointLoadRoom] =
                    PointLoad{1, m.supportX[static_cast<std::size_t>(kSupportC + level)],
                              plane == 0 ? Real(0) : Real(90), ""};
                SupportReactions r;
                CalcMessages quiet;
                const LoadRange one = LoadRange::OnePointLoad(kPointLoadRoom);
                ok = ComputeReactions(mm, one, w0_, r, quiet);
                ShearAndMoment(mm, one, r, w0_, t, nullptr, PassColumns::kDeflection);
                Store(1 + 2 * level + plane, r, props, t);
            }
        }
        mm.pointLoads[kPointLoadRoom] = saved;
        return ok;
    }

    // The literal rounds replayed. Returns false when a slope constant could not be found.
    bool Run(std::array<Real, kMaxSources>& trial, LastRounds& last) {
        trial.fill(0);
        trial[0] = 1;
        return Level(extra_ - 1, trial, last, true);
    }

  private:
    void Store(int source, const SupportReactions& r, const SectionProperties& props,
               const StationTable& t) {
        ry_[source][0] = r.Ry[kSupportA];
        ry_[source][1] = r.Ry[kSupportB];
        rz_[source][0] = r.Rz[kSupportA];
        rz_[source][1] = r.Rz[kSupportB];
        RawSlopesInto(ws_.model, props, t, raw_[0], raw_[1]);
        for (int p = 0; p < 2; ++p) {
            const Real* raw = raw_[p];
            Real sum = 0;
            for (int k = sp_.kLow; k <= sp_.kHigh; ++k) sum += raw[k];
            sum_[source][p] = sum;
            Real* d = d_[source][p];
            Real w = 0;
            d[0] = 0;
            for (int k = 1; k <= n_; ++k) {
                w += raw[k] * dx_;
                d[k] = w;
            }
            const Real ref = d[sp_.kRef];
            Real largest = 0;
            for (int k = 0; k <= n_; ++k) {
                d[k] -= ref;
                largest = std::max(largest, std::fabs(d[k]));
            }
            largest_[source][p] = largest;
            double* dd = approxD_[source][p];
            for (int k = 0; k <= n_; ++k) dd[k] = static_cast<double>(d[k]);
            zero_[source][p] = largest == 0 && sum == 0;
        }
    }

    Real Sum(int p, const std::array<Real, kMaxSources>& tr) const {
        Real s = 0;
        for (int i = 0; i < sources_; ++i)
            if (tr[i] != 0 && !zero_[i][p]) s += tr[i] * sum_[i][p];
        return s;
    }
    Real D(int p, int k, const std::array<Real, kMaxSources>& tr) const {
        Real s = 0;
        for (int i = 0; i < sources_; ++i)
            if (tr[i] != 0 && !zero_[i][p]) s += tr[i] * d_[i][p][k];
        return s;
    }
    bool Constant(Real sum, Real& c) const {
        if (!std::isfinite(sum)) return false;
        return SlopeConstant(sum, count_, c);
    }

    // Deflection of plane p at point k, with the slope constant found by bisection.
    bool Exact(int p, int k, const std::array<Real, kMaxSources>& tr, Real& w) const {
        Real c = 0;
        if (!Constant(Sum(p, tr), c)) return false;
        w = D(p, k, tr) - c * (k - sp_.kRef) * dx_;
        return true;
    }

    // The deflection as the bisection round tests it. The slope constant is first taken as
    // sum/count, which the bisection of the pass reaches to within rounding; so the sign and
    // the comparison with the limit are settled unless the value lies within a rounding
    // bound of 0 or of the limit, and only then is the constant bisected.
    bool Tested(int p, int k, int support, Real t, Real limit,
                const std::array<Real, kMaxSources>& tr, Real& value) const {
        const Real sum = Sum(p, tr);
        if (!std::isfinite(sum) || !(std::fabs(sum) / count_ < 1e28L)) return false;
        const Real guess = sum / count_;
        const Real lever = (k - sp_.kRef) * dx_;
        value = Travel(ws_, support, D(p, k, tr) - guess * lever, t);
        Real scale = std::fabs(guess) * n_ * dx_;
        for (int i = 0; i < sources_; ++i) scale += std::fabs(tr[i]) * largest_[i][p];
        const Real bound = 1e-12L * scale;
        const Real a = std::fabs(value);
        if (a > bound && std::fabs(a - limit) > bound) return true;
        Real w = 0;
        if (!Exact(p, k, tr, w)) return false;
        value = Travel(ws_, support, w, t);
        return true;
    }

    // The deflection limits of a first solution: (largest - smallest w)·eps, with the
    // extremes held as the trackers hold them. The inner levels ask for them in every round of
    // the outer ones, so the points are first scanned in double precision; only the points
    // within the error bound of that scan's extremes are then worked out in full.
    bool Limits(const std::array<Real, kMaxSources>& tr, Real& tolY, Real& tolZ) const {
        Real* tol[2] = {&tolY, &tolZ};
        for (int p = 0; p < 2; ++p) {
            Real c = 0;
            if (!Constant(Sum(p, tr), c)) return false;
            int active[kMaxSources];
            int activeCount = 0;
            Real scale = std::fabs(c) * n_ * dx_;
            for (int i = 0; i < sources_; ++i) {
                if (tr[i] == 0 || zero_[i][p]) continue;
                active[activeCount++] = i;
                scale += std::fabs(tr[i]) * largest_[i][p];
            }
            auto exact = [&](int k) {
                Real w = 0;
                for (int a = 0; a < activeCount; ++a) w += tr[active[a]] * d_[active[a]][p][k];
                return w - c * (k - sp_.kRef) * dx_;
            };

            double* w = approxW_;
            const double cd = static_cast<double>(c), dxd = static_cast<double>(dx_);
            for (int k = 1; k <= n_; ++k) w[k] = -(cd * (k - sp_.kRef)) * dxd;
            for (int a = 0; a < activeCount; ++a) {
                const double t = static_cast<double>(tr[active[a]]);
                const double* dd = approxD_[active[a]][p];
                for (int k = 1; k <= n_; ++k) w[k] += t * dd[k];
            }
            double top = -HUGE_VAL, bottom = HUGE_VAL;
            for (int k = 1; k <= n_; ++k) {
                top = std::max(top, w[k]);
                bottom = std::min(bottom, w[k]);
            }
            // Each value of the scan lies within (sources + 3)·2^-53·scale of the full one.
            const double bound = 2e-14 * static_cast<double>(scale);
            const bool trusted =
                std::isfinite(bound) && std::isfinite(top) && std::isfinite(bottom);
            Real hi = -1e30L, lo = 1e30L;
            for (int k = 1; k <= n_; ++k) {
                const bool nearTop = !trusted || w[k] >= top - bound;
                const bool nearBottom = !trusted || w[k] <= bottom + bound;
                if (!nearTop && !nearBottom) continue;
                const Real v = exact(k);
                if (nearTop) hi = std::max(hi, v);
                if (nearBottom) lo = std::min(lo, v);
            }
            *tol[p] = (RoundToReal48(hi) - RoundToReal48(lo)) * ws_.model.iterationEps;
        }
        return true;
    }

    bool Level(int level, std::array<Real, kMaxSources>& tr, LastRounds& last, bool outermost) {
        const BeamModel& m = ws_.model;
        const int support = kSupportC + level;
        const int k = PointIndex(m, m.supportX[static_cast<std::size_t>(support)]);
        for (int inner = 0; inner <= level; ++inner) tr[1 + 2 * inner] = tr[2 + 2 * inner] = 0;

        Real tolY = 0, tolZ = 0;
        if (outermost) {
            // The first solution is the real pass that has just run.
            const ExtremeValues& e = ws_.results.extremes;
            tolY = (e.w_xy.max - e.w_xy.min) * m.iterationEps;
            tolZ = (e.w_xz.max - e.w_xz.min) * m.iterationEps;
        } else if (!Limits(tr, tolY, tolZ)) {
            return false;
        }
        Real ray = 0, rby = 0, raz = 0, rbz = 0;
        for (int i = 0; i < sources_; ++i) {
            if (tr[i] == 0) continue;
            ray += tr[i] * ry_[i][0];
            rby += tr[i] * ry_[i][1];
            raz += tr[i] * rz_[i][0];
            rbz += tr[i] * rz_[i][1];
        }
        if (outermost) {
            const SupportReactions& r = ws_.results.reactions;
            ray = r.Ry[kSupportA];
            rby = r.Ry[kSupportB];
            raz = r.Rz[kSupportA];
            rbz = r.Rz[kSupportB];
        }
        const Real by = std::max(std::fabs(ray), std::fabs(rby));
        const Real bz = std::max(std::fabs(raz), std::fabs(rbz));
        Real loY = -5 * by, hiY = 5 * by, loZ = -5 * bz, hiZ = 5 * bz;
        int rounds = 0;
        while (true) {
            ++rounds;
            const Real ty = (loY + hiY) / 2;
            const Real tz = (loZ + hiZ) / 2;
            tr[1 + 2 * level] = ty;
            tr[2 + 2 * level] = tz;
            if (level > 0 && !Level(level - 1, tr, last, false)) return false;
            Real dy = 0, dz = 0;
            if (!Tested(0, k, support, ty, tolY, tr, dy)) return false;
            if (!Tested(1, k, support, tz, tolZ, tr, dz)) return false;
            if (dy > 0)
                hiY = ty;
            else
                loY = ty;
            if (dz > 0)
                hiZ = tz;
            else
                loZ = tz;
            if ((std::fabs(dy) <= tolY && std::fabs(dz) <= tolZ) || rounds == kMaxRounds) break;
        }
        last[static_cast<std::size_t>(level)] = rounds;
        return true;
    }

    CalcState& ws_;
    Real w0_;
    int extra_;
    int n_ = 0;
    Real dx_ = 0;
    SupportPoints sp_;
    int count_ = 1;
    int sources_ = 1;
    Real* raw_[2] = {nullptr, nullptr};
    Real* d_[kMaxSources][2] = {};
    Real sum_[kMaxSources][2] = {};
    Real largest_[kMaxSources][2] = {};
    bool zero_[kMaxSources][2] = {};
    double* approxD_[kMaxSources][2] = {};  // the raw deflections in double
    double* approxW_ = nullptr;             // the scan of Limits
    Real ry_[kMaxSources][2] = {};
    Real rz_[kMaxSources][2] = {};
};

PassEnd ExtraFast(CalcState& ws, Real w0, int extra, const PassOptions& options) {
    BeamModel& m = ws.model;
    // The first solution, as the outermost level makes it; only its reactions and the range
    // of its deflections are read.
    PassEnd end = FirstSolution(ws, w0, PassOptions{false, PassColumns::kDeflection});
    SupportPoints sp;
    if (end != PassEnd::kComplete || (options.stresses && !StressModeValid(m)) ||
        !FindSupportPoints(ws, sp))
        return Literal(ws, w0, extra, options);

    LinearBeam beam(ws, w0, extra);
    std::array<Real, kMaxSources> trial{};
    LastRounds last{};
    if (!beam.Build(sp) || !beam.Run(trial, last)) return Literal(ws, w0, extra, options);

    // The last round of the literal method: every level's temporary forces at their last
    // trial values, outermost first.
    const int before = m.pointLoadCount;
    for (int level = extra - 1; level >= 0; --level) {
        const Real x = m.supportX[static_cast<std::size_t>(kSupportC + level)];
        m.pointLoads[++m.pointLoadCount] = PointLoad{trial[1 + 2 * level], x, 0, ""};
        m.pointLoads[++m.pointLoadCount] = PointLoad{trial[2 + 2 * level], x, 90, ""};
    }
    end = SolveTwo(ws, w0, options);
    m.pointLoadCount = before;
    for (int level = 0; level < extra; ++level)
        StoreReaction(ws, kSupportC + level, trial[1 + 2 * level], trial[2 + 2 * level]);
    ReportRounds(ws, last, extra);
    return end;
}

}  // namespace

PassEnd SolveExtraSupports(CalcState& ws, Real w0, int extra, SolveMethod method,
                           const PassOptions& options) {
    if (method == SolveMethod::kLiteral) return Literal(ws, w0, extra, options);
    return ExtraFast(ws, w0, extra, options);
}

PassEnd SolveTwoSupports(CalcState& ws, Real w0, const PassOptions& options) {
    return SolveTwo(ws, w0, options);
}

PassEnd SolveThreeSupports(CalcState& ws, Real w0) {
    return SolveExtraSupports(ws, w0, 1, ws.results.method, PassOptions{});
}
PassEnd SolveFourSupports(CalcState& ws, Real w0) {
    return SolveExtraSupports(ws, w0, 2, ws.results.method, PassOptions{});
}
PassEnd SolveFiveSupports(CalcState& ws, Real w0) {
    return SolveExtraSupports(ws, w0, 3, ws.results.method, PassOptions{});
}

PassEnd SolveBySupportType(CalcState& ws, Real w0) {
    return SolveBySupportType(ws, w0, PassOptions{});
}

PassEnd SolveBySupportType(CalcState& ws, Real w0, const PassOptions& options) {
    switch (ws.model.supportType) {
        case kThreeHinges:
            return SolveExtraSupports(ws, w0, 1, ws.results.method, options);
        case kFourHinges:
            return SolveExtraSupports(ws, w0, 2, ws.results.method, options);
        case kFiveHinges:
            return SolveExtraSupports(ws, w0, 3, ws.results.method, options);
        default:
            SolveReactions(ws, w0);
            return ForcePass(ws, w0, options);
    }
}

}  // namespace bxr
