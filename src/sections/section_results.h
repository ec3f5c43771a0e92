// The section values as rows of description, symbol, unit and value: the results table of
// the cross-section view and the section block of the text report read them from here and
// only lay them out. Rows do not look at the fatal flag; callers show the messages instead.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/beam_model.h"
#include "format/output_settings.h"
#include "model/section_properties.h"

namespace bxr {

enum class ResultUnit {
    Area,          // unit text and conversion of the area
    FirstMoment,   // the section-modulus unit, mm³
    SecondMoment,  // mm4
    Length,
    Angle,        // value in degrees, angle unit text
    Degree,       // value in degrees, fixed text "Grad"
    Density,      // fixed text "kg/dm3"
    Mass,         // fixed text "kg"
    MassInertia,  // fixed text "kgm²", long format that prints values below 1e-12 as 0
};

struct SectionResultRow {
    OemString description;
    OemString symbol;
    ResultUnit unit = ResultUnit::Area;
    Real value = 0;  // model units; angles in degrees
    // Pen group of the drawn table: 1 values about the origin and the centroid coordinates,
    // 2 centroidal moments, 3 principal values, 4 mass values.
    int group = 1;
};

// "ERGEBNISSE": heading of the results table.
OemString SectionTableHeading();
// Rows of the results table; the mass rows only when the mass length is positive.
std::vector<SectionResultRow> SectionTableRows(const SectionState& section);

struct ContourReportRow {
    int index = 0;
    Real y = 0;
    Real z = 0;
    Real arcAngleDeg = 0;
};

// The section block of the text report.
struct SectionReportBlock {
    OemString contourHeading;                  // "GEOMETRIE KONTUR"
    std::array<std::string, 4> contourTitles;  // column titles with the unit texts
    std::vector<ContourReportRow> contour;     // empty: no contour table at all
    OemString sectionHeading;                  // "ERGEBNISSE QUERSCHNITT"
    std::vector<SectionResultRow> section;
    OemString bodyHeading;               // "ERGEBNISSE KÖRPER"
    std::vector<SectionResultRow> body;  // empty unless the mass length is positive
};

SectionReportBlock SectionReportRows(const BeamModel& model, const SectionState& section,
                                     const OutputSettings& settings);

// Unit text of a row for the current unit system and character setting.
std::string ResultUnitText(const OutputSettings& settings, ResultUnit unit);
// Value of a row converted and formatted for display.
std::string ResultValueText(const OutputSettings& settings, const SectionResultRow& row);

}  // namespace bxr
