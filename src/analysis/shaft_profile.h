// The section at every calculation point of a beam with shaft sections: which section stands
// there and its values, for the slope integration, the stresses and the buckling load.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/beam_model.h"
#include "model/section_properties.h"

namespace bxr {

struct ShaftProfile {
    bool active = false;  // the beam has shaft sections; otherwise the contour stands everywhere
    // Per point 0..n: 0 for the contour, else the number of the shaft section.
    std::vector<std::uint8_t> at;
    // Per shaft section: A [mm²], I [mm⁴] and the outer diameter D [mm].
    std::array<Real, kMaxShaftSections + 1> A{}, I{}, D{};

    // What the points were assigned for.
    int n = -1;
    Real length = 0;
    Real contourI = 0;
    int count = 0;
    std::array<ShaftSection, kMaxShaftSections + 1> sections{};
};

// The profile of the model's points n, kept when nothing it depends on changed. A point on a
// step takes the section with the smaller I (the contour's counts with its smaller principal
// moment).
const ShaftProfile& UpdateShaftProfile(ShaftProfile& profile, const BeamModel& m,
                                       const SectionProperties& contour);

}  // namespace bxr
