// The beam as a wire body in an oblique projection: the section outline at both ends joined
// by lines along the axis, with the three coordinate axes and their tick values.
#pragma once

#include <array>

#include "graphics/drawing.h"
#include "graphics/plot_frame.h"
#include "model/beam_model.h"
#include "model/section_properties.h"

namespace bxr {

// The three axis directions on the sheet, radians counter-clockwise from the horizontal.
struct Projection3D {
    std::array<Real, 3> cosines{}, sines{};

    // An angle within 1e-5 of -360 degrees hides its axis.
    static Projection3D FromAngles(Real ax, Real ay, Real az);
    // u = x cos ax + y cos ay + z cos az, v likewise with the sines.
    void Project(Real x, Real y, Real z, Real& u, Real& v) const;
};

// The angles in radians the view uses for the stored ones (degrees): -15, 90 and 210 degrees
// when x and y are equal within 1e-5, as when nothing was stored.
std::array<Real, 3> ViewAngles(Real xDeg, Real yDeg, Real zDeg);

// The sheet 160 x 120 with the view in the frame (15, 15), 130 x 90; from Sheet to PageEnd.
// With threeD the body goes to 3-D capable outputs with its three coordinates.
void Draw3DView(Drawing& d, const BeamModel& model, const SectionState& section,
                const std::array<Real, 3>& anglesRad, bool threeD = false);

}  // namespace bxr
