#include "analysis/angle_math.h"

#include <cmath>

namespace bxr {

namespace {

// The angle brought into [0, 360) and, when it is a whole number of quarter turns, that
// number (0..3); -1 otherwise.
int QuarterTurns(Real degrees, Real& reduced) {
    reduced = std::fmod(degrees, 360.0L);
    if (reduced < 0) reduced += 360;
    const Real q = reduced / 90;
    if (q == std::floor(q)) return static_cast<int>(q) % 4;
    return -1;
}

}  // namespace

Real DegToRad(Real degrees) {
    return degrees * kPi / 180;
}
Real RadToDeg(Real radians) {
    return radians * 180 / kPi;
}

Real SinDeg(Real degrees) {
    Real reduced = 0;
    switch (QuarterTurns(degrees, reduced)) {
        case 0:
            return 0;
        case 1:
            return 1;
        case 2:
            return 0;
        case 3:
            return -1;
        default:
            return std::sin(DegToRad(reduced));
    }
}

Real CosDeg(Real degrees) {
    Real reduced = 0;
    switch (QuarterTurns(degrees, reduced)) {
        case 0:
            return 1;
        case 1:
            return 0;
        case 2:
            return -1;
        case 3:
            return 0;
        default:
            return std::cos(DegToRad(reduced));
    }
}

Real TanDeg(Real degrees, CalcMessages& messages) {
    const Real c = CosDeg(degrees);
    if (c == 0) {
        messages.Add("Error: function tan in Unit math");
        return 1e30L;
    }
    return SinDeg(degrees) / c;
}

Real AngleDeg(Real a, Real b) {
    if (b == 0) return a >= 0 ? 90 : -90;
    // The arctangent in double precision: every point of a pass has several angle columns,
    // the long-double arctangent costs ten times as much, and 1e-16 of a radian is far below
    // any digit shown.
    Real angle = RadToDeg(static_cast<Real>(std::atan(static_cast<double>(a / b))));
    if (b < 0) angle += 180;
    return angle;
}

}  // namespace bxr
