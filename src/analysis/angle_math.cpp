#include "analysis/angle_math.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

namespace {

// Sine and cosine of an angle in degrees. Whole quarter turns are exact, so that a load at 90°
// leaves nothing in the other plane. Otherwise the angle is brought into 0..45° in degrees,
// where the reduction is exact, before it is turned into radians: the library's own reduction
// of larger long-double arguments costs several times the sine itself.
void SinCosDeg(Real degrees, Real& sine, Real& cosine) {
    if (!std::isfinite(degrees)) {
        sine = cosine = std::numeric_limits<Real>::quiet_NaN();
        return;
    }
    Real reduced = 0;
    const int quarter = QuarterTurns(degrees, reduced);
    if (quarter >= 0) {
        constexpr Real kSine[4] = {0, 1, 0, -1};
        constexpr Real kCosine[4] = {1, 0, -1, 0};
        sine = kSine[quarter];
        cosine = kCosine[quarter];
        return;
    }
    const int q = std::min(static_cast<int>(reduced / 90), 3);  // the quarter turns taken out
    const Real rest = reduced - 90 * q;  // exact: rest and 90·q are within a factor 2
    Real s0 = 0, c0 = 0;                 // of the angle rest
    if (rest <= 45) {
        s0 = std::sin(DegToRad(rest));
        c0 = std::cos(DegToRad(rest));
    } else {
        const Real complement = 90 - rest;  // exact for the same reason
        s0 = std::cos(DegToRad(complement));
        c0 = std::sin(DegToRad(complement));
    }
    switch (q) {
        case 0:
            sine = s0, cosine = c0;
            break;
        case 1:
            sine = c0, cosine = -s0;
            break;
        case 2:
            sine = -s0, cosine = -c0;
            break;
        default:
            sine = -c0, cosine = s0;
            break;
    }
}

}  // namespace

Real SinDeg(Real degrees) {
    Real s = 0, c = 0;
    SinCosDeg(degrees, s, c);
    return s;
}

Real CosDeg(Real degrees) {
    Real s = 0, c = 0;
    SinCosDeg(degrees, s, c);
    return c;
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
    constexpr Real kDegreesPerRadian = 180 / kPi;
    Real angle = static_cast<Real>(std::atan(static_cast<double>(a / b))) * kDegreesPerRadian;
    if (b < 0) angle += 180;
    return angle;
}

}  // namespace bxr
