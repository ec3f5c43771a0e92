#include "analysis/stresses.h"

#include <algorithm>
#include <cmath>

#include "analysis/angle_math.h"
#include "analysis/outline_hull.h"
#include "analysis/calc_state.h"

namespace bxr {
namespace {

void TrackStresses(const StationTable& t, ExtremeValues& e) {
    e.sigB_xy.Reset(1.0L, 0);
    e.sigB_xz.Reset(1.0L, 0);
    e.sigB.Reset(1.0L, 0);
    e.sigZ.Reset(0.1L, 0);
    e.sigV_xy.Reset(1.0L, 0);
    e.sigV_xz.Reset(1.0L, 0);
    e.sigV.Reset(1.0L, 0);
    for (int k = 1; k <= t.n; ++k) {
        const Station& s = t[k];
        e.sigB_xy.Update(s.sigB_xy);
        e.sigB_xz.Update(s.sigB_xz);
        if (e.sigB.Update(s.sigB)) e.pointSigB = k;
    }
    for (int k = 1; k <= t.n; ++k) {
        const Real v = t[k].sigZ;
        if (v > e.sigZ.max) {
            e.sigZ.max = RoundToReal48(v);
            e.pointSigZ = k;
        }
        if (v < e.sigZ.min) {
            e.sigZ.min = RoundToReal48(v);
            // A compression larger than every tension marks the point of the axial stress.
            if (std::fabs(v) > e.sigZ.max) e.pointSigZ = k;
        }
    }
    for (int k = 1; k <= t.n; ++k) {
        const Station& s = t[k];
        e.sigV_xy.Update(s.sigV_xy);
        e.sigV_xz.Update(s.sigV_xz);
        if (e.sigV.Update(s.sigV)) e.pointSigV = k;
    }
}

}  // namespace

PrincipalOffset PrincipalOffsetOf(const SectionProperties& p, Real y, Real z) {
    const Real dy = y - p.ys, dz = z - p.zs;
    const Real r = std::sqrt(dy * dy + dz * dz);
    const Real theta = std::atan2(dz, dy);
    return {r * std::cos(theta - p.phi), r * std::sin(theta - p.phi)};
}

Real PrincipalBendingStress(const SectionProperties& p, Real cosPhi, Real sinPhi,
                            PrincipalOffset at, Real mbXy, Real mbXz) {
    const Real m1 = mbXy * cosPhi - mbXz * sinPhi;
    const Real m2 = mbXz * cosPhi + mbXy * sinPhi;
    const Real absI1 = std::fabs(p.I1), absI2 = std::fabs(p.I2);
    return std::fabs(p.Ieta) > std::fabs(p.Izeta) ? m1 * at.u / absI2 - m2 * at.v / absI1
                                                  : m2 * at.v / absI2 - m1 * at.u / absI1;
}

Real PointBendingStress(const SectionProperties& p, Real y, Real z, Real mbXy, Real mbXz) {
    // Products of inertia below this count as zero: the axes y, z are then principal.
    if (std::fabs(p.Iez) < 1e-5L) {
        const Real dy = y - p.ys, dz = z - p.zs;
        return -mbXy * dy / p.Izeta - mbXz * dz / p.Ieta;
    }
    return PrincipalBendingStress(p, std::cos(p.phi), std::sin(p.phi), PrincipalOffsetOf(p, y, z),
                                  mbXy, mbXz);
}

Real SizeFactor(Real d) {
    if (d <= 10) return 1;
    if (d >= 120) return 0.6L;
    return 1.37L - 0.37L * std::log10(d);
}

bool StressStage(CalcState& ws) {
    const BeamModel& m = ws.model;
    if (!StressModeValid(m)) {
        ws.messages.AddFatal("Fatal  : Kerbcode !");
        return false;
    }
    const bool notched = m.notchMode >= 2;
    Real f = 1;
    if (m.notchMode == 2) f = m.material.surfaceFactor;
    if (m.notchMode == 3) {
        const SectionExtents& ext = ws.section.extents;
        f = m.material.surfaceFactor / SizeFactor(std::max(ext.width, ext.height));
    }

    const SectionProperties& p = ws.section.props;
    StationTable& t = ws.results.stations;
    OutlineHull& outline = ws.results.scratch.outline;
    outline.Build(p, ws.section.polygon);
    const ShaftProfile& shaft = UpdateShaftProfile(ws.results.scratch.shaft, m, p);
    const bool stepped = shaft.active && shaft.n == t.n;
    for (int k = 0; k <= t.n; ++k) {
        Station& s = t[k];
        const std::size_t at = stepped ? shaft.at[static_cast<std::size_t>(k)] : 0;
        BendingStresses b;
        if (at == 0) {
            b = outline.Largest(s.Mb_xy, s.Mb_xz);
            s.sigZ = -s.N / std::fabs(p.A);
        } else {
            // A round or tube section: the largest stress stands on the outer fibre.
            const Real w = shaft.I[at] / (shaft.D[at] / 2);
            b.xy = std::fabs(s.Mb_xy) / w;
            b.xz = std::fabs(s.Mb_xz) / w;
            b.combined = std::sqrt(s.Mb_xy * s.Mb_xy + s.Mb_xz * s.Mb_xz) / w;
            s.sigZ = -s.N / shaft.A[at];
        }
        if (notched) {
            const Real factor =
                at != 0 && m.notchMode == 3 ? m.material.surfaceFactor / SizeFactor(shaft.D[at]) : f;
            b.combined *= factor;
            b.xy *= factor;
            b.xz *= factor;
            // Zones include both ends; overlapping zones multiply.
            for (int z = 1; z <= m.notchZoneCount; ++z) {
                const NotchZone& zone = m.notchZones[static_cast<std::size_t>(z)];
                if (zone.x1 <= s.x && s.x <= zone.x2) {
                    s.sigZ *= zone.betaK;
                    b.combined *= zone.betaKb;
                    b.xy *= zone.betaKb;
                    b.xz *= zone.betaKb;
                }
            }
        }
        s.sigB_xy = b.xy;
        s.sigB_xz = b.xz;
        s.sigB = b.combined;
        // Compression does not add to the bending stress.
        const Real tension = std::max(s.sigZ, Real(0));
        s.sigV_xy = tension + b.xy;
        s.sigV_xz = tension + b.xz;
        s.sigV = tension + b.combined;
        s.phiSigB = AngleDeg(s.sigB_xz, s.sigB_xy);
        s.phiSigV = AngleDeg(s.sigV_xz, s.sigV_xy);
    }
    TrackStresses(t, ws.results.extremes);
    return true;
}

}  // namespace bxr
