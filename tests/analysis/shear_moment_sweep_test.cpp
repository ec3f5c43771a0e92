// The sweep of a pass that visits only the loads that have started, against the plain
// reading of the method: at every point, every load in list order. Both add the same numbers
// in the same order, so the columns agree to the last bit, also for loads in any order, on
// the points, outside the beam, with x1 > x2 or with positions that are not numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "analysis/angle_math.h"
#include "analysis/force_pass.h"
#include "workspace/workspace.h"

namespace bxr {
namespace {

struct PlainColumns {
    std::vector<Real> fy, fz, n, my, mz;
};

// Shear force, axial force and moment of points 0..n of a two-hinge beam, every load
// visited at every point.
PlainColumns EveryLoadAtEveryPoint(const BeamModel& m, const SupportReactions& r) {
    const int n = m.segmentCount;
    const Real dx = m.length / n;
    PlainColumns c;
    Real sy = 0, sz = 0;
    for (int k = 0; k <= n; ++k) {
        const Real x = k == n ? m.length : k * m.length / n;
        Real fy = 0, fz = 0;
        const Real stepX[2] = {m.supportX[kSupportA], m.supportX[kSupportB]};
        const Real stepY[2] = {r.Ry[kSupportA], r.Ry[kSupportB]};
        const Real stepZ[2] = {r.Rz[kSupportA], r.Rz[kSupportB]};
        for (int i = 0; i < 2; ++i)
            if (x >= stepX[i]) fy += stepY[i], fz += stepZ[i];
        for (int i = 1; i <= m.pointLoadCount; ++i) {
            const PointLoad& p = m.pointLoads[i];
            if (x >= p.x) fy += p.f * CosDeg(p.angle), fz += p.f * SinDeg(p.angle);
        }
        for (int i = 1; i <= m.distributedLoadCount; ++i) {
            const DistributedLoad& q = m.distributedLoads[i];
            const Real qy = q.q * CosDeg(q.angle), qz = q.q * SinDeg(q.angle);
            if (q.x1 <= x && x <= q.x2)
                fy += (x - q.x1) * qy, fz += (x - q.x1) * qz;
            else if (x > q.x2)
                fy += (q.x2 - q.x1) * qy, fz += (q.x2 - q.x1) * qz;
        }
        Real axial = 0;
        if (x >= m.supportX[kSupportA]) axial += r.FxA;
        for (int i = 1; i <= m.axialLoadCount; ++i)
            if (x >= m.axialLoads[i].x) axial += m.axialLoads[i].fx;
        if (k >= 1) {
            sy += c.fy.back() * dx;
            sz += c.fz.back() * dx;
        }
        Real my = sy, mz = sz;
        for (int i = 1; i <= m.momentLoadCount; ++i) {
            const MomentLoad& mb = m.momentLoads[i];
            if (x >= mb.x) my -= mb.mb * CosDeg(mb.angle), mz -= mb.mb * SinDeg(mb.angle);
        }
        c.fy.push_back(fy);
        c.fz.push_back(fz);
        c.n.push_back(axial);
        c.my.push_back(my);
        c.mz.push_back(mz);
    }
    return c;
}

bool Same(Real a, Real b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

TEST(ShearMomentSweep, AgreesToTheLastBitWithEveryLoadAtEveryPoint) {
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> u(0, 1);
    for (int trial = 0; trial < 120; ++trial) {
        Workspace ws;
        BeamModel& m = ws.model;
        m.supportType = kTwoHinges;
        m.length = 100 + 2000 * u(random);
        m.segmentCount = 50 + static_cast<int>(u(random) * 400);
        m.supportX = {m.length * u(random) * 0.3L, m.length * (0.7L + 0.3L * u(random)), 0, 0, 0};
        auto position = [&]() -> Real {
            const double pick = u(random);
            if (pick < 0.03) return std::numeric_limits<Real>::quiet_NaN();
            if (pick < 0.05) return std::numeric_limits<Real>::infinity();
            if (pick < 0.25)  // on a point
                return static_cast<int>(u(random) * m.segmentCount) * m.length / m.segmentCount;
            return (u(random) * 1.2 - 0.1) * m.length;  // some outside the beam
        };
        m.pointLoadCount = static_cast<int>(u(random) * 20);
        for (int i = 1; i <= m.pointLoadCount; ++i)
            m.pointLoads[i] = {Real(u(random) * 2000 - 1000), position(), Real(u(random) * 360),
                               ""};
        m.distributedLoadCount = static_cast<int>(u(random) * 49);
        for (int i = 1; i <= m.distributedLoadCount; ++i)
            m.distributedLoads[i] = {Real(u(random) * 3 - 1), position(), position(),
                                     Real(u(random) * 360), ""};
        m.momentLoadCount = static_cast<int>(u(random) * 20);
        for (int i = 1; i <= m.momentLoadCount; ++i)
            m.momentLoads[i] = {Real(u(random) * 1e5 - 5e4), position(), Real(u(random) * 360), ""};
        m.axialLoadCount = static_cast<int>(u(random) * 10);
        for (int i = 1; i <= m.axialLoadCount; ++i)
            m.axialLoads[i] = {Real(u(random) * 2000 - 1000), position(), ""};
        SupportReactions r;
        r.Ry[kSupportA] = u(random) * 100;
        r.Ry[kSupportB] = -u(random) * 100;
        r.Rz[kSupportA] = u(random) * 100;
        r.Rz[kSupportB] = -u(random) * 100;
        r.FxA = u(random) * 500;

        StationTable& t = ws.results.stations;
        ShearAndMoment(m, LoadRange::All(m), r, 0, t, nullptr);
        const PlainColumns plain = EveryLoadAtEveryPoint(m, r);
        for (int k = 0; k <= m.segmentCount; ++k) {
            const auto at = static_cast<std::size_t>(k);
            ASSERT_TRUE(Same(t[k].Fq_xy, plain.fy[at])) << trial << " Fq_xy at " << k;
            ASSERT_TRUE(Same(t[k].Fq_xz, plain.fz[at])) << trial << " Fq_xz at " << k;
            ASSERT_TRUE(Same(t[k].N, plain.n[at])) << trial << " N at " << k;
            if (k == 0) continue;  // point 0 shows the moment of point 1
            ASSERT_TRUE(Same(t[k].Mb_xy, plain.my[at])) << trial << " Mb_xy at " << k;
            ASSERT_TRUE(Same(t[k].Mb_xz, plain.mz[at])) << trial << " Mb_xz at " << k;
        }
    }
}

}  // namespace
}  // namespace bxr
