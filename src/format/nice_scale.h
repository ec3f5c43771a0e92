// Rounded axis limits and tick steps for the diagrams: a range is widened to whole steps of
// 1, 2 or 5 times a power of ten.
#pragma once

#include <vector>

#include "format/basic_types.h"

namespace bxr {

struct Scale {
    Real lower = 0;
    Real upper = 0;
    Real step = 1;
};

// Limits and step for the values lower..upper in about `intervals` steps (the diagrams use 6).
Scale NiceScale(Real lower, Real upper, int intervals);

// The tick values lower, lower + step, ... up to upper.
std::vector<Real> ScaleTicks(const Scale& scale);

}  // namespace bxr
