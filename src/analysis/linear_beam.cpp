#include "analysis/linear_beam.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "analysis/calc_state.h"
#include "analysis/check_input.h"
#include "analysis/reactions.h"
#include "analysis/stresses.h"
#include "analysis/support_rounds.h"
#include "analysis/support_solvers.h"

namespace bxr {

namespace {

// Source 0 is the beam with its loads; sources 1 + 2·level + plane are a unit force at support
// C, D or E in y (plane 0) or z (plane 1). Everything the rounds look at is a combination of
// the sources with the trial forces as factors: the reactions of A and B, the sum of the raw
// slopes between A and B, and the raw deflection D(k) = W(k) - W(kRef) with W the running sum
// of raw slope times dx. The slope constant C follows from the sum by the same bisection as in
// the pass, and w(k) = D(k) - C·(k - kRef)·dx.

constexpr int kMaxSources = 7;
// The points 1..n in blocks of this many segments for the scans of Limits.
constexpr int kBlock = 32;
constexpr int kMaxBlocks = (kMaxSegments + kBlock - 1) / kBlock;

class LinearBeam {
  public:
    LinearBeam(CalcState& ws, Real w0, int extra) : ws_(ws), w0_(w0), extra_(extra) {}

    // Made right after the first solution, whose pass is in the station table. False when
    // the answer of a unit force cannot be worked out (the caller then uses the literal
    // method).
    bool Build(const SupportPoints& sp) {
        const BeamModel& m = ws_.model;
        n_ = m.segmentCount;
        dx_ = m.length / n_;
        sp_ = sp;
        count_ = sp.kHigh - sp.kLow + 1;
        sources_ = 1 + 2 * extra_;
        blocks_ = (n_ - 1 + kBlock - 1) / kBlock;
        // The point where the deflection at each extra support is read; point 0 shows the
        // values of point 1.
        for (int level = 0; level < extra_; ++level)
            point_[level] =
                std::max(1, PointIndex(m, m.supportX[static_cast<std::size_t>(kSupportC + level)]));
        auto& values = ws_.results.scratch.values;
        const std::size_t stride = kMaxStations;
        const std::size_t need = (kMaxSources * 2 + 2) * stride;
        values.EnsureZeroed(need);
        raw_[0] = values.data() + kMaxSources * 2 * stride;
        raw_[1] = raw_[0] + stride;
        for (int s = 0; s < sources_; ++s)
            for (int p = 0; p < 2; ++p)
                d_[s][p] = values.data() + (static_cast<std::size_t>(s) * 2 + p) * stride;
        auto& approx = ws_.results.scratch.approx;
        const std::size_t needApprox = need + kMaxSources * 2 * kMaxBlocks;
        approx.EnsureZeroed(needApprox);
        approxW_ = approx.data() + kMaxSources * 2 * stride;
        for (int s = 0; s < sources_; ++s)
            for (int p = 0; p < 2; ++p) {
                const std::size_t i = static_cast<std::size_t>(s) * 2 + p;
                approxD_[s][p] = approx.data() + i * stride;
                bend_[s][p] = approx.data() + need + i * kMaxBlocks;
            }

        StationTable& t = ws_.results.scratch.table;
        const SectionProperties& props = ws_.section.props;
        // The loads with the reactions of the first solution: the moments of its pass, which
        // has just run.
        Store(0, ws_.results.reactions, props, ws_.results.stations);
        // A unit force at each extra support, written to the last slot of the list, unless
        // the answers are those of the solution before.
        SolverScratch::UnitAnswers& kept = ws_.results.scratch.unitAnswers;
        const std::array<Real, 24> key = UnitKey(props);
        if (kept.valid && kept.key == key) {
            for (int i = 1; i < sources_; ++i) {
                for (int p = 0; p < 2; ++p) {
                    sum_[i][p] = kept.sum[i - 1][p];
                    largest_[i][p] = kept.largest[i - 1][p];
                    zero_[i][p] = kept.zero[i - 1][p];
                }
                ry_[i][0] = kept.ry[i - 1][0];
                ry_[i][1] = kept.ry[i - 1][1];
                rz_[i][0] = kept.rz[i - 1][0];
                rz_[i][1] = kept.rz[i - 1][1];
            }
            return true;
        }
        kept.valid = false;
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
        if (ok) {
            for (int i = 1; i < sources_; ++i) {
                for (int p = 0; p < 2; ++p) {
                    kept.sum[i - 1][p] = sum_[i][p];
                    kept.largest[i - 1][p] = largest_[i][p];
                    kept.zero[i - 1][p] = zero_[i][p];
                }
                kept.ry[i - 1][0] = ry_[i][0];
                kept.ry[i - 1][1] = ry_[i][1];
                kept.rz[i - 1][0] = rz_[i][0];
                kept.rz[i - 1][1] = rz_[i][1];
            }
            kept.key = key;
            kept.valid = true;
        }
        return ok;
    }

    // The literal rounds replayed. Returns false when a slope constant could not be found or
    // the calculation was cancelled.
    bool Run(std::array<Real, kMaxSources>& trial, LastRounds& last) {
        trial.fill(0);
        trial[0] = 1;
        return Level(extra_ - 1, trial, last, true);
    }

    bool Cancelled() const { return cancelled_; }

  private:
    // Everything the answers to the unit forces depend on.
    std::array<Real, 24> UnitKey(const SectionProperties& props) const {
        const BeamModel& m = ws_.model;
        return {m.length,
                Real(n_),
                Real(m.supportType),
                m.supportX[0],
                m.supportX[1],
                m.supportX[2],
                m.supportX[3],
                m.supportX[4],
                m.material.e,
                props.Izeta,
                props.Ieta,
                props.I1,
                props.I2,
                props.phi,
                w0_,
                Real(sp_.kRef),
                Real(sp_.kLow),
                Real(sp_.kHigh),
                Real(extra_),
                Real(sources_),
                Real(blocks_),
                Real(count_),
                dx_,
                0};
    }

