// The shared input of one real value with an inclusive range: a text that is not a number is
// refused with "Ungültige Eingabe" and the old value offered again; a value out of range is
// refused with the valid range and the prompt repeats.
#pragma once

#include <optional>
#include <string>

#include "format/output_settings.h"
#include "model/beam_model.h"

namespace bxr {

class Ui;

// The typed value, or nothing when the user cancels (the caller then sets the abort flag).
// Confirming the offered text unchanged keeps the current value exactly (the text shows it
// rounded) as long as it lies in the range.
std::optional<Real> AskRealInRange(Ui& ui, const OutputSettings& settings,
                                   const std::string& prompt, Real current, Real minimum,
                                   Real maximum);
// The length variant: value and limits (all in mm) are shown and typed in inches while the
// inch system is active; the result is in mm.
std::optional<Real> AskLengthInRange(Ui& ui, const OutputSettings& settings,
                                     const std::string& prompt, Real current, Real minimum,
                                     Real maximum);

// A typed number: blanks around it allowed, the first "," read as "."; nothing when the text
// is not a number.
std::optional<Real> ParseTypedReal(const std::string& text);

}  // namespace bxr
