// The project file (.bxr) and the KORM geometry file (.GQD): one value per line in a fixed
// order with fixed caption lines. A single table of line kinds bound to model fields drives
// both the writer and the reader, so the two cannot drift apart.
#pragma once

#include <string>
#include <string_view>

#include "model/beam_model.h"
#include "model/documentation.h"
#include "format/output_settings.h"
#include "model/section_properties.h"

namespace bxr {

inline constexpr const char* kProjectExtension = "bxr";
inline constexpr const char* kKormExtension = "GQD";

// What the reader found besides the values.
struct ReadReport {
    bool complete = true;  // the file held every line of the sequence
    // A line is not what the writer puts there: a rule line missing, a number field empty or
    // not a number (or beyond what a calculation can use), a boolean neither TRUE nor FALSE, a
    // count below zero or above its list's capacity, or lines after the last one.
    bool damaged = false;
    int linesRead = 0;
    int line = 0;  // the line that does not fit, or the first missing one (1-based)
    bool Ok() const { return complete && !damaged; }
};

// A real value line: integers below 1 without decimals, everything else with 7 decimals,
// both following the decimal-places and decimal-mark settings.
std::string WriteReal(const OutputSettings& s, Real x);
// A contour value: 3 decimals.
std::string WriteContourReal(const OutputSettings& s, Real x);

// The complete file text. The model is written as it is: callers strip appended loads first.
std::string ProjectFileText(const BeamModel& model, const ProjectDocumentation& doc,
                            const OutputSettings& s);
// Reads the lines in the written order into model and doc. A file that is damaged or ends
// early changes nothing, and the report names the line. Afterwards the appended-loads flag is
// clear and the material code is empty.
ReadReport ReadProjectText(std::string_view data, BeamModel& model, ProjectDocumentation& doc);

// The KORM geometry file: banner, contour, section density and mass length, arc division,
// drawing texts, documentation, hatching and principal axes.
std::string KormFileText(const BeamModel& model, const ProjectDocumentation& doc,
                         const SectionState& section, const OutputSettings& s);
ReadReport ReadKormText(std::string_view data, BeamModel& model, ProjectDocumentation& doc,
                        SectionState& section);

}  // namespace bxr
