#include "sections/section_results.h"

#include <algorithm>
#include <numbers>

#include "format/code_page.h"
#include "format/number_format.h"
#include "format/units.h"

namespace bxr {

namespace {

constexpr Real kDegreesPerRadian = 180 / std::numbers::pi_v<Real>;

SectionResultRow Row(const char* description, const char* symbol, ResultUnit unit, Real value,
                     int group) {
    return {Utf8ToOem(description), Utf8ToOem(symbol), unit, value, group};
}

bool ShowsMass(const SectionState& section) {
    return section.massLength > 0;
}

}  // namespace

OemString SectionTableHeading() {
    return "ERGEBNISSE"_oem;
}

std::vector<SectionResultRow> SectionTableRows(const SectionState& section) {
    const SectionProperties& p = section.props;
    using U = ResultUnit;
    std::vector<SectionResultRow> rows = {
        Row("Querschnittsfläche", "A", U::Area, p.A, 1),
        Row("Flächenmoment 1.Ord.", "Hy", U::FirstMoment, p.Hy, 1),
        Row("Flächenmoment 1.Ord.", "Hz", U::FirstMoment, p.Hz, 1),
        Row("Ax.Flächenmoment 2.Ord.", "Iy", U::SecondMoment, p.Iy, 1),
        Row("Ax.Flächenmoment 2.Ord.", "Iz", U::SecondMoment, p.Iz, 1),
        Row("Gem.Flächenmoment 2.Ord.", "Iyz", U::SecondMoment, p.Iyz, 1),
        Row("Pol.Flächenmoment 2.Ord.", "Ip0", U::SecondMoment, p.Ip0, 1),
        Row("Schwerpunktkoordinate", "ys", U::Length, p.ys, 1),
        Row("Schwerpunktkoordinate", "zs", U::Length, p.zs, 1),
        Row("Ax.Flächenmoment Schw.p.", "Ieta", U::SecondMoment, p.Ieta, 2),
        Row("Ax.Flächenmoment Schw.p.", "Izeta", U::SecondMoment, p.Izeta, 2),
        Row("Gem.Flächenmoment Schw.p.", "Iez", U::SecondMoment, p.Iez, 2),
        Row("Pol.Flächenmoment Schw.p.", "IpS", U::SecondMoment, p.IpS, 2),
        Row("Hauptflächenmoment 1", "I1", U::SecondMoment, p.I1, 3),
        Row("Hauptflächenmoment 2", "I2", U::SecondMoment, p.I2, 3),
        Row("Hauptwinkel", "phi", U::Angle, p.phi * kDegreesPerRadian, 3),
    };
    if (ShowsMass(section)) {
        rows.push_back(Row("Masse", "m", U::Mass, section.mass, 4));
        rows.push_back(Row("Massenträgheitsmoment", "Js", U::MassInertia, p.Js, 4));
        rows.push_back(Row("Massenträgheitsmoment", "J0", U::MassInertia, p.J0, 4));
    }
    return rows;
}

SectionReportBlock SectionReportRows(const BeamModel& model, const SectionState& section,
                                     const OutputSettings& settings) {
    const SectionProperties& p = section.props;
    using U = ResultUnit;
    SectionReportBlock block;

    block.contourHeading = "GEOMETRIE KONTUR"_oem;
    const std::string length = UnitText(settings, Quantity::Length);
    block.contourTitles = {"  i", "       y " + length, "       z " + length,
                           "    phi " + UnitText(settings, Quantity::Angle)};
    const int n = std::min<int>(model.contourCount, kMaxContourPoints);
    for (int i = 1; i <= n; ++i) {
        const ContourPoint& c = model.contour[i];
        block.contour.push_back({i, c.y, c.z, c.arcAngle * kDegreesPerRadian});
    }

    block.sectionHeading = "ERGEBNISSE QUERSCHNITT"_oem;
    block.section = {
        Row("Querschnittsfläche", "A", U::Area, p.A, 1),
        Row("Flächenmoment 1.Ordnung", "Hy", U::FirstMoment, p.Hy, 1),
        Row("Flächenmoment 1.Ordnung", "Hz", U::FirstMoment, p.Hz, 1),
        Row("Ax.Flächenmoment 2.Ordnung", "Iy", U::SecondMoment, p.Iy, 1),
        Row("Ax.Flächenmoment 2.Ordnung", "Iz", U::SecondMoment, p.Iz, 1),
        Row("Gemischt.Flächenmoment 2.Ord.", "Iyz", U::SecondMoment, p.Iyz, 1),
        Row("Polares Flächenmoment 2.Ord.", "IP0", U::SecondMoment, p.Ip0, 1),
        Row("Schwerpunktkoordinate", "ys", U::Length, p.ys, 1),
        Row("Schwerpunktkoordinate", "zs", U::Length, p.zs, 1),
        Row("Ax.Flächenmoment Schwerpunkt", "IyS", U::SecondMoment, p.Ieta, 2),
        Row("Ax.Flächenmoment Schwerpunkt", "IzS", U::SecondMoment, p.Izeta, 2),
        Row("Ax.Flächenmoment Schwerpunkt", "IyzS", U::SecondMoment, p.Iez, 2),
        Row("Polares Flächenmoment Schw.p.", "IpS", U::SecondMoment, p.IpS, 2),
        Row("Hauptflächenmoment 1", "I1", U::SecondMoment, p.I1, 3),
        Row("Hauptflächenmoment 2", "I2", U::SecondMoment, p.I2, 3),
        Row("Hauptwinkel phi", "phi", U::Degree, p.phi * kDegreesPerRadian, 3),
    };

    block.bodyHeading = "ERGEBNISSE KÖRPER"_oem;
    if (ShowsMass(section)) {
        block.body = {
            Row("Länge des Profils in x-Richtung", "lx", U::Length, section.massLength, 4),
            Row("Werkstoffdichte", "rho", U::Density, section.density, 4),
            Row("Volumen", "V", U::FirstMoment, section.volume, 4),
            Row("Masse", "m", U::Mass, section.mass, 4),
            Row("Massenträgheitsmoment Schwerpunkt", "Js", U::MassInertia, p.Js, 4),
            Row("Massenträgheitsmoment Ursprung", "J0", U::MassInertia, p.J0, 4),
        };
    }
    return block;
}

std::string ResultUnitText(const OutputSettings& settings, ResultUnit unit) {
    switch (unit) {
        case ResultUnit::Area:
            return UnitText(settings, Quantity::Area);
        case ResultUnit::FirstMoment:
            return UnitText(settings, Quantity::SectionModulus);
        case ResultUnit::SecondMoment:
            return UnitText(settings, Quantity::SecondMoment);
        case ResultUnit::Length:
            return UnitText(settings, Quantity::Length);
        case ResultUnit::Angle:
            return UnitText(settings, Quantity::Angle);
        case ResultUnit::Degree:
            return "Grad"_oem;
        case ResultUnit::Density:
            return "kg/dm3"_oem;
        case ResultUnit::Mass:
            return "kg"_oem;
        case ResultUnit::MassInertia:
            return "kgm²"_oem;
    }
    return {};
}

std::string ResultValueText(const OutputSettings& settings, const SectionResultRow& row) {
    switch (row.unit) {
        case ResultUnit::Area:
            return FormatQuantityFree(settings, Quantity::Area, row.value);
        case ResultUnit::FirstMoment:
            return FormatQuantityFree(settings, Quantity::SectionModulus, row.value);
        case ResultUnit::SecondMoment:
            return FormatQuantityFree(settings, Quantity::SecondMoment, row.value);
        case ResultUnit::Length:
            return FormatQuantityFree(settings, Quantity::Length, row.value);
        case ResultUnit::MassInertia:
            return FormatSmart(settings, row.value);
        case ResultUnit::Angle:
        case ResultUnit::Degree:
        case ResultUnit::Density:
        case ResultUnit::Mass:
            return FormatFree(settings, row.value);
    }
    return {};
}

}  // namespace bxr