    void Store(int source, const SupportReactions& r, const SectionProperties& props,
               const StationTable& t) {
        ry_[source][0] = r.Ry[kSupportA];
        ry_[source][1] = r.Ry[kSupportB];
        rz_[source][0] = r.Rz[kSupportA];
        rz_[source][1] = r.Rz[kSupportB];
        const ShaftProfile& shaft = UpdateShaftProfile(ws_.results.scratch.shaft, ws_.model, props);
        RawSlopesInto(ws_.model, props, shaft, t, raw_[0], raw_[1]);
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
            // How far the double deflection strays from the chord of each block, with room
            // for the rounding of this very reckoning.
            double* bend = bend_[source][p];
            for (int b = 0; b < blocks_; ++b) {
                const int first = BlockEnd(b), last = BlockEnd(b + 1);
                const Real a = dd[first], z = dd[last];
                Real most = 0, size = std::max(std::fabs(a), std::fabs(z));
                for (int k = first + 1; k < last; ++k) {
                    const Real chord = a + (z - a) * (k - first) / (last - first);
                    most = std::max(most, std::fabs(dd[k] - chord));
                    size = std::max(size, std::fabs(Real(dd[k])));
                }
                bend[b] = static_cast<double>(most * (1 + 1e-9L) + 1e-15L * size);
            }
        }
    }

    // The points 1..n: block b runs from BlockEnd(b) to BlockEnd(b + 1).
    int BlockEnd(int b) const { return std::min(n_, 1 + b * kBlock); }

    // A level's sums over the sources: the part of the sources that stay fixed during its
    // rounds (the loads and the outer levels' forces) is added once.
    // The tested deflection is linear in the varying sources too: with the slope constant
    // taken as sum/count it is value + Σ tr_i·slope_i, plus the spring travel of the own
    // trial force, and the terms it is made of are at most size + Σ |tr_i|·growth_i.
    struct Fixed {
        Real sum[2] = {0, 0};
        Real d[2] = {0, 0};
        Real scale[2] = {0, 0};
        int firstVarying = 1;  // sources 1..2·(level + 1) change from round to round
        int lastVarying = 0;
        Real value[2] = {0, 0};
        Real size[2] = {0, 0};
        Real slope[kMaxSources][2] = {};
        Real growth[kMaxSources][2] = {};
        Real sumOf[kMaxSources][2] = {};
        Real sumLimit = 0;  // a sum below it is finite and its mean well inside the bracket
    };

    Fixed FixedPart(int level, int k, int support, const std::array<Real, kMaxSources>& tr) const {
        Fixed f;
        f.lastVarying = 2 * (level + 1);
        for (int i = 0; i < sources_; ++i) {
            if (i >= f.firstVarying && i <= f.lastVarying) continue;
            for (int p = 0; p < 2; ++p) {
                if (tr[i] == 0 || zero_[i][p]) continue;
                f.sum[p] += tr[i] * sum_[i][p];
                f.d[p] += tr[i] * d_[i][p][k];
                f.scale[p] += std::fabs(tr[i]) * largest_[i][p];
            }
        }
        f.sumLimit = 1e27L * count_;
        const Real lever = (k - sp_.kRef) * dx_;
        const Real span = n_ * dx_;
        const Real c = ws_.results.supportStiffness[static_cast<std::size_t>(support)];
        const bool spring = ws_.model.supportStiffnessOn && c != 0;
        for (int p = 0; p < 2; ++p) {
            f.value[p] = f.d[p] - f.sum[p] / count_ * lever;
            f.size[p] = f.scale[p] + std::fabs(f.sum[p]) / count_ * span;
            for (int i = f.firstVarying; i <= f.lastVarying; ++i) {
                f.sumOf[i][p] = zero_[i][p] ? 0 : sum_[i][p];
                f.slope[i][p] = d_[i][p][k] - sum_[i][p] / count_ * lever;
                f.growth[i][p] = largest_[i][p] + std::fabs(sum_[i][p]) / count_ * span;
            }
            if (spring) f.slope[1 + 2 * level + p][p] += 1 / c;
        }
        return f;
    }

    // Sum of the raw slopes and raw deflection at the level's point for plane p, and the
    // size of the terms that make up the deflection.
    void Combined(const Fixed& f, int p, int k, const std::array<Real, kMaxSources>& tr, Real& sum,
                  Real& d, Real& scale) const {
        sum = f.sum[p];
        d = f.d[p];
        scale = f.scale[p];
        for (int i = f.firstVarying; i <= f.lastVarying; ++i) {
            if (tr[i] == 0 || zero_[i][p]) continue;
            sum += tr[i] * sum_[i][p];
            d += tr[i] * d_[i][p][k];
            scale += std::fabs(tr[i]) * largest_[i][p];
        }
    }

    Real Sum(int p, const std::array<Real, kMaxSources>& tr) const {
        Real s = 0;
        for (int i = 0; i < sources_; ++i)
            if (tr[i] != 0 && !zero_[i][p]) s += tr[i] * sum_[i][p];
        return s;
    }
    bool Constant(Real sum, Real& c) const {
        if (!std::isfinite(sum)) return false;
        return SlopeConstant(sum, count_, c);
    }

