#include "analysis/support_solvers.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/calc_state.h"
#include "analysis/check_input.h"
#include "analysis/linear_beam.h"
#include "analysis/reactions.h"
#include "analysis/support_rounds.h"

namespace bxr {

namespace {

const char* const kNotReached = "Fehler : Endwert C nicht erreicht";

}  // namespace

PassEnd FirstSolution(CalcState& ws, Real w0, const PassOptions& options) {
    const PassEnd end = SolveTwoSupports(ws, w0, options);
    if (end == PassEnd::kComplete && options.columns == PassColumns::kDeflection)
        TrackDeflectionRanges(ws);
    return end;
}

void StoreReaction(CalcState& ws, int support, Real ty, Real tz) {
    SupportReactions& r = ws.results.reactions;
    const auto s = static_cast<std::size_t>(support);
    r.Ry[s] = ty;
    r.Rz[s] = tz;
    r.R[s] = std::sqrt(ty * ty + tz * tz);
}

void ReportRounds(CalcState& ws, const LastRounds& last, int extra) {
    for (int level = 0; level < extra; ++level)
        if (last[static_cast<std::size_t>(level)] == kMaxRounds) AddMessage(ws, kNotReached);
}

namespace {

// ---------------------------------------------------------------------------------------
// The literal method: a full pass for every round of every level.

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
    // A pass that ended early leaves no deflection to test: the bisection stops with it. A
    // round is a full pass: a cancel from another thread is seen at each.
    while (end == PassEnd::kComplete) {
        if (AbortPolled(ws)) {
            end = PassEnd::kStopped;
            break;
        }
        ++rounds;
        ty = (loY + hiY) / 2;
        tz = (loZ + hiZ) / 2;
        m.pointLoads[slot].f = ty;
        m.pointLoads[slot + 1].f = tz;
        end = level == 0 ? SolveTwoSupports(ws, w0, options)
                         : ExtraLiteral(ws, w0, level - 1, options, last);
        if (end != PassEnd::kComplete) break;
        const Station& s = ws.results.stations[k];
        const Real dy = Travel(ws, support, s.w_xy, ty);
        const Real dz = Travel(ws, support, s.w_xz, tz);
        Narrow(loY, hiY, ty, dy);
        Narrow(loZ, hiZ, tz, dz);
        if ((std::fabs(dy) <= tolY && std::fabs(dz) <= tolZ) || rounds == kMaxRounds) break;
    }
    StoreReaction(ws, support, ty, tz);
    m.pointLoadCount -= 2;
    last[static_cast<std::size_t>(level)] = rounds;
    return end;
}

PassEnd Literal(CalcState& ws, Real w0, int extra, const PassOptions& options) {
    LastRounds last{};
    const PassEnd end = ExtraLiteral(ws, w0, extra - 1, options, last);
    ReportRounds(ws, last, extra);
    return end;
}

}  // namespace

PassEnd SolveExtraSupports(CalcState& ws, Real w0, int extra, SolveMethod method,
                           const PassOptions& options) {
    if (method == SolveMethod::kLiteral) return Literal(ws, w0, extra, options);
    return SolveExtraFast(ws, w0, extra, options);
}

PassEnd SolveTwoSupports(CalcState& ws, Real w0, const PassOptions& options) {
    SolveReactions(ws, w0);
    if (ws.model.supportType == kAngularContactPair) {
        AddBearingMoments(ws);
        SolveReactions(ws, w0);
    }
    return ForcePass(ws, w0, options);
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
