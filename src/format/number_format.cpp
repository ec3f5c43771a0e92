#include "format/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <system_error>

#include "format/text_helpers.h"

namespace bxr {

namespace {

// Digits printed beyond the requested ones before we round by hand. A long double at or
// above 1e-8 is at least about 4e-38 away from any halfway point with ten decimals, so
// sixty digits always show on which side of the halfway point the stored value lies.
constexpr int kGuardDigits = 60;

// Exact-enough decimal expansion in the "C" form (point, no grouping), independent of the
// process locale.
std::string FixedExpansion(Real x, int precision) {
    char small[160];
    auto r = std::to_chars(small, small + sizeof small, x, std::chars_format::fixed, precision);
    if (r.ec == std::errc()) return std::string(small, r.ptr);
    std::string big(5200 + precision, '\0');
    r = std::to_chars(big.data(), big.data() + big.size(), x, std::chars_format::fixed, precision);
    if (r.ec != std::errc()) return "0";
    big.resize(r.ptr - big.data());
    return big;
}

// The same text as FixedText for |x| below 2^64 and up to 19 decimals, by integer arithmetic:
// |x| = m·2^-k exactly, so |x|·10^d = m·10^d / 2^k, whose quotient and remainder give the
// rounded digits without a decimal expansion. Empty when x is out of that range.
std::string FixedTextByIntegers(Real x, int decimals) {
    static_assert(std::numeric_limits<Real>::digits == 64, "an 80-bit long double");
    if (decimals > 19 || !(std::fabs(x) < 0x1p64L)) return {};
    __extension__ typedef unsigned __int128 U128;
    U128 scaled = 0;  // round(|x|·10^d), halfway away from zero
    if (x != 0) {
        int exponent = 0;
        const Real fraction = std::frexp(std::fabs(x), &exponent);  // [0.5, 1)·2^exponent
        const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        const int k = 64 - exponent;  // |x| = m / 2^k, k >= 0 below 2^64
        U128 power = 1;
        for (int i = 0; i < decimals; ++i) power *= 10;
        const U128 product = U128(m) * power;  // below 2^128
        if (k >= 128) {
            scaled = 0;  // product < 2^127 <= half of 2^k
        } else {
            scaled = product >> k;
            const U128 remainder = k == 0 ? 0 : product & ((U128(1) << k) - 1);
            if (k > 0 && remainder >= (U128(1) << (k - 1))) ++scaled;
        }
    }
    char buffer[48];
    char* end = buffer + sizeof buffer;
    char* p = end;
    int written = 0;
    do {
        *--p = static_cast<char>('0' + static_cast<int>(scaled % 10));
        scaled /= 10;
        ++written;
    } while (scaled != 0 || written < decimals + 1);
    const bool zero = std::string_view(p, end - p).find_first_not_of('0') == std::string_view::npos;
    std::string text;
    if (std::signbit(x) && !zero) text += '-';
    text.append(p, end - decimals);
    if (decimals > 0) text.append(1, '.').append(end - decimals, end);
    return text;
}

// Fixed-point text of x with the given decimals, halfway cases rounded away from zero (the
// stored binary value decides what is halfway). A result that rounds to zero has no sign.
std::string FixedText(Real x, int decimals) {
    if (!std::isfinite(x)) return std::isnan(x) ? "nan" : (x < 0 ? "-inf" : "inf");
    if (std::string text = FixedTextByIntegers(x, decimals); !text.empty()) return text;
    std::string full = FixedExpansion(std::fabs(x), decimals + kGuardDigits);
    std::size_t point = full.find('.');
    std::string digits = full.substr(0, point);  // integer digits, then the kept decimals
    std::string rest;
    if (point != std::string::npos) {
        digits += full.substr(point + 1, decimals);
        rest = full.substr(point + 1 + decimals);
    }
    if (!rest.empty() && rest[0] >= '5') {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0)
            ++digits[i];
        else
            digits.insert(digits.begin(), '1');
    }
    std::size_t intLen = digits.size() - decimals;
    std::string text = digits.substr(0, intLen);
    if (decimals > 0) text += '.' + digits.substr(intLen);
    bool allZero = digits.find_first_not_of('0') == std::string::npos;
    if (std::signbit(x) && !allZero) text.insert(text.begin(), '-');
    return text;
}

std::string PadLeft(std::string text, int width) {
    if (width > static_cast<int>(text.size())) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string_view TrimmedView(const std::string& text) {
    std::size_t b = text.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    std::size_t e = text.find_last_not_of(" \t");
    return std::string_view(text).substr(b, e - b + 1);
}

// Plain decimal: sign, digits with at most one point, optional exponent. Rejects "inf",
// "nan" and hexadecimal forms that from_chars would otherwise take.
bool IsDecimalNumber(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++mantissaDigits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == t.size();
}

int FloorLog10(Real v) {
    return static_cast<int>(std::floor(std::log10(v)));
}

}  // namespace

DigitCounts DigitLayout(Real x, int budget) {
    Real v = x == 0 ? 0.5L : std::fabs(x);
    if (!std::isfinite(v)) return {1, 0};
    int k = FloorLog10(v);
    if (k >= budget) return {k + 1, 0};
    int p = 0;
    int q = 0;
    if (k < 0) {
        p = 0;
        q = budget - k - 1;
    } else {
        p = k + 1;
        q = budget - k;
    }
    // Drop trailing zeros of the value rounded one digit beyond the last decimal.
    Real e = std::round(v * std::pow(10.0L, q + 1));
    if (e >= 1) {
        do {
            e = std::floor(e / 10);
            if (std::fmod(e, 10.0L) == 0) --q;
        } while (std::fmod(e, 10.0L) == 0 && e >= 1);
    }
    if (k >= 0 && q < 0) q = 0;
    return {p, q};
}

std::string FormatNumber(const OutputSettings& s, Real x, int intWidth, int decimals) {
    if (std::fabs(x) < 1e-8L) x = 0;
    if (s.decimalPlaces != 3) {
        decimals += s.decimalPlaces - 3;
        if (decimals < 0) decimals = 0;
        if (decimals > 10) decimals = 10;
    }
    if (decimals < 0) decimals = 0;
    std::string text = FixedText(x, decimals);
    text = PadLeft(std::move(text), decimals > 0 ? intWidth + decimals + 1 : intWidth);
    if (s.decimalSeparator == 2) {
        for (char& c : text)
            if (c == '.') c = ',';
    }
    return text;
}

std::string FormatFree(const OutputSettings& s, Real x) {
    if (std::fabs(x) < 1e-5L) return "0";
    DigitCounts d = DigitLayout(x, 3);
    return FormatNumber(s, x, d.integerDigits, d.decimals);
}

std::string FormatFreeLong(const OutputSettings& s, Real x) {
    if (std::fabs(x) < 1e-5L) return "0";
    DigitCounts d = DigitLayout(x, 6);
    return FormatNumber(s, x, d.integerDigits, d.decimals);
}

std::string FormatDecimals(const OutputSettings& s, Real x, int decimals) {
    return FormatNumber(s, x, DigitLayout(x, 3).integerDigits, decimals);
}

std::string FormatInField(const OutputSettings& s, Real x, int width) {
    if (std::fabs(x) < 1e-6L) return PadLeft("0", width);
    int q = DigitLayout(x, 3).decimals;
    if (q > 0) return FormatNumber(s, x, width - q - 1, q);
    return FormatNumber(s, x, width, 0);
}

std::string FormatSmart(const OutputSettings& s, Real x) {
    Real a = std::fabs(x);
    if (a < 1e-12L) return "0";
    if (a >= 1e-5L && a < 10000) return FormatFree(s, x);
    return FormatEngineering(s, x);
}

std::string FormatEngineering(const OutputSettings& s, Real x) {
    if (!std::isfinite(x)) return FormatFree(s, x);
    int k = x == 0 ? 0 : FloorLog10(std::fabs(x));
    if (k >= 4 || k < -2) {
        int e = 3 * (k / 3);  // C++ division truncates toward zero
        Real m = x / std::pow(10.0L, e);
        return FormatFree(s, m) + "E" + IntText(e);
    }
    return FormatFree(s, x);
}

Real ParseFloat(const std::string& text) {
    std::string t(TrimmedView(text));
    std::size_t comma = t.find(',');
    if (comma != std::string::npos) t[comma] = '.';
    if (!IsDecimalNumber(t)) return 0;
    std::size_t start = t[0] == '+' ? 1 : 0;
    Real value = 0;
    auto r = std::from_chars(t.data() + start, t.data() + t.size(), value);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return 0;
    return value;
}

long ParseInt(const std::string& text) {
    std::string_view t = TrimmedView(text);
    if (!t.empty() && t[0] == '+') t.remove_prefix(1);
    if (t.empty() || t[0] == '+') return 0;
    long value = 0;
    auto r = std::from_chars(t.data(), t.data() + t.size(), value);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return 0;
    return value;
}

}  // namespace bxr