    // The deflection as the bisection round tests it. The slope constant is first taken as
    // sum/count, which the bisection of the pass reaches to within rounding; so the sign and
    // the comparison with the limit are settled unless the value lies within a rounding
    // bound of 0 or of the limit (of the range limitLow..limitHigh it is known to lie in),
    // and only then is the constant bisected.
    bool Tested(const Fixed& f, int p, int k, int support, Real t, Real limitLow, Real limitHigh,
                const std::array<Real, kMaxSources>& tr, Real& value) const {
        {
            // The linear form, and a bound that is never below the one of the sum below.
            // (A sum that is not finite, or a factor that is, leaves no number that passes.)
            Real sum = f.sum[p], v = f.value[p], size = f.size[p];
            for (int i = f.firstVarying; i <= f.lastVarying; ++i) {
                const Real t = tr[i];
                sum += t * f.sumOf[i][p];
                v += t * f.slope[i][p];
                size += std::fabs(t) * f.growth[i][p];
            }
            const Real bound = 1.000001e-12L * size;
            const Real a = std::fabs(v);
            if (std::fabs(sum) < f.sumLimit && a > bound &&
                (a < limitLow - bound || a > limitHigh + bound)) {
                value = v;
                return true;
            }
            // A plane without load at these trial forces (as z of the natural frequency's
            // solutions on a section without principal direction): its deflection is exactly 0,
            // as the reckoning below would find it.
            if (size == 0 && v == 0 && sum == 0) {
                value = 0;
                return true;
            }
        }
        Real sum = 0, d = 0, scale = 0;
        Combined(f, p, k, tr, sum, d, scale);
        if (!std::isfinite(sum) || !(std::fabs(sum) / count_ < 1e28L)) return false;
        const Real guess = sum / count_;
        const Real lever = (k - sp_.kRef) * dx_;
        value = Travel(ws_, support, d - guess * lever, t);
        scale += std::fabs(guess) * n_ * dx_;
        const Real bound = 1e-12L * scale;
        const Real a = std::fabs(value);
        if (a > bound && (a < limitLow - bound || a > limitHigh + bound)) return true;
        // The bisected constant lies within a few units in the last place of sum/count (for a
        // sum its bisection is sure to settle), so the value it gives differs from this one by
        // far less than 1e-16 of the terms: a value that far from 0 and from the limits is
        // decided as the constant would decide it.
        if (sum == 0 || std::fabs(guess) > 1e-180L) {
            const Real near = 1e-16L * (std::fabs(d) + std::fabs(guess * lever) +
                                        std::fabs(Travel(ws_, support, 0, t)));
            if (a > near && (a < limitLow - near || a > limitHigh + near)) return true;
        }
        Real c = 0;
        if (!Constant(sum, c)) return false;
        value = Travel(ws_, support, d - c * lever, t);
        return true;
    }

    // For the innermost level, whose tested deflection is linear in its own two trial forces:
    // +1 or -1 when the deflection of plane p has that sign and lies beyond the limit all over
    // the brackets (it does so at their corners, with room for the rounding bound of the
    // largest terms there), so that every round decides it the same way and never finds it
    // within the limit; 0 otherwise.
    int OneSided(const Fixed& f, int p, Real loY, Real hiY, Real loZ, Real hiZ,
                 Real limitHigh) const {
        const Real ys[2] = {loY, hiY}, zs[2] = {loZ, hiZ};
        Real v[4], size = 0;
        for (int c = 0; c < 4; ++c) {
            const Real ty = ys[c / 2], tz = zs[c % 2];
            const Real sum = f.sum[p] + ty * f.sumOf[1][p] + tz * f.sumOf[2][p];
            if (!(std::fabs(sum) < f.sumLimit)) return 0;
            v[c] = f.value[p] + ty * f.slope[1][p] + tz * f.slope[2][p];
            size = std::max(
                size, f.size[p] + std::fabs(ty) * f.growth[1][p] + std::fabs(tz) * f.growth[2][p]);
        }
        const Real beyond = std::max(limitHigh, Real(0)) + 2e-12L * size;
        if (!std::isfinite(beyond)) return 0;
        bool above = true, below = true;
        for (const Real value : v) {
            above = above && value > beyond;
            below = below && value < -beyond;
        }
        return above ? 1 : below ? -1 : 0;
    }

