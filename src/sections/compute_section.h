// From the contour to the section values: arcs expanded to chords, extents, area integrals,
// centroidal and principal values, and the mass values of the beam.
#pragma once

#include "model/calc_messages.h"
#include "model/beam_model.h"
#include "format/output_settings.h"
#include "model/section_properties.h"

namespace bxr {

// Reads the contour and arcDivision of the model and the density and mass length of the
// section state; writes polygon, extents, properties, volume and mass. Clears the messages
// and the fatal flag first; a fatal fault adds its message, sets the flag and stops, leaving
// what was computed before. An empty contour changes nothing.
void ComputeSectionProperties(const BeamModel& model, const OutputSettings& settings,
                              SectionState& section, CalcMessages& messages);

// Chords an arc of the given sweep [rad] is divided into: |sweep| / arcDivision rounded to
// the nearest integer, halves to even, at least 2. Invalid steps give more chords than the
// polygon can hold.
int ArcChordCount(Real sweep, Real arcDivisionDeg);

// Centroid, centroidal and principal values from the integrals about the origin (A, Hy, Hz,
// Iy, Iz, Iyz); A must not be 0.
void ComputeCentroidalValues(SectionProperties& s);

}  // namespace bxr
