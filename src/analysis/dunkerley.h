// Natural bending frequency after Dunkerley: the beam's mass as nine single forces, one at
// a time; each deflection gives a partial frequency, and 1/f² adds up.
#pragma once

#include "model/beam_model.h"

namespace bxr {

struct CalcState;

// Fills ws.results.frequency [Hz]; "Fehler : f dunkerley" and 0 when no partial frequency
// exists. Leaves the model's loads as they were.
void DunkerleyFrequency(CalcState& ws);

}  // namespace bxr