    // Largest and smallest deflection of plane p over the points 1..n with the slope constant
    // c, each worked out in full. The points are first scanned in double precision, and only
    // those within the error bound of that scan's extremes are then worked out in full. The
    // scan itself looks at a block's points only when the block could hold one of them: the
    // deflection of each source strays from the chord of a block by at most its bend, so a
    // combination stays within the sum of the bends times the factors of the chord between
    // its ends.
    void Extremes(int p, const std::array<Real, kMaxSources>& tr, Real c, Real& hi,
                  Real& lo) const {
        int active[kMaxSources];
        int activeCount = 0;
        Real scale = std::fabs(c) * n_ * dx_;
        for (int i = 0; i < sources_; ++i) {
            if (tr[i] == 0 || zero_[i][p]) continue;
            active[activeCount++] = i;
            scale += std::fabs(tr[i]) * largest_[i][p];
        }
        double factor[kMaxSources];
        for (int a = 0; a < activeCount; ++a) factor[a] = static_cast<double>(tr[active[a]]);
        auto exact = [&](int k) {
            Real w = 0;
            for (int a = 0; a < activeCount; ++a) w += tr[active[a]] * d_[active[a]][p][k];
            return w - c * (k - sp_.kRef) * dx_;
        };
        const double cd = static_cast<double>(c), dxd = static_cast<double>(dx_);
        auto approx = [&](int k) {
            double w = -(cd * (k - sp_.kRef)) * dxd;
            for (int a = 0; a < activeCount; ++a) w += factor[a] * approxD_[active[a]][p][k];
            return w;
        };
        hi = -1e30L;
        lo = 1e30L;
        // Each value of the scan lies within (sources + 3)·2^-53·scale of the full one.
        const double bound = 2e-14 * static_cast<double>(scale);
        double* w = approxW_;
        double top = -HUGE_VAL, bottom = HUGE_VAL;
        for (int b = 0; b <= blocks_; ++b) {
            const int k = BlockEnd(b);
            w[k] = approx(k);
            top = std::max(top, w[k]);
            bottom = std::min(bottom, w[k]);
        }
        if (!std::isfinite(bound) || !std::isfinite(top) || !std::isfinite(bottom)) {
            for (int k = 1; k <= n_; ++k) {
                const Real v = exact(k);
                hi = std::max(hi, v);
                lo = std::min(lo, v);
            }
            return;
        }
        // A block is looked at when a point of it could come within the bound of the extremes
        // (the scan's own rounding at three points is well inside a second bound).
        bool forTop[kMaxBlocks], forBottom[kMaxBlocks];
        for (int b = 0; b < blocks_; ++b) {
            double stray = 0;
            for (int a = 0; a < activeCount; ++a)
                stray += std::fabs(factor[a]) * bend_[active[a]][p][b];
            const double left = w[BlockEnd(b)], right = w[BlockEnd(b + 1)];
            forTop[b] = std::max(left, right) + stray + bound >= top - bound;
            forBottom[b] = std::min(left, right) - stray - bound <= bottom + bound;
            if (!forTop[b] && !forBottom[b]) continue;
            // Source by source over the block, each point summed in the same order as approx.
            const int first = BlockEnd(b) + 1, last = BlockEnd(b + 1);
            for (int k = first; k < last; ++k) w[k] = -(cd * (k - sp_.kRef)) * dxd;
            for (int a = 0; a < activeCount; ++a) {
                const double f = factor[a];
                const double* dd = approxD_[active[a]][p];
                for (int k = first; k < last; ++k) w[k] += f * dd[k];
            }
            for (int k = first; k < last; ++k) {
                if (forTop[b]) top = std::max(top, w[k]);
                if (forBottom[b]) bottom = std::min(bottom, w[k]);
            }
        }
        auto take = [&](int k, bool nearTop, bool nearBottom) {
            nearTop = nearTop && w[k] >= top - bound;
            nearBottom = nearBottom && w[k] <= bottom + bound;
            if (!nearTop && !nearBottom) return;
            const Real v = exact(k);
            if (nearTop) hi = std::max(hi, v);
            if (nearBottom) lo = std::min(lo, v);
        };
        for (int b = 0; b <= blocks_; ++b) take(BlockEnd(b), true, true);
        for (int b = 0; b < blocks_; ++b) {
            if (!forTop[b] && !forBottom[b]) continue;
            for (int k = BlockEnd(b) + 1; k < BlockEnd(b + 1); ++k)
                take(k, forTop[b], forBottom[b]);
        }
    }

    // What an inner level's bounds take from the sources while the level above it runs. Its
    // deflection with the slope constant taken as sum/count is, at each block end, linear in
    // the two trial forces of the level above (the loads and the levels further out stay
    // fixed): the fixed part, and the part of each of the two forces, are worked out once for
    // all the rounds of the level above, and so are the bends of the fixed sources.
    struct Ends {
        double fixed[2][kMaxBlocks + 1];
        double own[2][2][kMaxBlocks + 1];  // [force][plane][block end], per unit force
        double stray[2][kMaxBlocks];
        Real sum[2] = {0, 0};   // of the raw slopes of the fixed sources
        Real size[2] = {0, 0};  // the largest terms of the fixed part
        Real scale[2] = {0, 0};
    };

    void PrepareEnds(int level, const std::array<Real, kMaxSources>& tr) {
        Ends& e = ends_[static_cast<std::size_t>(level - 1)];
        const Real span = n_ * dx_;
        const double dxd = static_cast<double>(dx_);
        for (int p = 0; p < 2; ++p) {
            int active[kMaxSources];
            double factor[kMaxSources];
            int activeCount = 0;
            e.sum[p] = 0;
            e.scale[p] = 0;
            for (int i = 0; i < sources_; ++i) {
                if ((i >= 1 && i <= 2 * (level + 1)) || tr[i] == 0 || zero_[i][p]) continue;
                factor[activeCount] = static_cast<double>(tr[i]);
                active[activeCount++] = i;
                e.sum[p] += tr[i] * sum_[i][p];
                e.scale[p] += std::fabs(tr[i]) * largest_[i][p];
            }
            e.size[p] = e.scale[p] + std::fabs(e.sum[p]) / count_ * span;
            const double mean = static_cast<double>(e.sum[p] / count_);
            double ownMean[2];
            for (int f = 0; f < 2; ++f) {
                const int i = 1 + 2 * level + f;
                ownMean[f] = zero_[i][p] ? 0 : static_cast<double>(sum_[i][p] / count_);
            }
            for (int b = 0; b <= blocks_; ++b) {
                const int k = BlockEnd(b);
                const double lever = (k - sp_.kRef) * dxd;
                double w = -(mean * lever);
                for (int a = 0; a < activeCount; ++a) w += factor[a] * approxD_[active[a]][p][k];
                e.fixed[p][b] = w;
                for (int f = 0; f < 2; ++f) {
                    const int i = 1 + 2 * level + f;
                    e.own[f][p][b] = zero_[i][p] ? 0 : approxD_[i][p][k] - ownMean[f] * lever;
                }
            }
            for (int b = 0; b < blocks_; ++b) {
                double stray = 0;
                for (int a = 0; a < activeCount; ++a)
                    stray += std::fabs(factor[a]) * bend_[active[a]][p][b];
                e.stray[p][b] = stray;
            }
        }
    }

