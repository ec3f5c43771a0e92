// Which entries of the model's load lists a reaction solution or a pass takes into account:
// normally all of them; a single entry when the analysis needs the answer to one load alone.
#pragma once

#include <algorithm>

#include "model/beam_model.h"

namespace bxr {

struct LoadRange {
    int pointFirst = 1, pointLast = 0;
    int distributedFirst = 1, distributedLast = 0;
    int momentFirst = 1, momentLast = 0;
    int axialFirst = 1, axialLast = 0;

    // Entries 1..count of every list, never beyond the room of the list.
    static LoadRange All(const BeamModel& m) {
        LoadRange r;
        r.pointLast = std::clamp<int>(m.pointLoadCount, 0, kPointLoadRoom);
        r.distributedLast = std::clamp<int>(m.distributedLoadCount, 0, kDistributedLoadRoom);
        r.momentLast = std::clamp<int>(m.momentLoadCount, 0, kMomentLoadRoom);
        r.axialLast = std::clamp<int>(m.axialLoadCount, 0, kAxialLoadRoom);
        return r;
    }
    // Only single force i.
    static LoadRange OnePointLoad(int i) {
        LoadRange r;
        r.pointFirst = r.pointLast = i;
        return r;
    }
};

}  // namespace bxr
