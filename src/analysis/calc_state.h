// What a calculation reads and writes: the model, the settings, the section values, the
// messages, the results and the material's strengths, and the stop flag. The calculation
// takes only this; the program's whole state (the Workspace) is built on it.
#pragma once

#include "analysis/analysis_results.h"
#include "config/configuration.h"
#include "model/beam_model.h"
#include "model/calc_messages.h"
#include "model/section_properties.h"
#include "sections/compute_section.h"
#include "sections/material_catalog.h"

namespace bxr {

struct CalcState {
    BeamModel model;
    Configuration config;
    SectionState section;
    CalcMessages messages;
    AnalysisResults results;
    MaterialCatalogState materials;  // fatigue values, DIN 743 row and surface values
    bool abortFlag = false;

    const OutputSettings& output() const { return config.output; }
};

// The section values of the model in the calculation's state.
inline void ComputeSectionProperties(CalcState& s) {
    ComputeSectionProperties(s.model, s.output(), s.section, s.messages);
}

}  // namespace bxr
