#include "format/units.h"

#include <algorithm>

#include "format/number_format.h"

namespace bxr {

namespace {

bool English(const OutputSettings& s) {
    return s.unitSystem == 1;
}
bool Plain(const OutputSettings& s) {
    return s.characterSetting == 1;
}

// Model value times this gives the English value; 1 where the quantity is not converted.
Real EnglishFactor(Quantity kind) {
    switch (kind) {
        case Quantity::Length:
            return 0.039370078740157480314L;  // 1/25.4
        case Quantity::Force:
            return 0.22480902473348890118L;  // 1/4.44822
        case Quantity::Stress:
            return 145.037L;
        case Quantity::Moment:
            return 8.850749005255468551L;  // 1/0.112984788
        case Quantity::LineLoad:
            return 5.7101492L;
        case Quantity::Area:
            return 1.0L / 645.16L;
        case Quantity::SectionModulus:
            return 1.0L / 16387.064L;
        case Quantity::SecondMoment:
            return 1.0L / 416231.4256L;
        default:
            return 1;
    }
}

// English value times this gives the model value.
Real ModelFactor(Quantity kind) {
    switch (kind) {
        case Quantity::Length:
            return 25.4L;
        case Quantity::Force:
            return 4.44822L;
        case Quantity::Stress:
            return 1.0L / 145.037L;
        case Quantity::Moment:
            return 0.112984788L;
        case Quantity::LineLoad:
            return 0.17512677251935903882L;  // 1/5.7101492
        case Quantity::Area:
            return 645.16L;
        case Quantity::SectionModulus:
            return 16387.064L;
        case Quantity::SecondMoment:
            return 416231.4256L;
        default:
            return 1;
    }
}

}  // namespace

std::string UnitText(const OutputSettings& s, Quantity kind) {
    const bool en = English(s);
    const bool plain = Plain(s);
    switch (kind) {
        case Quantity::Length:
            return en ? "in" : "mm";
        case Quantity::Force:
            return en ? "lbf" : "N";
        case Quantity::Stress:
            return en ? "psi" : "MPa";
        case Quantity::Moment:
            return en ? "lbfin" : "Nm";
        case Quantity::LineLoad:
            return en ? "lbf/in" : "N/mm";
        case Quantity::Area:
            return std::string(en ? "in" : "mm") + (plain ? "2" : "\xFD");
        case Quantity::SectionModulus:
            return std::string(en ? "in" : "mm") + (plain ? "3" : "\xFC");
        case Quantity::SecondMoment:
            return en ? "in4" : "mm4";
        case Quantity::SmallLength:
            return std::string(plain ? "u" : "\xE6") + (en ? "in" : "m");
        case Quantity::Angle:
            return plain ? "deg" : "\xF8";
        case Quantity::Density:
            return plain ? "kg/dm3" : "kg/dm\xFC";
    }
    return {};
}

Real ToDisplayUnits(const OutputSettings& s, Quantity kind, Real x) {
    return English(s) ? x * EnglishFactor(kind) : x;
}

Real ParseQuantity(const OutputSettings& s, Quantity kind, const std::string& text) {
    Real x = ParseFloat(text);
    return English(s) ? x * ModelFactor(kind) : x;
}

std::string FormatQuantityFree(const OutputSettings& s, Quantity kind, Real x) {
    Real v = ToDisplayUnits(s, kind, x);
    if (English(s) && kind == Quantity::Length) return FormatDecimals(s, v, 4);
    return FormatFree(s, v);
}

std::string FormatLengthEcho(const OutputSettings& s, Real x) {
    if (English(s)) return FormatDecimals(s, ToDisplayUnits(s, Quantity::Length, x), 4);
    return FormatFreeLong(s, x);
}

std::string FormatQuantityField(const OutputSettings& s, Quantity kind, Real x, int w, int d) {
    if (!English(s)) return FormatNumber(s, x, w, d);
    Real v = ToDisplayUnits(s, kind, x);
    // English values have other magnitudes: inches and pounds need a decimal more, psi and
    // pound-inches are large numbers.
    switch (kind) {
        case Quantity::Length:
        case Quantity::Force:
            return FormatNumber(s, v, std::max(w - 1, 1), d + 1);
        case Quantity::Stress:
            return FormatNumber(s, v, w + 2, std::max(0, d - 2));
        case Quantity::Moment:
            return FormatNumber(s, v, w + 1, std::max(0, d - 1));
        default:
            return FormatNumber(s, v, w, d);
    }
}

std::string FormatStressDecimals(const OutputSettings& s, Real x, int d) {
    if (English(s))
        return FormatDecimals(s, ToDisplayUnits(s, Quantity::Stress, x), std::max(0, d - 2));
    return FormatDecimals(s, x, d);
}

std::uint16_t ToggledUnitSystem(std::uint16_t unitSystem) {
    return unitSystem == 0 ? 1 : 0;
}

}  // namespace bxr
