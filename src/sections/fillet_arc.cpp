#include "sections/fillet_arc.h"

#include <cmath>
#include <numbers>

namespace bxr {

namespace {

// Polar angle of (u, v) from +y towards +z, as the arc centre routine measures it.
Real PolarAngle(Real u, Real v) {
    constexpr Real kPi = std::numbers::pi_v<Real>;
    if (u == 0) return v >= 0 ? kPi / 2 : -kPi / 2;
    Real a = std::atan(v / u);
    if (u < 0) a += kPi;
    return a;
}

}  // namespace

FilletResult FilletArc(const EdgeLine& first, const EdgeLine& second, Real radius) {
    constexpr Real kPi = std::numbers::pi_v<Real>;
    FilletResult r;
    const Real d1y = std::cos(first.angle), d1z = std::sin(first.angle);
    const Real d2y = std::cos(second.angle), d2z = std::sin(second.angle);
    const Real cross = d1y * d2z - d1z * d2y;
    if (std::fabs(cross) < 1e-12L) return r;  // parallel edges never meet

    // Corner point S: first.p + t·d1 = second.p + u·d2.
    const Real wy = second.y - first.y, wz = second.z - first.z;
    const Real t = (wy * d2z - wz * d2y) / cross;
    const Real sy = first.y + t * d1y, sz = first.z + t * d1z;

    // Both edges arrive at S; the fillet lies between the rays S - d1 and S - d2.
    const Real cosGamma = d1y * d2y + d1z * d2z;  // angle between the two rays back from S
    const Real gamma = std::acos(std::fmax(-1.0L, std::fmin(1.0L, cosGamma)));
    const Real half = gamma / 2;
    if (std::sin(half) == 0 || std::tan(half) == 0) return r;
    const Real back = radius / std::tan(half);  // from S to each tangent point
    const Real toCentre = radius / std::sin(half);
    Real by = -d1y - d2y, bz = -d1z - d2z;
    const Real bl = std::hypot(by, bz);
    if (bl == 0) return r;
    by /= bl;
    bz /= bl;

    r.centreY = sy + by * toCentre;
    r.centreZ = sz + bz * toCentre;
    r.tangent1Y = sy - d1y * back;
    r.tangent1Z = sz - d1z * back;
    r.tangent2Y = sy - d2y * back;
    r.tangent2Z = sz - d2z * back;

    Real sweep = PolarAngle(r.tangent2Y - r.centreY, r.tangent2Z - r.centreZ) -
                 PolarAngle(r.tangent1Y - r.centreY, r.tangent1Z - r.centreZ);
    while (sweep > kPi) sweep -= 2 * kPi;
    while (sweep <= -kPi) sweep += 2 * kPi;
    r.sweep = sweep;
    return r;
}

}  // namespace bxr
