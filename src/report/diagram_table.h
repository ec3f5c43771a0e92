// The diagram tables: the station results along the beam as text tables for a file. Three
// tables (forces and deformations; stresses per plane; resultant stresses), sampled at a
// chosen number of points. Values are always in model units (N, Nm, mm, degrees, N/mm²),
// whatever the unit system, so the headers are fixed.
#pragma once

#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "model/beam_model.h"
#include "report/output_channel.h"
#include "format/output_settings.h"

namespace bxr {

enum class DiagramTableKind {
    Forces = 1,             // Fq, Mb, w, slope in both planes
    PlaneStresses = 2,      // bending and equivalent stress per plane, tension/compression
    ResultantStresses = 3,  // resultant stresses with their directions
};

// The prompts and choices of the export command, in code page 850; the three table names in
// the order of DiagramTableKind.
std::string DiagramTableChoicePrompt();
std::string DiagramTableCountPrompt();
std::vector<std::string> DiagramTableChoices();
// The fewest points the export accepts; the most is the segment count.
inline constexpr int kDiagramTableMinPoints = 50;

struct DiagramTableLayout {
    int firstWidth = 0;                // width of the x column
    int columnWidth = 0;               // width of each further column
    int valueField = 0;                // FormatInField width of every value
    std::vector<std::string> headers;  // code page 850; headers[0] is the x column
};

DiagramTableLayout DiagramTableColumns(DiagramTableKind kind);

// One row of the table: the requested position and the calculation point it reads.
struct DiagramSample {
    Real x = 0;
    int station = 0;
};

// x = 0, L/count, 2L/count, ... L, each with the nearest of the stations 0..segments (halves
// to even). count = segments gives every station once. No rows for a beam without length,
// no segments or a count below 1.
std::vector<DiagramSample> DiagramTableSamples(Real length, int segments, int count);

// The values of one station after the x column, in the table's column order and in the
// table's units. StationRecord is the analysis' station record (fields as named there).
template <class StationRecord>
std::vector<Real> DiagramTableValues(const StationRecord& st, DiagramTableKind kind) {
    constexpr Real kDegreesPerRadian = 180 / std::numbers::pi_v<Real>;
    switch (kind) {
        case DiagramTableKind::Forces:
            return {st.Fq_xy,
                    st.Fq_xz,
                    st.Mb_xy / 1000,
                    st.Mb_xz / 1000,
                    st.w_xy,
                    st.w_xz,
                    st.slope_xy * kDegreesPerRadian,
                    st.slope_xz * kDegreesPerRadian};
        case DiagramTableKind::PlaneStresses:
            return {st.sigB_xy, st.sigB_xz, st.sigZ, st.sigV_xy, st.sigV_xz};
        case DiagramTableKind::ResultantStresses:
            return {st.sigB, st.phiSigB, st.sigZ, st.sigV, st.phiSigV};
    }
    return {};
}

// The cell texts of every row (x first), each value right-aligned with FormatInField in the
// table's value field. valuesOf gives the values of a station (DiagramTableValues).
std::vector<std::vector<std::string>> DiagramTableRows(
    const OutputSettings& settings, DiagramTableKind kind,
    const std::vector<DiagramSample>& samples,
    const std::function<std::vector<Real>(int station)>& valuesOf);

// Writes the table through an open channel: the fixed head, then one row per sample. False
// when the channel failed on the way (the abort flag is then set by the channel).
bool WriteDiagramTable(OutputChannel& out, DiagramTableKind kind,
                       const std::vector<DiagramSample>& samples,
                       const std::function<std::vector<Real>(int station)>& valuesOf);

}  // namespace bxr
