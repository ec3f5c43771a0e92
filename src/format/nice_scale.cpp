#include "format/nice_scale.h"

#include <cmath>
#include <utility>

namespace bxr {

Scale NiceScale(Real lower, Real upper, int intervals) {
    if (!std::isfinite(lower) || !std::isfinite(upper)) return {-1, 1, 1};
    if (intervals < 1) intervals = 1;
    // Reversed limits (a user typing them the wrong way round) still give a usable scale.
    if (lower > upper) std::swap(lower, upper);
    Real a = lower;
    Real b = upper;
    if (std::fabs(b - a) < 1e-5L) {
        a -= 1;
        b += 1;
    }
    // Pull the top in a little so that a value on a whole step does not get one more step.
    b -= (b - a) * 1e-5L;
    const Real raw = (b - a) / intervals;
    const Real power = std::pow(10.0L, std::floor(std::log10(raw)));
    const Real g = raw / power;
    Real multiplier = 10;
    if (g < 1.5L)
        multiplier = 1;
    else if (g < 3)
        multiplier = 2;
    else if (g < 8)
        multiplier = 5;
    const Real step = multiplier * power;
    return {std::floor(a / step) * step, (std::floor(b / step) + 1) * step, step};
}

std::vector<Real> ScaleTicks(const Scale& scale) {
    std::vector<Real> ticks;
    if (!(scale.step > 0) || !(scale.upper >= scale.lower)) return ticks;
    // Counted, not summed, so that rounding cannot drop or add the last tick.
    const Real count = std::round((scale.upper - scale.lower) / scale.step);
    if (!(count < 10000)) return ticks;
    for (int i = 0; i <= static_cast<int>(count); ++i)
        ticks.push_back(scale.lower + i * scale.step);
    return ticks;
}

}  // namespace bxr
