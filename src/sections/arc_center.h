// Circular arcs given by their two end points and a signed sweep: centre, radius and the
// start and end angles. Shared by the section calculation and the drawings.
#pragma once

#include "model/calc_messages.h"
#include "model/beam_model.h"
#include "format/output_settings.h"

namespace bxr {

struct ArcCenter {
    // False when the sweep's half angle has a sine of exactly 0: the arc has no defined
    // geometry and the fields below are 0.
    bool valid = false;
    Real yc = 0;
    Real zc = 0;
    Real r = 0;
    Real startAngle = 0;  // radians, counter-clockwise end of the arc's range
    Real endAngle = 0;    // radians
};

// Polar angle of (u, v) from +y towards +z, in (-pi/2, 3pi/2].
Real PolarAngle(Real u, Real v);

// sine / cosine; a cosine of exactly 0 reports "Error: function tan in Unit math" and
// gives 1e30. Messages go to the list when one is given.
Real TangentOf(Real sine, Real cosine, CalcMessages* messages);

// Centre, radius and angles of the arc from P1 to P2 with the signed sweep (radians,
// positive counter-clockwise). For a positive sweep the start angle belongs to P1, for a
// negative one the end angle does. Faults are reported into messages, the sweep written
// with the given number settings.
ArcCenter GetArcCenter(Real y1, Real z1, Real y2, Real z2, Real sweep, CalcMessages& messages,
                       const OutputSettings& settings);
// The same without reporting, for drawings that only need the geometry.
ArcCenter GetArcCenter(Real y1, Real z1, Real y2, Real z2, Real sweep);

}  // namespace bxr
