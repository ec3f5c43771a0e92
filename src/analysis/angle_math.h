// Angles in degrees as the analysis uses them: sine and cosine that are exact at whole
// quarter turns (so that a load at 0° or 180° leaves nothing in the x-z plane), the tangent
// with its guard at 90°, and the program's own two-argument arc tangent.
#pragma once

#include "model/calc_messages.h"
#include "model/beam_model.h"

namespace bxr {

inline constexpr Real kPi = 3.141592653589793238462643383279502884L;

Real DegToRad(Real degrees);
Real RadToDeg(Real radians);
Real SinDeg(Real degrees);
Real CosDeg(Real degrees);
// tan of an angle in degrees; 1e30 and the message "Error: function tan in Unit math" when
// the cosine is 0.
Real TanDeg(Real degrees, CalcMessages& messages);
// Angle of the vector (b, a) in degrees: +90 for b = 0 and a >= 0, -90 for b = 0 and a < 0,
// otherwise arctan(a/b), plus 180 when b < 0. The result lies in [-90, 270).
Real AngleDeg(Real a, Real b);

}  // namespace bxr
