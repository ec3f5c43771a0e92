#include "sections/arc_center.h"

#include <cmath>
#include <numbers>

#include "format/number_format.h"

namespace bxr {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

ArcCenter ComputeArc(Real y1, Real z1, Real y2, Real z2, Real s, CalcMessages* messages,
                     const OutputSettings* settings) {
    ArcCenter arc;
    const Real halfSine = std::sin(s / 2);
    if (halfSine == 0) {
        if (messages && settings)
            messages->Add("Fehler in GetArcCenter (dphi = " + FormatFree(*settings, s) + " ! ");
        return arc;
    }
    const Real dy = y2 - y1;
    const Real dz = z2 - z1;
    const Real l = std::sqrt(dy * dy + dz * dz);
    const Real my = (y1 + y2) / 2;
    const Real mz = (z1 + z2) / 2;

    // Distance of the centre from the chord along its left normal; a half circle has its
    // centre on the chord.
    Real d = 0;
    if (std::sin(s) != 0) d = (l / 2) / TangentOf(halfSine, std::cos(s / 2), messages);
    arc.r = std::fabs((l / 2) / halfSine);

    if (l == 0) {
        if (messages) messages->Add("GetArcCenter l12=0");
        arc.yc = my;
        arc.zc = mz;
    } else {
        arc.yc = my - dz * d / l;
        arc.zc = mz + dy * d / l;
    }

    const Real angle1 = PolarAngle(y1 - arc.yc, z1 - arc.zc);
    const Real angle2 = PolarAngle(y2 - arc.yc, z2 - arc.zc);
    if (s >= 0) {
        arc.startAngle = angle1;
        arc.endAngle = angle2;
    } else {
        arc.startAngle = angle2;
        arc.endAngle = angle1;
    }
    arc.valid = true;
    return arc;
}

}  // namespace

Real PolarAngle(Real u, Real v) {
    if (u == 0) return v >= 0 ? kPi / 2 : -kPi / 2;
    Real angle = std::atan(v / u);
    if (u < 0) angle += kPi;
    return angle;
}

Real TangentOf(Real sine, Real cosine, CalcMessages* messages) {
    if (cosine == 0) {
        if (messages) messages->Add("Error: function tan in Unit math");
        return 1e30L;
    }
    return sine / cosine;
}

ArcCenter GetArcCenter(Real y1, Real z1, Real y2, Real z2, Real sweep, CalcMessages& messages,
                       const OutputSettings& settings) {
    return ComputeArc(y1, z1, y2, z2, sweep, &messages, &settings);
}

ArcCenter GetArcCenter(Real y1, Real z1, Real y2, Real z2, Real sweep) {
    return ComputeArc(y1, z1, y2, z2, sweep, nullptr, nullptr);
}

}  // namespace bxr