    // Bounds on the deflection limits of the first solution of inner level `level` from the
    // ends of the blocks alone, for the rounds that are settled without the limits themselves.
    // False when the bounds cannot be trusted or the slope constant might not be found
    // (Limits then tells).
    bool LimitBounds(int level, const std::array<Real, kMaxSources>& tr, Real (&low)[2],
                     Real (&high)[2]) const {
        const Real eps = ws_.model.iterationEps;
        const Ends& e = ends_[static_cast<std::size_t>(level)];
        const int outer = 1 + 2 * (level + 1);  // the sources of the level above
        const Real span = n_ * dx_;
        for (int p = 0; p < 2; ++p) {
            Real sum = e.sum[p], size = e.size[p];
            double factor[2] = {0, 0};
            const double* bends[2] = {bend_[outer][p], bend_[outer + 1][p]};
            for (int f = 0; f < 2; ++f) {
                const int i = outer + f;
                if (tr[i] == 0 || zero_[i][p]) continue;
                sum += tr[i] * sum_[i][p];
                size += std::fabs(tr[i]) * (largest_[i][p] + std::fabs(sum_[i][p]) / count_ * span);
                factor[f] = static_cast<double>(tr[i]);
            }
            if (size == 0) {
                // No load in this plane at these trial forces: its deflection is 0 everywhere.
                low[p] = high[p] = 0;
                continue;
            }
            if (!std::isfinite(sum)) return false;
            const Real guess = sum / count_;
            // Well inside the roots whose bisection ends within its rounds.
            if (sum != 0 && !(std::fabs(guess) > 1e-180L && std::fabs(guess) < 1e28L)) return false;
            const double* fixed = e.fixed[p];
            const double* ownY = e.own[0][p];
            const double* ownZ = e.own[1][p];
            const double* stray = e.stray[p];
            const double fy = factor[0], fz = factor[1];
            const double ay = std::fabs(fy), az = std::fabs(fz);
            double left = fixed[0] + fy * ownY[0] + fz * ownZ[0];
            double top = left, bottom = left, topBound = left, bottomBound = left;
            for (int b = 1; b <= blocks_; ++b) {
                const double w = fixed[b] + fy * ownY[b] + fz * ownZ[b];
                const double bend = stray[b - 1] + ay * bends[0][b - 1] + az * bends[1][b - 1];
                top = w > top ? w : top;
                bottom = w < bottom ? w : bottom;
                const double high = (left > w ? left : w) + bend;
                const double low = (left < w ? left : w) - bend;
                topBound = high > topBound ? high : topBound;
                bottomBound = low < bottomBound ? low : bottomBound;
                left = w;
            }
            // The full values lie within the rounding of these sums and of the slope constant
            // (far below 4e-14 of the largest terms) of what the chords bound.
            const Real margin = 4e-14L * size;
            const Real hiLow = top - margin, hiHigh = topBound + margin;
            const Real loLow = bottomBound - margin, loHigh = bottom + margin;
            if (!std::isfinite(hiHigh) || !std::isfinite(loLow) || !std::isfinite(hiLow) ||
                !std::isfinite(loHigh) || !std::isfinite(margin))
                return false;
            const Real narrow = (RoundToReal48(hiLow) - RoundToReal48(loHigh)) * eps;
            const Real wide = (RoundToReal48(hiHigh) - RoundToReal48(loLow)) * eps;
            low[p] = std::min(narrow, wide);
            high[p] = std::max(narrow, wide);
            if (!(low[p] <= high[p])) return false;
        }
        return true;
    }

    // The deflection limits of a first solution: (largest - smallest w)·eps, with the
    // extremes held as the trackers hold them. The inner levels ask for them in every round of
    // the outer ones. The extremes are first worked out with the slope constant taken as
    // sum/count; they then lie within a rounding bound of those with the bisected constant,
    // and unless a 48-bit rounding step lies within that bound, they round the same.
    bool Limits(const std::array<Real, kMaxSources>& tr, Real& tolY, Real& tolZ) const {
        return Limit(tr, 0, tolY) && Limit(tr, 1, tolZ);
    }

    // The limit of plane p alone.
    bool Limit(const std::array<Real, kMaxSources>& tr, int p, Real& tol) const {
        {
            const Real sum = Sum(p, tr);
            if (!std::isfinite(sum)) return false;
            Real hi = 0, lo = 0;
            if (std::fabs(sum) / count_ < 1e28L) {
                const Real guess = sum / count_;
                Extremes(p, tr, guess, hi, lo);
                // Each value changes with the constant by its few units in the last place
                // times the lever, and by the rounding of the value itself.
                const Real bound =
                    1e-17L * (std::fabs(guess) * n_ * dx_ + std::fabs(hi) + std::fabs(lo));
                const Real rhi = RoundToReal48(hi), rlo = RoundToReal48(lo);
                if (std::isfinite(bound) && RoundToReal48(hi - bound) == rhi &&
                    RoundToReal48(hi + bound) == rhi && RoundToReal48(lo - bound) == rlo &&
                    RoundToReal48(lo + bound) == rlo) {
                    tol = (rhi - rlo) * ws_.model.iterationEps;
                    return true;
                }
            }
            Real c = 0;
            if (!Constant(sum, c)) return false;
            Extremes(p, tr, c, hi, lo);
            tol = (RoundToReal48(hi) - RoundToReal48(lo)) * ws_.model.iterationEps;
        }
        return true;
    }

