#include "analysis/stresses.h"

#include <algorithm>
#include <cmath>

#include "analysis/angle_math.h"
#include "model/workspace.h"

namespace bxr {

bool StressStage(Workspace& ws) {
    const BeamModel& m = ws.model;
    if (m.notchMode < 1 || m.notchMode > 3) {
        ws.messages.AddFatal("Fatal  : Kerbcode !");
        return false;
    }
    const SectionProperties& p = ws.section.props;
    const ExpandedPolygon& poly = ws.section.polygon;
    StationTable& t = ws.results.stations;
    for (int k = 0; k <= t.n; ++k) {
        Station& s = t[k];
        Real sigB = 0, sigBxy = 0, sigBxz = 0;
        for (int i = 1; i <= poly.count; ++i) {
            const Real dy = poly.points[i].y - p.ys;
            const Real dz = poly.points[i].z - p.zs;
            sigB = std::max(sigB, -s.Mb_xy * dy / p.Izeta - s.Mb_xz * dz / p.Ieta);
            sigBxy = std::max(sigBxy, s.Mb_xy * dy / p.Izeta);
            sigBxz = std::max(sigBxz, s.Mb_xz * dz / p.Ieta);
        }
        s.sigZ = -s.N / std::fabs(p.A);
        s.sigB_xy = sigBxy;
        s.sigB_xz = sigBxz;
        s.sigB = sigB;
        const Real tension = std::max(s.sigZ, Real(0));
        s.sigV_xy = tension + sigBxy;
        s.sigV_xz = tension + sigBxz;
        s.sigV = tension + sigB;
        s.phiSigB = AngleDeg(s.sigB_xz, s.sigB_xy);
        s.phiSigV = AngleDeg(s.sigV_xz, s.sigV_xy);
    }
    return true;
}

}  // namespace bxr
