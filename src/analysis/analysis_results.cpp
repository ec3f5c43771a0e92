#include "analysis/analysis_results.h"

#include <cmath>

namespace bxr {

Real RoundToReal48(Real x) {
    if (!(x == x)) return x;  // NaN passes through; comparisons with it are false anyway
    if (x == 0) return 0;
    // 1 hidden + 39 stored bits; exponent byte with bias 129, no subnormals.
    constexpr Real kSmallest = 0x1p-128L;
    constexpr Real kLargest = 0x1.fffffffffep126L;
    int exponent = 0;
    const Real mantissa = std::frexp(x, &exponent);  // [0.5, 1)
    const Real rounded = std::ldexp(std::nearbyint(std::ldexp(mantissa, 40)), exponent - 40);
    if (std::fabs(rounded) < kSmallest) return 0;
    if (std::fabs(rounded) > kLargest) return x < 0 ? -kLargest : kLargest;
    return rounded;
}

}  // namespace bxr
