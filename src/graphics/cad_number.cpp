#include "graphics/cad_number.h"

#include <cmath>
#include <cstdio>

#include "format/number_format.h"

namespace bxr {

namespace {

OutputSettings WithPoint(const OutputSettings& s) {
    OutputSettings p = s;
    p.decimalSeparator = 1;
    return p;
}

std::string Trimmed(std::string t) {
    std::size_t a = t.find_first_not_of(' ');
    if (a == std::string::npos) return "0";
    return t.substr(a, t.find_last_not_of(' ') - a + 1);
}

std::string WithDecimalPoint(std::string t) {
    // A value that rounds to zero has no sign.
    if (!t.empty() && t[0] == '-' && t.find_first_not_of("-0.") == std::string::npos) t.erase(0, 1);
    if (t.find('.') == std::string::npos && t.find('E') == std::string::npos) t += ".0";
    return t;
}

}  // namespace

std::string CadReal(const OutputSettings& s, Real x, int decimals) {
    if (!std::isfinite(x)) x = 0;
    return WithDecimalPoint(Trimmed(FormatDecimals(WithPoint(s), x, decimals)));
}

std::string CadFree(const OutputSettings& s, Real x) {
    if (!std::isfinite(x)) x = 0;
    return WithDecimalPoint(Trimmed(FormatFree(WithPoint(s), x)));
}

std::string GeneralNumber(Real x) {
    if (!std::isfinite(x)) x = 0;
    if (x == std::floor(x) && std::fabs(x) < 1e15L) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(x));
        return buf;
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.8Lg", x);
    return buf;
}

std::string OneLineText(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    return text;
}

}  // namespace bxr
