// Quantity kinds with their unit texts and conversions between model and display units.
#pragma once

#include <string>

#include "format/basic_types.h"
#include "format/output_settings.h"

namespace bxr {

enum class Quantity {
    Length,
    Force,
    Stress,
    Moment,
    LineLoad,
    Area,
    SectionModulus,
    SecondMoment,
    SmallLength,
    Angle,
    Density,
};

// Unit text in code page 850 for the current unit system and character setting.
std::string UnitText(const OutputSettings& s, Quantity kind);
// Model value to display units (unchanged in metric).
Real ToDisplayUnits(const OutputSettings& s, Quantity kind, Real x);
// Typed text to model units.
Real ParseQuantity(const OutputSettings& s, Quantity kind, const std::string& text);
// FormatFree of the converted value (lengths in English units with 4 decimals).
std::string FormatQuantityFree(const OutputSettings& s, Quantity kind, Real x);
// The input-echo variant for lengths: FormatFreeLong in metric.
std::string FormatLengthEcho(const OutputSettings& s, Real x);
// FormatNumber of the converted value with the English field-format adjustments.
std::string FormatQuantityField(const OutputSettings& s, Quantity kind, Real x, int w, int d);
// The unit system after the metric/English button of a load dialog: 0 becomes 1, anything
// else 0.
std::uint16_t ToggledUnitSystem(std::uint16_t unitSystem);

// Stress with automatic width.
std::string FormatStressDecimals(const OutputSettings& s, Real x, int d);

}  // namespace bxr
