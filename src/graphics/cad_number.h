// Numbers in CAD files: always a decimal point, whatever the decimal mark of the reports.
#pragma once

#include <string>

#include "model/beam_model.h"
#include "format/output_settings.h"

namespace bxr {

// Fixed decimals (the decimal-places setting applies), always with a "." and at least one
// decimal, no padding.
std::string CadReal(const OutputSettings& s, Real x, int decimals);
// The automatic layout of FormatFree, always with a "." ("0.0", "0.7", "12.0").
std::string CadFree(const OutputSettings& s, Real x);
// General format with 8 significant digits, integers without a point: the display list.
std::string GeneralNumber(Real x);

// A text for a line-based file: line breaks and tabs become blanks, so that a text can
// never break the file's structure.
std::string OneLineText(std::string text);

}  // namespace bxr
