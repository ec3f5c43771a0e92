// Contours for the section tests, written in degrees for readability.
#pragma once

#include <initializer_list>
#include <numbers>

#include "model/beam_model.h"

namespace bxr::test {

struct PointDeg {
    long double y;
    long double z;
    long double arcDeg = 0;
};

inline constexpr Real kPi = std::numbers::pi_v<Real>;

inline Real Radians(Real degrees) {
    return degrees * kPi / 180;
}

inline void SetContour(BeamModel& model, std::initializer_list<PointDeg> points) {
    int i = 0;
    for (const PointDeg& p : points) {
        ++i;
        model.contour[i] = {p.y, p.z, Radians(p.arcDeg)};
    }
    model.contourCount = static_cast<std::uint16_t>(i);
}

}  // namespace bxr::test