    // The innermost level's tested deflection of one plane as a linear form in its two trial
    // forces, (v + ty·vY) + tz·vZ, with the rounding bound of its largest terms anywhere in the
    // brackets; sumInside when the sum of its raw slopes keeps inside the bracket of the slope
    // constant there.
    struct Quick {
        Real v, vY, vZ, bound;
        Real below, above;  // |value| below tolLow - bound or above tolHigh + bound
        bool sumInside;
        // The plane has no load anywhere in the brackets (its largest terms are 0), and the
        // value is exactly 0 (a spring's travel is not among those terms), as Tested finds it.
        bool Empty(Real value) const { return sumInside && bound == 0 && value == 0; }
    };

    // The innermost rounds when a plane has its answer outside its bracket all over it (its
    // sign ±1): every round moves that plane's bracket the same way, so its trial forces are
    // known beforehand, and no round is within the limit, so all kMaxRounds run and of the
    // other plane only the sign of the deflection counts. That is the sign of its linear form
    // unless the form lies within its rounding bound of 0: every finer reckoning of Tested lies
    // far inside that bound of it. Only such a round goes to tested(p, ty, tz, value).
    template <typename TestedFn>
    static bool OneSidedRounds(const int (&sign)[2], const Quick& qy, const Quick& qz, Real loY,
                               Real hiY, Real loZ, Real hiZ, TestedFn& tested,
                               std::array<Real, kMaxSources>& tr) {
        // The trial forces of the planes that move the same way in every round.
        Real known[2][kMaxRounds];
        for (int p = 0; p < 2; ++p) {
            if (sign[p] == 0) continue;
            Real lo = p == 0 ? loY : loZ, hi = p == 0 ? hiY : hiZ;
            for (int r = 0; r < kMaxRounds; ++r) {
                const Real t = (lo + hi) / 2;
                known[p][r] = t;
                if (sign[p] > 0)
                    hi = t;
                else
                    lo = t;
            }
        }
        Real ty = 0, tz = 0;
        if (sign[0] == 0) {
            // y is tested: its form with the z part of each round worked out beforehand.
            Real zPart[kMaxRounds];
            for (int r = 0; r < kMaxRounds; ++r) zPart[r] = known[1][r] * qy.vZ;
            for (int r = 0; r < kMaxRounds; ++r) {
                ty = (loY + hiY) / 2;
                tz = known[1][r];
                Real value = qy.v + ty * qy.vY + zPart[r];
                if (!(qy.sumInside && std::fabs(value) > qy.bound) && !qy.Empty(value) &&
                    !tested(0, ty, tz, value))
                    return false;
                if (value > 0)
                    hiY = ty;
                else
                    loY = ty;
            }
        } else if (sign[1] == 0) {
            // z is tested: the y part of each round worked out beforehand.
            Real yPart[kMaxRounds];
            for (int r = 0; r < kMaxRounds; ++r) yPart[r] = qz.v + known[0][r] * qz.vY;
            for (int r = 0; r < kMaxRounds; ++r) {
                ty = known[0][r];
                tz = (loZ + hiZ) / 2;
                Real value = yPart[r] + tz * qz.vZ;
                if (!(qz.sumInside && std::fabs(value) > qz.bound) && !qz.Empty(value) &&
                    !tested(1, ty, tz, value))
                    return false;
                if (value > 0)
                    hiZ = tz;
                else
                    loZ = tz;
            }
        } else {
            ty = known[0][kMaxRounds - 1];
            tz = known[1][kMaxRounds - 1];
        }
        tr[1] = ty;
        tr[2] = tz;
        return true;
    }

    // Whether |d| of a plane is within its limit, as Level's within tells it.
    enum LimitAnswer { kUnknown = 0, kKnown, kNarrowed };

    // The test of the end of an innermost round: y within its limit, and then z. A limit that
    // has just been worked out moves the cuts of its plane's linear form.
    template <typename Within, typename SetCuts>
    static bool WithinBoth(Within& within, SetCuts& setCuts, Real dy, Real dz, bool& inY,
                           bool& inZ) {
        const LimitAnswer y = within(0, dy, inY);
        if (y == kUnknown) return false;
        if (y == kNarrowed) setCuts(0);
        if (!inY) return true;
        const LimitAnswer z = within(1, dz, inZ);
        if (z == kUnknown) return false;
        if (z == kNarrowed) setCuts(1);
        return true;
    }

    // The innermost rounds when the z bracket has no width, as when the beam has no reaction in
    // z (the natural frequency's loads all point in y): z's trial force tz is the same in
    // every round and so is its part of each linear form, and only y's bracket moves. The
    // rounds are otherwise those of InnermostRounds.
    template <typename Settled, typename TestedFn, typename Within, typename SetCuts>
    static bool FixedZRounds(const Quick (&quick)[2], Real loY, Real hiY, Real tz, Settled& settled,
                             TestedFn& tested, Within& within, SetCuts& setCuts,
                             std::array<Real, kMaxSources>& tr, int& rounds) {
        const Real zPart[2] = {tz * quick[0].vZ, tz * quick[1].vZ};
        Real ty = 0;
        rounds = 0;
        while (true) {
            ++rounds;
            ty = (loY + hiY) / 2;
            Real dy = 0, dz = 0;
            if (!settled(0, ty, zPart[0], dy) && !tested(0, ty, tz, dy)) return false;
            if (!settled(1, ty, zPart[1], dz) && !tested(1, ty, tz, dz)) return false;
            Narrow(loY, hiY, ty, dy);
            if (rounds == kMaxRounds) break;
            bool inY = false, inZ = false;
            if (!WithinBoth(within, setCuts, dy, dz, inY, inZ)) return false;
            if (inY && inZ) break;
        }
        tr[1] = ty;
        tr[2] = tz;
        return true;
    }

