#include "analysis/analysis_results.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace bxr {

namespace {

// 1 hidden + 39 stored bits; exponent byte with bias 129, no subnormals.
constexpr Real kSmallest = 0x1p-128L;
constexpr Real kLargest = 0x1.fffffffffep126L;

Real IntoRange(Real rounded, Real x) {
    if (std::fabs(rounded) < kSmallest) return 0;
    if (std::fabs(rounded) > kLargest) return x < 0 ? -kLargest : kLargest;
    return rounded;
}

}  // namespace

Real RoundToReal48(Real x) {
    if (!(x == x)) return x;  // NaN passes through; comparisons with it are false anyway
    if (x == 0) return 0;
#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
    // The trackers round every new extreme, so this runs thousands of times per pass: the
    // 64-bit significand of the x87 format is cut to 40 bits directly, to nearest, ties to
    // even, as the library rounding below does it.
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&significand, &x, sizeof significand);
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + 8,
                sizeof signAndExponent);
    const int exponent = signAndExponent & 0x7FFF;
    if (exponent == 0) return 0;                      // subnormal: far below the range
    if (exponent == 0x7FFF) return IntoRange(x, x);  // infinite
    constexpr int kDropped = 64 - 40;
    constexpr std::uint64_t kHalf = std::uint64_t{1} << (kDropped - 1);
    const std::uint64_t low = significand & ((std::uint64_t{1} << kDropped) - 1);
    std::uint64_t high = significand >> kDropped;
    if (low > kHalf || (low == kHalf && (high & 1) != 0)) ++high;
    std::uint16_t newSignAndExponent = signAndExponent;
    if (high >> 40 != 0) {  // the carry ran through all 40 bits: 2^40 is 1 in the next binade
        high >>= 1;
        ++newSignAndExponent;
    }
    significand = high << kDropped;
    Real rounded = x;
    std::memcpy(&rounded, &significand, sizeof significand);
    std::memcpy(reinterpret_cast<unsigned char*>(&rounded) + 8, &newSignAndExponent,
                sizeof newSignAndExponent);
    return IntoRange(rounded, x);
#else
    int exponent = 0;
    const Real mantissa = std::frexp(x, &exponent);  // [0.5, 1)
    return IntoRange(std::ldexp(std::nearbyint(std::ldexp(mantissa, 40)), exponent - 40), x);
#endif
}

}  // namespace bxr
