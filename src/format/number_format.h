// Numbers to text and back. Every number the program shows, prints or writes to a text file
// is laid out here; every number the user types is read here.
#pragma once

#include <string>
#include <utility>

#include "format/basic_types.h"
#include "format/output_settings.h"

namespace bxr {

struct DigitCounts {
    int integerDigits = 0;
    int decimals = 0;
};

// Integer digits and decimals for x with the given significant-digit budget.
DigitCounts DigitLayout(Real x, int budget);

// The place where a number becomes text; applies the decimal-places and separator settings.
std::string FormatNumber(const OutputSettings& s, Real x, int intWidth, int decimals);
// Automatic layout with budget 3, "0" below 1e-5.
std::string FormatFree(const OutputSettings& s, Real x);
// Automatic layout with budget 6, "0" below 1e-5.
std::string FormatFreeLong(const OutputSettings& s, Real x);
// Integer width from DigitLayout(x, 3), fixed decimals.
std::string FormatDecimals(const OutputSettings& s, Real x, int decimals);
// Right-aligned in exactly width columns with automatic decimals.
std::string FormatInField(const OutputSettings& s, Real x, int width);
// FormatFree between 1e-5 and 10000, engineering notation otherwise, "0" below 1e-12.
std::string FormatSmart(const OutputSettings& s, Real x);
// Mantissa and an exponent that is a multiple of 3: 12.35E3, 0.02E-3.
std::string FormatEngineering(const OutputSettings& s, Real x);

// First "," read as "."; text that is not a number gives 0.
Real ParseFloat(const std::string& text);
// Decimal integer; 0 when not a number.
long ParseInt(const std::string& text);

}  // namespace bxr