    // The rounds of the innermost level, which are most of the work: its tested deflection is
    // linear in its own two trial forces, so the form is set up once, with the rounding bound
    // of its largest terms anywhere in the brackets (at a corner) and its sum checked there,
    // and a round is settled by it unless the value comes within that bound of 0 or of the
    // limit. Only such a round goes to Tested, and only then are the trial forces written to
    // tr; at the end tr holds those of the last round. within(p, d, in) tells whether |d| is
    // within the limit of plane p, and may narrow tolLow..tolHigh to the limit itself.
    template <typename Within>
    bool InnermostRounds(const Fixed& fixed, int k, int support, const int (&sign)[2], Real& loY,
                         Real& hiY, Real& loZ, Real& hiZ, const Real (&tolLow)[2],
                         const Real (&tolHigh)[2], Within& within,
                         std::array<Real, kMaxSources>& tr, int& rounds) const {
        Quick quick[2];
        auto setCuts = [&](int p) {
            quick[p].below = tolLow[p] - quick[p].bound;
            quick[p].above = tolHigh[p] + quick[p].bound;
        };
        for (int p = 0; p < 2; ++p) {
            Quick& q = quick[p];
            q = {fixed.value[p], fixed.slope[1][p], fixed.slope[2][p], 0, 0, 0, true};
            if (sign[p] != 0) continue;  // the plane is not tested
            for (const Real ty : {loY, hiY}) {
                for (const Real tz : {loZ, hiZ}) {
                    const Real sum = fixed.sum[p] + ty * fixed.sumOf[1][p] + tz * fixed.sumOf[2][p];
                    q.sumInside = q.sumInside && std::fabs(sum) < fixed.sumLimit;
                    const Real size = fixed.size[p] + std::fabs(ty) * fixed.growth[1][p] +
                                      std::fabs(tz) * fixed.growth[2][p];
                    q.bound = std::max(q.bound, 1.000001e-12L * size);
                }
            }
            q.sumInside = q.sumInside && std::isfinite(q.bound);
            setCuts(p);
        }
        // The deflection of plane p as the linear form gives it, when that settles the round.
        auto settled = [&](int p, Real ty, Real zPart, Real& value) {
            const Quick& q = quick[p];
            if (!q.sumInside) return false;
            const Real v = q.v + ty * q.vY + zPart;
            const Real a = std::fabs(v), bound = q.bound;
            if (!(a > bound && (a < q.below || a > q.above)) && !q.Empty(v)) return false;
            value = v;
            return true;
        };
        auto tested = [&](int p, Real ty, Real tz, Real& value) {
            tr[1] = ty;
            tr[2] = tz;
            return Tested(fixed, p, k, support, p == 0 ? ty : tz, tolLow[p], tolHigh[p], tr, value);
        };
        if (sign[0] != 0 || sign[1] != 0) {
            rounds = kMaxRounds;
            return OneSidedRounds(sign, quick[0], quick[1], loY, hiY, loZ, hiZ, tested, tr);
        }
        if (loZ == hiZ)
            return FixedZRounds(quick, loY, hiY, (loZ + hiZ) / 2, settled, tested, within, setCuts,
                                tr, rounds);
        Real ty = 0, tz = 0;
        rounds = 0;
        while (true) {
            ++rounds;
            ty = (loY + hiY) / 2;
            tz = (loZ + hiZ) / 2;
            Real dy = 0, dz = 0;
            if (!settled(0, ty, tz * quick[0].vZ, dy) && !tested(0, ty, tz, dy)) return false;
            if (!settled(1, ty, tz * quick[1].vZ, dz) && !tested(1, ty, tz, dz)) return false;
            Narrow(loY, hiY, ty, dy);
            Narrow(loZ, hiZ, tz, dz);
            if (rounds == kMaxRounds) break;
            bool inY = false, inZ = false;
            if (!WithinBoth(within, setCuts, dy, dz, inY, inZ)) return false;
            if (inY && inZ) break;
        }
        tr[1] = ty;
        tr[2] = tz;
        return true;
    }

    bool Level(int level, std::array<Real, kMaxSources>& tr, LastRounds& last, bool outermost) {
        const BeamModel& m = ws_.model;
        const int support = kSupportC + level;
        const int k = point_[level];
        for (int inner = 0; inner <= level; ++inner) tr[1 + 2 * inner] = tr[2 + 2 * inner] = 0;

        // The limits of the deflection at the support. An inner level is called in every round
        // of the outer ones, and most of its rounds are settled by bounds on its limits: the
        // limits themselves are worked out only for a round that lies within the bounds.
        // A plane's limit lies in tolLow..tolHigh; the two are the same once it is known.
        Real tol[2] = {0, 0}, tolLow[2] = {0, 0}, tolHigh[2] = {0, 0};
        bool exact[2] = {true, true};
        const std::array<Real, kMaxSources> entry = tr;
        if (outermost) {
            // The first solution is the real pass that has just run.
            const ExtremeValues& e = ws_.results.extremes;
            tol[0] = (e.w_xy.max - e.w_xy.min) * m.iterationEps;
            tol[1] = (e.w_xz.max - e.w_xz.min) * m.iterationEps;
        } else if (LimitBounds(level, tr, tolLow, tolHigh)) {
            exact[0] = exact[1] = false;
        } else if (!Limits(tr, tol[0], tol[1])) {
            return false;
        }
        for (int p = 0; p < 2; ++p)
            if (exact[p]) tolLow[p] = tolHigh[p] = tol[p];
        // Whether |d| is within the limit of plane p: kUnknown when the limit cannot be found,
        // kNarrowed when it has just been worked out (tolLow and tolHigh are then the limit).
        auto within = [&](int p, Real d, bool& in) {
            const Real a = std::fabs(d);
            if (!exact[p]) {
                if (a <= tolLow[p]) {
                    in = true;
                    return kKnown;
                }
                if (a > tolHigh[p]) {
                    in = false;
                    return kKnown;
                }
                if (!Limit(entry, p, tol[p])) return kUnknown;
                exact[p] = true;
                tolLow[p] = tolHigh[p] = tol[p];
                in = a <= tol[p];
                return kNarrowed;
            }
            in = a <= tol[p];
            return kKnown;
        };
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
        const Fixed fixed = FixedPart(level, k, support, tr);
        if (level > 0) PrepareEnds(level, tr);
        const Real by = std::max(std::fabs(ray), std::fabs(rby));
        const Real bz = std::max(std::fabs(raz), std::fabs(rbz));
        Real loY = -5 * by, hiY = 5 * by, loZ = -5 * bz, hiZ = 5 * bz;
        // An innermost level called while an outer trial force is far off often has its
        // answer outside its bracket in a plane: then that plane needs no testing.
        int sign[2] = {0, 0};
        if (level == 0) {
            sign[0] = OneSided(fixed, 0, loY, hiY, loZ, hiZ, tolHigh[0]);
            sign[1] = OneSided(fixed, 1, loY, hiY, loZ, hiZ, tolHigh[1]);
        }
        int rounds = 0;
        if (level == 0) {
            if (!InnermostRounds(fixed, k, support, sign, loY, hiY, loZ, hiZ, tolLow, tolHigh,
                                 within, tr, rounds))
                return false;
            last[0] = rounds;
            return true;
        }
        while (true) {
            // A level above the innermost runs for a while: a cancel from another thread is
            // seen at each of its rounds.
            if (AbortPolled(ws_)) {
                cancelled_ = true;
                return false;
            }
            ++rounds;
            const Real ty = (loY + hiY) / 2;
            const Real tz = (loZ + hiZ) / 2;
            tr[1 + 2 * level] = ty;
            tr[2 + 2 * level] = tz;
            if (!Level(level - 1, tr, last, false)) return false;
            Real dy = 0, dz = 0;
            if (!Tested(fixed, 0, k, support, ty, tolLow[0], tolHigh[0], tr, dy) ||
                !Tested(fixed, 1, k, support, tz, tolLow[1], tolHigh[1], tr, dz))
                return false;
            Narrow(loY, hiY, ty, dy);
            Narrow(loZ, hiZ, tz, dz);
            if (rounds == kMaxRounds) break;
            bool inY = false, inZ = false;
            if (!within(0, dy, inY) || (inY && !within(1, dz, inZ))) return false;
            if (inY && inZ) break;
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
    int blocks_ = 0;
    int point_[3] = {0, 0, 0};  // the point of support C, D, E
    bool cancelled_ = false;
    Real* raw_[2] = {nullptr, nullptr};
    Real* d_[kMaxSources][2] = {};
    Real sum_[kMaxSources][2] = {};
    Real largest_[kMaxSources][2] = {};
    bool zero_[kMaxSources][2] = {};
    double* approxD_[kMaxSources][2] = {};  // the raw deflections in double
    double* bend_[kMaxSources][2] = {};     // their largest distance from each block's chord
    double* approxW_ = nullptr;             // the scan of Limits
    std::array<Ends, 2> ends_;              // for the inner levels 0 and 1
    Real ry_[kMaxSources][2] = {};
    Real rz_[kMaxSources][2] = {};
};

}  // namespace

PassEnd SolveExtraFast(CalcState& ws, Real w0, int extra, const PassOptions& options) {
    BeamModel& m = ws.model;
    // The first solution, as the outermost level makes it; only its reactions and the range
    // of its deflections are read.
    PassEnd end = FirstSolution(ws, w0, PassOptions{false, PassColumns::kDeflection});
    SupportPoints sp;
    if (end != PassEnd::kComplete || (options.stresses && !StressModeValid(m)) ||
        !FindSupportPoints(ws, sp))
        return SolveExtraSupports(ws, w0, extra, SolveMethod::kLiteral, options);

    LinearBeam beam(ws, w0, extra);
    std::array<Real, kMaxSources> trial{};
    LastRounds last{};
    if (!beam.Build(sp)) return SolveExtraSupports(ws, w0, extra, SolveMethod::kLiteral, options);
    if (!beam.Run(trial, last))
        return beam.Cancelled() ? PassEnd::kStopped
                                : SolveExtraSupports(ws, w0, extra, SolveMethod::kLiteral, options);

    // The last round of the literal method: every level's temporary forces at their last
    // trial values, outermost first.
    const int before = m.pointLoadCount;
    for (int level = extra - 1; level >= 0; --level) {
        const Real x = m.supportX[static_cast<std::size_t>(kSupportC + level)];
        m.pointLoads[++m.pointLoadCount] = PointLoad{trial[1 + 2 * level], x, 0, ""};
        m.pointLoads[++m.pointLoadCount] = PointLoad{trial[2 + 2 * level], x, 90, ""};
    }
    end = SolveTwoSupports(ws, w0, options);
    m.pointLoadCount = before;
    for (int level = 0; level < extra; ++level)
        StoreReaction(ws, kSupportC + level, trial[1 + 2 * level], trial[2 + 2 * level]);
    ReportRounds(ws, last, extra);
    return end;
}

}  // namespace bxr
